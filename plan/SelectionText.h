#pragma once

#include <array>
#include <string>

#include "plan/Selection.h"

// A selection's attributes as the program and the data file checker name
// them: the glyph the data file gives each, and the set boxes in box order
// as one bracketed list.
const char* AttributeGlyph(AttributeBox box);

// "（水・光）" for the boxes set; empty when none is.
std::string AttributeListText(const std::array<bool, kAttributeCount>& set);
