#include "media/probe_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelmora {
namespace {

TVideoFileInfo Probe(const std::vector<std::string>& lines) {
  TVideoFileInfo info;
  ApplyProbeOutput(lines, info);
  return info;
}

TVideoFileInfo ProbeDuration(const std::string& line) {
  TVideoFileInfo info;
  ParseProbeDurationLine(line, info);
  return info;
}

TEST(ProbeDurationLine, ReadsDurationStartAndTheFirstBitrateEstimate) {
  struct Case {
    const char* name;
    const char* line;
    const char* durationStr;
    double duration;
    uint32_t seconds;
    uint32_t start;
    int32_t bitrate;
  };
  const Case cases[] = {
      {"an ordinary line", "  Duration: 00:00:10.00, start: 0.000000, bitrate: 1000 kb/s",
       "00:00:10.00", 10000, 10, 0, 940},
      {"N/A duration", "  Duration: N/A, start: 0.000000, bitrate: N/A", "N/A", 0, 0, 0, 0},
      {"start 1.5 s of 10 s rounds 8.5 to even", "  Duration: 00:00:10.00, start: 1.500000",
       "00:00:10.00", 10000, 8, 2, 0},
      {"a start beyond the duration", "  Duration: 00:00:01.00, start: 5.000000, bitrate: 90 kb/s",
       "00:00:01.00", 1000, 0, 5, 90},
      {"a negative start lengthens the playing time",
       "  Duration: 00:00:01.01, start: -0.007000, bitrate: 172 kb/s", "00:00:01.01", 1010, 1, 0,
       112},
      {"100 kb/s is kept as the estimate", "  Duration: 00:00:02.00, bitrate: 100 kb/s",
       "00:00:02.00", 2000, 2, 0, 100},
      {"101 kb/s loses 60 for the audio", "  Duration: 00:00:02.00, bitrate: 101 kb/s",
       "00:00:02.00", 2000, 2, 0, 41},
      {"a negative bitrate becomes 0", "  Duration: 00:00:02.00, bitrate: -5 kb/s", "00:00:02.00",
       2000, 2, 0, 0},
      {"no comma after the duration gives nothing", "  Duration: 00:00:02.00", "", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    TVideoFileInfo info = ProbeDuration(c.line);
    EXPECT_EQ(info.DurationStr, c.durationStr) << c.name;
    EXPECT_DOUBLE_EQ(info.Duration, c.duration) << c.name;
    EXPECT_EQ(info.Seconds, c.seconds) << c.name;
    EXPECT_EQ(info.Start, c.start) << c.name;
    EXPECT_EQ(info.VideoStreams[0].Bitrate, c.bitrate) << c.name;
  }
}

TEST(ProbeVideoLine, ReadsCurrentFfmpegLinesWithParenthesisedItems) {
  // Captured from ffmpeg 5.1: the pixel format item holds commas.
  TVideoFileInfo info = Probe({
      "  Duration: 00:00:04.00, start: 0.000000, bitrate: 151 kb/s",
      "  Stream #0:0: Video: vp8, yuv420p(tv, bt709, progressive), 160x120, SAR 1:1 DAR 4:3, "
      "25 fps, 25 tbr, 1k tbn",
  });
  ASSERT_EQ(info.NumberOfVideoStreams, 1);
  const TVideoStreamInfo& v = info.VideoStreams[0];
  EXPECT_TRUE(v.Exists);
  EXPECT_EQ(v.Codec, "vp8");
  EXPECT_EQ(v.PixelFormat, "yuv420p(tv, bt709, progressive)");
  EXPECT_EQ(v.Width, 160);
  EXPECT_EQ(v.Height, 120);
  EXPECT_DOUBLE_EQ(v.FPS, 25);
  EXPECT_EQ(v.Bitrate, 91);  // the duration line's estimate stays
  EXPECT_EQ(v.Frames, 100u);
  EXPECT_DOUBLE_EQ(v.BitsPerPixel, 91000.0 / (160 * 120 * 25));
  EXPECT_TRUE(info.StreamsStr[1].Str1.empty());
  EXPECT_EQ(info.StreamsStr[0].Str1.substr(0, 12), "Stream #0:0:");
}

TEST(ProbeVideoLine, TakesTheStreamBitrateUnlessMpeg1ClaimsTenThousand) {
  struct Case {
    const char* name;
    const char* line;
    int32_t bitrate;
  };
  const Case cases[] = {
      {"h264 states its own rate",
       "Stream #0:0[0x1](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p(progressive), "
       "160x120 [SAR 1:1 DAR 4:3], 139 kb/s, 25 fps, 25 tbr, 12800 tbn (default)",
       139},
      {"mpeg1video at 10000 kb/s keeps the estimate",
       "Stream #0:0: Video: mpeg1video, yuv420p(tv), 352x288, 10000 kb/s, 25 fps, 25 tbr", 440},
      {"mpeg1video below 10000 kb/s is believed",
       "Stream #0:0: Video: mpeg1video, yuv420p(tv), 352x288, 9999 kb/s, 25 fps, 25 tbr", 9999},
      {"another codec at 10000 kb/s is believed",
       "Stream #0:0: Video: mpeg2video, yuv420p(tv), 352x288, 10000 kb/s, 25 fps, 25 tbr", 10000},
      {"mpeg1video with a codec tag is not exactly mpeg1video",
       "Stream #0:0: Video: mpeg1video (Main), yuv420p, 352x288, 12000 kb/s, 25 fps", 12000},
  };
  for (const Case& c : cases) {
    TVideoFileInfo info = Probe({"Duration: 00:00:02.00, start: 0.0, bitrate: 500 kb/s", c.line});
    EXPECT_EQ(info.VideoStreams[0].Bitrate, c.bitrate) << c.name;
    EXPECT_DOUBLE_EQ(info.VideoStreams[0].FPS, 25) << c.name;
  }
}

TEST(ProbeVideoLine, ReadsTheFrameRateFromTheItemsWhereFfmpegPutsIt) {
  struct Case {
    const char* name;
    const char* line;
    double fps;
  };
  const Case cases[] = {
      {"fps as item 3 when there is no bitrate",
       "Stream #0:0: Video: mjpeg, yuvj420p(pc), 160x120, 29.97 fps, 29.97 tbr, 30k tbn", 29.97},
      {"tbr as item 5 when item 4 says nothing",
       "Stream #0:0: Video: h264, yuv420p, 160x120, SAR 1:1 DAR 4:3, 1k tbn, 23.98 tbr", 23.98},
      {"item 5 is ignored once a rate is known",
       "Stream #0:0: Video: h264, yuv420p, 160x120, 100 kb/s, 50 fps, 25 tbr", 50},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(Probe({c.line}).VideoStreams[0].FPS, c.fps) << c.name;
}

TEST(ProbeStreams, KeepOnlyTheFirstDigitOfTheStreamNumber) {
  EXPECT_EQ(ProbeStreamIndex("Stream #0:12: Audio: aac"), 1);
  EXPECT_EQ(ProbeStreamIndex("Stream #0:3(fre): Audio: ac3"), 3);
  EXPECT_EQ(ProbeStreamIndex("Stream #0:x: Audio: ac3"), 0);
  EXPECT_EQ(ProbeStreamIndex("no number"), 0);
}

TEST(ProbeStreams, CountElevenVideoStreamsButFillTen) {
  std::vector<std::string> lines;
  for (int i = 0; i < 11; ++i)
    lines.push_back("Stream #0:" + std::to_string(i) + ": Video: h264, yuv420p, " +
                    std::to_string(100 + i) + "x50, 25 fps");
  TVideoFileInfo info = Probe(lines);
  EXPECT_EQ(info.NumberOfVideoStreams, 11);
  EXPECT_EQ(info.VideoStreams[9].Width, 109);
  EXPECT_EQ(info.VideoStreams[9].StreamIndex, 9);
}

TEST(ProbeStreams, KeepSixtyThreeLinesAndSkipGuessedLayouts) {
  std::vector<std::string> lines = {"Guessed Channel Layout for Input Stream #0.0 : mono"};
  for (int i = 0; i < 70; ++i)
    lines.push_back("  Stream #0:" + std::to_string(i) + ": Audio: pcm_s16le, 8000 Hz, mono, s16");
  TVideoFileInfo info = Probe(lines);
  EXPECT_TRUE(info.StreamsStr[62].StreamExists);
  EXPECT_EQ(info.StreamsStr[62].Str1.rfind("Stream #0:62:", 0), 0u);
  EXPECT_FALSE(info.StreamsStr[63].StreamExists);
  EXPECT_EQ(info.StreamsStr[0].Str1.rfind("Stream #0:0:", 0), 0u);
  EXPECT_EQ(info.NumberOfAudioStreams, 63);  // every held line counts, 48 have entries
  EXPECT_EQ(info.AudioStreams[47].BitsPerSample, 16);
}

TEST(ProbeAudioLine, ReadsCodecBitrateSampleFormatAndSimpleLayouts) {
  struct Case {
    const char* name;
    const char* line;
    const char* codec;
    const char* codecFF;
    int32_t bitrate;
    uint8_t bits;
    uint8_t channels;
  };
  const Case cases[] = {
      {"AAC with tags",
       "Stream #0:1[0x2](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, "
       "stereo, fltp, 128 kb/s (default)",
       "aac (LC) (mp4a / 0x6134706D)", "aac", 128, 0, 2},
      {"16-bit PCM",
       "Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, mono, s16, "
       "705 kb/s",
       "pcm_s16le ([1][0][0][0] / 0x0001)", "pcm_s16le", 705, 16, 1},
      {"24 bits in 32", "Stream #0:0: Audio: flac, 96000 Hz, stereo, s32 (24 bit)", "flac", "flac",
       0, 32, 2},
      {"5.1 is left for MediaInfo",
       "Stream #0:3(fre): Audio: ac3, 48000 Hz, 5.1(side), fltp, "
       "448 kb/s",
       "ac3", "ac3", 448, 0, 0},
  };
  for (const Case& c : cases) {
    TVideoFileInfo info = Probe({c.line});
    ASSERT_EQ(info.NumberOfAudioStreams, 1) << c.name;
    const TAudioStreamInfo& a = info.AudioStreams[0];
    EXPECT_TRUE(a.Exists) << c.name;
    EXPECT_EQ(a.Codec, c.codec) << c.name;
    EXPECT_EQ(a.CodecFF, c.codecFF) << c.name;
    EXPECT_EQ(a.Bitrate, c.bitrate) << c.name;
    EXPECT_EQ(a.BitsPerSample, c.bits) << c.name;
    EXPECT_EQ(a.Channels, c.channels) << c.name;
  }
}

TEST(ProbeOutput, LeavesTheRecordEmptyForTextOfAnotherLayout) {
  TVideoFileInfo info = Probe({"zz.webm: Invalid data found when processing input",
                               "Stream mapping:", "Video: nothing", ""});
  EXPECT_EQ(info.NumberOfVideoStreams, 0);
  EXPECT_EQ(info.NumberOfAudioStreams, 0);
  EXPECT_FALSE(info.StreamsStr[0].StreamExists);
  EXPECT_EQ(info.Duration, 0);
}

TEST(ProbeParameters, QuotesEveryNameAndMakesRelativeNamesAbsolute) {
  EXPECT_EQ(ProbeParameters("/v/a b.webm"), "-i \"/v/a b.webm\"");
  EXPECT_EQ(ProbeParameters("/v/say \"hi\".webm"), "-i \"/v/say \\\"hi\\\".webm\"");
  std::string relative = ProbeParameters("pipe:0");
  EXPECT_EQ(relative.substr(0, 4), "-i \"");
  EXPECT_EQ(relative.substr(4, 1), "/");
}

}  // namespace
}  // namespace zelmora
