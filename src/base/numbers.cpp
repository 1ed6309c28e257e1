#include "base/numbers.h"

#include <langinfo.h>
#include <locale.h>

#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>

#include "base/text.h"

namespace zelmora {
namespace {

char LocaleDecimalSeparator() {
  locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, loc);
  // A multi-byte mark (e.g. U+066B) cannot be typed as one char; fall back.
  const char sep = (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') ? radix[0] : '.';
  freelocale(loc);
  return sep;
}

std::atomic<char>& SeparatorSetting() {
  static std::atomic<char> sep{LocaleDecimalSeparator()};
  return sep;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Sign, then decimal digits or "0x"/"$" and hex digits; fails on anything
// else or when the value leaves [-maxPositive - 1, maxPositive].
std::optional<int64_t> ParseWhole(std::string_view text, uint64_t maxPositive) {
  const std::string t = Trim(text);
  std::string_view s = t;
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16, s.remove_prefix(2);
  } else if (s.size() > 1 && s[0] == '$') {
    base = 16, s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  const uint64_t limit = maxPositive + (negative ? 1 : 0);
  uint64_t value = 0;
  for (char c : s) {
    const int d = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return std::nullopt;
    if (value > (limit - static_cast<uint64_t>(d)) / static_cast<uint64_t>(base)) {
      return std::nullopt;
    }
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
  }
  if (negative) return value == 0 ? 0 : -static_cast<int64_t>(value - 1) - 1;
  return static_cast<int64_t>(value);
}

// Checks the shape [sign] digits [mark digits] [e [sign] digits] with at
// least one digit before the exponent, and converts it with "." as mark.
std::optional<double> ParseDecimalWith(std::string_view text, char mark1, char mark2) {
  std::string s = Trim(text);
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const size_t digitsStart = i;
  size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && (s[i] == mark1 || s[i] == mark2)) {
    s[i++] = '.';
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  // from_chars accepts neither "+" nor a mark without digits before it.
  const bool negative = s[0] == '-';
  std::string body = s.substr(digitsStart);
  if (body[0] == '.') body.insert(0, "0");
  double value = 0;
  const auto res = std::from_chars(body.data(), body.data() + body.size(), value);
  // Out of the double range counts as not a number rather than a silent 0 or infinity.
  if (res.ec != std::errc() || res.ptr != body.data() + body.size()) return std::nullopt;
  return negative ? -value : value;
}

std::string ToChars(double value, int decimals) {
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return "0";
  std::string s(buf, res.ptr);
  // "-0.00" is shown as "0.00": the sign of a value that rounds to zero says nothing.
  if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
  return s;
}

}  // namespace

std::optional<int32_t> ParseInt32(std::string_view text) {
  const auto v = ParseWhole(text, static_cast<uint64_t>(std::numeric_limits<int32_t>::max()));
  if (!v) return std::nullopt;
  return static_cast<int32_t>(*v);
}

int32_t ParseInt32Def(std::string_view text, int32_t def) {
  return ParseInt32(text).value_or(def);
}

std::optional<int64_t> ParseInt64(std::string_view text) {
  return ParseWhole(text, static_cast<uint64_t>(std::numeric_limits<int64_t>::max()));
}

char DecimalSeparator() {
  return SeparatorSetting().load();
}
void SetDecimalSeparator(char sep) {
  SeparatorSetting().store(sep);
}

std::optional<double> ParseDecimal(std::string_view text) {
  const char sep = DecimalSeparator();
  return ParseDecimalWith(text, sep, sep);
}

std::optional<double> ParseDecimalAnyMark(std::string_view text) {
  return ParseDecimalWith(text, '.', ',');
}

int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double limit = 9223372036854775807.0;  // 2^63, not representable as int64
  if (value >= limit) return std::numeric_limits<int64_t>::max();
  if (value <= -limit) return std::numeric_limits<int64_t>::min();
  const double floor = std::floor(value);
  const double diff = value - floor;
  double r = floor;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) r = floor + 1.0;
  return static_cast<int64_t>(r);
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  return ToChars(value, decimals < 0 ? 0 : decimals);
}

std::string FormatFixedLocale(double value, int decimals) {
  std::string s = FormatFixed(value, decimals);
  const size_t dot = s.find('.');
  if (dot != std::string::npos) s[dot] = DecimalSeparator();
  return s;
}

std::string FormatFloat(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  if (value == 0) return "0";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

std::string FormatThousands(int64_t value) {
  const std::string digits = std::to_string(value);
  const size_t start = digits[0] == '-' ? 1 : 0;
  std::string out = digits.substr(0, start);
  const size_t n = digits.size() - start;
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ' ';
    out += digits[start + i];
  }
  return out;
}

std::string FormatByteSize(int64_t bytes) {
  const bool negative = bytes < 0;
  const uint64_t n = negative ? 0 - static_cast<uint64_t>(bytes) : static_cast<uint64_t>(bytes);
  const std::string sign = negative ? "-" : "";
  if (n < 1024) {
    std::string number = sign + std::to_string(n);
    if (number.size() < 2) number.insert(0, 2 - number.size(), ' ');
    return number + " bytes";
  }
  constexpr uint64_t KB = 1024, MB = KB * 1024, GB = MB * 1024;
  const auto d = static_cast<double>(n);
  if (n < MB) return sign + FormatFixed(d / KB, 2) + " KB";
  if (n < GB) return sign + FormatFixed(d / MB, 2) + " MB";
  return sign + FormatFixed(d / GB, 2) + " GB";
}

}  // namespace zelmora
