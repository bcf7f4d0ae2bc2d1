#include "ui/Clipboard.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr UINT kJapaneseCodePage = 932;
constexpr LCID kJapaneseLocale = 0x0411;
constexpr wchar_t kNoBreakSpace = 0x00A0;
// Another program may hold the clipboard for a moment.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 10;

bool Open(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kOpenRetryMilliseconds);
  }
  return false;
}

// Movable global memory holding the bytes, then the tail's, as
// SetClipboardData wants it.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size, const void* tail = nullptr,
                   std::size_t tailSize = 0) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size + tailSize);
  if (!memory) return nullptr;
  auto* target = static_cast<char*>(GlobalLock(memory));
  if (!target) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  if (tailSize > 0) std::memcpy(target + size, tail, tailSize);
  GlobalUnlock(memory);
  return memory;
}

// The clipboard owns the memory once it is set; until then it is ours to free.
bool SetData(UINT format, HGLOBAL memory) {
  if (memory && SetClipboardData(format, memory)) return true;
  if (memory) GlobalFree(memory);
  return false;
}

// The text in UTF-16 with its NUL: a vector, since the library's wide strings
// would bring their whole instantiation into the program.
std::vector<wchar_t> Widened(const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(kJapaneseCodePage, 0, text.data(), size, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<std::size_t>(units > 0 ? units : 0) + 1, L'\0');
  if (units > 0) MultiByteToWideChar(kJapaneseCodePage, 0, text.data(), size, wide.data(), units);
  return wide;
}

bool Narrowed(const wchar_t* wide, std::size_t length, std::size_t maxBytes, std::string& text) {
  const int size = static_cast<int>(length);
  const int bytes =
      WideCharToMultiByte(kJapaneseCodePage, 0, wide, size, nullptr, 0, nullptr, nullptr);
  if (bytes < 0 || static_cast<std::size_t>(bytes) > maxBytes) return false;
  text.assign(static_cast<std::size_t>(bytes), '\0');
  if (bytes > 0)
    WideCharToMultiByte(kJapaneseCodePage, 0, wide, size, &text[0], bytes, nullptr, nullptr);
  return true;
}

// The text of one format up to its NUL; false when it is longer than maxBytes.
bool ReadFormat(UINT format, std::size_t maxBytes, std::string& text) {
  HANDLE data = GetClipboardData(format);
  if (!data) return false;
  const void* locked = GlobalLock(data);
  if (!locked) return false;
  const std::size_t capacity = GlobalSize(data);
  bool read = false;
  if (format == CF_UNICODETEXT) {
    const auto* wide = static_cast<const wchar_t*>(locked);
    const std::size_t units = capacity / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < units && wide[length] != L'\0') ++length;
    // Each UTF-16 unit becomes at least one byte: a longer text is refused unconverted.
    if (length <= maxBytes) {
      // A no-break space has no Shift-JIS form: read as a space, not as "?".
      std::vector<wchar_t> spaced(wide, wide + length);
      std::replace(spaced.begin(), spaced.end(), kNoBreakSpace, L' ');
      read = Narrowed(spaced.data(), length, maxBytes, text);
    }
  } else {
    const auto* bytes = static_cast<const char*>(locked);
    std::size_t length = 0;
    while (length < capacity && bytes[length] != '\0') ++length;
    read = length <= maxBytes;
    if (read) text.assign(bytes, length);
  }
  GlobalUnlock(data);
  return read;
}

UINT PngFormat() {
  static const UINT format = RegisterClipboardFormatA("PNG");
  return format;
}

}  // namespace

namespace clipboard {

bool PutText(HWND owner, const std::string& text) {
  if (!Open(owner)) return false;
  EmptyClipboard();
  const std::vector<wchar_t> wide = Widened(text);
  const LCID locale = kJapaneseLocale;
  bool put = SetData(CF_TEXT, GlobalCopy(text.c_str(), text.size() + 1));
  put = SetData(CF_UNICODETEXT, GlobalCopy(wide.data(), wide.size() * sizeof(wchar_t))) && put;
  put = SetData(CF_LOCALE, GlobalCopy(&locale, sizeof locale)) && put;
  CloseClipboard();
  return put;
}

bool PutPicture(HWND owner, const std::string& png, const BITMAPINFOHEADER& header,
                const void* pixels, std::size_t pixelBytes) {
  if (!Open(owner)) return false;
  EmptyClipboard();
  // The richer format first: programs that take several look at them in order.
  bool put = png.empty() || SetData(PngFormat(), GlobalCopy(png.data(), png.size()));
  put = SetData(CF_DIB, GlobalCopy(&header, sizeof header, pixels, pixelBytes)) && put;
  CloseClipboard();
  return put;
}

bool GetText(HWND owner, std::size_t maxBytes, std::string& text) {
  text.clear();
  if (!Open(owner)) return false;
  const UINT format = IsClipboardFormatAvailable(CF_UNICODETEXT) ? CF_UNICODETEXT : CF_TEXT;
  const bool read = IsClipboardFormatAvailable(format) && ReadFormat(format, maxBytes, text);
  CloseClipboard();
  if (!read) text.clear();
  return read;
}

}  // namespace clipboard
