#include "vexacheck/SkillIndex.h"

#include <algorithm>
#include <functional>

#include "plan/SkillEntry.h"

namespace {

// Numbers of keys by their text: open addressing in one flat array, which
// keeps a look-up to a slot or two and the key's bytes. A node-based map
// cost more than reading the whole file.
class KeyNumbers {
 public:
  explicit KeyNumbers(std::size_t expected) {
    std::size_t size = 16;
    while (size < expected * 2) size *= 2;  // prerequisites naming no skill may add more
    slots.resize(size);
  }

  // The number of key; when new, it gets the number next and isNew is set.
  int Number(std::string_view key, const std::vector<SkillIndex::Key>& keys, int next,
             bool& isNew) {
    if (used * 2 >= slots.size()) Grow();
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>()(key));
    for (std::size_t at = hash & (slots.size() - 1);; at = (at + 1) & (slots.size() - 1)) {
      Slot& slot = slots[at];
      if (slot.id < 0) {
        slot = Slot{hash, next};
        ++used;
        isNew = true;
        return next;
      }
      if (slot.hash == hash && keys[static_cast<std::size_t>(slot.id)].key == key) {
        isNew = false;
        return slot.id;
      }
    }
  }

 private:
  struct Slot {
    std::uint32_t hash = 0;
    int id = -1;
  };

  void Grow() {
    std::vector<Slot> old(slots.size() * 2);
    old.swap(slots);
    for (const Slot& slot : old) {
      if (slot.id < 0) continue;
      std::size_t at = slot.hash & (slots.size() - 1);
      while (slots[at].id >= 0) at = (at + 1) & (slots.size() - 1);
      slots[at] = slot;
    }
  }

  std::vector<Slot> slots;
  std::size_t used = 0;
};

}  // namespace

SkillIndex::SkillIndex(const SkillListTable& lists, const SkillLineTable& lines) {
  std::size_t count = 0;
  for (const SkillList& list : lists) count += list.size();
  KeyNumbers numbers(count);
  keys.reserve(count);
  skillKeys.reserve(count);
  firstPrerequisite.reserve(count);
  const auto number = [&](std::string_view key) {
    bool isNew = false;
    const int id = numbers.Number(key, keys, static_cast<int>(keys.size()), isNew);
    if (isNew) keys.push_back(Key{key, 0, 0, 0});
    return id;
  };
  // One walk: a prerequisite that names a later skill is numbered when first
  // named; one that no list holds keeps no lists and becomes kNone below.
  ForEachSkill(lists, lines, [&](const SkillDefinition& definition, SkillPlace place) {
    const int id = number(definition.key);
    Key& key = keys[static_cast<std::size_t>(id)];
    if (key.lists == 0) key.line = place.line;
    key.lists |= std::uint64_t{1} << place.list;
    key.maxLevel = std::max(key.maxLevel, MaxLevelOf(definition));
    skillKeys.push_back(id);
    firstPrerequisite.push_back(prerequisiteKeys.size());
    for (const SkillPrerequisite& required : definition.prerequisites) {
      prerequisiteKeys.push_back(number(required.key));
    }
  });
  for (int& id : prerequisiteKeys) {
    if (keys[static_cast<std::size_t>(id)].lists == 0) id = kNone;
  }
}
