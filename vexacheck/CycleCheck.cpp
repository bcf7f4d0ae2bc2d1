#include "vexacheck/CycleCheck.h"

#include <JapaneseText.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kKeysShown = 10;

// The prerequisite links between keys, as adjacency lists in one array.
class KeyGraph {
 public:
  KeyGraph(const SkillListTable& lists, const SkillLineTable& lines, const SkillIndex& index)
      : first(static_cast<std::size_t>(index.Size()) + 1, 0) {
    std::vector<std::pair<int, int>> links;
    ForEachSkill(lists, lines, [&](const SkillDefinition& definition, SkillPlace place) {
      const int from = index.KeyOf(place.ordinal);
      for (std::size_t n = 0; n < definition.prerequisites.size(); ++n) {
        const int to = index.PrerequisiteKey(place.ordinal, n);
        if (to != SkillIndex::kNone) links.emplace_back(from, to);
      }
    });
    for (const auto& link : links) ++first[static_cast<std::size_t>(link.first) + 1];
    for (std::size_t node = 1; node < first.size(); ++node) first[node] += first[node - 1];
    targets.resize(links.size());
    std::vector<std::size_t> next(first.begin(), first.end() - 1);
    for (const auto& link : links)
      targets[next[static_cast<std::size_t>(link.first)]++] = link.second;
  }

  std::size_t Begin(int node) const { return first[static_cast<std::size_t>(node)]; }
  std::size_t End(int node) const { return first[static_cast<std::size_t>(node) + 1]; }
  int Target(std::size_t link) const { return targets[link]; }
  int Size() const { return static_cast<int>(first.size()) - 1; }

 private:
  std::vector<std::size_t> first;  // node n's links are targets[first[n] .. first[n + 1])
  std::vector<int> targets;
};

// Strongly connected components (Tarjan), walked with an explicit stack: a
// chain may be far longer than the thread's stack could recurse.
std::vector<int> Components(const KeyGraph& graph, int& count) {
  constexpr int kUnvisited = -1;
  const auto size = static_cast<std::size_t>(graph.Size());
  std::vector<int> order(size, kUnvisited), low(size, 0), component(size, kUnvisited);
  std::vector<int> open;  // visited nodes not yet in a component
  std::vector<std::pair<int, std::size_t>> walk;
  int visited = 0;
  count = 0;
  for (int root = 0; root < graph.Size(); ++root) {
    if (order[static_cast<std::size_t>(root)] != kUnvisited) continue;
    walk.emplace_back(root, graph.Begin(root));
    order[static_cast<std::size_t>(root)] = low[static_cast<std::size_t>(root)] = visited++;
    open.push_back(root);
    while (!walk.empty()) {
      auto& [node, link] = walk.back();
      const auto at = static_cast<std::size_t>(node);
      if (link < graph.End(node)) {
        const int next = graph.Target(link++);
        const auto nextAt = static_cast<std::size_t>(next);
        if (order[nextAt] == kUnvisited) {
          order[nextAt] = low[nextAt] = visited++;
          open.push_back(next);
          walk.emplace_back(next, graph.Begin(next));
        } else if (component[nextAt] == kUnvisited) {
          low[at] = std::min(low[at], order[nextAt]);
        }
        continue;
      }
      if (low[at] == order[at]) {
        int member = 0;
        do {
          member = open.back();
          open.pop_back();
          component[static_cast<std::size_t>(member)] = count;
        } while (member != node);
        ++count;
      }
      const int done = node;
      walk.pop_back();
      if (!walk.empty()) {
        const auto parent = static_cast<std::size_t>(walk.back().first);
        low[parent] = std::min(low[parent], low[static_cast<std::size_t>(done)]);
      }
    }
  }
  return component;
}

// The shortest way from start back to start within its component (breadth
// first), as the keys in order; empty when there is none. from holds -1 for
// every node of the component and is left written: components do not overlap.
std::vector<int> CycleThrough(const KeyGraph& graph, const std::vector<int>& component, int start,
                              std::vector<int>& from) {
  const int own = component[static_cast<std::size_t>(start)];
  std::vector<int> queue{start};
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int node = queue[head];
    for (std::size_t link = graph.Begin(node); link < graph.End(node); ++link) {
      const int next = graph.Target(link);
      if (component[static_cast<std::size_t>(next)] != own) continue;
      if (next == start) {
        std::vector<int> cycle{node};
        while (cycle.back() != start) cycle.push_back(from[static_cast<std::size_t>(cycle.back())]);
        std::reverse(cycle.begin(), cycle.end());
        return cycle;
      }
      if (from[static_cast<std::size_t>(next)] == -1) {
        from[static_cast<std::size_t>(next)] = node;
        queue.push_back(next);
      }
    }
  }
  return {};
}

std::string CycleText(const SkillIndex& index, const std::vector<int>& cycle) {
  std::string text;
  for (std::size_t place = 0; place < cycle.size() && place < kKeysShown; ++place) {
    text.append(index[cycle[place]].key).append(kCheckCycleArrow);
  }
  if (cycle.size() > kKeysShown) {
    return text.append(FillIn(kCheckCycleMore, {std::to_string(cycle.size())}));
  }
  return text.append(index[cycle.front()].key);
}

}  // namespace

void CheckCycles(const SkillListTable& lists, const SkillLineTable& lines, const SkillIndex& index,
                 Findings& findings) {
  const KeyGraph graph(lists, lines, index);
  int count = 0;
  const std::vector<int> component = Components(graph, count);
  // The earliest skill of each component starts its cycle.
  std::vector<int> start(static_cast<std::size_t>(count), SkillIndex::kNone);
  for (int node = 0; node < graph.Size(); ++node) {
    int& first = start[static_cast<std::size_t>(component[static_cast<std::size_t>(node)])];
    if (first == SkillIndex::kNone || index[node].line < index[first].line) first = node;
  }
  std::vector<int> from(static_cast<std::size_t>(graph.Size()), -1);
  for (int node : start) {
    const std::vector<int> cycle = CycleThrough(graph, component, node, from);
    if (cycle.empty()) continue;
    findings.push_back(Finding{index[node].line, Finding::Severity::kWarning,
                               FillIn(kCheckCycle, {CycleText(index, cycle)})});
  }
}
