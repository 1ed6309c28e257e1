#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// Whole numbers: the text is trimmed; an optional sign; decimal digits, or
// hexadecimal after "0x"/"0X" or "$". Out of the 32-bit range fails.
std::optional<int32_t> ParseInt32(std::string_view text);
int32_t ParseInt32Def(std::string_view text, int32_t def);
std::optional<int64_t> ParseInt64(std::string_view text);

// The decimal separator the number helpers use for text typed by the user.
// Starts as the user's locale separator (LC_NUMERIC of the environment).
char DecimalSeparator();
void SetDecimalSeparator(char sep);

// Decimal numbers typed by the user: trimmed, optional sign, digits with the
// locale's decimal separator, optional exponent. Nothing else accepted.
std::optional<double> ParseDecimal(std::string_view text);
// Decimal numbers read from tool output: "." and "," both accepted as mark.
std::optional<double> ParseDecimalAnyMark(std::string_view text);

// Round to nearest, ties to even.
int64_t RoundHalfEven(double value);

// Fixed-decimal text with "." whatever the locale (FormatFixed(2.5, 2) = "2.50").
std::string FormatFixed(double value, int decimals);
// Fixed-decimal text with the locale's decimal separator (for display).
std::string FormatFixedLocale(double value, int decimals);
// Shortest round-trip text with "." ("29.97", "25", "0.5").
std::string FormatFloat(double value);

// An integer with a blank between groups of three digits ("1 234 567").
std::string FormatThousands(int64_t value);

// Byte counts as text: " 5 bytes", "1.00 KB", "2.00 MB", "-2.00 KB".
std::string FormatByteSize(int64_t bytes);

}  // namespace zelmora
