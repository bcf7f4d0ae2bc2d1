#include "vexacheck/ReaderFindings.h"

#include <JapaneseText.h>

#include <algorithm>
#include <string>

#include "data/DataFileReader.h"
#include "data/TextUtil.h"
#include "vexacheck/ShiftJis.h"

namespace {

// Field names of a skill line; fields 7 on are prerequisites.
constexpr const char* kFieldNames[] = {
    kCheckFieldKey,          kCheckFieldName,       kCheckFieldLearnLevel,  kCheckFieldLearnPoints,
    kCheckFieldMasterPoints, kCheckFieldMasterItem, kCheckFieldPrerequisite};
constexpr int kFieldNameCount = static_cast<int>(sizeof kFieldNames / sizeof kFieldNames[0]);

const char* FieldName(int field) { return kFieldNames[std::clamp(field, 1, kFieldNameCount) - 1]; }

// The message of a fault, or nullptr for kNone.
const char* Pattern(LineFault fault) {
  switch (fault) {
    case LineFault::kNone:
      return nullptr;
    case LineFault::kUnknownSection:
      return kCheckUnknownSection;
    case LineFault::kBeforeFirstHeader:
      return kCheckBeforeFirstHeader;
    case LineFault::kLooksLikeHeader:
      return kCheckLooksLikeHeader;
    case LineFault::kUnknownTypeGlyph:
      return kCheckUnknownTypeGlyph;
    case LineFault::kUnknownJobKey:
      return kCheckUnknownJobKey;
    case LineFault::kFieldMissing:
      return kCheckFieldMissing;
    case LineFault::kFieldMissingFullWidthSpace:
      return kCheckFieldMissingFullWidthSpace;
    case LineFault::kFullWidthDigits:
      return kCheckFullWidthDigits;
    case LineFault::kNotANumber:
      return kCheckNotANumber;
    case LineFault::kBelowOne:
      return kCheckBelowOne;
    case LineFault::kNeitherDashNorPositive:
      return kCheckNeitherDashNorPositive;
    case LineFault::kNegative:
      return kCheckNegative;
  }
  return nullptr;
}

}  // namespace

void ReaderFindings::OnLine(int line, std::string_view bytes) {
  const std::size_t bad = InvalidShiftJisAt(bytes);
  if (bad == std::string_view::npos) return;
  const std::string hex = UpperHex(static_cast<unsigned char>(bytes[bad]), 2);
  Add(line, Finding::Severity::kWarning,
      FillIn(kCheckInvalidShiftJis, {std::to_string(bad + 1), hex}));
}

void ReaderFindings::OnSection(int line, int section) {
  CloseSection();
  if (section == DataFileReader::kTypeNameSection) {
    if (typeNameHeader == 0) typeNameHeader = line;
  } else if (section == DataFileReader::kJobNameSection) {
    if (jobNameHeader == 0) jobNameHeader = line;
  } else {
    openSection = section;
    openHeader = line;
    openHasSkills = false;
  }
}

void ReaderFindings::OnSkillStored(int line, int section) {
  if (section < 0 || section >= kSkillListCount) return;
  skillLines[section].push_back(line);
  openHasSkills = true;
}

void ReaderFindings::OnFault(int line, LineReport report) {
  const char* pattern = Pattern(report.fault);
  if (pattern == nullptr) return;
  const auto severity =
      RefusesFile(report.fault) ? Finding::Severity::kError : Finding::Severity::kWarning;
  Add(line, severity, FillIn(pattern, {FieldName(report.field), std::to_string(report.field)}));
}

void ReaderFindings::Finish() { CloseSection(); }

void ReaderFindings::Add(int line, Finding::Severity severity, std::string message) {
  findings.push_back(Finding{line, severity, std::move(message)});
}

void ReaderFindings::CloseSection() {
  if (openSection >= 0 && !openHasSkills) {
    Add(openHeader, Finding::Severity::kWarning, kCheckEmptySection);
  }
  openSection = -1;
}
