#include "ui/DialogTemplateLayout.h"

#include "ui/GdiObject.h"
#include "ui/ScopedSelection.h"

namespace {

constexpr WORD kExtendedSignature = 0xFFFF;

// Walks the template's bytes; any read past the end marks it broken.
class TemplateReader {
 public:
  TemplateReader(const BYTE* bytes, DWORD size) : bytes(bytes), size(size) {}

  bool Broken() const { return broken; }
  WORD Word() { return static_cast<WORD>(Bytes(2)); }
  DWORD DoubleWord() { return Bytes(4); }
  short Short() { return static_cast<short>(Word()); }
  BYTE Byte() { return static_cast<BYTE>(Bytes(1)); }
  // A name or ordinal: 0 for none, 0xFFFF and an ordinal, or a string.
  void SkipNameOrOrdinal() {
    const WORD first = Word();
    if (first == 0xFFFF)
      Word();
    else if (first != 0)
      SkipString();
  }
  void SkipString() {
    while (!broken && Word() != 0) {
    }
  }
  void Skip(DWORD count) { Advance(count); }
  void AlignToDoubleWord() { Advance((4 - offset % 4) % 4); }

 private:
  DWORD Bytes(DWORD count) {
    DWORD value = 0;
    if (!Advance(count)) return 0;
    for (DWORD i = 0; i < count; ++i)
      value |= static_cast<DWORD>(bytes[offset - count + i]) << (8 * i);
    return value;
  }
  bool Advance(DWORD count) {
    if (broken || count > size - offset) {
      broken = true;
      return false;
    }
    offset += count;
    return true;
  }

  const BYTE* bytes;
  DWORD size;
  DWORD offset = 0;
  bool broken = false;
};

RECT UnitsRect(short x, short y, short cx, short cy) { return RECT{x, y, x + cx, y + cy}; }

}  // namespace

DialogTemplateLayout::DialogTemplateLayout(HINSTANCE module, WORD templateId, HWND dialog) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (!bytes || !Parse(bytes, SizeofResource(module, found))) {
    controls.clear();
    return;
  }
  MeasureBaseUnits(dialog);
  if (baseUnits.cx <= 0 || baseUnits.cy <= 0) controls.clear();
}

bool DialogTemplateLayout::Parse(const BYTE* bytes, DWORD size) {
  TemplateReader reader(bytes, size);
  reader.Word();  // version
  if (reader.Word() != kExtendedSignature) return false;
  reader.DoubleWord();  // help id
  reader.DoubleWord();  // extended style
  const DWORD style = reader.DoubleWord();
  const WORD count = reader.Word();
  reader.Short();
  reader.Short();
  clientUnits.cx = reader.Short();
  clientUnits.cy = reader.Short();
  reader.SkipNameOrOrdinal();  // menu
  reader.SkipNameOrOrdinal();  // class
  reader.SkipString();         // caption
  if (!(style & DS_SETFONT)) return false;
  pointSize = reader.Word();
  reader.Word();  // weight
  reader.Byte();  // italic
  reader.Byte();  // character set
  reader.SkipString();
  for (WORD i = 0; i < count && !reader.Broken(); ++i) {
    reader.AlignToDoubleWord();
    reader.DoubleWord();  // help id
    reader.DoubleWord();  // extended style
    reader.DoubleWord();  // style
    const short x = reader.Short(), y = reader.Short();
    const short cx = reader.Short(), cy = reader.Short();
    const DWORD id = reader.DoubleWord();
    reader.SkipNameOrOrdinal();  // class
    reader.SkipNameOrOrdinal();  // text
    reader.Skip(reader.Word());  // creation data
    controls.push_back(Control{id, UnitsRect(x, y, cx, cy)});
  }
  return !reader.Broken() && !controls.empty();
}

// As the dialog manager measures them: the height of the font and the
// rounded average width of the Latin letters, with the template's point size
// at 96 DPI.
void DialogTemplateLayout::MeasureBaseUnits(HWND dialog) {
  LOGFONTA description{};
  const auto dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  if (!dialogFont || !GetObjectA(dialogFont, sizeof description, &description)) return;
  description.lfHeight = -MulDiv(pointSize, display::kDesignDpi, 72);
  description.lfWidth = 0;
  const OwnedFont font(CreateFontIndirectA(&description));
  HDC dc = GetDC(dialog);
  if (!dc) return;
  {
    ScopedSelection selection(dc, font.Get());
    TEXTMETRICA metrics{};
    SIZE letters{};
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (GetTextMetricsA(dc, &metrics) &&
        GetTextExtentPoint32A(dc, kLetters, sizeof kLetters - 1, &letters))
      baseUnits = SIZE{(letters.cx / 26 + 1) / 2, metrics.tmHeight};
  }
  ReleaseDC(dialog, dc);
}

RECT DialogTemplateLayout::Pixels(const RECT& units, DpiScale scale) const {
  auto x = [&](LONG value) { return scale(MulDiv(value, baseUnits.cx, 4)); };
  auto y = [&](LONG value) { return scale(MulDiv(value, baseUnits.cy, 8)); };
  return RECT{x(units.left), y(units.top), x(units.right), y(units.bottom)};
}

void DialogTemplateLayout::Place(HWND dialog, DpiScale scale, bool resizeWindow) const {
  if (Empty()) return;
  HDWP moves = BeginDeferWindowPos(static_cast<int>(controls.size()));
  HWND child = GetWindow(dialog, GW_CHILD);
  for (const Control& control : controls) {
    // A child that is not the template's next control ends the walk.
    if (!child || LOWORD(GetDlgCtrlID(child)) != LOWORD(control.id)) break;
    const RECT rect = Pixels(control.units, scale);
    if (moves)
      moves = DeferWindowPos(moves, child, nullptr, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  if (moves) EndDeferWindowPos(moves);
  if (!resizeWindow) return;
  RECT frame = Pixels(RECT{0, 0, clientUnits.cx, clientUnits.cy}, scale);
  AdjustWindowRectForDpi(frame, dialog, scale);
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
