// The main window in proportion at the display's DPI. The window with a plan is measured: its
// client size, every control's rectangle and font, the lists' columns and row, the step images,
// the overview's and About box's layout; and every text its control or cell cuts. Fresh starts at
// 96 and 192 DPI keep their measures in files, which the tests in other prefixes
// (tests/app/CMakeLists.txt) compare against.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "MainWindowHost.h"
#include "app/AboutDialog.h"
#include "app/OverviewDialog.h"
#include "res/ControlIds.h"
#include "ui/AppMessages.h"
#include "ui/DpiScale.h"
#include "ui/ScopedSelection.h"

namespace {

// Named lengths in pixels, as "main 1001 rect": left, top, right, bottom.
using Measures = std::map<std::string, std::vector<long>>;

// Where texts are cut (a control, or a list's column), with the first cut text's size and the room
// it had.
using Cuts = std::map<std::string, std::string>;

// The plan whose window is measured: the dragon at rank 2 (S).
constexpr int kMeasuredType = 3, kMeasuredJob = kRank2SJob;

int ScreenDpi() { return static_cast<int>(DpiScale::OfSystem().Dpi()); }

std::string MeasuresFile(int dpi) { return "display-" + std::to_string(dpi) + "dpi.txt"; }

// The measures kept in a file, a line "name<TAB>value" for each value.
Measures Load(int dpi) {
  Measures measures;
  std::ifstream in(MeasuresFile(dpi));
  for (std::string name; std::getline(in, name, '\t'); in >> std::ws)
    in >> measures[name].emplace_back();
  return measures;
}

// The measures that differ from the reference's times factor by more than tolerance pixels, or that
// the reference lacks, one line each.
std::string Mismatches(const Measures& reference, const Measures& actual, double factor,
                       long tolerance) {
  std::string lines;
  for (const auto& [name, values] : actual) {
    std::vector<long> expected;
    if (reference.count(name))
      for (long value : reference.at(name)) expected.push_back(std::lround(value * factor));
    if (!std::equal(expected.begin(), expected.end(), values.begin(), values.end(),
                    [&](long a, long b) { return std::labs(a - b) <= tolerance; }))
      lines += name + ": expected " + testing::PrintToString(expected) + ", got " +
               testing::PrintToString(values) + "\n";
  }
  return lines;
}

// The window as the screen shows it, as a 32-bit BMP file.
void SaveScreenshot(HWND window, const std::string& path) {
  const RECT area = WindowRect(window);
  const Canvas shot(area.right - area.left, area.bottom - area.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.dc, 0, 0, shot.width, shot.height, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
  DIBSECTION section{};
  GetObjectA(GetCurrentObject(shot.dc, OBJ_BITMAP), sizeof section, &section);
  const BITMAPINFOHEADER header{
      sizeof header, shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD size = 4 * shot.width * shot.height,
              offset = sizeof(BITMAPFILEHEADER) + sizeof header;
  const BITMAPFILEHEADER file{0x4D42, offset + size, 0, 0, offset};
  auto* bits = static_cast<char*>(section.dsBm.bmBits);
  for (DWORD alpha = 3; alpha < size; alpha += 4)
    bits[alpha] = '\xFF';  // opaque, as viewers read it
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(bits, size);
}

// Where a group box's caption starts, in 96-DPI pixels.
constexpr int kGroupCaptionLeft = 9;

bool IsGroupBox(HWND control) {
  return ClassOf(control) == "Button" &&
         (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The width of a control that its caption may not use, in 96-DPI pixels: a check box's or radio
// button's mark, a group box's frame with the gaps round its caption, a push button's bevels.
int CaptionRoom(HWND control) {
  if (IsGroupBox(control)) return kGroupCaptionLeft + 3;
  if (ClassOf(control) != "Button") return 0;
  const LRESULT kind = SendMessageA(control, WM_APP_CONTROL_KIND, 0, 0);
  return kind == kKindCheckBox || kind == kKindRadioButton ? 18 : 4;
}

SIZE TextSize(HWND window, const std::string& text) {
  const Canvas canvas(1, 1);
  const ScopedSelection font(canvas.dc,
                             reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(canvas.dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// Measures the window and its dialogs shown at a DPI, and notes every text that does not fit its
// control or list cell.
class DisplayScaleTest : public MainWindowHost {
 protected:
  // The main window as it stands, shown at dpi: every plan's texts fitted, then the measured plan's
  // layout with the skill list's row height and step images (its step cells are its columns by its
  // rows).
  void Measure(int dpi) {
    scale = DpiScale(dpi);
    measures.clear();
    cut.clear();
    HWND list = Control(IDC_SKILL_LIST);
    for (int type = 0; type < kTypeCount; ++type) {
      Click(TypeButton(type));
      for (int job = 0; job < kJobButtonCount; ++job) {
        if (!IsWindowVisible(JobButton(job))) continue;
        Click(JobButton(job));
        FitCells(list);
      }
    }
    Select(kMeasuredType, kMeasuredJob);
    UpdateWindow(dialog);
    MeasureDialog("main", dialog);
    FitCells(Control(IDC_HEADER_LIST));
    RECT row{};
    ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
    int width = 0, height = 0;
    ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &width, &height);
    measures["skill list row"] = {row.bottom - row.top};
    measures["skill list step images"] = {width, height};
  }
  // The client size; each control's rectangle in client coordinates, font height and, for a list,
  // column widths; each caption's fit.
  void MeasureDialog(const std::string& name, HWND shown) {
    RECT client{};
    GetClientRect(shown, &client);
    measures[name + " client"] = {client.right, client.bottom};
    for (HWND child = GetWindow(shown, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const std::string key = name + " " + std::to_string(GetDlgCtrlID(child));
      RECT rect = WindowRect(child);
      MapWindowPoints(nullptr, shown, reinterpret_cast<POINT*>(&rect), 2);
      measures[key + " rect"] = {rect.left, rect.top, rect.right, rect.bottom};
      HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(child, WM_GETFONT, 0, 0));
      if (font && !IsGroupBox(child)) {  // see CaptionSize
        LOGFONTA description{};
        GetObjectA(font, sizeof description, &description);
        measures[key + " font"] = {std::labs(description.lfHeight)};
      }
      if (ClassOf(child) == WC_LISTVIEWA) {
        std::vector<long>& widths = measures[key + " columns"];
        for (int column = 0; column < Header_GetItemCount(ListView_GetHeader(child)); ++column)
          widths.push_back(ListView_GetColumnWidth(child, column));
      } else if (IsWindowVisible(child) && !TextOf(child).empty()) {
        GetClientRect(child, &client);
        Fit(key, CaptionSize(child), client.right - scale(CaptionRoom(child)), client.bottom);
      }
    }
  }
  // Every text cell of a list against the cell less the text's margins.
  void FitCells(HWND list) {
    const std::string key = "list " + std::to_string(GetDlgCtrlID(list)) + " column ";
    for (int row = 0; row < ListView_GetItemCount(list); ++row)
      for (int column = 1; column < Header_GetItemCount(ListView_GetHeader(list)); ++column) {
        char text[256] = {};
        ListView_GetItemText(list, row, column, text, sizeof text);
        RECT cell{};
        ListView_GetSubItemRect(list, row, column, LVIR_BOUNDS, &cell);
        if (*text)
          Fit(key + std::to_string(column), TextSize(list, text),
              cell.right - cell.left - 2 * scale(3), cell.bottom - cell.top);
      }
  }
  // A caption's size. A group box draws its caption in a font of its own, which WM_GETFONT does not
  // answer: its caption is read from the screen, up to the last pixel of the text colour on the
  // caption's line.
  SIZE CaptionSize(HWND control) const {
    if (!IsGroupBox(control)) return TextSize(control, TextOf(control));
    const Canvas canvas(control);
    const RECT drawn = canvas.Bounds(kTextColor, true, {0, 0, canvas.width, scale(16)});
    return {drawn.right - scale(kGroupCaptionLeft), drawn.bottom};
  }
  void Fit(const std::string& where, SIZE size, long width, long height) {
    if (size.cx > width || size.cy > height)
      cut.emplace(where, std::to_string(size.cx) + "x" + std::to_string(size.cy) + " in " +
                             std::to_string(width) + "x" + std::to_string(height));
  }
  // A fresh window's measures at the screen's DPI with the overview's and About box's, kept in a
  // file, and a screenshot of the window.
  void MeasureFreshWindow() {
    Open();
    const int dpi = ScreenDpi();
    Measure(dpi);
    const std::string screenshots = VariantPath(PELL_SCREENSHOTS);
    CreateDirectoryA(screenshots.c_str(), nullptr);
    SaveScreenshot(dialog, screenshots + "\\main-" + std::to_string(dpi) + "dpi.bmp");
    OverviewDialog overview(dialog, database.Overview());
    AboutDialog about(dialog, database.skillCount(), database.droppedLineCount());
    for (auto [name, box] :
         {std::pair<const char*, DialogBase*>{"overview", &overview}, {"about", &about}}) {
      EXPECT_EQ(0, box->Run(false, true));
      PumpMessages();
      MeasureDialog(name, box->Hwnd());
      SendMessageA(box->Hwnd(), WM_COMMAND, IDOK, 0);
    }
    std::ofstream out(MeasuresFile(dpi));
    for (const auto& [name, values] : measures)
      for (long value : values) out << name << '\t' << value << '\n';
  }
  // Every measure is the reference's times factor within tolerance pixels, and no text is cut.
  void ExpectInProportion(const Measures& reference, double factor, long tolerance) const {
    ASSERT_FALSE(reference.empty()) << "the reference is measured first";
    const std::string mismatches = Mismatches(reference, measures, factor, tolerance);
    EXPECT_TRUE(mismatches.empty()) << mismatches;
    EXPECT_EQ(Cuts{}, cut);
  }

  DpiScale scale;
  Measures measures;
  Cuts cut;
};

}  // namespace

// Run at 96 and 192 DPI, before the comparisons that need these measures.
TEST_F(DisplayScaleTest, FreshWindowIsMeasured) {
  MeasureFreshWindow();
  EXPECT_EQ(database.RowCount(), ListView_GetItemCount(Control(IDC_SKILL_LIST)));
  EXPECT_GT(measures.at("skill list step images")[0], 0);
}

// Every length of a fresh start at 144 DPI is one and a half times the one at 96 (within the
// rounding of each), the step images are the 150 % set, and no text is cut.
TEST_F(DisplayScaleTest, At144DpiEveryLengthGrowsByHalfAndNoTextIsCut) {
  ASSERT_EQ(144, ScreenDpi()) << "run with PELL_DPI=144";
  const Measures atDesign = Load(96);
  MeasureFreshWindow();
  EXPECT_EQ(atDesign.size(), measures.size());
  ExpectInProportion(atDesign, 1.5, 2);
  EXPECT_EQ((std::vector<long>{45, 23}), measures.at("skill list step images"));
}

// A move to a 200 % monitor: the window takes the suggested rectangle and then lays out as a fresh
// start at 192 DPI does (the frame stays the system's under Wine, so the client size is not
// compared); moved back, as before. The edges of the template's controls are mapped before they are
// scaled, so they may stand a pixel off the dialog manager's.
TEST_F(DisplayScaleTest, DpiChangeTo192LaysOutAsAFreshStartThereAndBackAsBefore) {
  ASSERT_EQ(96, ScreenDpi());
  Open();
  Measure(96);
  EXPECT_EQ(Cuts{}, cut) << "at 96 DPI";
  const RECT original = WindowRect(dialog);
  RECT doubled = original;
  doubled.right += original.right - original.left;
  doubled.bottom += original.bottom - original.top;
  const std::tuple<UINT, RECT, Measures> moves[] = {{192, doubled, Load(192)},
                                                    {96, original, measures}};
  for (auto [dpi, suggested, reference] : moves) {
    SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
    const RECT taken = WindowRect(dialog);
    EXPECT_TRUE(EqualRect(&suggested, &taken)) << dpi;
    Measure(static_cast<int>(dpi));
    if (dpi == 192) measures.erase("main client");
    ExpectInProportion(reference, 1.0, 1);
  }
}
