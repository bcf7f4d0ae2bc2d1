#include "plan/JobCodeLayout.h"

#include "data/GameTables.h"
#include "plan/JobCodeBits.h"

#include <cstdint>

namespace {

using namespace jobcode;

constexpr int kDragon = 3;
constexpr int kRank2HSlot = 2;
constexpr int kRank2SSlot = 3;
constexpr int kRank2S2Slot = 4;

// A skill list, taken only when its attribute bit is set (0: always taken).
struct ListChoice {
  int list = -1;
  JobCode attribute = 0;
};
using ListRow = std::array<ListChoice, 6>;

constexpr ListRow OneList(int list) {
  ListRow row{};
  row[0] = ListChoice{list, 0};
  return row;
}

constexpr ListRow kSheepRank1 = {
    {{8, 0}, {9, kWater}, {10, kWind}, {11, kEarth}, {12, kFire}, {13, kThunder}}};
constexpr ListRow kSheepRank2 = {
    {{17, 0}, {18, kWater}, {19, kWind}, {20, kEarth}, {21, kFire}, {22, kThunder}}};
constexpr ListRow kDragonRank1 = {{{23, 0}, {24, kLight}, {25, kDark}}};
constexpr ListRow kDragonRank2 = {{{32, 0}, {33, kLight}, {34, kDark}}};

struct TypeLists {
  int base;
  ListRow rank1;
  ListRow rank2S;
  ListRow rank2H;  // the rank-1 lists of the other type of the pair
};

constexpr TypeLists kTypeLists[kTypeCount] = {
    {0, OneList(1), OneList(3), OneList(4)},
    {0, OneList(4), OneList(6), OneList(1)},
    {7, kSheepRank1, kSheepRank2, kDragonRank1},
    {7, kDragonRank1, kDragonRank2, kSheepRank1},
    {35, OneList(36), OneList(38), OneList(39)},
    {35, OneList(39), OneList(41), OneList(36)},
    {42, OneList(43), OneList(45), OneList(46)},
    {42, OneList(46), OneList(48), OneList(43)},
};

JobCodeLayout::ListIndices NoLists() {
  JobCodeLayout::ListIndices indices;
  indices.fill(-1);
  return indices;
}

JobCodeLayout::ListIndices TakenLists(const ListRow& row, JobCode code) {
  JobCodeLayout::ListIndices indices = NoLists();
  int count = 0;
  for (const ListChoice& choice : row) {
    if (choice.list >= 0 && (choice.attribute == 0 || (code & choice.attribute) != 0)) {
      indices[count++] = choice.list;
    }
  }
  return indices;
}

// The dragon takes its rank lists only for the exact member bits 1; any other
// value but the sheep's 2 keeps the dragon's labels and takes no rank lists.
bool TakesRankLists(int type, JobCode code) {
  return type != kDragon || (code & kMemberMask) == kSecondMember;
}

}  // namespace

int JobCodeType(JobCode code) {
  int pair = -1;
  switch (code & kPairMask) {
    case 0x10: pair = 0; break;
    case 0x20: pair = 1; break;
    case 0x40: pair = 2; break;
    case 0x80: pair = 3; break;
    default: return -1;
  }
  return pair * 2 + ((code & kMemberMask) == kFirstMember ? 0 : 1);
}

bool DecodeJobCode(JobCode code, JobCodeLayout& layout) {
  const int type = JobCodeType(code);
  if (type < 0) return false;
  const TypeLists& lists = kTypeLists[type];
  const bool rankLists = TakesRankLists(type, code);

  JobCodeLayout decoded;
  decoded.type = type;
  decoded.baseLists = NoLists();
  decoded.baseLists[0] = lists.base;
  decoded.rank1Lists = rankLists && (code & kRank1) != 0 ? TakenLists(lists.rank1, code) : NoLists();
  decoded.rank2Lists = NoLists();
  JobCode slotBits = code;
  if (rankLists && (code & kRank2S) != 0) {
    decoded.rank2Lists = TakenLists(lists.rank2S, code);
    // The dragon's dark rank 2 (S) is its second S job.
    if (type == kDragon && (code & kDark) != 0) slotBits |= kRank2S2;
  } else if (rankLists && (code & kRank2H) != 0) {
    decoded.rank2Lists = TakenLists(lists.rank2H, code);
  }

  if ((slotBits & kRank2S2) != 0) {
    decoded.rank2Slot = kRank2S2Slot;
  } else if ((slotBits & kRank2S) != 0) {
    decoded.rank2Slot = kRank2SSlot;
  } else if ((slotBits & kRank2H) != 0) {
    decoded.rank2Slot = kRank2HSlot;
  }
  decoded.rank2Plus50 = decoded.rank2Slot == kRank2HSlot;
  layout = decoded;
  return true;
}
