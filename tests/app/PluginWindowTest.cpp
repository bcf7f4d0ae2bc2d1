#include <gtest/gtest.h>

#include "PluginTestSupport.h"
#include "app/CharacterPlugin.h"

namespace {

constexpr COLORREF kPluginBack = RGB(192, 224, 255);
constexpr COLORREF kPluginText = RGB(0, 0, 128);

class PluginWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.loadLibrary(VariantPath(PELL_VEXACHAR)));
    plugin.Initialize(owner.handle);
  }
  void TearDown() override {
    plugin.Delete();
    plugin.Terminate();
  }

  HWND CreateAt(LONG x, LONG y) {
    const POINT position = {x, y};
    plugin.Create(&position, 0);
    return plugin.GetWnd();
  }

  OwnerWindow owner;
  CharacterPlugin plugin;
};

// The client area as it is on screen, one colour per pixel, row by row.
std::vector<COLORREF> CaptureClient(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right, height = client.bottom;
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
  HGDIOBJ oldBitmap = SelectObject(memoryDc, bitmap);
  BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memoryDc, x, y));
  SelectObject(memoryDc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  return pixels;
}

std::vector<COLORREF> ShownPixels(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  PumpMessages();
  return CaptureClient(window);
}

}  // namespace

TEST_F(PluginWindowTest, CreateMakesAHiddenTopLevelToolWindowAtThePoint) {
  EXPECT_EQ(nullptr, plugin.GetWnd());
  HWND window = CreateAt(120, 90);
  ASSERT_NE(nullptr, window);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetDesktopWindow(), GetAncestor(window, GA_PARENT));
  EXPECT_EQ(0, GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(WS_CAPTION, GetWindowLongA(window, GWL_STYLE) & WS_CAPTION);
  EXPECT_NE(0, GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(120, frame.left);
  EXPECT_EQ(90, frame.top);

  // A second Create keeps the one window.
  const POINT elsewhere = {0, 0};
  EXPECT_EQ(0, plugin.Create(&elsewhere, 0));
  EXPECT_EQ(window, plugin.GetWnd());

  EXPECT_EQ(1, plugin.Delete());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(nullptr, plugin.GetWnd());
}

TEST_F(PluginWindowTest, ShowsTheToldTypeAndSlotInTheProgramColours) {
  HWND window = CreateAt(300, 200);
  ASSERT_NE(nullptr, window);
  ShowWindow(window, SW_SHOW);
  plugin.SetChar(3, 0);
  plugin.SetRank(4, 1);
  const std::vector<COLORREF> first = ShownPixels(window);
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(kPluginBack, first.front());
  EXPECT_EQ(kPluginBack, first.back());
  EXPECT_GT(std::count(first.begin(), first.end(), kPluginText), 10);

  // Another type must show as something else.
  plugin.SetChar(6, 0);
  EXPECT_NE(first, ShownPixels(window));
  plugin.SetChar(3, 0);
  EXPECT_EQ(first, ShownPixels(window));
}

TEST_F(PluginWindowTest, WindowTakenDownWithItsOwnerIsForgotten) {
  HWND window = CreateAt(10, 10);
  ASSERT_NE(nullptr, window);
  DestroyWindow(owner.handle);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(nullptr, plugin.GetWnd());
  EXPECT_EQ(0, plugin.Delete());

  // Nothing stale is left behind: a new window can be made.
  plugin.Initialize(nullptr);
  EXPECT_NE(nullptr, CreateAt(10, 10));
}
