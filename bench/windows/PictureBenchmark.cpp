// How long the plan's picture takes: drawn from the hosted skill list's plan
// (its learnt rows gathered and painted) and encoded as PNG, for a plan of 100
// and one of 2,000 learnt rows, the most a picture takes, under Wine.

#include <string>

#include "app/PngEncoder.h"
#include "bench/windows/ListBenchmark.h"
#include "skilllist/PlanPicture.h"

using namespace listbench;

namespace {

// A plan of that many rows, every one at level 1.
bool BuildLearntPlan(GameDatabase& plan, const ScratchFolder& folder, int rows) {
  SyntheticDataFile::Write(folder.PathOf("vexa.dat"), rows, SyntheticDataFile::Links::Sparse);
  if (!LoadDatabaseFrom(folder, plan) || !plan.BuildPlan(SyntheticDataFile::kEveryRowCode))
    return false;
  ChangeList changes;
  for (int row = 0; row < rows; ++row) plan.StepRowLevel(row, Up, changes);
  return plan.RowCount() == rows;
}

void MeasurePicture(int rows, int runs) {
  ScratchFolder folder;
  GameDatabase plan;
  if (!BuildLearntPlan(plan, folder, rows)) {
    std::fprintf(stderr, "bench_picture: the %d-row plan could not be built\n", rows);
    return;
  }
  HeaderListView header;
  SkillListView skills;
  ListHost host(header, skills, plan);
  const PlanPictureCaptions captions{"title", {"a 1", "b 2", "c 3", "d 4"}, "signature"};
  PlanPicture picture;
  const Figures drawn =
      Measure([&](int) { picture.Draw(LearntRows(plan), skills, captions); }, [] {}, runs);
  std::string png;
  const Figures encoded = Measure(
      [&](int) {
        EncodePng(picture.Header().biWidth, picture.Header().biHeight, picture.Stride(),
                  picture.Bits(), png);
      },
      [] {}, runs);
  std::printf("plan picture, %d learnt rows (%ld x %ld pixels, PNG %zu bytes), %d runs each\n",
              rows, picture.Header().biWidth, picture.Header().biHeight, png.size(), runs);
  Print("draw (learnt rows gathered and painted)", drawn);
  Print("encode as PNG", encoded);
  std::printf("  draw + encode (medians): %.1f ms\n", (drawn.median + encoded.median) / 1000);
}

}  // namespace

int main() {
  MeasurePicture(100, 30);
  MeasurePicture(2000, 5);
  return 0;
}
