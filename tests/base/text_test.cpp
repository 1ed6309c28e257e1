#include "base/text.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using Lines = std::vector<std::string>;

TEST(TrimTest, RemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is not ASCII white space
}

TEST(CaseTest, UpperCasesLettersBeyondAscii) {
  EXPECT_EQ(UpperCase("abc xyz 123"), "ABC XYZ 123");
  EXPECT_EQ(UpperCase("über straße"), "ÜBER STRAßE");
  EXPECT_EQ(UpperCase("łódź ÿ"), "ŁÓDŹ Ÿ");
  EXPECT_EQ(UpperCase("αβγ ς ά"), "ΑΒΓ Σ Ά");
  EXPECT_EQ(UpperCase("привет ёж"), "ПРИВЕТ ЁЖ");
  EXPECT_EQ(LowerCase("ÜBER ΑΒΓ ПРИВЕТ Ł"), "über αβγ привет ł");
  EXPECT_EQ(UpperCase("日本 ÷ ×"), "日本 ÷ ×");
}

TEST(CaseTest, InvalidBytesDoNotBreakCaseMapping) {
  EXPECT_EQ(UpperCase("a\xFF"
                      "b"),
            "A\xEF\xBF\xBD"
            "B");
}

TEST(CompareTextTest, IgnoresCase) {
  EXPECT_TRUE(SameText("Main", "MAIN"));
  EXPECT_TRUE(SameText("Ärger", "äRGER"));
  EXPECT_FALSE(SameText("Main", "Mains"));
  EXPECT_LT(CompareText("apple", "Banana"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_EQ(CompareText("ÉTÉ", "été"), 0);
  EXPECT_TRUE(StartsWithText("FFmpeg version", "ffmpeg"));
  EXPECT_TRUE(EndsWithText("clip.WEBM", ".webm"));
  EXPECT_TRUE(ContainsText("Duration: N/A", "n/a"));
  EXPECT_FALSE(StartsWith("FFmpeg", "ffmpeg"));
}

TEST(ReplaceTest, ReplacesEveryOccurrence) {
  EXPECT_EQ(ReplaceAll("a-b-c", "-", "--"), "a--b--c");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAllText("Size KB kb Kb", "kb", "KiB"), "Size KiB KiB KiB");
  EXPECT_EQ(ReplaceAllText("Öl öL", "öl", "x"), "x x");
}

TEST(SplitLinesTest, AcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(Split("a,,b,", ','), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(Join({"a", "b", "c"}, ", "), "a, b, c");
}

TEST(Utf8Test, InvalidSequencesBecomeReplacementCharacters) {
  const std::string fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(SanitizeUtf8("ok é"), "ok é");
  EXPECT_EQ(SanitizeUtf8("a\x80z"), "a" + fffd + "z");
  EXPECT_EQ(SanitizeUtf8("\xC0\xAF"), fffd + fffd);             // overlong "/"
  EXPECT_EQ(SanitizeUtf8("\xED\xA0\x80"), fffd + fffd + fffd);  // a surrogate
  EXPECT_EQ(SanitizeUtf8("\xE2\x82"), fffd + fffd);             // cut short
  EXPECT_EQ(SanitizeUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Utf8Test, ConvertsBetweenEncodings) {
  EXPECT_EQ(Utf8ToUtf32("aé€🎬"), (std::u32string{U'a', 0xE9, 0x20AC, 0x1F3AC}));
  EXPECT_EQ(Utf32ToUtf8(U"aé€🎬"), "aé€🎬");
  EXPECT_EQ(Utf16ToUtf8(u"aé€🎬"), "aé€🎬");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(Utf8Length("aé€🎬"), 4u);
  EXPECT_EQ(Utf8Left("aé€🎬", 2), "aé");
  EXPECT_EQ(Utf8Left("ab", 5), "ab");
}

}  // namespace
}  // namespace zelmora
