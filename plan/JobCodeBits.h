#pragma once

#include "plan/PlanTypes.h"

// The bit layout of a JobCode, shared by the window that composes codes and
// the plan that decodes them.
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
// The rank bits of the window's four job buttons: every rank includes the ranks below it.
inline constexpr JobCode kJobButtonBits[] = {kBasic, kBasic | kRank1, kBasic | kRank1 | kRank2H,
                                             kBasic | kRank1 | kRank2S};

inline constexpr JobCode kWater = 0x10000;
inline constexpr JobCode kWind = 0x20000;
inline constexpr JobCode kEarth = 0x40000;
inline constexpr JobCode kFire = 0x80000;
inline constexpr JobCode kThunder = 0x100000;
inline constexpr JobCode kLight = 0x200000;
inline constexpr JobCode kDark = 0x400000;
// In the order of the window's attribute boxes.
inline constexpr JobCode kAttributes[] = {kWater, kWind, kEarth, kFire, kThunder, kLight, kDark};
inline constexpr JobCode kElements = kWater | kWind | kEarth | kFire | kThunder;
inline constexpr JobCode kLightDark = kLight | kDark;

}  // namespace jobcode
