#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// Blanks are ASCII white space and control characters (<= ' '), as the
// classic Trim does.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Upper/lower-casing of UTF-8 text (Latin, Greek, Cyrillic letters and the
// common extended ranges; other characters unchanged).
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);

// Case mapping of one code point (the same letters as UpperCase/LowerCase).
char32_t UpperCaseChar(char32_t c);
char32_t LowerCaseChar(char32_t c);

// Case-insensitive comparison of UTF-8 text (after UpperCase).
bool SameText(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);  // <0, 0, >0

bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
bool StartsWithText(std::string_view s, std::string_view prefix);  // ignoring case
bool EndsWithText(std::string_view s, std::string_view suffix);    // ignoring case
bool ContainsText(std::string_view s, std::string_view part);      // ignoring case

// Replaces every occurrence of `from` (case-sensitive); an empty `from` changes nothing.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
// The same, ignoring case of `from`.
std::string ReplaceAllText(std::string_view s, std::string_view from, std::string_view to);

// Splits at CR LF, LF or CR; a final line break does not add an empty line.
std::vector<std::string> SplitLines(std::string_view s);
// Splits at every occurrence of `sep` (empty parts kept).
std::vector<std::string> Split(std::string_view s, char sep);
std::string Join(const std::vector<std::string>& parts, std::string_view sep);

// Decodes UTF-8, replacing every invalid sequence with U+FFFD.
std::string SanitizeUtf8(std::string_view s);
std::u32string Utf8ToUtf32(std::string_view s);  // invalid bytes -> U+FFFD
std::string Utf32ToUtf8(std::u32string_view s);
std::string Utf16ToUtf8(std::u16string_view s);  // unpaired surrogates -> U+FFFD
// Number of code points in UTF-8 text.
size_t Utf8Length(std::string_view s);
// The first `count` code points of UTF-8 text.
std::string Utf8Left(std::string_view s, size_t count);

}  // namespace zelmora
