#pragma once

#include <cstdint>

// The most bytes read of each file the program opens; a file of exactly the
// limit is read, one byte more is refused without being read whole.
//
// Plan files are a few kilobytes: anything past 16 MiB is no plan.
constexpr std::uint64_t kPlanFileLimit = std::uint64_t{16} << 20;
// The data file may grow far beyond the shipped one (the benchmarks read
// 200,000 skill lines, about 10 MB), but its text must leave room in a 32-bit
// process for the tables built from it.
constexpr std::uint64_t kDataFileLimit = std::uint64_t{512} << 20;
