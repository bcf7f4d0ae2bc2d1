#include "data/DataFileReader.h"

#include <JapaneseText.h>

#include <algorithm>
#include <iterator>
#include <new>

#include "data/FileBytes.h"
#include "data/ReadLimits.h"
#include "data/SkillLineParser.h"
#include "data/SkillListIndex.h"
#include "data/TextUtil.h"

namespace {

// By character type index.
constexpr const char* kTypeGlyphs[kTypeCount] = {
    kTypeGlyphBunny, kTypeGlyphBuffalo, kTypeGlyphSheep, kTypeGlyphDragon,
    kTypeGlyphFox,   kTypeGlyphLion,    kTypeGlyphCat,   kTypeGlyphRaccoon};

// Attribute parts at their list offsets (data/SkillListIndex.h); the first,
// "no attribute", is the base list.
constexpr const char* kSheepAttributes[] = {kDataAttributeBase, kDataAttributeWater,
                                            kDataAttributeWind, kDataAttributeEarth,
                                            kDataAttributeFire, kDataAttributeThunder};
constexpr const char* kDragonAttributes[] = {kDataAttributeBase, kDataAttributeLight,
                                             kDataAttributeDark};
static_assert(std::size(kSheepAttributes) == kThunderList + 1 &&
              std::size(kDragonAttributes) == kDarkList + 1);

struct WholeSectionName {
  const char* name;
  int index;
};
constexpr WholeSectionName kWholeSectionNames[] = {
    {kDataSectionTypeNames, DataFileReader::kTypeNameSection},
    {kDataSectionJobNames, DataFileReader::kJobNameSection},
    {kDataSectionAttackBasic, kBasicLists[0]},
    {kDataSectionMagicBasic, kBasicLists[1]},
    {kDataSectionSenseBasic, kBasicLists[2]},
    {kDataSectionCharmBasic, kBasicLists[3]}};

// By character type index and job slot; only the dragon has slot 4.
constexpr const char* kJobKeys[kTypeCount][kJobSlotCount] = {
    {kDataJobKeyBunnyBasic, kDataJobKeyBunnyRank1, kDataJobKeyBunnyRank2H, kDataJobKeyBunnyRank2S,
     nullptr},
    {kDataJobKeyBuffaloBasic, kDataJobKeyBuffaloRank1, kDataJobKeyBuffaloRank2H,
     kDataJobKeyBuffaloRank2S, nullptr},
    {kDataJobKeySheepBasic, kDataJobKeySheepRank1, kDataJobKeySheepRank2H, kDataJobKeySheepRank2S,
     nullptr},
    {kDataJobKeyDragonBasic, kDataJobKeyDragonRank1, kDataJobKeyDragonRank2H,
     kDataJobKeyDragonRank2S1, kDataJobKeyDragonRank2S2},
    {kDataJobKeyFoxBasic, kDataJobKeyFoxRank1, kDataJobKeyFoxRank2H, kDataJobKeyFoxRank2S, nullptr},
    {kDataJobKeyLionBasic, kDataJobKeyLionRank1, kDataJobKeyLionRank2H, kDataJobKeyLionRank2S,
     nullptr},
    {kDataJobKeyCatBasic, kDataJobKeyCatRank1, kDataJobKeyCatRank2H, kDataJobKeyCatRank2S, nullptr},
    {kDataJobKeyRaccoonBasic, kDataJobKeyRaccoonRank1, kDataJobKeyRaccoonRank2H,
     kDataJobKeyRaccoonRank2S, nullptr}};

// Position of text in a table of byte strings, or -1.
template <std::size_t N>
int IndexOf(std::string_view text, const char* const (&table)[N]) {
  const auto found = std::find_if(std::begin(table), std::end(table),
                                  [&text](const char* entry) { return text == entry; });
  return found == std::end(table) ? -1 : static_cast<int>(found - std::begin(table));
}

// Judged on the line exactly as read: a blank before "[" or after "]" makes a data line.
bool IsHeader(std::string_view line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

// Tabs to blanks, blanks off both ends, the comment dropped. Trimming before
// the cut at ";" would change nothing: the content is the trimmed text before
// the first ";" either way.
void CleanLine(std::string& line) {
  std::replace(line.begin(), line.end(), '\t', ' ');
  const std::string_view content = splitAt(line, ";").head;
  line.assign(content.data(), content.size());  // assign handles a range inside line itself
}

// The list of a sheep or dragon section: the base list plus the attribute's place.
int AttributeList(int baseList, std::string_view attribute, int type) {
  const int offset =
      type == kSheep ? IndexOf(attribute, kSheepAttributes) : IndexOf(attribute, kDragonAttributes);
  return offset < 0 ? DataFileReader::kNoSection : baseList + offset;
}

// MinGW makes a thread's exception state at its first throw, and aborts when
// no memory is left for it: one throw caught at once makes it while there is.
void PrepareToThrow() {
  try {
    throw std::bad_alloc();
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace

void DataFileReader::setTypeNames(TypeNameTable& names) { typeNames = &names; }

void DataFileReader::setJobNames(JobNameTable& names) { jobNames = &names; }

void DataFileReader::setSkillLists(SkillListTable& lists) { skillLists = &lists; }

void DataFileReader::setObserver(DataFileObserver& lineObserver) { observer = &lineObserver; }

bool DataFileReader::readFile(const std::string& fileName) {
  // A file whose tables outgrow the memory of the process fails the load as
  // a read error does, rather than ending the program.
  PrepareToThrow();
  try {
    std::string text;
    const bool complete = ReadFileBytes(fileName, text, kDataFileLimit);
    // After a read error only the lines that ended before it count (none when
    // the file did not open); the load fails, though they stay in the tables.
    if (!complete) text.erase(text.rfind('\n') + 1);
    return readText(text) && complete;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool DataFileReader::readText(std::string_view text) {
  if (typeNames == nullptr || jobNames == nullptr || skillLists == nullptr) return false;
  currentSection = kNoSection;
  lineNumber = 0;
  LineCutter lines(text);
  std::string_view view;
  std::string line;
  while (lines.Next(view)) {
    line.assign(view.data(), view.size());
    if (!HandleFileLine(line)) return false;
  }
  return true;
}

bool DataFileReader::HandleFileLine(std::string& line) {
  ++lineNumber;
  if (observer != nullptr) observer->OnLine(lineNumber, line);
  if (IsHeader(line)) {
    currentSection = sectionIndex(line);
    if (observer != nullptr) observer->OnSection(lineNumber, currentSection);
    return currentSection != kNoSection || Report({LineFault::kUnknownSection, 0});
  }
  if (currentSection != kNoSection) {
    handleLine(currentSection, line);  // a bad data line never ends the read
  } else if (observer != nullptr) {
    ReportStrayLine(line);
  }
  return true;
}

// Only an observer hears of lines before the first header: the program skips them unread.
void DataFileReader::ReportStrayLine(std::string& line) {
  CleanLine(line);
  if (line.empty()) return;
  Report({IsHeader(line) ? LineFault::kLooksLikeHeader : LineFault::kBeforeFirstHeader, 0});
}

bool DataFileReader::Report(LineReport report) const {
  if (observer != nullptr) observer->OnFault(lineNumber, report);
  return !RefusesFile(report.fault);
}

int DataFileReader::sectionIndex(std::string_view headerLine) {
  if (headerLine.size() < 2) return kNoSection;
  const std::string_view name = headerLine.substr(1, headerLine.size() - 2);
  for (const WholeSectionName& whole : kWholeSectionNames) {
    if (name == whole.name) return whole.index;
  }

  const SplitText typeAndRest = splitAt(name, kDataFullWidthColon);
  const SplitText rankAndAttribute = splitAt(typeAndRest.rest, kDataFullWidthColon);
  const int type = IndexOf(typeAndRest.head, kTypeGlyphs);
  if (type < 0) return kNoSection;
  int list = kNoSection;
  if (rankAndAttribute.head == kDataRankFirst) {
    list = kRankOneLists[type];
  } else if (rankAndAttribute.head == kDataRankSecond) {
    list = kRankTwoLists[type];
  } else {
    return kNoSection;
  }
  // Only the sheep and the dragon split their ranks by attribute.
  if (type == kSheep || type == kDragon) return AttributeList(list, rankAndAttribute.rest, type);
  return list;
}

const char* DataFileReader::typeGlyph(int type) {
  return type >= 0 && type < kTypeCount ? kTypeGlyphs[type] : nullptr;
}

const char* DataFileReader::jobKey(int type, int slot) {
  if (type < 0 || type >= kTypeCount || slot < 0 || slot >= kJobSlotCount) return nullptr;
  return kJobKeys[type][slot];
}

bool DataFileReader::handleLine(int section, std::string& line) {
  CleanLine(line);
  if (line.empty()) return true;
  // A header with a blank or a comment after it is read as data: say so, since
  // the section it meant to start is never entered.
  if (observer != nullptr && IsHeader(line)) Report({LineFault::kLooksLikeHeader, 0});
  return handleEntry(section, line);
}

bool DataFileReader::handleEntry(int section, std::string_view content) {
  if (section == kTypeNameSection && typeNames != nullptr) {
    SetTypeName(content);
    return true;
  }
  if (section == kJobNameSection && jobNames != nullptr) {
    SetJobName(content);
    return true;
  }
  if (section < 0 || section >= kSkillListCount || skillLists == nullptr) return false;
  // Built in a list node of its own and moved in whole, since a definition
  // cannot be moved, only copied; a malformed line leaves with the node.
  SkillList parsed(1);
  const LineReport report = ParseSkillLine(content, parsed.front());
  if (report.fault != LineFault::kNone) {
    Report(report);
    return false;
  }
  SkillList& list = (*skillLists)[section];
  list.splice(list.end(), parsed);
  if (observer != nullptr) observer->OnSkillStored(lineNumber, section);
  return true;
}

void DataFileReader::SetTypeName(std::string_view content) {
  const std::string_view glyph = nextToken(content);
  const int type = IndexOf(glyph, kTypeGlyphs);
  if (type >= 0) {
    (*typeNames)[type] = nextToken(content);
  } else {
    Report({LineFault::kUnknownTypeGlyph, 0});
  }
}

void DataFileReader::SetJobName(std::string_view content) {
  const std::string_view key = nextToken(content);
  for (int type = 0; type < kTypeCount; ++type) {
    for (int slot = 0; slot < kJobSlotCount && kJobKeys[type][slot] != nullptr; ++slot) {
      if (key == kJobKeys[type][slot]) {
        (*jobNames)[type][slot] = nextToken(content);
        return;
      }
    }
  }
  Report({LineFault::kUnknownJobKey, 0});
}
