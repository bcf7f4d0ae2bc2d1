// Loads the images from this module's resources the way the program does and
// reads back what Windows made of them.
#include "StepButtonImage.h"

#include <windows.h>

#include <commctrl.h>

#include <ResourceIds.h>
#include <gtest/gtest.h>

namespace {

// A memory DC of `width` × `height` 32-bit pixels, filled with `background`.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF background) : dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~PixelCanvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Dc() const { return dc; }

private:
    HDC dc;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

// Each bitmap is a 4-bit DIB; drawn from a masked image list as the skill list
// draws it, its magenta row shows the background and every other pixel is the
// generated one.
TEST(StepImageResources, SixteenBitmapsDrawTheGeneratedPixelsOverATransparentMaskRow) {
    HIMAGELIST list = ImageList_Create(30, 15, ILC_COLOR32 | ILC_MASK, 0, 16);
    ASSERT_NE(list, nullptr);
    const COLORREF background = RGB(10, 20, 30);
    for (int index = 0; index < IDB_STEP_COUNT; ++index) {
        SCOPED_TRACE("image " + std::to_string(index));
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_STEP_FIRST + index),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        DIBSECTION section{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
        EXPECT_EQ(section.dsBm.bmWidth, 30);
        EXPECT_EQ(section.dsBm.bmHeight, 15);
        EXPECT_EQ(section.dsBm.bmBitsPixel, 4);
        ASSERT_EQ(ImageList_AddMasked(list, bitmap, RGB(255, 0, 255)), index);
        DeleteObject(bitmap);

        PixelCanvas canvas(30, 15, background);
        ASSERT_TRUE(ImageList_Draw(list, index, canvas.Dc(), 0, 0, ILD_TRANSPARENT));
        const imagegen::RgbImage expected = imagegen::BuildStepButtonImage(index);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 30; ++x) {
                const imagegen::Rgb want = expected.At(x, y);
                ASSERT_EQ(GetPixel(canvas.Dc(), x, y), y == 0 ? background : RGB(want.red, want.green, want.blue))
                    << x << "," << y;
            }
    }
    ImageList_Destroy(list);
}

TEST(StepImageResources, ProgramIconLoadsAtBothSizesWithTransparentCorners) {
    for (int side : {16, 32}) {
        SCOPED_TRACE("side " + std::to_string(side));
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, side, side, 0));
        ASSERT_NE(icon, nullptr);
        const COLORREF background = RGB(255, 255, 255);
        PixelCanvas canvas(side, side, background);
        ASSERT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, side, side, 0, nullptr, DI_NORMAL));
        // The rounded corner may blend a trace of the rim into the background.
        const COLORREF corner = GetPixel(canvas.Dc(), 0, 0);
        EXPECT_GE(GetRValue(corner), 240);
        EXPECT_GE(GetGValue(corner), 240);
        EXPECT_GE(GetBValue(corner), 240);
        EXPECT_EQ(GetPixel(canvas.Dc(), side / 2, side / 2), RGB(192, 224, 255)) << "face";
        EXPECT_EQ(GetPixel(canvas.Dc(), side / 2, side / 32), RGB(0, 0, 128)) << "rim";
        DestroyIcon(icon);
    }
}

}  // namespace
