#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Encodes a 24-bit bottom-up DIB's pixels (rows of `stride` bytes) as the
// bytes of a PNG file, with the Windows Imaging Component. Its library and
// the COM library are loaded with the first picture, each by its full path
// in the system folder, and COM is initialised then on the calling thread
// (the window's), so that starting the program loads neither. False when
// either is missing or the encoder fails.
bool EncodePng(int width, int height, std::size_t stride, const BYTE* pixels, std::string& png);
