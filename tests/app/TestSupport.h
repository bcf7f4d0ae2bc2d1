#pragma once

// Shared pieces of the program's tests: where the built variants are, scratch folders (a plug-in
// copy logs beside itself) and window texts; the pumps and pixels of the window tests.

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "harness/ScratchFolder.h"
#include "harness/WindowTestSupport.h"
#include "ui/ComPointer.h"

inline std::string TestProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}
// The test program's folder, with a trailing backslash.
inline std::string TestProgramFolder() {
  return TestProgram().substr(0, TestProgram().find_last_of('\\') + 1);
}

// A built file, from its path relative to the test program's folder.
inline std::string VariantPath(std::string relative) {
  std::replace(relative.begin(), relative.end(), '/', '\\');
  char full[MAX_PATH] = {};
  GetFullPathNameA((TestProgramFolder() + relative).c_str(), MAX_PATH, full, nullptr);
  return full;
}

inline std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

inline std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// A window handle as the recording plug-in logs it.
inline std::string LoggedHandle(HWND window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X",
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

// The logged calls without the GetWnd queries, whose number depends on how often the window moved.
inline std::vector<std::string> CallsBesidesGetWnd(const std::vector<std::string>& lines) {
  std::vector<std::string> calls;
  for (const std::string& line : lines)
    if (line != "VexaChar_GetWnd()") calls.push_back(line);
  return calls;
}

// The shared scratch folder with Windows paths, into which a test copies the program and a plug-in
// (a recording plug-in logs beside itself).
class AppScratchFolder : public ScratchFolder {
 public:
  std::string Folder() const { return path.string(); }
  std::string File(const std::string& name) const { return Folder() + "\\" + name; }

  // Copies a file in as VexaChar.dll and answers the copy's path.
  std::string AddPlugin(const std::string& source) const {
    std::filesystem::copy_file(source, File("VexaChar.dll"),
                               std::filesystem::copy_options::overwrite_existing);
    return File("VexaChar.dll");
  }
  std::vector<std::string> ReadLines(const char* name) const {
    std::ifstream in(File(name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

// What the clipboard holds in a format: its whole block, empty for none.
inline std::string ClipboardBytes(UINT format) {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return bytes;
  HANDLE handle = GetClipboardData(format);
  if (const auto* begin = handle ? static_cast<const char*>(GlobalLock(handle)) : nullptr) {
    bytes.assign(begin, GlobalSize(handle));
    GlobalUnlock(handle);
  }
  CloseClipboard();
  return bytes;
}

// A picture's pixels on a canvas: a DIB as CF_DIB carries it (a header, then
// the rows); null for less than a header.
inline std::unique_ptr<Canvas> DibCanvas(const std::string& dib) {
  if (dib.size() < sizeof(BITMAPINFOHEADER)) return nullptr;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
  const LONG width = info->bmiHeader.biWidth, height = std::abs(info->bmiHeader.biHeight);
  auto canvas = std::make_unique<Canvas>(width, height);
  StretchDIBits(canvas->dc, 0, 0, width, height, 0, 0, width, height,
                dib.data() + info->bmiHeader.biSize, info, DIB_RGB_COLORS, SRCCOPY);
  return canvas;
}

// A PNG file's pixels, decoded by the imaging component; null unless it
// holds 24-bit pixels (no alpha).
inline std::unique_ptr<Canvas> PngCanvas(const std::string& png) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ComPointer<IWICImagingFactory> factory;
  ComPointer<IWICStream> stream;
  ComPointer<IWICBitmapDecoder> decoder;
  ComPointer<IWICBitmapFrameDecode> frame;
  WICPixelFormatGUID format{};
  UINT width = 0, height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.Receive()))) ||
      FAILED(factory->CreateStream(stream.Receive())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(png.data())),
                                          static_cast<DWORD>(png.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Receive())) ||
      FAILED(decoder->GetFrame(0, frame.Receive())) || FAILED(frame->GetPixelFormat(&format)) ||
      !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) || FAILED(frame->GetSize(&width, &height)))
    return nullptr;
  BITMAPINFOHEADER header{sizeof header,
                          static_cast<LONG>(width),
                          -static_cast<LONG>(height),
                          1,
                          24,
                          BI_RGB,
                          0,
                          0,
                          0,
                          0,
                          0};
  const UINT stride = (width * 3 + 3) & ~3u;
  std::string dib(reinterpret_cast<const char*>(&header), sizeof header);
  dib.resize(sizeof header + stride * height);
  if (FAILED(frame->CopyPixels(nullptr, stride, stride * height,
                               reinterpret_cast<BYTE*>(&dib[sizeof header]))))
    return nullptr;
  return DibCanvas(dib);
}

inline bool SamePixels(const Canvas& a, const Canvas& b) {
  return a.width == b.width && a.height == b.height && a.Differences(b) == 0;
}
