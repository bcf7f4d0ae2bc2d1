#pragma once

inline constexpr int kRankLabelSize = 16;

// The rank of job slot `slot` as the data file's job keys name it after the
// type glyph: the basic job, rank 1, rank 2 H, rank 2 S, and for the dragon
// rank 2 S1 and S2. False, with an empty label, for a slot the type lacks.
bool RankLabel(int type, int slot, char (&label)[kRankLabelSize]);
