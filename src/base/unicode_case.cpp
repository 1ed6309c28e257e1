#include <cstdint>

#include "base/text.h"

namespace zelmora {
namespace {

// Ranges where the lower-case letter is the upper-case one plus a fixed offset.
struct OffsetRange {
  char32_t upperFirst;
  char32_t upperLast;
  char32_t offset;
};

constexpr OffsetRange OffsetRanges[] = {
    {U'A', U'Z', 32},          // Basic Latin
    {0x00C0, 0x00D6, 32},      // Latin-1 letters before the multiplication sign
    {0x00D8, 0x00DE, 32},      // and after it
    {0x0388, 0x038A, 37},      // Greek with tonos
    {0x038E, 0x038F, 63},      //
    {0x0391, 0x03A1, 32},      // Greek
    {0x03A3, 0x03AB, 32},      //
    {0x0400, 0x040F, 80},      // Cyrillic with diacritics
    {0x0410, 0x042F, 32},      // Cyrillic
    {0x0531, 0x0556, 48},      // Armenian
    {0x10A0, 0x10C5, 0x1C60},  // Georgian
    {0x24B6, 0x24CF, 26},      // circled letters
    {0xFF21, 0xFF3A, 32},      // full-width Latin
};

// Ranges of alternating upper (first) and lower (second) letters.
struct PairRange {
  char32_t first;
  char32_t last;
};

constexpr PairRange PairRanges[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177},
    {0x0179, 0x017E}, {0x01CD, 0x01DC}, {0x01DE, 0x01EF}, {0x01F8, 0x021F},
    {0x0222, 0x0233}, {0x03D8, 0x03EF}, {0x0460, 0x0481}, {0x048A, 0x04BF},
    {0x04C1, 0x04CE}, {0x04D0, 0x052F}, {0x1E00, 0x1E95}, {0x1EA0, 0x1EFF},
};

// Single pairs that fit no range.
struct SinglePair {
  char32_t upper;
  char32_t lower;
};

constexpr SinglePair SinglePairs[] = {
    {0x0178, 0x00FF}, {0x0386, 0x03AC}, {0x038C, 0x03CC}, {0x04C0, 0x04CF}, {0x0187, 0x0188},
    {0x018B, 0x018C}, {0x0191, 0x0192}, {0x0198, 0x0199}, {0x01A0, 0x01A1}, {0x01A2, 0x01A3},
    {0x01A4, 0x01A5}, {0x01AF, 0x01B0}, {0x01B3, 0x01B4}, {0x01B5, 0x01B6}, {0x01C4, 0x01C6},
    {0x01C7, 0x01C9}, {0x01CA, 0x01CC}, {0x01F1, 0x01F3}, {0x01F4, 0x01F5},
};

}  // namespace

char32_t UpperCaseChar(char32_t c) {
  if (c < 0x80) return (c >= U'a' && c <= U'z') ? c - 32 : c;
  if (c == 0x03C2) return 0x03A3;  // final sigma
  for (const auto& r : OffsetRanges) {
    if (c >= r.upperFirst + r.offset && c <= r.upperLast + r.offset) return c - r.offset;
  }
  for (const auto& r : PairRanges) {
    if (c > r.first && c <= r.last && (c - r.first) % 2 == 1) return c - 1;
  }
  for (const auto& p : SinglePairs) {
    if (c == p.lower) return p.upper;
  }
  return c;
}

char32_t LowerCaseChar(char32_t c) {
  if (c < 0x80) return (c >= U'A' && c <= U'Z') ? c + 32 : c;
  for (const auto& r : OffsetRanges) {
    if (c >= r.upperFirst && c <= r.upperLast) return c + r.offset;
  }
  for (const auto& r : PairRanges) {
    if (c >= r.first && c < r.last && (c - r.first) % 2 == 0) return c + 1;
  }
  for (const auto& p : SinglePairs) {
    if (c == p.upper) return p.lower;
  }
  return c;
}

}  // namespace zelmora
