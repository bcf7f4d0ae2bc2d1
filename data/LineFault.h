#pragma once

// Why the data file reader did not take a line as written.
enum class LineFault {
  kNone,
  kUnknownSection,     // a header that names no section: the read ends there
  kBeforeFirstHeader,  // a data line with no section to fill
  kLooksLikeHeader,    // bracketed, but blanks or a comment outside the brackets make it data
  kUnknownTypeGlyph,   // a type-name line whose glyph matches none
  kUnknownJobKey,      // a job-name line whose key matches none
  // A skill line, dropped whole; the report names the field.
  kFieldMissing,
  kFieldMissingFullWidthSpace,  // the same, on a line holding a full-width space: no separator
  // Learn level, learn points or master points that hold no number: the
  // field starts with a full-width digit, or with anything else.
  kFullWidthDigits,
  kNotANumber,
  kBelowOne,                // learn level or learn points
  kNeitherDashNorPositive,  // master points
  kNegative,                // master item count or prerequisite level
};

// Whether the reader ends the read at the fault, so that the program refuses
// the data file; every other fault it reads past.
constexpr bool RefusesFile(LineFault fault) { return fault == LineFault::kUnknownSection; }

// A fault and, for a skill line, the field (1-based; 7 on are prerequisites)
// that breaks its rule.
struct LineReport {
  LineFault fault = LineFault::kNone;
  int field = 0;
};
