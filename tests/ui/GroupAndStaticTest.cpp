// The group box frame with its caption cut-out, and the total display in its
// own font, colours and brush, both read from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include "Canvas.h"
#include "TestDialog.h"
#include "UiTestIds.h"
#include "ui/GroupBox.h"
#include "ui/StaticText.h"

namespace {

constexpr COLORREF kFrameHighlight = RGB(208, 192, 236);
constexpr COLORREF kDisabledShadow = RGB(96, 112, 127);
constexpr COLORREF kDisabledHighlight = RGB(224, 240, 255);

// The caption's size in the group box's own font.
SIZE CaptionSize(const GroupBox& group) {
  char text[256] = {};
  GetWindowTextA(group.Hwnd(), text, sizeof text);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, group.Font());
  SIZE size{};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return size;
}

class ScreenPixels {
 public:
  explicit ScreenPixels(HWND window) : window(window), dc(GetDC(window)) {}
  ~ScreenPixels() { ReleaseDC(window, dc); }
  COLORREF operator()(int x, int y) const { return GetPixel(dc, x, y); }

 private:
  HWND window;
  HDC dc;
};

int RowsHolding(HWND window, COLORREF background) {
  const RECT bounds = WindowPixelBounds(window, [&](COLORREF pixel) { return pixel != background; });
  return bounds.bottom - bounds.top;
}

}  // namespace

TEST(GroupBoxPainting, FrameIsEtchedAndTheCaptionCutsItsTopLine) {
  GroupBox group, empty;
  TestDialog dialog(IDD_UI_CONTROLS);
  ASSERT_TRUE(dialog.Open());
  for (GroupBox* box : {&group, &empty}) {
    box->Attach(dialog.Item(box == &group ? IDC_UI_GROUP : IDC_UI_GROUP_EMPTY));
    ApplyMainWindowLook(*box);
    box->SetFrameColor(kFrameColor, true);
  }
  EXPECT_TRUE(GetWindowLongA(group.Hwnd(), GWL_STYLE) & BS_NOTIFY);
  EXPECT_TRUE(GetWindowLongA(group.Hwnd(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  PumpUntilIdle();

  const SIZE caption = CaptionSize(group);
  ASSERT_GT(caption.cx, 10);
  const int frameRow = caption.cy / 2 + 1;
  {
    ScreenPixels pixel(group.Hwnd());
    EXPECT_EQ(pixel(3, frameRow), kFrameColor);
    EXPECT_EQ(pixel(3, frameRow + 1), kFrameHighlight);
    EXPECT_EQ(pixel(0, frameRow + 10), kFrameColor);
    EXPECT_EQ(pixel(1, frameRow + 10), kFrameHighlight);
    EXPECT_EQ(pixel(6, frameRow), kFrameColor);
    EXPECT_EQ(pixel(7, frameRow), kBackColor);
    EXPECT_EQ(pixel(8, frameRow), kBackColor);
    EXPECT_EQ(pixel(caption.cx + 10, frameRow), kBackColor);
    EXPECT_EQ(pixel(caption.cx + 11, frameRow), kFrameColor);
    EXPECT_EQ(pixel(caption.cx + 11, frameRow + 1), kFrameHighlight);
  }
  const RECT captionArea{9, 0, caption.cx + 9, caption.cy + 2};
  const RECT text = WindowPixelBounds(group.Hwnd(), [](COLORREF pixel) { return pixel == kTextColor; });
  RECT inCaption;
  EXPECT_TRUE(IntersectRect(&inCaption, &text, &captionArea));

  // Without a caption the top line runs through.
  const int emptyRow = CaptionSize(empty).cy / 2 + 1;
  {
    ScreenPixels pixel(empty.Hwnd());
    for (int x : {3, 7, 8, 20}) EXPECT_EQ(pixel(x, emptyRow), kFrameColor) << x;
  }

  EnableWindow(group.Hwnd(), FALSE);
  InvalidateRect(group.Hwnd(), nullptr, TRUE);
  PumpUntilIdle();
  {
    ScreenPixels pixel(group.Hwnd());
    EXPECT_EQ(pixel(3, frameRow), kDisabledShadow);
    EXPECT_EQ(pixel(3, frameRow + 1), kDisabledHighlight);
  }
  const RECT shadowText = WindowPixelBounds(group.Hwnd(), [](COLORREF pixel) { return pixel == kDisabledShadow; });
  EXPECT_LT(shadowText.top, frameRow);  // the engraved caption above the line
}

TEST(StaticTextPainting, ShowsItsTextInItsOwnFontColoursAndBrush) {
  StaticText total;
  TestDialog dialog(IDD_UI_CONTROLS);
  ASSERT_TRUE(dialog.Open());
  HWND control = dialog.Item(IDC_UI_STATIC);
  const LRESULT ownFont = SendMessageA(control, WM_GETFONT, 0, 0);
  dialog.AttachStatic(total, IDC_UI_STATIC);
  EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  InvalidateRect(control, nullptr, TRUE);
  PumpUntilIdle();
  const int smallDigit = RowsHolding(control, kBackColor);
  {
    ScreenPixels pixel(control);
    EXPECT_EQ(pixel(1, 1), kBackColor);
  }
  const RECT ink = WindowPixelBounds(control, [](COLORREF pixel) { return pixel == kTextColor; });
  EXPECT_FALSE(IsRectEmpty(&ink));

  total.SetHeight(22, true);
  total.SetBold(1, true);
  PumpUntilIdle();
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(total.Font()));
  const int largeDigit = RowsHolding(control, kBackColor);
  EXPECT_GE(largeDigit, 14);
  EXPECT_GE(largeDigit, smallDigit + 5);

  // A new back colour comes with a new brush.
  total.SetBackColor(RGB(255, 255, 255), true);
  PumpUntilIdle();
  {
    ScreenPixels pixel(control);
    EXPECT_EQ(pixel(1, 1), RGB(255, 255, 255));
  }

  ASSERT_TRUE(total.Detach());
  EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), ownFont);
  EXPECT_EQ(GetPropA(control, WindowBase::kPropertyName), nullptr);
  EXPECT_FALSE(total.Detach());
}
