#include <gtest/gtest.h>

#include "builder_fixture.h"

namespace zelmora {
namespace {

using test::BuilderFixture;

struct VideoCase {
  const char* name;
  void (*setup)(BuilderFixture&);
  const char* vc;
  const char* vp;
};

const VideoCase videoCases[] = {
    {"XvidAllAutoKeepsTheSourceBitrateAndRate", [](BuilderFixture&) {}, "-c:v libxvid",
     "-b:v 1500k -r 25.000"},
    {"CustomSizeComputesTheBitrateFromTheSourceBitsPerPixel",
     [](BuilderFixture& f) {
       f.settings.Advanced.Resolution = rsCustom;
       f.settings.Advanced.ResWidth = 640;
       f.settings.Advanced.ResHeight = 360;
     },
     "-c:v libxvid", "-b:v 691k -r 25.000"},
    {"ListedSizeIsRoundedToMultiplesOfEight",
     [](BuilderFixture& f) {
       f.resolutions = {"852 x 480 - HD480"};
       f.settings.Advanced.Resolution = rsFirstListEntry;
     },
     "-c:v libxvid", "-b:v 1221k -r 25.000"},
    {"ResolutionPastTheListEndCountsAsAuto",
     [](BuilderFixture& f) {
       f.resolutions = {};
       f.settings.Advanced.Resolution = rsFirstListEntry;
       f.info.VideoStreams[0].Width = 641;
     },
     "-c:v libxvid", "-b:v 1500k -r 25.000 -s 642x720"},
    {"BitsPerPixelAboveTheFactorCapTheSourceBitrate",
     [](BuilderFixture& f) { f.info.VideoStreams[0].BitsPerPixel = 0.5; }, "-c:v libxvid",
     "-b:v 6912k -r 25.000"},
    {"UnknownSourceBitrateFallsBackTo800",
     [](BuilderFixture& f) { f.info.VideoStreams[0].Bitrate = 0; }, "-c:v libxvid",
     "-b:v 800k -r 25.000"},
    {"SourceBitrateKeepsItsLow16Bits",
     [](BuilderFixture& f) { f.info.VideoStreams[0].Bitrate = 70000; }, "-c:v libxvid",
     "-b:v 4464k -r 25.000"},
    {"UnknownFrameRateLeavesTheRateToFfmpeg",
     [](BuilderFixture& f) { f.info.VideoStreams[0].FPS = 0; }, "-c:v libxvid", "-b:v 1500k"},
    {"H264WithAutoThreadsUsesHalfTheProcessors",
     [](BuilderFixture& f) { f.settings.Avi.VideoCodec = vcH264; }, "-c:v libx264",
     "-threads 4 -b:v 1500k -r 25.000"},
    {"H264WithTypedThreads",
     [](BuilderFixture& f) {
       f.settings.Avi.VideoCodec = vcH264;
       f.settings.Avi.EncoderThreads = " 3 ";
     },
     "-c:v libx264", "-threads 3 -b:v 1500k -r 25.000"},
    {"H264ThreadsThatAreNoNumberCountAsAuto",
     [](BuilderFixture& f) {
       f.settings.Avi.VideoCodec = vcH264;
       f.settings.Avi.EncoderThreads = "many";
       f.processors = 1;
     },
     "-c:v libx264", "-threads 0 -b:v 1500k -r 25.000"},
    {"TwoPassXvidUsesAFixedQuantizer", [](BuilderFixture& f) { f.settings.Avi.Video2Pass = true; },
     "-c:v libxvid", "-q:v 9 -b:v 1500k -r 25.000"},
    {"OddSourceSizeIsRoundedUpToEven",
     [](BuilderFixture& f) {
       f.info.VideoStreams[0].Width = 641;
       f.info.VideoStreams[0].Height = 359;
     },
     "-c:v libxvid", "-b:v 1500k -r 25.000 -s 642x360"},
    {"TypedBitrateAndRate",
     [](BuilderFixture& f) {
       f.settings.Avi.VideoBitrate = " 2000 ";
       f.settings.Avi.VideoFPS = "23.976";
     },
     "-c:v libxvid", "-b:v 2000k -r 23.976"},
    {"TypedRateWithCommaIsWrittenWithDot",
     [](BuilderFixture& f) { f.settings.Avi.VideoFPS = "29,97"; }, "-c:v libxvid",
     "-b:v 1500k -r 29.97"},
    {"HuffYuvHasNoBitrate", [](BuilderFixture& f) { f.settings.Avi.VideoCodec = vcHuffYuv; },
     "-c:v huffyuv", "-r 25.000"},
    {"CopyHasNoBitrateNorRate", [](BuilderFixture& f) { f.settings.Avi.VideoCodec = vcCopy; },
     "-c:v copy", ""},
    {"AviWithoutVideo", [](BuilderFixture& f) { f.settings.Avi.DoNotCopyVideo = true; }, "-vn", ""},
    {"MpgCustomUsesTheMpgFactorAndNoAutomaticRate",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.info.VideoStreams[0].BitsPerPixel = 0.6;
     },
     "-c:v mpeg1video", "-b:v 11520k"},
    {"MpgMpeg2WithTypedRate",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Mpg.MPEGVersion = 1;
       f.settings.Mpg.VideoFPS = "25";
       f.settings.Mpg.VideoBitrate = "4000";
     },
     "-c:v mpeg2video", "-b:v 4000k -r 25"},
    {"MpgKeepsTheOddSizeRule",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.info.VideoStreams[0].Height = 359;
     },
     "-c:v mpeg1video", "-b:v 1500k -s 1280x360"},
    {"Mpeg1RaisesASlowSourceRateToTheLowestStandardRate",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.info.VideoStreams[0].FPS = 15;
     },
     "-c:v mpeg1video", "-b:v 1500k -r 23.976"},
    {"Mpeg1RaisesASlowTypedRate",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Mpg.VideoFPS = "14,985";
     },
     "-c:v mpeg1video", "-b:v 1500k -r 23.976"},
    {"Mpeg2KeepsASlowTypedRate",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Mpg.MPEGVersion = 1;
       f.settings.Mpg.VideoFPS = "8";
     },
     "-c:v mpeg2video", "-b:v 1500k -r 8"},
    {"PalDvdHasNoVideoParameters",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Mpg.VideoFormat = mfPalDvd;
       f.settings.Mpg.VideoBitrate = "not checked";
     },
     "-target pal-dvd", ""},
    {"NtscDvdHasNoVideoParameters",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Mpg.VideoFormat = mfNtscDvd;
     },
     "-target ntsc-dvd", ""},
    {"MpgWithoutVideo",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Mpg.DoNotCopyVideo = true;
     },
     "-vn", ""},
};

class VideoPieces : public testing::TestWithParam<VideoCase> {};

TEST_P(VideoPieces, AreBuiltFromSettingsAndSource) {
  BuilderFixture f;
  GetParam().setup(f);
  EXPECT_EQ(f.VC(), GetParam().vc);
  EXPECT_EQ(f.VP(), GetParam().vp);
  EXPECT_TRUE(f.messages.warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, VideoPieces, testing::ValuesIn(videoCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VideoParams, ARejectedBitrateShowsTheTypedTextAndFails) {
  BuilderFixture f;
  f.settings.Avi.VideoBitrate = "1200 kb";
  EXPECT_EQ(GetVideoParamsStr(f.input()), "ERROR");
  ASSERT_EQ(f.messages.warnings.size(), 1u);
  EXPECT_EQ(f.messages.warnings[0], "Video bitrate: 1200 kb\r\nBitrate must be an integer value!");
}

TEST(VideoParams, ARejectedRateShowsItsMessage) {
  BuilderFixture f;
  f.settings.OutputFormat = TOutputFormat::ofMPG;
  f.settings.Mpg.VideoFPS = "25 fps";
  EXPECT_EQ(GetVideoParamsStr(f.input()), "ERROR");
  ASSERT_EQ(f.messages.warnings.size(), 1u);
  EXPECT_EQ(f.messages.warnings[0], "Video FPS: 25 fps\r\nFPS must be a float value!");
}

TEST(VideoParams, TheTranslatedAutoWordIsRecognised) {
  BuilderFixture f;
  f.strings.Main.Auto = "Automatisch";
  f.settings.Avi.VideoBitrate = "automatisch";
  f.settings.Avi.VideoFPS = "Auto";  // no longer the Auto word: rejected
  EXPECT_EQ(GetVideoParamsStr(f.input()), "ERROR");
  ASSERT_EQ(f.messages.warnings.size(), 1u);
  EXPECT_EQ(f.messages.warnings[0], "Video FPS: Auto\r\nFPS must be a float value!");
}

TEST(BuilderNumbers, HalfProcessorCount) {
  EXPECT_EQ(HalfProcessorCount(1), 0);
  EXPECT_EQ(HalfProcessorCount(8), 4);
  EXPECT_EQ(HalfProcessorCount(7), 3);
  EXPECT_EQ(HalfProcessorCount(0), 1);
  EXPECT_EQ(HalfProcessorCount(-3), 1);
  EXPECT_EQ(HalfProcessorCount(32), 16);
  EXPECT_EQ(HalfProcessorCount(33), 2);
}

TEST(BuilderNumbers, ComputeVideoBitrate) {
  EXPECT_EQ(ComputeVideoBitrate(640, 360, 1500, 0.12, 25, 0.3), 691);
  EXPECT_EQ(ComputeVideoBitrate(640, 360, 1500, 0.9, 25, 0.3), 1728);
  EXPECT_EQ(ComputeVideoBitrate(0, 360, 1500, 0.12, 25, 0.3), 1500);
  EXPECT_EQ(ComputeVideoBitrate(640, 360, 1500, 0, 25, 0.3), 1500);
  EXPECT_EQ(ComputeVideoBitrate(640, 360, 1500, 0.12, 0, 0.3), 1500);
  // 10 x 0.3 x 10 x 25 / 1000 = 0.75 -> 1.
  EXPECT_EQ(ComputeVideoBitrate(10, 10, 0, 0.3, 25, 0.3), 1);
  // Ties go to the even neighbour: 2.5 -> 2, 3.5 -> 4.
  EXPECT_EQ(ComputeVideoBitrate(10, 10, 0, 0.1, 250, 0.3), 2);
  EXPECT_EQ(ComputeVideoBitrate(10, 10, 0, 0.1, 350, 0.3), 4);
  EXPECT_EQ(ComputeVideoBitrate(30000, 30000, 0, 0.3, 60, 0.3), 65535);
}

TEST(BuilderNumbers, ParseResolutionText) {
  TVideoFileInfo info;
  info.VideoStreams[0].Width = 1280;
  info.VideoStreams[0].Height = 720;
  EXPECT_EQ(ParseResolutionText("640 x 480 - VGA", info), (TFrameSize{640, 480}));
  EXPECT_EQ(ParseResolutionText("852 x 480 - HD480", info), (TFrameSize{848, 480}));
  EXPECT_EQ(ParseResolutionText("640 x 350 - EGA", info), (TFrameSize{640, 352}));
  EXPECT_EQ(ParseResolutionText("50% - half", info), (TFrameSize{640, 360}));
  EXPECT_EQ(ParseResolutionText("33%", info), (TFrameSize{424, 240}));
  EXPECT_EQ(ParseResolutionText("no numbers", info), (TFrameSize{0, 0}));
  EXPECT_EQ(ParseResolutionText("720X576", info), (TFrameSize{720, 576}));
  EXPECT_EQ(ParseResolutionText("720 x abc", info), (TFrameSize{720, 0}));
}

TEST(BuilderNumbers, RoundToMultipleTiesToEven) {
  EXPECT_EQ(RoundToMultiple(480, 8), 480);
  EXPECT_EQ(RoundToMultiple(852, 8), 848);  // 106.5 -> 106
  EXPECT_EQ(RoundToMultiple(860, 8), 864);  // 107.5 -> 108
  EXPECT_EQ(RoundToMultiple(2, 8), 0);
}

}  // namespace
}  // namespace zelmora
