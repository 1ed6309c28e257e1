#include "media/analysis_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace zelmora {
namespace {

TEST(ParseTimeText, ReadsFfmpegDurationsAndTreatsBrokenPartsAsZero) {
  struct Case {
    const char* name;
    const char* text;
    double seconds;
  };
  const Case cases[] = {
      {"an ordinary duration", "00:01:02.50", 62.5},
      {"hours beyond a day", "123:00:00.00", 442800},
      {"a comma as decimal mark", "00:00:01,25", 1.25},
      {"blanks inside", " 00 : 00 : 03.5 ", 3.5},
      {"N/A has no colon", "N/A", 0},
      {"only hours and minutes", "02:30", 7200},
      {"an unreadable minute part", "01:xx:10", 3610},
      {"an unreadable seconds part", "00:01:zz", 60},
      {"empty text", "", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ParseTimeText(c.text), c.seconds) << c.name;
}

TEST(FormatMilliseconds, PadsEveryPartAndLetsHoursGrow) {
  EXPECT_EQ(FormatMilliseconds(0), "00:00:00.000");
  EXPECT_EQ(FormatMilliseconds(-5), "00:00:00.000");
  EXPECT_EQ(FormatMilliseconds(2003), "00:00:02.003");
  EXPECT_EQ(FormatMilliseconds(3723004), "01:02:03.004");
  EXPECT_EQ(FormatMilliseconds(360000000), "100:00:00.000");
}

TEST(SplitText, KeepsEmptyInnerPartsButNotAnEmptyLastOne) {
  std::vector<std::string> parts = {"kept"};
  SplitText(" a , ,b,", ",", parts);
  EXPECT_EQ(parts, (std::vector<std::string>{"kept", "a", "", "b"}));
  parts.clear();
  SplitText("one -- two", "--", parts);
  EXPECT_EQ(parts, (std::vector<std::string>{"one", "two"}));
  parts.clear();
  SplitText("", ",", parts);
  EXPECT_TRUE(parts.empty());
}

TEST(SplitStreamItems, CutsOnlyAtCommasOutsideParentheses) {
  auto items = SplitStreamItems(
      "Stream #0:0: Video: vp9 (Profile 0), yuv420p(tv, bt709, progressive), 160x120, 25 fps");
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0], "Stream #0:0: Video: vp9 (Profile 0)");
  EXPECT_EQ(items[1], "yuv420p(tv, bt709, progressive)");
  EXPECT_EQ(items[2], "160x120");
  // A stray closing parenthesis must not swallow the rest of the line.
  EXPECT_EQ(SplitStreamItems("a), b, (c, d), e").size(), 4u);
}

TEST(NumberRules, AcceptOnlyWholeNumbersInTheirRange) {
  EXPECT_EQ(ParseDecimalInt(" 42 "), 42);
  EXPECT_EQ(ParseDecimalInt("-7"), -7);
  EXPECT_EQ(ParseDecimalInt("2147483647"), 2147483647);
  EXPECT_EQ(ParseDecimalInt("2147483648"), std::nullopt);  // 2 GiB does not fit
  EXPECT_EQ(ParseDecimalInt("0x10"), std::nullopt);
  EXPECT_EQ(ParseDecimalInt("12 kb"), std::nullopt);
  EXPECT_EQ(ParseDecimalInt(""), std::nullopt);

  EXPECT_EQ(ParseProbeNumber("29.97"), 29.97);
  EXPECT_EQ(ParseProbeNumber("0,5"), 0.5);
  EXPECT_EQ(ParseProbeNumber("1k"), std::nullopt);
  EXPECT_EQ(ParseProbeNumber("inf"), std::nullopt);
  EXPECT_EQ(ParseMediaInfoNumber("1.333"), 1.333);
  EXPECT_EQ(ParseMediaInfoNumber("2003,5"), 2003.5);
  EXPECT_EQ(ParseMediaInfoNumber("1,234.5"), std::nullopt);
}

TEST(ReplaceFirstText, IgnoresLetterCaseAndReplacesOnce) {
  EXPECT_EQ(ReplaceFirstText("6.95 kib of 7 KiB", "KiB", "KB"), "6.95 KB of 7 KiB");
  EXPECT_EQ(ReplaceFirstText("abc", "x", "y"), "abc");
}

}  // namespace
}  // namespace zelmora
