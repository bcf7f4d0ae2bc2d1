#pragma once

#include <windows.h>

#include <JapaneseText.h>

#include <array>
#include <cstddef>

// The two texts as one, at compile time.
template <std::size_t N, std::size_t M>
constexpr std::array<char, N + M - 1> JoinedText(const char (&head)[N], const char (&tail)[M]) {
  std::array<char, N + M - 1> joined{};
  for (std::size_t i = 0; i + 1 < N; ++i) joined[i] = head[i];
  for (std::size_t i = 0; i < M; ++i) joined[N - 1 + i] = tail[i];
  return joined;
}

inline constexpr auto kErrorCaptionText = JoinedText("ERROR: ", kProductName);
// The caption of every error message the program shows.
inline constexpr const char* kErrorCaption = kErrorCaptionText.data();

// An error message with the program's error caption and icon, owned by the
// window (none before the main window exists).
void ShowErrorBox(HWND owner, const char* text);
