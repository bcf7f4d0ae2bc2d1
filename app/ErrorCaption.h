#pragma once

// The caption of every error message the program shows.
inline constexpr char kErrorCaption[] = "ERROR: Pellgrove+ Skill Simulator";
