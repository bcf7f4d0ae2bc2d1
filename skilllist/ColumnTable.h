#pragma once

#include <JapaneseText.h>

#include <algorithm>

#include "res/StepImages.h"

// The columns both lists share. The title list ends in one wide column over
// the step cells; the skill list splits that width into its four step columns.

enum ListColumn : int {
  kColumnHidden = 0,
  kColumnJob,
  kColumnSkillName,
  kColumnLearnLevel,
  kColumnMasterItem,
  kColumnItemCount,
  kColumnSkillLevel,
  kColumnPoints,
  kColumnFirstStep,  // "<<" in the skill list, the counter column in the title list
};

inline constexpr int kTextColumnCount = kColumnFirstStep;
inline constexpr int kStepColumnCount = 4;
inline constexpr int kSkillColumnCount = kColumnFirstStep + kStepColumnCount;
inline constexpr int kTitleColumnCount = kColumnFirstStep + 1;

inline constexpr int kColumnWidths[kTitleColumnCount] = {0, 100, 130, 50, 130, 50, 55, 50, 120};
inline constexpr int kStepColumnWidth = kColumnWidths[kColumnFirstStep] / kStepColumnCount;

// A step column's width at dpi: the design's, scaled, and never narrower
// than the step images shown there (between two sets' DPIs the nearer set's
// images may be a pixel or two wider).
constexpr int StepColumnWidth(int dpi) {
  return std::max(display::Scaled(kStepColumnWidth, dpi),
                  stepimages::SetWidth(stepimages::SetFor(dpi)));
}

// How a column aligns its texts; the list views turn it into their own formats.
enum class ColumnAlign { kLeft, kCenter };

inline constexpr ColumnAlign kColumnAligns[kTitleColumnCount] = {
    ColumnAlign::kLeft,   ColumnAlign::kLeft,   ColumnAlign::kLeft,
    ColumnAlign::kCenter, ColumnAlign::kLeft,   ColumnAlign::kCenter,
    ColumnAlign::kCenter, ColumnAlign::kCenter, ColumnAlign::kCenter};

// Also the texts of the title list's single row, with kListTitleCounter last.
inline constexpr const char* kColumnTitles[kTextColumnCount] = {"",
                                                                kListTitleJob,
                                                                kListTitleSkillName,
                                                                kListTitleLearnLevel,
                                                                kListTitleMasterItem,
                                                                kListTitleItemCount,
                                                                kListTitleSkillLevel,
                                                                kListTitlePoints};

inline constexpr const char* kStepColumnTitles[kStepColumnCount] = {"<<", "<", ">", ">>"};
