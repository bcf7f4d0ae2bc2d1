#include "bench/SyntheticDataFile.h"

#include <JapaneseText.h>

#include <fstream>

namespace {

// Real files change section every few hundred lines at most.
constexpr int kLinesPerSection = 500;
// One line in this many carries a comment, tabs and a master item count.
constexpr int kDecoratedEvery = 8;

}  // namespace

void SyntheticDataFile::Write(const std::string& path, int lines, Links links) {
  const std::string basicHeader = std::string("[") + kDataSectionAttackBasic + "]\r\n";
  const std::string rankHeader =
      std::string("[") + kTypeGlyphBunny + kDataFullWidthColon + kDataRankFirst + "]\r\n";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "; synthetic benchmark data\r\n";
  for (int i = 0; i < lines; ++i) {
    if (i % kLinesPerSection == 0)
      out << (i / kLinesPerSection % 2 == 0 ? basicHeader : rankHeader);
    const bool decorated = i % kDecoratedEvery == 0;
    const char separator = decorated ? '\t' : ' ';
    out << "skill" << i << separator << kDataAttributeFire << "Skill" << i << separator
        << i % 99 + 1 << ' ' << i % 9 + 1 << ' ' << (i % 3 == 0 ? "-" : "6") << ' '
        << (decorated ? "Crystal:3" : "-");
    const bool linked = links == Links::Chain || i % 4 != 0;
    if (i > 0 && linked) out << " skill" << i - 1 << ":1";
    if (decorated) out << "  ; a comment";
    out << "\r\n";
  }
}
