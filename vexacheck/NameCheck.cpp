#include "vexacheck/NameCheck.h"

#include <JapaneseText.h>

#include "data/DataFileReader.h"

void CheckNames(const TypeNameTable& typeNames, const JobNameTable& jobNames, int typeNameHeader,
                int jobNameHeader, Findings& findings) {
  const auto warn = [&findings](int line, std::string message) {
    findings.push_back(Finding{line, Finding::Severity::kWarning, std::move(message)});
  };
  if (typeNameHeader == 0) warn(0, kCheckNoTypeNameSection);
  if (jobNameHeader == 0) warn(0, kCheckNoJobNameSection);
  for (int type = 0; type < kTypeCount; ++type) {
    if (typeNameHeader != 0 && typeNames[type].empty()) {
      warn(typeNameHeader, FillIn(kCheckTypeNameUnset, {DataFileReader::typeGlyph(type)}));
    }
    for (int slot = 0; slot < kJobSlotCount && jobNameHeader != 0; ++slot) {
      const char* key = DataFileReader::jobKey(type, slot);
      if (key != nullptr && jobNames[type][slot].empty()) {
        warn(jobNameHeader, FillIn(kCheckJobNameUnset, {key}));
      }
    }
  }
}
