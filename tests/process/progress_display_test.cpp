#include "process/progress_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "process/encoder_output_filter.h"
#include "process_test_util.h"

namespace zelmora {
namespace {

using Lines = std::vector<std::string>;

const std::string ProgressLine =
    "frame=  120 fps= 30 q=2.0 size=    2048kB time=00:00:04.80 bitrate=3495.3kbits/s "
    "speed=1.5x    ";
const std::string SpeedBadge =
    " <b><FONT bgcolor=\"#496954\" color=\"#E0EBE0\">  1.5x  </FONT></b> ";
const std::string Separator = "    ::    ";

TConversionState SinglePass() {
  TConversionState state;
  state.Running = true;
  state.Pass = 1;
  state.FileNo = 1;
  state.FileCount = 3;
  return state;
}

TProgressDisplay Interpret(const Lines& lines, uint32_t expected,
                           const TConversionState& state = SinglePass(), bool show = true) {
  TProgressParams params;
  params.ExpectedFrames = expected;
  params.ProgramTitle = "Zelmora 1.5  [64-bit]";
  return InterpretEncoderOutput(lines, state, TAppStrings(), params, show);
}

TEST(EncoderProgress, ReadsTheFieldsOfAProgressLine) {
  TEncoderProgress progress = ReadEncoderProgress({"Stream mapping:", ProgressLine}, 480);
  EXPECT_EQ(progress.Frames, 120);
  EXPECT_EQ(progress.FpsText, "30");
  EXPECT_EQ(progress.SpeedText, SpeedBadge);
  EXPECT_EQ(progress.SizeText, "<b>2.00 MB</b>");
  EXPECT_EQ(progress.Percent, 25);
}

struct PercentCase {
  const char* name;
  int32_t frames;
  uint32_t expected;
  int32_t percent;
};

void PrintTo(const PercentCase& c, std::ostream* os) {
  *os << c.name;
}

class ProgressPercentCases : public testing::TestWithParam<PercentCase> {};

TEST_P(ProgressPercentCases, IsRoundedHalfToEvenAndClamped) {
  EXPECT_EQ(ProgressPercent(GetParam().frames, GetParam().expected), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgressPercentCases,
                         testing::Values(PercentCase{"Quarter", 120, 480, 25},
                                         PercentCase{"NoExpectedCount", 120, 0, 0},
                                         PercentCase{"AboveTheCountStopsAt100", 600, 480, 100},
                                         PercentCase{"HalfRoundsToEvenDown", 1, 200, 0},
                                         PercentCase{"HalfRoundsToEvenUp", 3, 200, 2},
                                         PercentCase{"NegativeFramesGiveZero", -5, 480, 0}),
                         [](const testing::TestParamInfo<PercentCase>& info) {
                           return info.param.name;
                         });

struct SizeCase {
  const char* name;
  std::string line;
  std::string sizeText;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.name;
}

class ProgressSizeCases : public testing::TestWithParam<SizeCase> {};

TEST_P(ProgressSizeCases, FormatsTheOutputSize) {
  EXPECT_EQ(ReadEncoderProgress({GetParam().line}, 480).SizeText, GetParam().sizeText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressSizeCases,
    testing::Values(
        SizeCase{"KilobytesOfFfmpeg5", "frame= 1 fps=0 size=    2048kB time=1", "<b>2.00 MB</b>"},
        SizeCase{"KibibytesOfFfmpeg61", "frame= 1 fps=0 size=    2048KiB time=1", "<b>2.00 MB</b>"},
        SizeCase{"FinalReportLsize", "frame= 1 fps=0 Lsize=      64kB time=1", "<b>64.00 KB</b>"},
        SizeCase{"NoUnitLeavesItEmpty", "frame= 1 fps=0 size=N/A time=1", ""},
        SizeCase{"UnitAtTheEndWithoutBlankLeavesItEmpty", "size=    2048kB", ""},
        SizeCase{"NotANumberKeepsTheRawText", "size=  2x48kB time=1", "2x48"},
        // Found by fuzzing: the byte count overflowed.
        SizeCase{"TooLargeForBytesKeepsTheRawText", "size= 9007199254740992001kB time=1",
                 "9007199254740992001"},
        SizeCase{"LargestSize", "size= 9007199254740991kB time=1", "<b>8589934592.00 GB</b>"}),
    [](const testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

TEST(EncoderProgress, TheHighestLineHoldingAFieldWins) {
  TEncoderProgress progress = ReadEncoderProgress(
      {"frame=   10 fps= 5 q=1 size= 1kB speed=2x", "frame=   20 fps= 6 q=1 size= 2kB speed=3x"},
      0);
  EXPECT_EQ(progress.Frames, 10);
  EXPECT_EQ(progress.FpsText, "5");
}

TEST(EncoderProgress, AFpsFieldWithoutBlankKeepsThePreviousFpsText) {
  TEncoderProgress progress =
      ReadEncoderProgress({"frame=   10 fps=25", "frame=   10 fps= 5 q"}, 0);
  EXPECT_EQ(progress.FpsText, "5");
  EXPECT_EQ(progress.Frames, 10);
}

TEST(ProgressDisplay, SinglePassStatusTitleAndCaption) {
  TProgressDisplay display = Interpret({ProgressLine}, 480);
  EXPECT_EQ(display.StatusText, "Converting file: <b>1</b> / <b>3</b>" + Separator +
                                    "Speed: " + SpeedBadge + " ( 30 frames/sec )" + Separator +
                                    "Frame: 120 / ~480" + Separator + "<b>2.00 MB</b>");
  EXPECT_EQ(display.Percent, 25);
  EXPECT_EQ(display.AppTitle, "25% Zelmora 1.5  [64-bit]");
  EXPECT_EQ(display.Caption, "Progress: 25%");
}

TEST(ProgressDisplay, WithoutAnExpectedFrameCountNothingMovesButTheStatus) {
  TProgressDisplay display = Interpret({ProgressLine}, 0);
  EXPECT_EQ(display.Percent, 0);
  EXPECT_EQ(display.AppTitle, "");
  EXPECT_EQ(display.Caption, "");
  EXPECT_NE(display.StatusText.find("Frame: 120 / ~0" + Separator + "<b>2.00 MB</b>"),
            std::string::npos);
}

struct PassCase {
  int pass;
  std::string badge;
};

void PrintTo(const PassCase& c, std::ostream* os) {
  *os << c.pass;
}

class ProgressPassBadge : public testing::TestWithParam<PassCase> {};

TEST_P(ProgressPassBadge, TwoPassStatusShowsThePassInItsColours) {
  TConversionState state = SinglePass();
  state.TwoPass = true;
  state.Pass = GetParam().pass;
  EXPECT_EQ(Interpret({ProgressLine}, 480, state).StatusText,
            "Converting file: <b>1</b> / <b>3</b>" + GetParam().badge + Separator +
                "Speed: " + SpeedBadge + " (30 frames/sec)" + Separator + "Frame: 120 / ~480" +
                Separator + "<b>2.00 MB</b>");
}

INSTANTIATE_TEST_SUITE_P(
    Passes, ProgressPassBadge,
    testing::Values(
        PassCase{1, "  <font bgcolor=\"#D63D16\" color=\"#FAD3C9\"><b>  pass 1  </b></font> "},
        PassCase{2, "  <font bgcolor=\"#2462C8\" color=\"#D5EBFD\"><b>  pass 2  </b></font> "}));

TEST(ProgressDisplay, WithoutVideoTheStatusOnlyCountsFiles) {
  TConversionState state = SinglePass();
  state.NoVideoProgress = true;
  state.TwoPass = true;
  EXPECT_EQ(Interpret({ProgressLine}, 480, state).StatusText, "Converting file: 1 / 3");
}

TEST(ProgressDisplay, AMultipleFramesLineStopsTheCall) {
  test::CutResult cut = test::CutWhole(test::ReadProcessFixture("multiple_frames_in_packet.txt"));
  EXPECT_TRUE(Interpret(cut.entries, 480, SinglePass(), false).Stopped);
  // With the output shown the filter removes the line first.
  FilterEncoderOutput(cut.entries);
  TProgressDisplay display = Interpret(cut.entries, 480);
  EXPECT_FALSE(display.Stopped);
  EXPECT_EQ(display.Percent, 25);
}

TEST(ProgressDisplay, KibUnitsOfNewerFfmpegShowTheSize) {
  test::CutResult cut = test::CutWhole(test::ReadProcessFixture("progress_kib_units.txt"));
  EXPECT_NE(Interpret(cut.entries, 480).StatusText.find("<b>2.00 MB</b>"), std::string::npos);
}

struct PaneCase {
  const char* name;
  Lines lines;
  bool show;
  uint32_t expected;
  bool wholeOutput;
};

void PrintTo(const PaneCase& c, std::ostream* os) {
  *os << c.name;
}

class ProgressPaneCases : public testing::TestWithParam<PaneCase> {};

TEST_P(ProgressPaneCases, ShowsTheOutputOrPleaseWait) {
  const PaneCase& c = GetParam();
  TProgressDisplay display = Interpret(c.lines, c.expected, SinglePass(), c.show);
  std::string all;
  for (size_t i = 0; i < c.lines.size(); ++i) all += (i ? "\n" : "") + c.lines[i];
  EXPECT_EQ(display.PaneText, c.wholeOutput ? all : "Please wait...");
}

const std::string Summary =
    "video:53kB audio:0kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: 1%";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressPaneCases,
    testing::Values(
        PaneCase{"ShownOutputIsAlwaysWhole", {"a", ProgressLine}, true, 480, true},
        PaneCase{"HiddenOutputWaitsDuringTheEncoding", {"a", ProgressLine}, false, 480, false},
        PaneCase{"HiddenOutputAppearsAt100", {"a", ProgressLine}, false, 120, true},
        PaneCase{"HiddenOutputAppearsWithTheSummary", {"a", ProgressLine, Summary}, false, 0, true},
        PaneCase{"TheSummaryNeedsBothWords", {"a", "global headers:0kB"}, false, 0, false}),
    [](const testing::TestParamInfo<PaneCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zelmora
