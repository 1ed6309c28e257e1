#include "base/text.h"

#include <algorithm>

namespace zelmora {
namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

template <typename Map>
std::string MapCase(std::string_view s, Map map) {
  if (IsAscii(s)) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(map(static_cast<unsigned char>(c)));
    return out;
  }
  std::u32string wide = Utf8ToUtf32(s);
  for (char32_t& c : wide) c = map(c);
  return Utf32ToUtf8(wide);
}

}  // namespace

std::string Trim(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

std::string TrimLeft(std::string_view s) {
  size_t b = 0;
  while (b < s.size() && IsBlank(s[b])) ++b;
  return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
  size_t e = s.size();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(0, e));
}

std::string UpperCase(std::string_view s) {
  return MapCase(s, UpperCaseChar);
}
std::string LowerCase(std::string_view s) {
  return MapCase(s, LowerCaseChar);
}

bool SameText(std::string_view a, std::string_view b) {
  return CompareText(a, b) == 0;
}

int CompareText(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      const auto ca = UpperCaseChar(static_cast<unsigned char>(a[i]));
      const auto cb = UpperCaseChar(static_cast<unsigned char>(b[i]));
      if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
  }
  // UTF-8 byte order equals code point order, so comparing bytes is enough.
  const int r = UpperCase(a).compare(UpperCase(b));
  return r == 0 ? 0 : (r < 0 ? -1 : 1);
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.starts_with(prefix);
}
bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.ends_with(suffix);
}

bool StartsWithText(std::string_view s, std::string_view prefix) {
  return UpperCase(s).starts_with(UpperCase(prefix));
}

bool EndsWithText(std::string_view s, std::string_view suffix) {
  return UpperCase(s).ends_with(UpperCase(suffix));
}

bool ContainsText(std::string_view s, std::string_view part) {
  return UpperCase(s).find(UpperCase(part)) != std::string::npos;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  std::string out;
  size_t pos = 0;
  for (size_t hit; (hit = s.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
    out.append(s.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(s.substr(pos));
  return out;
}

std::string ReplaceAllText(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  // Upper-casing can change the byte length of a letter (e.g. U+0131), so the
  // search runs on code points where positions stay aligned.
  const std::u32string text = Utf8ToUtf32(s);
  std::u32string upperText = text;
  for (char32_t& c : upperText) c = UpperCaseChar(c);
  std::u32string upperFrom = Utf8ToUtf32(from);
  for (char32_t& c : upperFrom) c = UpperCaseChar(c);
  const std::u32string wideTo = Utf8ToUtf32(to);
  std::u32string out;
  size_t pos = 0;
  for (size_t hit; (hit = upperText.find(upperFrom, pos)) != std::u32string::npos;
       pos = hit + upperFrom.size()) {
    out.append(text, pos, hit - pos);
    out.append(wideTo);
  }
  out.append(text, pos);
  return Utf32ToUtf8(out);
}

std::vector<std::string> SplitLines(std::string_view s) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\r' && s[i] != '\n') continue;
    lines.emplace_back(s.substr(start, i - start));
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < s.size()) lines.emplace_back(s.substr(start));
  return lines;
}

std::vector<std::string> Split(std::string_view s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t hit; (hit = s.find(sep, start)) != std::string_view::npos; start = hit + 1) {
    parts.emplace_back(s.substr(start, hit - start));
  }
  parts.emplace_back(s.substr(start));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out.append(sep);
    out.append(parts[i]);
  }
  return out;
}

}  // namespace zelmora
