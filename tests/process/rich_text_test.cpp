#include "process/rich_text.h"

#include <gtest/gtest.h>

namespace zelmora {

void PrintTo(const TRichTextRun& run, std::ostream* os) {
  *os << "{\"" << run.Text << "\" bold=" << run.Bold << " color=" << run.Color.value_or(0xFFFFFFFF)
      << " bg=" << run.Background.value_or(0xFFFFFFFF) << "}";
}

namespace {

using Runs = std::vector<TRichTextRun>;

TRichTextRun Run(std::string text, bool bold = false, std::optional<uint32_t> color = {},
                 std::optional<uint32_t> background = {}) {
  return TRichTextRun{std::move(text), bold, color, background};
}

struct RichCase {
  const char* name;
  std::string text;
  Runs runs;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RichCase& c, std::ostream* os) {
  *os << c.name;
}

class RichTextCases : public testing::TestWithParam<RichCase> {};

TEST_P(RichTextCases, ParsesTheSubset) {
  EXPECT_EQ(ParseRichText(GetParam().text), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextCases,
    testing::Values(RichCase{"PlainText", "Please wait...", {Run("Please wait...")}},
                    RichCase{"Bold",
                             "a <b>1</b> / <B>3</B>",
                             {Run("a "), Run("1", true), Run(" / "), Run("3", true)}},
                    RichCase{"SpeedBadge",
                             " <b><FONT bgcolor=\"#496954\" color=\"#E0EBE0\">  1.5x  </FONT></b> ",
                             {Run(" "), Run("  1.5x  ", true, 0xE0EBE0, 0x496954), Run(" ")}},
                    RichCase{"NestedFontsRestoreTheOuterColour",
                             "<font color=\"#FF0000\">r<font bgcolor=\"#00ff00\">g</font>r</font>",
                             {Run("r", false, 0xFF0000), Run("g", false, 0xFF0000, 0x00FF00),
                              Run("r", false, 0xFF0000)}},
                    RichCase{"OtherTagsAreText", "<i>x</i>", {Run("<i>x</i>")}},
                    RichCase{"ALessThanInAFileNameStaysText",
                             "/v/a<b.avi <b>ok</b>",
                             {Run("/v/a<b.avi "), Run("ok", true)}},
                    RichCase{"AnUnclosedTagIsText", "size <b", {Run("size <b")}},
                    RichCase{"ABadColourIsIgnored", "<font color=\"red\">x</font>", {Run("x")}},
                    RichCase{"StrayClosingTagsAreHarmless", "</b></font>x", {Run("x")}}),
    [](const testing::TestParamInfo<RichCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zelmora
