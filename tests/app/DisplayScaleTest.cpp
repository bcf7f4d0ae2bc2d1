// The main window in proportion at the display's DPI. The window with a plan
// is measured: its client size, every control's rectangle and font, the
// lists' columns, row and step cell, the step images, the overview's and
// About box's layout; and every text its control or cell cuts. Fresh starts
// at 96 and 192 DPI keep their measures in files, which the tests in other
// prefixes (tests/app/CMakeLists.txt) compare against.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "MainWindowHost.h"
#include "app/AboutDialog.h"
#include "app/OverviewDialog.h"
#include "res/ControlIds.h"
#include "skilllist/ColumnTable.h"
#include "ui/AppMessages.h"

namespace {

// Named lengths in pixels, as "main 1001 rect": left, top, right, bottom.
using Measures = std::map<std::string, std::vector<long>>;

// Where texts are cut (a control, or a list's column), with the first cut
// text's size and the room it had.
using Cuts = std::map<std::string, std::string>;

// The plan whose window is measured: the dragon at rank 2 (S).
constexpr int kMeasuredType = 3, kMeasuredJob = kRank2SJob;

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::string MeasuresFile(int dpi) { return "display-" + std::to_string(dpi) + "dpi.txt"; }

std::string Numbers(const std::vector<long>& values) {
  std::string text;
  for (long value : values) text += ' ' + std::to_string(value);
  return text;
}

void Save(const Measures& measures, const std::string& path) {
  std::ofstream out(path);
  for (const auto& [name, values] : measures) out << name << '\t' << Numbers(values) << '\n';
}

Measures Load(const std::string& path) {
  Measures measures;
  std::ifstream in(path);
  for (std::string name, values; std::getline(in, name, '\t') && std::getline(in, values);) {
    std::istringstream numbers(values);
    for (long value; numbers >> value;) measures[name].push_back(value);
  }
  return measures;
}

// The measures that differ from the reference's times factor by more than
// tolerance pixels, or that the reference lacks, one line each.
std::string Mismatches(const Measures& reference, const Measures& actual, double factor,
                       long tolerance) {
  std::string lines;
  for (const auto& [name, values] : actual) {
    const auto found = reference.find(name);
    std::vector<long> expected;
    if (found != reference.end())
      for (long value : found->second) expected.push_back(std::lround(value * factor));
    bool differs = expected.size() != values.size();
    for (std::size_t i = 0; !differs && i < values.size(); ++i)
      differs = std::labs(expected[i] - values[i]) > tolerance;
    if (differs)
      lines += name + ": expected" + Numbers(expected) + ", got" + Numbers(values) + "\n";
  }
  return lines;
}

// The window as the screen shows it, as a 24-bit BMP file.
void SaveScreenshot(HWND window, const std::string& path) {
  const RECT area = WindowRect(window);
  BITMAPINFOHEADER header{
      sizeof header, area.right - area.left, area.bottom - area.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  HDC screen = GetDC(nullptr);
  BitBlt(dc, 0, 0, header.biWidth, header.biHeight, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
  const DWORD size = ((header.biWidth * 3 + 3) & ~3) * header.biHeight;
  const BITMAPFILEHEADER file{0x4D42, sizeof file + sizeof header + size, 0, 0,
                              sizeof file + sizeof header};
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

// Where a group box's caption starts, in 96-DPI pixels.
constexpr int kGroupCaptionLeft = 9;

bool IsGroupBox(HWND control) {
  return ClassOf(control) == "Button" &&
         (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The width of a control that its caption may not use, in 96-DPI pixels: a
// check box's or radio button's mark, a group box's frame with the gaps
// round its caption, a push button's bevels.
int CaptionRoom(HWND control) {
  if (IsGroupBox(control)) return kGroupCaptionLeft + 3;
  if (ClassOf(control) != "Button") return 0;
  const LRESULT kind = SendMessageA(control, WM_APP_CONTROL_KIND, 0, 0);
  return kind == kKindCheckBox || kind == kKindRadioButton ? 18 : 4;
}

SIZE TextSize(HWND window, const std::string& text) {
  HDC dc = GetDC(window);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size;
}

// Measures dialogs shown at a DPI, and notes every text that does not fit
// its control or list cell.
class Ruler {
 public:
  explicit Ruler(int dpi) : dpi(dpi) {}

  // The client size; each control's rectangle in client coordinates, font
  // height and, for a list, column widths; each caption's fit.
  void MeasureDialog(const std::string& name, HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    measures[name + " client"] = {client.right, client.bottom};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const std::string key = name + " " + std::to_string(GetDlgCtrlID(child));
      RECT rect = WindowRect(child);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
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
        Fit(key, CaptionSize(child), client.right - Scaled(CaptionRoom(child)), client.bottom);
      }
    }
  }
  // Every text cell of a list against the cell less the text's margins.
  void FitCells(HWND list) {
    const std::string key = "list " + std::to_string(GetDlgCtrlID(list));
    for (int row = 0; row < ListView_GetItemCount(list); ++row)
      for (int column = 1; column < Header_GetItemCount(ListView_GetHeader(list)); ++column) {
        char text[256] = {};
        ListView_GetItemText(list, row, column, text, sizeof text);
        RECT cell{};
        ListView_GetSubItemRect(list, row, column, LVIR_BOUNDS, &cell);
        if (*text)
          Fit(key + " column " + std::to_string(column), TextSize(list, text),
              cell.right - cell.left - 2 * Scaled(3), cell.bottom - cell.top);
      }
  }
  // The skill list's row height, its first step cell and its step images.
  void MeasureSkillList(HWND list) {
    RECT row{}, cell{};
    ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
    ListView_GetSubItemRect(list, 0, kColumnFirstStep, LVIR_BOUNDS, &cell);
    int width = 0, height = 0;
    ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &width, &height);
    measures["skill list row"] = {row.bottom - row.top};
    measures["skill list step cell"] = {cell.right - cell.left, cell.bottom - cell.top};
    measures["skill list step images"] = {width, height};
  }

  Measures measures;
  Cuts cut;

 private:
  int Scaled(int designPixels) const { return MulDiv(designPixels, dpi, 96); }
  // A caption's size. A group box draws its caption in a font of its own,
  // which WM_GETFONT does not answer: its caption is read from the screen, up
  // to the last pixel of the text colour on the caption's line.
  SIZE CaptionSize(HWND control) const {
    if (!IsGroupBox(control)) return TextSize(control, TextOf(control));
    const Canvas canvas(control);
    const RECT drawn = canvas.Bounds(kTextColor, true, {0, 0, canvas.width, Scaled(16)});
    return {drawn.right - Scaled(kGroupCaptionLeft), drawn.bottom};
  }
  void Fit(const std::string& where, SIZE size, long width, long height) {
    if (size.cx > width || size.cy > height)
      cut.emplace(where, std::to_string(size.cx) + "x" + std::to_string(size.cy) + " in " +
                             std::to_string(width) + "x" + std::to_string(height));
  }

  const int dpi;
};

class DisplayScaleTest : public ::testing::Test, protected MainWindowHost {
 protected:
  void TearDown() override { Close(); }

  // The main window as it stands, shown at dpi: every plan's texts fitted,
  // then the measured plan's layout.
  Ruler Measure(int dpi) {
    Ruler ruler(dpi);
    for (int type = 0; type < kTypeCount; ++type) {
      Click(TypeButton(type));
      for (int job = 0; job < kJobButtonCount; ++job) {
        if (!IsWindowVisible(JobButton(job))) continue;
        Click(JobButton(job));
        ruler.FitCells(Control(IDC_SKILL_LIST));
      }
    }
    Select(kMeasuredType, kMeasuredJob);
    UpdateWindow(dialog);
    ruler.MeasureDialog("main", dialog);
    ruler.FitCells(Control(IDC_HEADER_LIST));
    ruler.MeasureSkillList(Control(IDC_SKILL_LIST));
    return ruler;
  }
  // A fresh window's measures at the screen's DPI with the overview's and
  // About box's, kept in a file, and a screenshot of the window.
  Ruler MeasureFreshWindow() {
    Open();
    const int dpi = ScreenDpi();
    Ruler ruler = Measure(dpi);
    SaveScreenshot(dialog,
                   VariantPath(PELL_SCREENSHOTS) + "\\main-" + std::to_string(dpi) + "dpi.bmp");
    OverviewDialog overview(dialog, database.Overview());
    AboutDialog about(dialog, database.skillCount(), database.droppedLineCount());
    for (auto [name, box] :
         {std::pair<const char*, DialogBase*>{"overview", &overview}, {"about", &about}}) {
      EXPECT_EQ(0, box->Run(false, true));
      PumpMessages();
      ruler.MeasureDialog(name, box->Hwnd());
      SendMessageA(box->Hwnd(), WM_COMMAND, IDOK, 0);
    }
    Save(ruler.measures, MeasuresFile(dpi));
    return ruler;
  }
};

}  // namespace

// Run at 96 and 192 DPI, before the comparisons that need these measures.
TEST_F(DisplayScaleTest, FreshWindowIsMeasured) {
  const Ruler ruler = MeasureFreshWindow();
  EXPECT_EQ(ruler.measures, Load(MeasuresFile(ScreenDpi())));
  EXPECT_EQ(database.RowCount(), ListView_GetItemCount(Control(IDC_SKILL_LIST)));
  EXPECT_GT(ruler.measures.at("skill list step images")[0], 0);
}

// Every length of a fresh start at 144 DPI is one and a half times the one at
// 96 (within the rounding of each), the step images are the 150 % set, and no
// text is cut.
TEST_F(DisplayScaleTest, At144DpiEveryLengthGrowsByHalfAndNoTextIsCut) {
  ASSERT_EQ(144, ScreenDpi()) << "run with PELL_DPI=144";
  const Measures atDesign = Load(MeasuresFile(96));
  ASSERT_FALSE(atDesign.empty()) << "measured at 96 DPI first";
  const Ruler ruler = MeasureFreshWindow();
  EXPECT_EQ(atDesign.size(), ruler.measures.size());
  const std::string mismatches = Mismatches(atDesign, ruler.measures, 1.5, 2);
  EXPECT_TRUE(mismatches.empty()) << mismatches;
  EXPECT_EQ((std::vector<long>{45, 23}), ruler.measures.at("skill list step images"));
  EXPECT_EQ(Cuts{}, ruler.cut);
}

// A move to a 200 % monitor: the window takes the suggested rectangle and then
// lays out as a fresh start at 192 DPI does. The frame stays the system's
// under Wine, so the client size is not compared.
TEST_F(DisplayScaleTest, DpiChangeTo192LaysOutAsAFreshStartThere) {
  ASSERT_EQ(96, ScreenDpi());
  Measures fresh = Load(MeasuresFile(192));
  ASSERT_FALSE(fresh.empty()) << "measured at 192 DPI first";
  Open();
  EXPECT_EQ(Cuts{}, Measure(96).cut) << "at 96 DPI";
  RECT suggested = WindowRect(dialog);
  suggested.right += suggested.right - suggested.left;
  suggested.bottom += suggested.bottom - suggested.top;
  SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  PumpMessages();
  const RECT taken = WindowRect(dialog);
  EXPECT_TRUE(EqualRect(&suggested, &taken));
  Ruler ruler = Measure(192);
  ruler.measures.erase("main client");
  const std::string mismatches = Mismatches(fresh, ruler.measures, 1.0, 1);
  EXPECT_TRUE(mismatches.empty()) << mismatches;
  EXPECT_EQ(Cuts{}, ruler.cut);
}
