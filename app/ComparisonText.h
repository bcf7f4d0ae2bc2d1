#pragma once

#include <JapaneseText.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "plan/PlanComparison.h"

// The texts of a plan comparison as its dialog shows them and its copy puts them.

using TextRow = std::vector<std::string>;

// "現在: " or "比較: ", then the plan's type, the label of its job button and
// the attributes that pick its lists; kComparePlanNone for the empty plan.
std::string PlanHeading(const char* label, const ComparedPlan& plan);

// The figures: below their titles the required level ("-" for none, and no
// difference then), the TM total, the learnt and mastered counts, each with
// both plans' values and other - current, signed.
inline constexpr const char* kFigureTitles[] = {"", kCompareCurrent, kCompareOther,
                                                kCompareDifference};
std::vector<TextRow> FigureRows(const PlanComparison& comparison);

// The report lists: job label, name, both levels as the skill list shows them
// ("-" where a plan lacks the skill) and the difference in points; item,
// both counts and their difference.
inline constexpr const char* kSkillDifferenceTitles[] = {kListTitleJob, kListTitleSkillName,
                                                         kCompareCurrentLevel, kCompareOtherLevel,
                                                         kComparePointDifference};
std::vector<TextRow> SkillDifferenceRows(const PlanComparison& comparison);
inline constexpr const char* kItemDifferenceTitles[] = {kOverviewColumnItem, kCompareCurrent,
                                                        kCompareOther, kCompareDifference};
std::vector<TextRow> ItemDifferenceRows(const PlanComparison& comparison);

// A row of titles as text.
template <std::size_t N>
TextRow TitleRow(const char* const (&titles)[N]) {
  return TextRow(titles, titles + N);
}

// The whole comparison as the table copy writes tables: both headings, the
// figures, the skills (or kCompareNoDifference) and the items, each table
// with its titles and an empty line before it.
std::string ComparisonCopyText(const PlanComparison& comparison);
