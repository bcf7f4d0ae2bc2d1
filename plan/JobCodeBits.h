#pragma once

#include "plan/PlanTypes.h"

// The bit layout of a JobCode, shared by the selection that composes codes
// and the plan that decodes them.
namespace jobcode {

inline constexpr JobCode kMemberMask = 0x3;
inline constexpr JobCode kFirstMember = 2;   // the pair's even character type
inline constexpr JobCode kSecondMember = 1;  // the pair's odd character type
inline constexpr JobCode kPairMask = 0xF0;
inline constexpr JobCode kPairBits[] = {0x10, 0x20, 0x40, 0x80};  // by character type / 2

inline constexpr JobCode kBasic = 0x100;
inline constexpr JobCode kRank1 = 0x200;
inline constexpr JobCode kRank2H = 0x1000;
inline constexpr JobCode kRank2S = 0x2000;
inline constexpr JobCode kRank2S2 = 0x4000;

// The attribute bits of a code. They are not the window's box positions
// (AttributeBox in plan/Selection.h), which map to them in one place.
enum class AttributeBit : JobCode {
  kWater = 0x10000,
  kWind = 0x20000,
  kEarth = 0x40000,
  kFire = 0x80000,
  kThunder = 0x100000,
  kLight = 0x200000,
  kDark = 0x400000,
};
constexpr JobCode Bits(AttributeBit bit) { return static_cast<JobCode>(bit); }
inline constexpr JobCode kElements = Bits(AttributeBit::kWater) | Bits(AttributeBit::kWind) |
                                     Bits(AttributeBit::kEarth) | Bits(AttributeBit::kFire) |
                                     Bits(AttributeBit::kThunder);
inline constexpr JobCode kLightDark = Bits(AttributeBit::kLight) | Bits(AttributeBit::kDark);

}  // namespace jobcode
