// The real MainWindow hosted in the test process (MainWindowHost.h).
#include <gtest/gtest.h>

#include <JapaneseText.h>

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "MainWindowHost.h"
#include "app/OverviewDialog.h"
#include "plan/GameDatabase.h"
#include "plan/Selection.h"
#include "res/ControlIds.h"
#include "res/DialogIds.h"
#include "skilllist/ColumnTable.h"
#include "skilllist/ListMessages.h"
#include "skilllist/SkillTipText.h"

namespace {

constexpr const char* kBoxNames[] = {"water", "wind", "earth", "fire", "thunder", "light", "dark"};

class MainWindowTest : public MainWindowHost {
 protected:
  HWND Box(AttributeBox box) const { return Control(IDC_ATTRIBUTE_FIRST + Index(box)); }
  std::string Total() const { return TextOf(Control(IDC_TOTAL_LABEL)); }

  static bool Checked(HWND control) {
    return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  // The selection controls in a state, as "type 3 job 2 water dark".
  std::string Listed(const std::function<bool(HWND)>& state) const {
    std::string listed;
    auto add = [&](HWND control, const std::string& name) {
      if (state(control)) listed += (listed.empty() ? "" : " ") + name;
    };
    for (int type = 0; type < 8; ++type) add(TypeButton(type), "type " + std::to_string(type));
    for (int job = 0; job < 4; ++job) add(JobButton(job), "job " + std::to_string(job));
    for (AttributeBox box : kAttributeBoxes) add(Box(box), kBoxNames[Index(box)]);
    return listed;
  }
  std::string CheckedControls() const { return Listed(Checked); }
  std::string EnabledControls() const {
    return Listed([](HWND control) { return IsWindowEnabled(control) != FALSE; });
  }

  std::string TypeName(int type) const {
    std::string name;
    database.typeName(type, name);
    return name;
  }
  std::string JobName(int type, int slot) const {
    std::string name;
    database.jobName(type, slot, name);
    return name;
  }
  // Raises the first rows, so that a rebuild would show as levels back at 0.
  void RaiseFirstRows(int count) {
    ChangeList changes;
    for (int row = 0; row < count; ++row) database.StepRowLevel(row, Up, changes);
  }
  int RowLevel(int row) const {
    SkillEntry entry;
    return database.CopyRowEntry(row, entry) ? entry.level : -1;
  }
};

}  // namespace

// Every type and job: the job buttons' labels, and the attribute boxes enabled and the code built
// as the selection's rules say.
TEST_F(MainWindowTest, EachSelectionLabelsJobsEnablesAttributesAndBuildsItsCode) {
  Open();
  // At start nothing is built: only the type buttons, labelled, can be used.
  for (int type = 0; type < 8; ++type) EXPECT_EQ(TypeName(type), TextOf(TypeButton(type))) << type;
  EXPECT_EQ(kTableTotalTitle, TextOf(Control(IDC_TOTAL_GROUP)));  // from the text table
  EXPECT_EQ("type 0 type 1 type 2 type 3 type 4 type 5 type 6 type 7", EnabledControls());
  EXPECT_EQ("water light", CheckedControls());
  EXPECT_EQ(0, database.RowCount());
  Click(TypeButton(0));
  EXPECT_EQ("type 0 job 0 water light", CheckedControls());
  for (int type = 0; type < 8; ++type) {
    for (int job = 0; job < 4; ++job) {
      SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(job));
      Select(type, job);
      for (int button = 0; button < 4; ++button) {
        const std::string name = JobName(type, button);  // the dragon's fourth: its light job
        EXPECT_EQ(name, TextOf(JobButton(button)));
        EXPECT_EQ(!name.empty(), IsWindowVisible(JobButton(button)) != FALSE);
        EXPECT_TRUE(IsWindowEnabled(JobButton(button)));
        EXPECT_EQ(button == job, Checked(JobButton(button)));
      }
      for (AttributeBox box : kAttributeBoxes)
        EXPECT_EQ(AttributeEnabled(type, job, box), IsWindowEnabled(Box(box)) != FALSE);
      EXPECT_EQ(JobCodeOf(Selection{type, job, {true, false, false, false, false, true}}),
                static_cast<int>(database.GetJobCode()));  // water and light set
      EXPECT_GT(database.RowCount(), 0);
    }
  }
}

// A set box clears the boxes it excludes and cannot be cleared by a click. Each change rebuilds the
// plan; a click on the type or job button or attribute box already set reaches the window as a
// click too, and must not wipe the levels.
TEST_F(MainWindowTest, ClicksCycleAndExcludeAttributesAndRebuildOnlyOnChange) {
  Open();
  Select(2, 1);
  const struct {
    int id;
    const char* checked;
    JobCode code;
    bool rebuilds;
  } clicks[] = {
      {IDC_TYPE_SHEEP, "type 2 job 1 water light", 0x210322, false},
      {IDC_JOB_RANK1, "type 2 job 1 water light", 0x210322, false},
      {IDC_ATTRIBUTE_WIND, "type 2 job 1 water wind light", 0x230322, true},
      {IDC_ATTRIBUTE_FIRE, "type 2 job 1 fire light", 0x280322, true},
      {IDC_ATTRIBUTE_FIRE, "type 2 job 1 fire light", 0x280322, false},
      {IDC_JOB_RANK2H, "type 2 job 2 fire light", 0x281322, true},
      {IDC_TYPE_DRAGON, "type 3 job 2 fire light", 0x281321, true},
      {IDC_JOB_RANK1, "type 3 job 1 fire light", 0x280321, true},
      {IDC_ATTRIBUTE_DARK, "type 3 job 1 fire dark", 0x480321, true},
      {IDC_ATTRIBUTE_LIGHT, "type 3 job 1 fire light", 0x280321, true},
  };
  for (const auto& click : clicks) {
    SCOPED_TRACE(click.checked);
    RaiseFirstRows(3);
    const int level = RowLevel(2);
    ASSERT_GT(level, 0);
    Click(Control(click.id));
    EXPECT_EQ(click.checked, CheckedControls());
    EXPECT_EQ(click.code, database.GetJobCode());
    EXPECT_EQ(click.rebuilds ? 0 : level, RowLevel(2));
  }
  // Reset clears the levels and keeps the selection (the program tests read the total).
  RaiseFirstRows(3);
  Click(Control(IDC_RESET_BUTTON));
  EXPECT_EQ(0, RowLevel(2));
  EXPECT_EQ(0x280321u, database.GetJobCode());
  EXPECT_EQ("type 3 job 1 fire light", CheckedControls());
}

// Codes as a loaded file may hold them; elements absent from the code keep their states. A click on
// a type or job button already set keeps the plan, also when the controls cannot compose its code.
// The attribute boxes are enabled as the type and job buttons that end up set decide, whatever job
// was set before.
TEST_F(MainWindowTest, ApplyJobCodeSetsTheControlsAsFarAsTheyFit) {
  Open();
  EXPECT_FALSE(window->ApplyJobCode());  // nothing built yet
  EXPECT_EQ("water light", CheckedControls());
  Select(3, 1);
  const struct {
    JobCode code;
    bool fits;
    const char* checked;
    int type, job;
  } codes[] = {
      {0x22 | 0x100, true, "type 2 job 0 water light", 2, 0},
      {0x22 | 0x1300 | 0x600000, true, "type 2 job 2 water light dark", 2, 2},
      {0x41, false, "type 5 job 2 water light dark", 5, 2},   // the job stays
      {0x3312, true, "type 0 job 3 water light dark", 0, 3},  // both rank-2 bits
      {0x310, true, "type 1 job 1 water light dark", 1, 1},   // member bits 0
      {0x4313, true, "type 1 job 1 water light dark", 1, 1},  // bit 0x4000 too
      {0x21 | 0x2300 | 0x80000 | 0x400000, true, "type 3 job 3 fire dark", 3, 3},
  };
  for (const auto& applied : codes) {
    ASSERT_TRUE(database.BuildPlan(applied.code));
    RaiseFirstRows(2);
    EXPECT_EQ(applied.fits, window->ApplyJobCode()) << applied.checked;
    EXPECT_EQ(applied.checked, CheckedControls());
    for (AttributeBox box : kAttributeBoxes)
      EXPECT_EQ(AttributeEnabled(applied.type, applied.job, box), IsWindowEnabled(Box(box)) != 0)
          << applied.checked;
    EXPECT_EQ(std::to_string(database.TotalPoints()), Total());
    Click(TypeButton(applied.type));
    Click(JobButton(applied.job));
    EXPECT_EQ(applied.code, database.GetJobCode()) << applied.checked;
    EXPECT_EQ(1, RowLevel(0)) << "not rebuilt";
  }
  EXPECT_EQ(JobName(3, 4), TextOf(JobButton(3)));
}

// The plug-in's window is docked at the main window's left edge, the pair centred; the plug-in is
// started, told each selection's type and job slot (the dragon's second S job exactly when dark is
// set), and closed in order.
TEST_F(MainWindowTest, PluginIsDockedToldEachSelectionAndClosedInOrder) {
  Open(PELL_VEXACHAR_RECORDING);
  HWND plugin = ThePlugin().GetWnd();
  ASSERT_NE(nullptr, plugin);
  const RECT main = WindowRect(dialog), side = WindowRect(plugin);
  ASSERT_EQ(200, side.right - side.left);
  EXPECT_TRUE(IsWindowVisible(plugin));
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (main.right - main.left)) / 2 + 100, main.left);
  EXPECT_EQ(main.left, side.right);
  EXPECT_EQ(main.top, side.top);
  SetWindowPos(dialog, nullptr, 400, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpMessages();
  EXPECT_EQ(400, WindowRect(plugin).right);
  EXPECT_EQ(150, WindowRect(plugin).top);

  EXPECT_EQ("VexaChar", TextOf(plugin));  // no sync before the window was there
  auto callsOf = [this](const std::function<void()>& action) {
    std::remove(folder.File("VexaChar.log").c_str());
    action();
    return CallsBesidesGetWnd(folder.ReadLines("VexaChar.log"));
  };
  using Calls = std::vector<std::string>;
  EXPECT_EQ((Calls{"VexaChar_SetChar(5, 0)", "VexaChar_SetRank(0, 1)", "VexaChar_SetChar(5, 0)",
                   "VexaChar_SetRank(2, 1)"}),
            callsOf([&] { Select(5, 2); }));
  EXPECT_EQ(TypeName(5), TextOf(plugin));
  Select(3, 3);
  EXPECT_EQ(JobName(3, 3), TextOf(JobButton(3)));
  EXPECT_EQ((Calls{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(4, 1)"}),
            callsOf([&] { Click(Box(AttributeBox::kDark)); }));
  EXPECT_EQ(JobName(3, 4), TextOf(JobButton(3)));
  EXPECT_EQ(0x412321u, database.GetJobCode());
  EXPECT_EQ((Calls{"VexaChar_SetChar(3, 0)", "VexaChar_SetRank(3, 1)"}),
            callsOf([&] { Click(Box(AttributeBox::kLight)); }));
  EXPECT_EQ(JobName(3, 3), TextOf(JobButton(3)));
  // Elsewhere a light or dark change is not told.
  Select(3, 1);
  EXPECT_EQ(Calls{}, callsOf([&] { Click(Box(AttributeBox::kDark)); }));

  while (database.CanUndo()) SendMessageA(dialog, WM_SYSCOMMAND, 0x0100, 0);
  EXPECT_EQ((Calls{"VexaChar_Delete()", "VexaChar_Terminate()"}),
            callsOf([&] { SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }));
  EXPECT_FALSE(IsWindow(plugin));
  EXPECT_FALSE(IsWindow(dialog));
}

// The system menu starts with the plan commands in their groups, a separator
// before Windows' own items, no access key that one of those items uses; each
// is greyed while it has nothing to do (the copies, the overview and the
// comparisons without a plan, the saved plan's while the plan is as saved),
// and its command acts on the plan.
TEST_F(MainWindowTest, SystemMenuPlanCommandsAreGreyedUntilTheyCanAct) {
  Open();
  HMENU menu = GetSystemMenu(dialog, FALSE);
  const struct {
    UINT id;
    const char* name;
  } items[] = {{0x0100, "undo"},    {0x0110, "redo"},    {0x0120, "copy"},  {0x0130, "table"},
               {0x0170, "picture"}, {0x0180, "picsave"}, {0x0140, "paste"}, {0x0150, "overview"},
               {0x0190, "file"},    {0x01A0, "clip"},    {0x01B0, "saved"}, {0x0160, "about"}};
  const std::vector<UINT> layout = {0x0100, 0x0110, 0, 0x0120, 0x0130, 0x0170,
                                    0x0180, 0x0140, 0, 0x0150, 0,      0x0190,
                                    0x01A0, 0x01B0, 0, 0x0160, 0};
  for (UINT position = 0; position < layout.size(); ++position) {
    EXPECT_EQ(layout[position], GetMenuItemID(menu, static_cast<int>(position))) << position;
    EXPECT_EQ(layout[position] == 0,
              (GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR) != 0)
        << position;
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    const char* key = std::strchr(text, '&');
    EXPECT_TRUE(layout[position] == 0 || (key && !std::strchr("RMSNXCrmsnxc", key[1]))) << text;
  }
  auto greyed = [&] {
    SendMessageA(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    std::string names;
    for (const auto& item : items)
      if (GetMenuState(menu, item.id, MF_BYCOMMAND) & MF_GRAYED) names += item.name;
    return names;
  };
  EXPECT_EQ("undoredocopytablepicturepicsaveoverviewfileclipsaved", greyed());
  Select(4, 1);
  EXPECT_EQ("redo", greyed());
  SendMessageA(dialog, WM_SYSCOMMAND, 0x0100, 0);  // the job click
  EXPECT_EQ(0x142u, database.GetJobCode());
  EXPECT_EQ("", greyed());
  SendMessageA(dialog, WM_SYSCOMMAND, 0x0100, 0);
  EXPECT_EQ(0u, database.GetJobCode());
  EXPECT_EQ(0, ListView_GetItemCount(Control(IDC_SKILL_LIST)));
  EXPECT_EQ("undocopytablepicturepicsaveoverviewfileclipsaved", greyed());
  Click(TypeButton(4));  // still set, and builds the plan again
  EXPECT_EQ(0x142u, database.GetJobCode());
  ASSERT_TRUE(database.SavePlan(folder.File("plan.vx3").c_str()));
  EXPECT_EQ("redosaved", greyed());
  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // as saved, it closes without a question
}

// Copied, the plan's picture is on the clipboard as a 24-bit DIB and as the
// same pixels in a 24-bit PNG. Under a title band in the frame colour, the
// learnt rows stand as the list shows them, pixel for pixel, in its widths,
// row height and row colours, a mastered skill's level red; the figures and
// the version follow. It is drawn offscreen: the list's scroll position and a
// hidden window change nothing. A row at level 0 is left out, and the first
// learnt row of a block takes the block's job label and the first row's colour.
TEST_F(MainWindowTest, CopiedPictureShowsTheLearntRowsAsTheListDoes) {
  Open();
  Select(3, 2);
  HWND list = Control(IDC_SKILL_LIST);
  const int rows = database.RowCount();
  ChangeList changes;
  for (int row = 0; row < rows; ++row) database.StepRowLevel(row, Up, changes);
  database.StepRowLevel(2, Max, changes);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  const Canvas shown(list);
  RECT first{};
  ListView_GetItemRect(list, 0, &first, LVIR_BOUNDS);
  const int rowHeight = first.bottom - first.top;
  std::vector<int> left = {0};  // of each text column from the job's on, and the end
  for (int column = 1; column < 8; ++column)
    left.push_back(left.back() + ListView_GetColumnWidth(list, column));
  auto copy = [&] {
    SendMessageA(dialog, WM_SYSCOMMAND, 0x0170, 0);
    std::unique_ptr<Canvas> dib = DibCanvas(ClipboardBytes(CF_DIB));
    const std::unique_ptr<Canvas> png = PngCanvas(ClipboardBytes(RegisterClipboardFormatA("PNG")));
    EXPECT_TRUE(dib && png && SamePixels(*dib, *png));
    return dib;
  };
  const std::unique_ptr<Canvas> picture = copy();
  ASSERT_TRUE(picture);
  const int width = left.back();
  EXPECT_EQ(width, picture->width);
  // The rows start where the first row's colour first shows beside the texts.
  const int top = picture->Bounds(palette::kAltRowColor, true, {1, 0, 2, picture->height}).top;
  const RECT band{0, 0, width, top - rowHeight};
  EXPECT_EQ(palette::kFrameColor, picture->Pixel(1, 0));
  EXPECT_EQ(palette::kFrameColor, picture->Pixel(1, band.bottom - 1));
  EXPECT_GT(picture->Count(kBackColor, band), 0);  // the title
  int mismatches = 0;
  for (int y = 0; y < std::min(rows, ListView_GetCountPerPage(list)) * rowHeight; ++y)
    for (int x = 0; x < width; ++x)
      mismatches += picture->Pixel(x, top + y) != shown.Pixel(x, first.top + y);
  EXPECT_EQ(0, mismatches);
  int red = 0;
  for (int row = 0; row < rows; ++row) {
    const int rowTop = top + row * rowHeight;
    EXPECT_EQ(row % 2 == 0 ? palette::kAltRowColor : kBackColor, picture->Pixel(1, rowTop)) << row;
    SkillEntry entry;
    database.CopyRowEntry(row, entry);
    const int cellRed = picture->Count(
        palette::kMasterColor,
        {left[kColumnSkillLevel - 1], rowTop, left[kColumnSkillLevel], rowTop + rowHeight});
    EXPECT_EQ(entry.IsMastered(), cellRed > 0) << row;
    red += cellRed;
  }
  EXPECT_EQ(red, picture->Count(palette::kMasterColor));
  const RECT below{0, top + rows * rowHeight, width, picture->height};
  EXPECT_GT(picture->Count(kTextColor, below), 0);               // the figures
  EXPECT_GT(picture->Count(palette::kUnlearntColor, below), 0);  // the version

  database.StepRowLevel(0, Zero, changes);
  int learnt = 0;
  for (int row = 0; row < rows; ++row) learnt += RowLevel(row) > 0;
  ASSERT_LT(learnt, rows);
  ListView_EnsureVisible(list, rows - 1, FALSE);
  ShowWindow(dialog, SW_HIDE);
  const std::unique_ptr<Canvas> fewer = copy();
  ShowWindow(dialog, SW_SHOW);
  ASSERT_TRUE(fewer);
  EXPECT_EQ(picture->height - (rows - learnt) * rowHeight, fewer->height);
  // The first row's job cell: the same label on the same colour.
  mismatches = 0;
  for (int y = top; y < top + rowHeight; ++y)
    for (int x = 0; x < left[1]; ++x) mismatches += fewer->Pixel(x, y) != picture->Pixel(x, y);
  EXPECT_EQ(0, mismatches);
}

// The overview stands centred over the main window wherever that is, kept inside the work area. Its
// list's columns fit (no horizontal scroll bar), the first row carries the focus mark, a row whose
// skills do not fit shows them whole in a tip and one that fits none; the close button wears the
// default frame.
TEST_F(MainWindowTest, OverviewStandsOverTheWindowAndItsListFits) {
  Open();
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  PlanOverview overview;
  overview.items = {{"item", 40, std::vector<std::string>(40, "skill")}, {"other", 1, {"short"}}};
  const std::string allSkills = JoinedNames(overview.items[0].skills);
  auto centre = [](const RECT& rect) {
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  };
  for (const LONG left : {work.left + 20, work.right - 60}) {
    SetWindowPos(dialog, nullptr, left, work.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    OverviewDialog shown(dialog, overview);
    ASSERT_EQ(0, shown.Run(false, true));
    PumpMessages();
    const RECT box = WindowRect(shown.Hwnd()), owner = WindowRect(dialog);
    EXPECT_NEAR(centre(owner).y, centre(box).y, 1);
    // Centred where it fits, else against the work area's edge.
    const LONG expectedRight =
        std::min(work.right, centre(owner).x + (box.right - box.left + 1) / 2);
    EXPECT_NEAR(expectedRight, box.right, 1);
    SendMessageA(shown.Hwnd(), WM_COMMAND, IDOK, 0);
  }

  OverviewDialog shown(dialog, overview);
  ASSERT_EQ(0, shown.Run(false, true));
  PumpMessages();
  HWND list = GetDlgItem(shown.Hwnd(), IDC_OVERVIEW_ITEMS);
  EXPECT_EQ(0, GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
  RECT client{};
  GetClientRect(list, &client);
  int widths = 0;
  for (int column = 0; column < 3; ++column) widths += ListView_GetColumnWidth(list, column);
  EXPECT_EQ(client.right, widths);
  EXPECT_EQ(0, ListView_GetNextItem(list, -1, LVNI_FOCUSED));
  auto tipAt = [&](int row) {
    RECT cell{};
    ListView_GetSubItemRect(list, row, 2, LVIR_BOUNDS, &cell);
    POINT point = centre(cell), screen = point;
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    std::string text;
    PumpUntil(
        [&] {
          HWND tip = nullptr;
          while ((tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)))
            if (IsWindowVisible(tip) && !(text = TextOf(tip)).empty()) return true;
          return false;
        },
        2000);
    return text;
  };
  EXPECT_EQ(allSkills, tipAt(0));
  EXPECT_EQ("", tipAt(1));
  // Drawn as the screen shows it: a frame of the text colour round the default button only.
  Canvas canvas(shown.Hwnd());
  auto corner = [&](int id) {
    POINT at{WindowRect(GetDlgItem(shown.Hwnd(), id)).left,
             WindowRect(GetDlgItem(shown.Hwnd(), id)).top};
    ScreenToClient(shown.Hwnd(), &at);
    return canvas.Pixel(at.x, at.y);
  };
  EXPECT_EQ(kTextColor, corner(IDOK));
  EXPECT_NE(kTextColor, corner(IDC_OVERVIEW_COPY));
  SendMessageA(shown.Hwnd(), WM_COMMAND, IDOK, 0);
}

// A drop handle as the shell makes one: a DROPFILES header, then the names, each ended by a NUL,
// and a NUL after the last.
HDROP DropOf(const std::vector<std::string>& paths) {
  std::string names;
  for (const std::string& path : paths) names += path + '\0';
  names += '\0';
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  std::memcpy(header + 1, names.data(), names.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// Files dropped on the window: the first (a Japanese name) is loaded as the open dialog would load
// it, the others are ignored.
TEST_F(MainWindowTest, TheFirstDroppedFileIsLoadedAsAPlan) {
  Open();
  EXPECT_NE(0, GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  const std::string dropped = folder.File(kPlanTestFileName), ignored = folder.File("other.vx3");
  Select(0, 1);
  ASSERT_TRUE(database.SavePlan(ignored.c_str()));
  Select(3, 2);
  RaiseFirstRows(3);
  ASSERT_TRUE(database.SavePlan(dropped.c_str()));
  const std::string saved = database.PlanFileText();
  Select(0, 0);
  PostMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({dropped, ignored})), 0);
  PumpMessages();
  EXPECT_EQ(saved, database.PlanFileText());
  EXPECT_EQ("type 3 job 2 water light", CheckedControls());
  EXPECT_EQ(std::to_string(database.TotalPoints()), Total());
  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // as loaded, it closes without a question
  EXPECT_FALSE(IsWindow(dialog));
}
