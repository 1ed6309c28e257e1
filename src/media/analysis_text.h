#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// Helpers for the text that ffmpeg and the MediaInfo library give about a
// file. Numbers in that text are read the same way on every locale.

// "hh:mm:ss.fff" (ffmpeg's duration) as seconds; a part that does not parse
// counts 0; without a first ":" the result is 0, without a second ":" only
// the hours count. Blanks are ignored and "," is read like ".".
double ParseTimeText(std::string_view text);

// Milliseconds as "hh:mm:ss.fff" (hours grow beyond two digits when
// needed); 0 or less gives "00:00:00.000".
std::string FormatMilliseconds(int64_t milliseconds);

// Cuts the text at every occurrence of the separator and appends each part,
// trimmed, to the list; empty inner parts are appended too, an empty last
// part is not.
void SplitText(std::string_view text, std::string_view separator, std::vector<std::string>& list);

// Cuts an ffmpeg stream line at the commas that stand outside parentheses,
// trimming each item like SplitText: current ffmpeg writes items such as
// "yuv420p(tv, bt709, progressive)" that a plain split would tear apart.
std::vector<std::string> SplitStreamItems(std::string_view line);

// A decimal integer in the 32-bit signed range (blanks around it allowed,
// an optional sign, digits only).
std::optional<int32_t> ParseDecimalInt(std::string_view text);

// A finite decimal number after every "." and "," became the decimal mark
// (the probe's rule: "25", "29.97", "0,5").
std::optional<double> ParseProbeNumber(std::string_view text);

// A finite decimal number after only the first "." and the first "," became
// the decimal mark (the MediaInfo rule: "1.333" reads, "1,234.5" does not).
std::optional<double> ParseMediaInfoNumber(std::string_view text);

// The part of the text before the first occurrence of `marker`, or the
// whole text when it does not occur.
std::string_view CutBefore(std::string_view text, std::string_view marker);

// Replaces the first occurrence of `from` (ignoring ASCII letter case).
std::string ReplaceFirstText(std::string_view text, std::string_view from, std::string_view to);

}  // namespace zelmora
