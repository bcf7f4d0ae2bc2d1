#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Text on the clipboard in Shift-JIS (code page 932): written as CF_TEXT and
// CF_UNICODETEXT with CF_LOCALE Japanese, so that any Windows converts it
// right; read preferably from CF_UNICODETEXT. Pictures as the registered
// format "PNG", which browsers, chat and office programs take and Wine
// offers to X as image/png, and as CF_DIB for every other program.
namespace clipboard {

// Replaces the clipboard's contents with the text; false when the clipboard
// could not be opened or the memory not had.
bool PutText(HWND owner, const std::string& text);

// Replaces the clipboard's contents with a picture: its PNG bytes (none when
// empty) and the DIB of the header and pixels. False as PutText.
bool PutPicture(HWND owner, const std::string& png, const BITMAPINFOHEADER& header,
                const void* pixels, std::size_t pixelBytes);

// The clipboard's text; false when it holds none, cannot be opened, or holds
// more than maxBytes (then text is left empty, the text not converted whole).
bool GetText(HWND owner, std::size_t maxBytes, std::string& text);

}  // namespace clipboard
