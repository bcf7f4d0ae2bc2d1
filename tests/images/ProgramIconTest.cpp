#include "ProgramIcon.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

// The design: (nearly) transparent outside the rounded tile, navy rim, light-blue face,
// a red chevron above three navy bars that rise to the right.
TEST(ProgramIcon, ShowsTheChevronAndRisingBarsOnAnOpaqueTile) {
    for (int side : {16, 32}) {
        SCOPED_TRACE("side " + std::to_string(side));
        const imagegen::RgbaImage icon = imagegen::BuildProgramIcon(side);
        const int unit = side / 16;
        auto at = [&](double ux, double uy) { return icon.At(static_cast<int>(ux * unit), static_cast<int>(uy * unit)); };
        auto rgb = [](imagegen::Rgba p) { return std::tuple(p.red, p.green, p.blue, p.alpha); };

        EXPECT_LT(at(0, 0).alpha, 16) << "outside the rounded corner";
        EXPECT_LT(at(15.5, 15.5).alpha, 16);
        EXPECT_LT(at(0, 15.5).alpha, 16);
        EXPECT_EQ(rgb(at(8, 0.5)), std::tuple(0, 0, 128, 255)) << "rim";
        EXPECT_EQ(rgb(at(8, 8)), std::tuple(192, 224, 255, 255)) << "face";
        EXPECT_EQ(rgb(at(8, 3.5)), std::tuple(255, 0, 0, 255)) << "chevron tip";
        for (auto [x, top] : {std::pair{3.5, 11.0}, {7.5, 10.0}, {11.5, 9.0}}) {
            EXPECT_EQ(rgb(at(x, top + 0.5)), std::tuple(0, 0, 128, 255)) << "bar at " << x;
            EXPECT_EQ(rgb(at(x, top - 0.5)), std::tuple(192, 224, 255, 255)) << "above bar at " << x;
        }
        for (int y = unit; y < side - unit; ++y)
            for (int x = unit; x < side - unit; ++x) EXPECT_EQ(icon.At(x, y).alpha, 255) << "inside the tile " << x << "," << y;
    }
}

}  // namespace
