#include "base/command_line.h"

#include <gtest/gtest.h>

#include <random>

namespace zelmora {
namespace {

using Args = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string line;
  Args expected;
};

class SplitCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, GivesTheWindowsArguments) {
  EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SplitCommandLineTest,
    testing::Values(SplitCase{"BlanksAndTabsSeparate", "a  b\tc \t d", {"a", "b", "c", "d"}},
                    SplitCase{"LeadingAndTrailingBlanksGiveNothing", "  \t a b \t ", {"a", "b"}},
                    SplitCase{"EmptyLineHasNoArguments", "", {}},
                    SplitCase{"QuotesGroupBlanks", R"("a b" c)", {"a b", "c"}},
                    SplitCase{"QuotesMayStartMidArgument", R"(-i"a b"c)", {"-ia bc"}},
                    SplitCase{"EmptyQuotesAreAnEmptyArgument", R"(a "" b)", {"a", "", "b"}},
                    SplitCase{"UnclosedQuoteRunsToTheEnd", R"(a "b c)", {"a", "b c"}},
                    SplitCase{"BackslashesAloneAreLiteral", R"(a\\b\c d\)", {R"(a\\b\c)", R"(d\)"}},
                    SplitCase{"EscapedQuoteIsLiteral", R"(a\"b)", {R"(a"b)"}},
                    SplitCase{"EvenBackslashesBeforeQuoteAreHalved", R"("a\\" b)", {R"(a\)", "b"}},
                    SplitCase{"OddBackslashesBeforeQuoteGiveAQuote", R"("a\\\" b")", {R"(a\" b)"}},
                    SplitCase{"DoubledQuoteInsideQuotesIsLiteral", R"("a""b c")", {R"(a"b c)"}},
                    SplitCase{"DoubledQuoteOutsideQuotesIsEmpty", R"(a""b)", {"ab"}},
                    SplitCase{
                        "FirstArgumentFollowsTheSameRules", R"("C:\x y\" z)", {R"(C:\x y" z)"}},
                    SplitCase{"NewlinesAreNotSeparators", "a\nb c", {"a\nb", "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuoteArgumentTest, LeavesPlainArgumentsAlone) {
  EXPECT_EQ(QuoteArgument("-i"), "-i");
  EXPECT_EQ(QuoteArgument(R"(a\b\)"), R"(a\b\)");
  EXPECT_EQ(QuoteArgument("$HOME"), "$HOME");
}

TEST(QuoteArgumentTest, QuotesWhatWouldBeSplitOrLost) {
  EXPECT_EQ(QuoteArgument(""), R"("")");
  EXPECT_EQ(QuoteArgument("a b"), R"("a b")");
  EXPECT_EQ(QuoteArgument(R"(a"b)"), R"("a\"b")");
  EXPECT_EQ(QuoteArgument(R"(dir\ x\)"), R"("dir\ x\\")");
  EXPECT_EQ(QuoteArgumentAlways("x"), R"("x")");
}

const Args AwkwardArguments = {"",
                               " ",
                               "\t",
                               "a b",
                               R"(a"b)",
                               R"(")",
                               R"("")",
                               R"(\)",
                               R"(\\)",
                               R"(a\)",
                               R"(a\\)",
                               R"(a\")",
                               R"(a\\")",
                               R"(\"\")",
                               R"(a b\)",
                               R"(a b\\\)",
                               "\"a b\"",
                               "$HOME",
                               "$(rm -rf)",
                               "`x`",
                               "-i",
                               "--",
                               "-map 0:a",
                               "Überspielung.webm",
                               "日本 語.mp4",
                               "emoji 🎬",
                               "100%",
                               "a'b",
                               "semi;colon",
                               "new\nline",
                               "tab\tin",
                               "trailing ",
                               " leading",
                               R"(C:\dir\)",
                               R"(\\server\share\)"};

TEST(QuoteArgumentTest, EachAwkwardArgumentSurvivesTheRoundTrip) {
  for (const std::string& arg : AwkwardArguments) {
    EXPECT_EQ(SplitCommandLine(QuoteArgument(arg)), Args{arg}) << "argument [" << arg << "]";
    EXPECT_EQ(SplitCommandLine(QuoteArgumentAlways(arg)), Args{arg}) << "argument [" << arg << "]";
  }
  EXPECT_EQ(SplitCommandLine(JoinCommandLine(AwkwardArguments)), AwkwardArguments);
}

// Arguments drawn from the characters that matter to the rules, in runs, so
// that backslash runs meet quotes, blanks and the end of the argument.
TEST(QuoteArgumentTest, GeneratedArgumentListsSurviveTheRoundTrip) {
  const std::string alphabet[] = {"\\", "\\\\", "\"", " ", "\t", "a", "-", "$", "é", "'"};
  std::mt19937 rng(20240309);
  for (int round = 0; round < 3000; ++round) {
    Args args(rng() % 5);
    for (std::string& arg : args) {
      const size_t length = rng() % 8;
      for (size_t i = 0; i < length; ++i) arg += alphabet[rng() % std::size(alphabet)];
    }
    const std::string line = JoinCommandLine(args);
    ASSERT_EQ(SplitCommandLine(line), args) << "line [" << line << "]";
  }
}

}  // namespace
}  // namespace zelmora
