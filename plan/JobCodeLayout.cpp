#include "plan/JobCodeLayout.h"

#include "data/GameTables.h"
#include "data/SkillListIndex.h"
#include "plan/JobCodeBits.h"

#include <cstdint>

namespace {

using namespace jobcode;

// A skill list, taken only when its attribute bit is set (0: always taken).
struct ListChoice {
  int list = -1;
  JobCode attribute = 0;
};
using ListRow = std::array<ListChoice, 6>;

// The lists of one rank of a type, from its first list on: the sheep's and
// the dragon's follow with their attribute lists.
constexpr ListRow RankLists(int type, int first) {
  ListRow row{};
  row[0] = ListChoice{first, 0};
  if (type == kSheep) {
    row[1] = ListChoice{first + kWaterList, Bits(AttributeBit::kWater)};
    row[2] = ListChoice{first + kWindList, Bits(AttributeBit::kWind)};
    row[3] = ListChoice{first + kEarthList, Bits(AttributeBit::kEarth)};
    row[4] = ListChoice{first + kFireList, Bits(AttributeBit::kFire)};
    row[5] = ListChoice{first + kThunderList, Bits(AttributeBit::kThunder)};
  } else if (type == kDragon) {
    row[1] = ListChoice{first + kLightList, Bits(AttributeBit::kLight)};
    row[2] = ListChoice{first + kDarkList, Bits(AttributeBit::kDark)};
  }
  return row;
}

struct TypeLists {
  int base;
  ListRow rank1;
  ListRow rank2S;
  ListRow rank2H;  // the rank-1 lists of the other type of the pair
};

TypeLists ListsOf(int type) {
  const int other = type ^ 1;
  return {kBasicLists[type / 2], RankLists(type, kRankOneLists[type]),
          RankLists(type, kRankTwoLists[type]), RankLists(other, kRankOneLists[other])};
}

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

// The rank rows a code takes: rank 1, then rank 2 (S before H), null where it
// takes none. The dragon takes them only for the exact member bits 1; any
// other value but the sheep's 2 keeps the dragon's labels and takes no rank lists.
std::array<const ListRow*, 2> RankRows(const TypeLists& lists, int type, JobCode code) {
  if (type == kDragon && (code & kMemberMask) != kSecondMember) return {nullptr, nullptr};
  const ListRow* rank2 = (code & kRank2S) != 0   ? &lists.rank2S
                         : (code & kRank2H) != 0 ? &lists.rank2H
                                                 : nullptr;
  return {(code & kRank1) != 0 ? &lists.rank1 : nullptr, rank2};
}

}  // namespace

int Rank2SSlot(int type, bool dark) {
  // The dragon's dark rank 2 (S) is its second S job.
  return type == kDragon && dark ? kRank2S2Slot : kRank2SSlot;
}

int JobCodeType(JobCode code) {
  int pair = -1;
  switch (code & kPairMask) {
    case 0x10:
      pair = 0;
      break;
    case 0x20:
      pair = 1;
      break;
    case 0x40:
      pair = 2;
      break;
    case 0x80:
      pair = 3;
      break;
    default:
      return -1;
  }
  return pair * 2 + ((code & kMemberMask) == kFirstMember ? 0 : 1);
}

bool DecodeJobCode(JobCode code, JobCodeLayout& layout) {
  const int type = JobCodeType(code);
  if (type < 0) return false;
  const TypeLists lists = ListsOf(type);
  const auto [rank1, rank2] = RankRows(lists, type, code);

  JobCodeLayout decoded;
  decoded.type = type;
  decoded.baseLists = NoLists();
  decoded.baseLists[0] = lists.base;
  decoded.rank1Lists = rank1 != nullptr ? TakenLists(*rank1, code) : NoLists();
  decoded.rank2Lists = rank2 != nullptr ? TakenLists(*rank2, code) : NoLists();
  JobCode slotBits = code;
  const bool dark = (code & Bits(AttributeBit::kDark)) != 0;
  if (rank2 == &lists.rank2S && Rank2SSlot(type, dark) == kRank2S2Slot) slotBits |= kRank2S2;

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

JobCode AttributesThatCount(JobCode code) {
  const int type = JobCodeType(code);
  if (type < 0) return 0;
  const TypeLists lists = ListsOf(type);
  JobCode bits = 0;
  for (const ListRow* row : RankRows(lists, type, code)) {
    if (row == nullptr) continue;
    for (const ListChoice& choice : *row) bits |= choice.attribute;
  }
  return bits;
}

std::vector<int> SelectedLists(const JobCodeLayout& layout) {
  std::vector<int> lists;
  for (const JobCodeLayout::ListIndices* block :
       {&layout.baseLists, &layout.rank1Lists, &layout.rank2Lists}) {
    for (int index : *block) {
      if (index == -1) break;
      lists.push_back(index);
    }
  }
  return lists;
}
