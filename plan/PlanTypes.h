#pragma once

#include <cstdint>
#include <vector>

// The whole selection packed into one value; 0 means no plan was built.
using JobCode = std::uint32_t;

// The code of a level step; the step cells "<<", "<", ">", ">>" in this order.
enum LevelOp : std::int32_t { Zero = 0, Down = 1, Up = 2, Max = 3 };

// Row ids whose level a step set, the stepped row first.
using ChangeList = std::vector<std::int32_t>;
