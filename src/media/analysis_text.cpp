#include "media/analysis_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/text.h"

namespace zelmora {

namespace {

// Whole-text floating-point parse with "." as the mark, whatever the
// process locale says.
std::optional<double> ParseDotNumber(std::string_view text) {
  std::string t = Trim(text);
  std::string_view s = t;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  // from_chars also reads "inf" and "nan", which no tool means as a value.
  for (char c : s) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == 'e' ||
          c == 'E' || c == '+'))
      return std::nullopt;
  }
  double value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string ReplaceFirstChar(std::string s, char from, char to) {
  size_t pos = s.find(from);
  if (pos != std::string::npos) s[pos] = to;
  return s;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

double ParseTimeText(std::string_view text) {
  std::string t;
  for (char c : text) {
    if (c == ' ') continue;
    t += (c == ',') ? '.' : c;
  }
  size_t first = t.find(':');
  if (first == std::string::npos) return 0;
  double hours = ParseDecimalInt(std::string_view(t).substr(0, first)).value_or(0);
  size_t second = t.find(':', first + 1);
  if (second == std::string::npos) return hours * 3600;
  std::string_view minuteText = std::string_view(t).substr(first + 1, second - first - 1);
  double minutes = ParseDecimalInt(minuteText).value_or(0);
  double seconds = ParseDotNumber(std::string_view(t).substr(second + 1)).value_or(0);
  return hours * 3600 + minutes * 60 + seconds;
}

std::string FormatMilliseconds(int64_t milliseconds) {
  if (milliseconds < 0) milliseconds = 0;
  int64_t hours = milliseconds / 3600000;
  int minutes = static_cast<int>(milliseconds / 60000 % 60);
  int seconds = static_cast<int>(milliseconds / 1000 % 60);
  int millis = static_cast<int>(milliseconds % 1000);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%02lld:%02d:%02d.%03d", static_cast<long long>(hours),
                minutes, seconds, millis);
  return buffer;
}

void SplitText(std::string_view text, std::string_view separator, std::vector<std::string>& list) {
  if (separator.empty()) {
    if (!text.empty()) list.push_back(Trim(text));
    return;
  }
  size_t pos;
  while ((pos = text.find(separator)) != std::string_view::npos) {
    list.push_back(Trim(text.substr(0, pos)));
    text.remove_prefix(pos + separator.size());
  }
  if (!text.empty()) list.push_back(Trim(text));
}

std::vector<std::string> SplitStreamItems(std::string_view line) {
  std::vector<std::string> items;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth > 0) --depth;
    } else if (c == ',' && depth == 0) {
      items.push_back(Trim(line.substr(start, i - start)));
      start = i + 1;
    }
  }
  if (start < line.size()) items.push_back(Trim(line.substr(start)));
  return items;
}

std::optional<int32_t> ParseDecimalInt(std::string_view text) {
  std::string t = Trim(text);
  std::string_view s = t;
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 12) return std::nullopt;
  int64_t value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<double> ParseProbeNumber(std::string_view text) {
  std::string t(text);
  for (char& c : t)
    if (c == ',') c = '.';
  return ParseDotNumber(t);
}

std::optional<double> ParseMediaInfoNumber(std::string_view text) {
  // The first "." already is the mark; only the first "," needs turning.
  return ParseDotNumber(ReplaceFirstChar(std::string(text), ',', '.'));
}

std::string_view CutBefore(std::string_view text, std::string_view marker) {
  size_t pos = text.find(marker);
  return pos == std::string_view::npos ? text : text.substr(0, pos);
}

std::string ReplaceFirstText(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty() || from.size() > text.size()) return std::string(text);
  for (size_t i = 0; i + from.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < from.size() && AsciiLower(text[i + k]) == AsciiLower(from[k])) ++k;
    if (k == from.size())
      return std::string(text.substr(0, i)) + std::string(to) +
             std::string(text.substr(i + from.size()));
  }
  return std::string(text);
}

}  // namespace zelmora
