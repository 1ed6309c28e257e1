#include "config/profile_colors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "base/text.h"

namespace zelmora {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<uint32_t> ParseHex(std::string_view digits, size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  uint32_t value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(d);
  }
  return value;
}

uint8_t Byte(uint32_t value) {
  return static_cast<uint8_t>(value & 0xFF);
}

std::optional<TColor> ParseHashColor(std::string_view text) {
  std::string digits;
  for (char c : text.substr(1)) {
    if (c != ' ') digits += c;
  }
  if (digits.size() == 3)
    digits = {digits[0], digits[0], digits[1], digits[1], digits[2], digits[2]};
  if (digits.size() != 6) return std::nullopt;
  const auto rgb = ParseHex(digits, 6);
  if (!rgb) return std::nullopt;
  return TColor{Byte(*rgb >> 16), Byte(*rgb >> 8), Byte(*rgb)};
}

// The platform colour value keeps red in its lowest byte.
std::optional<TColor> ParseBgrNumber(std::string_view text) {
  if (StartsWith(text, "$")) {
    text.remove_prefix(1);
  } else if (StartsWithText(text, "0x")) {
    text.remove_prefix(2);
  }
  const auto bgr = ParseHex(text, 6);
  if (!bgr) return std::nullopt;
  return TColor{Byte(*bgr), Byte(*bgr >> 8), Byte(*bgr >> 16)};
}

std::optional<TColor> ParseComponents(std::string_view text) {
  if (StartsWithText(text, "rgb")) text.remove_prefix(3);
  std::string inner = Trim(text);
  if (StartsWith(inner, "(") && EndsWith(inner, ")")) inner = inner.substr(1, inner.size() - 2);
  for (char& c : inner) {
    if (c == ',') c = ' ';
  }
  std::vector<int> parts;
  for (const std::string& part : Split(inner, ' ')) {
    if (part.empty()) continue;
    if (part.size() > 3 ||
        !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return std::nullopt;
    parts.push_back(std::stoi(part));
  }
  if (parts.size() != 3 || *std::max_element(parts.begin(), parts.end()) > 255) return std::nullopt;
  return TColor{static_cast<uint8_t>(parts[0]), static_cast<uint8_t>(parts[1]),
                static_cast<uint8_t>(parts[2])};
}

uint8_t Scale(uint8_t component, int percent) {
  const double value = std::round(component * (100.0 + percent) / 100.0);
  return static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
}

}  // namespace

std::optional<TColor> ParseProfileColor(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  if (trimmed[0] == '#') return ParseHashColor(trimmed);
  if (auto color = ParseBgrNumber(trimmed)) return color;
  return ParseComponents(trimmed);
}

TColor ProfileColorOrWhite(std::string_view text) {
  return ParseProfileColor(text).value_or(ProfileWhite);
}

TColor LightenColor(TColor color, int percent) {
  return {Scale(color.r, percent), Scale(color.g, percent), Scale(color.b, percent)};
}

TColor DarkenColor(TColor color, int percent) {
  return LightenColor(color, -percent);
}

}  // namespace zelmora
