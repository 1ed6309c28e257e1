#pragma once

#include <cstddef>
#include <string_view>

namespace zelmora {

// Matching helpers for ffmpeg's output. The texts looked for are ASCII, so
// letter case is folded byte by byte; this runs for every line on every
// output line and must not allocate.

inline char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

inline bool StartsWithAsciiText(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (AsciiUpper(s[i]) != AsciiUpper(prefix[i])) return false;
  return true;
}

// Position of `part` in `s` ignoring ASCII case, or npos.
inline size_t FindAsciiText(std::string_view s, std::string_view part) {
  if (part.size() > s.size()) return std::string_view::npos;
  for (size_t i = 0; i + part.size() <= s.size(); ++i)
    if (StartsWithAsciiText(s.substr(i), part)) return i;
  return std::string_view::npos;
}

}  // namespace zelmora
