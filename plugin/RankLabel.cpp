#include "RankLabel.h"

#include <windows.h>

#include "JapaneseText.h"

namespace {

constexpr int kDragon = 3;  // the one type with two rank 2 S jobs

}  // namespace

bool RankLabel(int type, int slot, char (&label)[kRankLabelSize]) {
  const bool dragon = type == kDragon;
  const char* rank = kDataRankSecond;
  const char* mark = "";
  switch (slot) {
    case 0:
      rank = kPluginRankBasic;
      break;
    case 1:
      rank = kDataRankFirst;
      break;
    case 2:
      mark = "H";
      break;
    case 3:
      mark = dragon ? "S1" : "S";
      break;
    case 4:
      mark = dragon ? "S2" : nullptr;
      break;
    default:
      mark = nullptr;
  }
  label[0] = '\0';
  if (!mark) return false;
  wsprintfA(label, "%s%s", rank, mark);
  return true;
}
