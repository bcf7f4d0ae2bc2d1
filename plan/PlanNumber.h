#pragma once

#include <cstdint>
#include <string_view>

// The lenient number forms of a plan file: leading white space is skipped, a
// sign is accepted, digits are read up to the first byte that is no digit,
// and text without digits reads as 0. Neither reader can overflow.

// Hexadecimal, with an optional 0x or 0X, either case, read as an unsigned
// 32-bit value: a minus sign negates modulo 2^32 and a value beyond the range
// reads as 0xFFFFFFFF. So every code that "%X" writes reads back unchanged.
std::uint32_t ReadPlanHex(std::string_view text);

// Decimal, read as an unsigned 32-bit value whose bits are kept: a minus sign
// negates modulo 2^32, and a value beyond the unsigned range reads as -1.
std::int32_t ReadPlanLevel(std::string_view text);
