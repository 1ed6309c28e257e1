#include "process/encoder_output_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process_test_util.h"

namespace zelmora {
namespace {

using Lines = std::vector<std::string>;

struct FilterCase {
  const char* name;
  std::string line;
  bool removed;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FilterCase& c, std::ostream* os) {
  *os << c.name;
}

class EncoderOutputFilterCases : public testing::TestWithParam<FilterCase> {};

TEST_P(EncoderOutputFilterCases, RemovesOnlyIgnorableLines) {
  Lines lines{"keep before", GetParam().line, "keep after"};
  FilterEncoderOutput(lines);
  Lines expected = GetParam().removed ? Lines{"keep before", "keep after"}
                                      : Lines{"keep before", GetParam().line, "keep after"};
  EXPECT_EQ(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EncoderOutputFilterCases,
    testing::Values(FilterCase{"EmptyLine", "", true}, FilterCase{"OnlyBlanks", "   \t ", true},
                    FilterCase{"VersionBannerInAnyCase", "ffmpeg VERSION 5.1", true},
                    FilterCase{"LibavcodecBanner", "  libavcodec    52.92. 0 / 52.92. 0", true},
                    FilterCase{"LibavcodecNeedsTheLeadingBlanks", "libavcodec    52.92. 0", false},
                    FilterCase{"LibswscaleWithBlank", "  libswscale     0.12. 0", true},
                    FilterCase{"LibswscaleWithoutBlank", "  libswscale0.12", true},
                    FilterCase{"LibavutilNeedsItsBlank", "  libavutilx", false},
                    FilterCase{"PressQ", "Press [q] to stop encoding", true},
                    FilterCase{"Mpeg4Alone", "[mpeg4 @ 0x55d0] something else", false},
                    FilterCase{"Mpeg4Concealing", "[mpeg4 @ 0x55d0] concealing 12 DC errors", true},
                    FilterCase{"ContainsIsCaseSensitive", "[MPEG4 @ 0x55d0] CONCEALING", false},
                    FilterCase{"ContainsBothNeedsBoth", "[h263 @ 0x1] something", false},
                    FilterCase{"H263Clipping", "[h263 @ 0x1] warning, clipping 1 dct coefficients",
                               true},
                    FilterCase{"HeaderMissing", "[mp3 @ 0x2] Header missing", true},
                    FilterCase{"PastDuration", "Past duration 0.99 too large", true},
                    FilterCase{"PixelAspect", "Invalid pixel aspect ratio 0/1, reducing", true},
                    FilterCase{"PtsNoValue", "[mpeg @ 0x3] pts has no value", true},
                    FilterCase{"MultipleFrames", "multiple frames in a packet from stream 1", true},
                    FilterCase{"OrdinaryLog", "Stream mapping:", false},
                    FilterCase{"ProgressLine", "frame=   12 fps=0.0 q=2.0 size=      64kB", false}),
    [](const testing::TestParamInfo<FilterCase>& info) { return info.param.name; });

TEST(EncoderOutputFilter, CutsTheBannerMergedIntoTheFirstProgressLine) {
  Lines lines{"  Built by the packager (http://ffmpeg.org)frame=   12 fps=  0 q=2.0"};
  FilterEncoderOutput(lines);
  EXPECT_EQ(lines, (Lines{"frame=   12 fps=  0 q=2.0"}));
}

TEST(EncoderOutputFilter, LeavesOnlyTheUsefulLinesOfAnOldWindowsTranscript) {
  test::CutResult cut = test::CutWhole(test::ReadProcessFixture("banner_merged_with_progress.txt"));
  FilterEncoderOutput(cut.entries);
  ASSERT_EQ(cut.entries.size(), 9u);
  EXPECT_EQ(cut.entries.front().rfind("Seems stream 0", 0), 0u);
  EXPECT_EQ(cut.entries.back().rfind("frame=   12", 0), 0u);
  // Running it again changes nothing.
  Lines once = cut.entries;
  FilterEncoderOutput(cut.entries);
  EXPECT_EQ(cut.entries, once);
}

}  // namespace
}  // namespace zelmora
