#include "base/numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace zelmora {
namespace {

// Restores the decimal separator a test changed.
class SeparatorGuard {
public:
  explicit SeparatorGuard(char sep) : m_saved(DecimalSeparator()) { SetDecimalSeparator(sep); }
  ~SeparatorGuard() { SetDecimalSeparator(m_saved); }

private:
  char m_saved;
};

TEST(FormatByteSizeTest, PicksTheUnitAndKeepsTwoDecimals) {
  const std::pair<int64_t, const char*> cases[] = {
      {0, " 0 bytes"},
      {5, " 5 bytes"},
      {10, "10 bytes"},
      {1023, "1023 bytes"},
      {1024, "1.00 KB"},
      {1536, "1.50 KB"},
      {1048575, "1024.00 KB"},
      {2097152, "2.00 MB"},
      {1073741824, "1.00 GB"},
      {5LL << 40, "5120.00 GB"},
      {-2048, "-2.00 KB"},
      {-5, "-5 bytes"},
      {std::numeric_limits<int64_t>::min(), "-8589934592.00 GB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(FormatByteSize(bytes), text) << bytes;
}

TEST(FormatByteSizeTest, UsesADotWhateverTheSeparator) {
  SeparatorGuard comma(',');
  EXPECT_EQ(FormatByteSize(1536), "1.50 KB");
}

TEST(FormatThousandsTest, GroupsThreeDigitsFromTheRight) {
  EXPECT_EQ(FormatThousands(0), "0");
  EXPECT_EQ(FormatThousands(999), "999");
  EXPECT_EQ(FormatThousands(1000), "1 000");
  EXPECT_EQ(FormatThousands(1234567), "1 234 567");
  EXPECT_EQ(FormatThousands(-1234), "-1 234");
  EXPECT_EQ(FormatThousands(-123), "-123");
  EXPECT_EQ(FormatThousands(std::numeric_limits<int64_t>::min()), "-9 223 372 036 854 775 808");
}

TEST(RoundHalfEvenTest, TiesGoToTheEvenNeighbour) {
  const std::pair<double, int64_t> cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {3.5, 4},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {2.4999, 2},
      {2.5001, 3},
      {-2.6, -3},
      {1e30, std::numeric_limits<int64_t>::max()},
  };
  for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ParseInt32Test, AcceptsTrimmedDecimalAndHex) {
  EXPECT_EQ(ParseInt32(" 42 "), 42);
  EXPECT_EQ(ParseInt32("-17"), -17);
  EXPECT_EQ(ParseInt32("+8"), 8);
  EXPECT_EQ(ParseInt32("0x1F"), 31);
  EXPECT_EQ(ParseInt32("0X1f"), 31);
  EXPECT_EQ(ParseInt32("$FF"), 255);
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("-2147483648"), std::numeric_limits<int32_t>::min());
}

TEST(ParseInt32Test, RejectsAnythingElse) {
  for (const char* text : {"", " ", "-", "0x", "$", "12abc", "1.5", "1 2", "2147483648",
                           "-2147483649", "0x100000000", "99999999999999999999", "٣"}) {
    EXPECT_FALSE(ParseInt32(text).has_value()) << text;
  }
  EXPECT_EQ(ParseInt32Def("x", 7), 7);
  EXPECT_EQ(ParseInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
  EXPECT_FALSE(ParseInt64("9223372036854775808").has_value());
}

TEST(ParseDecimalTest, UsesTheCommaWhenThatIsTheSeparator) {
  SeparatorGuard comma(',');
  EXPECT_EQ(ParseDecimal("1,5"), 1.5);
  EXPECT_EQ(ParseDecimal(" -0,25 "), -0.25);
  EXPECT_EQ(ParseDecimal(",5"), 0.5);
  EXPECT_EQ(ParseDecimal("3,"), 3.0);
  EXPECT_EQ(ParseDecimal("2,5e2"), 250.0);
  EXPECT_FALSE(ParseDecimal("1.5").has_value());
  EXPECT_FALSE(ParseDecimal("1,5,0").has_value());
  EXPECT_EQ(FormatFixedLocale(2.5, 2), "2,50");
  EXPECT_EQ(FormatFixed(2.5, 2), "2.50");
}

TEST(ParseDecimalTest, RejectsWhatIsNotADecimalNumber) {
  SeparatorGuard dot('.');
  for (const char* text : {"", ".", "-", "e5", "1e", "1e+", "abc", "1.5x", "inf", "nan", "0x10",
                           "1 000", "+-1", "1e999"}) {
    EXPECT_FALSE(ParseDecimal(text).has_value()) << text;
  }
  EXPECT_EQ(ParseDecimal("+29.97"), 29.97);
}

TEST(ParseDecimalAnyMarkTest, AcceptsDotAndComma) {
  SeparatorGuard comma(',');
  EXPECT_EQ(ParseDecimalAnyMark("29.97"), 29.97);
  EXPECT_EQ(ParseDecimalAnyMark("29,97"), 29.97);
  EXPECT_FALSE(ParseDecimalAnyMark("1.2,3").has_value());
}

TEST(FormatTest, FixedAndShortestTextUseADot) {
  SeparatorGuard comma(',');
  EXPECT_EQ(FormatFixed(1.005, 0), "1");
  EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
  EXPECT_EQ(FormatFixed(1234.5678, 3), "1234.568");
  EXPECT_EQ(FormatFloat(29.97), "29.97");
  EXPECT_EQ(FormatFloat(25), "25");
  EXPECT_EQ(FormatFloat(0.5), "0.5");
  EXPECT_EQ(FormatFloat(-0.0), "0");
}

}  // namespace
}  // namespace zelmora
