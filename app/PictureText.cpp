#include "app/PictureText.h"

#include <JapaneseText.h>

#include <cstring>

#include "app/OverviewText.h"
#include "data/TextUtil.h"

namespace {

constexpr char kForbiddenInNames[] = "<>:\"/\\|?*";
constexpr char kReplacement = '_';
constexpr char kExtension[] = ".png";

// The parts that are not empty, with the separator between them.
std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

bool ForbiddenInNames(char byte) {
  return static_cast<unsigned char>(byte) < 0x20 || std::strchr(kForbiddenInNames, byte);
}

}  // namespace

std::string PictureTitle(const PictureSubject& subject) {
  return Joined({subject.type, subject.job, Joined(subject.attributes, kPictureAttributeSeparator)},
                kPictureTitleSeparator);
}

std::string PictureFileName(const PictureSubject& subject) {
  std::string name = subject.type + kReplacement + subject.job;
  for (std::size_t at = 0; at < name.size(); ++at) {
    if (IsShiftJisLeadByte(name[at]) && at + 1 < name.size())
      ++at;
    else if (ForbiddenInNames(name[at]))
      name[at] = kReplacement;
  }
  return name + kExtension;
}

std::vector<std::string> PictureFigures(const PlanOverview& overview) {
  std::vector<std::string> figures;
  for (const OverviewFigure& figure : OverviewFigures(overview))
    figures.push_back(figure.label + (" " + figure.value));
  return figures;
}
