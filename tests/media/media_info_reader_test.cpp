#include "media/media_info_reader.h"

#include <gtest/gtest.h>

#include "fake_media_info.h"

namespace zelmora {
namespace {

using test::FakeMediaInfo;
using Kind = MediaInfoStreamKind;

// One general stream, one video and one audio stream.
FakeMediaInfo OneOfEach() {
  FakeMediaInfo fake;
  fake.Set(Kind::General, 0, "StreamCount", "1")
      .Set(Kind::Video, 0, "StreamCount", "1")
      .Set(Kind::Audio, 0, "StreamCount", "1");
  return fake;
}

TEST(MediaInfoCounts, SumEveryKindLessTheGeneralStream) {
  FakeMediaInfo fake = OneOfEach();
  fake.Set(Kind::Text, 0, "StreamCount", "2").Set(Kind::Menu, 0, "StreamCount", "x");
  TVideoFileInfo info;
  ReadMediaInfoParameters(fake, info);
  EXPECT_EQ(info.NumberOfDataStreams, 4);
  EXPECT_EQ(info.NumberOfVideoStreams, 1);
  EXPECT_EQ(info.NumberOfAudioStreams, 1);
  EXPECT_EQ(info.MediaInfoFull, "General\nFormat : Fake\n");
}

TEST(MediaInfoCounts, ElevenVideoStreamsAreCountedAndTenRead) {
  FakeMediaInfo fake;
  fake.Set(Kind::General, 0, "StreamCount", "1").Set(Kind::Video, 0, "StreamCount", "11");
  for (size_t n = 0; n < 11; ++n) fake.Set(Kind::Video, n, "Width", std::to_string(100 + n));
  TVideoFileInfo info;
  ReadMediaInfoParameters(fake, info);
  EXPECT_EQ(info.NumberOfVideoStreams, 11);
  EXPECT_EQ(info.VideoStreams[9].Width, 109);
}

TEST(MediaInfoGeneral, ReadsFormatBitrateAndTheWritingApplication) {
  FakeMediaInfo fake = OneOfEach();
  fake.Set(Kind::General, 0, "Format", "WebM")
      .Set(Kind::General, 0, "OverallBitRate", "151840")
      .Set(Kind::General, 0, "Encoded_Library", "Lavf59.27.100");
  TVideoFileInfo info;
  ReadMediaInfoParameters(fake, info);
  EXPECT_EQ(info.Format, "WebM");
  EXPECT_EQ(info.OverallBitrate, 151);
  EXPECT_EQ(info.EncodedApplication, "Lavf59.27.100");
}

TEST(MediaInfoAudio, ConvertsBitratesDurationsAndCodecTexts) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> answers;
    int32_t bitrate;
    int32_t durationMs;
    const char* codec;
  };
  const Case cases[] = {
      {"CBR 127999 bit/s is 128 kbit/s",
       {{"BitRate", "127999"}, {"BitRate_Mode", "cbr"}},
       128,
       0,
       ""},
      {"VBR 127999 bit/s stays 127", {{"BitRate", "127999"}, {"BitRate_Mode", "VBR"}}, 127, 0, ""},
      {"two layer rates are averaged", {{"BitRate", "64000 / 128000"}}, 96, 0, ""},
      {"an unreadable rate leaves the field", {{"BitRate", "64000 / x"}}, 0, 0, ""},
      {"Matroska writes durations with decimals", {{"Duration", "2003.000000"}}, 0, 2003, ""},
      {"a half millisecond rounds to even", {{"Duration", "2002.5"}}, 0, 2002, ""},
      {"format, version and hint",
       {{"Format", "MPEG Audio"}, {"Format_Version", "Version 1"}, {"CodecID/Hint", "MP3"}},
       0,
       0,
       "MPEG Audio - Version 1 (MP3)"},
      {"a numeric hint gives way to the codec information",
       {{"Format", "PCM"}, {"CodecID/Hint", "1"}, {"CodecID/Info", "Microsoft PCM"}},
       0,
       0,
       "PCM (Microsoft PCM)"},
      {"a hint equal to the format is dropped",
       {{"Format", "AAC"}, {"CodecID/Hint", "AAC"}},
       0,
       0,
       "AAC"},
  };
  for (const Case& c : cases) {
    FakeMediaInfo fake = OneOfEach();
    for (const auto& [parameter, value] : c.answers) fake.Set(Kind::Audio, 0, parameter, value);
    TVideoFileInfo info;
    ReadMediaInfoParameters(fake, info);
    EXPECT_EQ(info.AudioStreams[0].Bitrate, c.bitrate) << c.name;
    EXPECT_EQ(info.AudioStreams[0].DurationMs, c.durationMs) << c.name;
    EXPECT_EQ(info.AudioStreams[0].Codec, c.codec) << c.name;
  }
}

TEST(MediaInfoAudio, GivesTheFileItsDurationOnlyWhenTheProbeHadNone) {
  FakeMediaInfo fake = OneOfEach();
  fake.Set(Kind::Audio, 0, "Duration", "2003.000000");
  TVideoFileInfo quick;
  ReadMediaInfoParameters(fake, quick);
  EXPECT_DOUBLE_EQ(quick.Duration, 2003);
  EXPECT_EQ(quick.DurationStr, "00:00:02.003");

  TVideoFileInfo probed;
  probed.Duration = 2000;
  probed.DurationStr = "00:00:02.00";
  ReadMediaInfoParameters(fake, probed);
  EXPECT_DOUBLE_EQ(probed.Duration, 2000);
  EXPECT_EQ(probed.DurationStr, "00:00:02.00");
}

TEST(MediaInfoAudio, PrefersTheOriginalChannelCount) {
  FakeMediaInfo fake = OneOfEach();
  fake.Set(Kind::Audio, 0, "Channel(s)_Original", "8").Set(Kind::Audio, 0, "Channel(s)", "6");
  TVideoFileInfo info;
  ReadMediaInfoParameters(fake, info);
  EXPECT_EQ(info.AudioStreams[0].Channels, 8);
  fake.Set(Kind::Audio, 0, "Channel(s)_Original", "");
  TVideoFileInfo second;
  ReadMediaInfoParameters(fake, second);
  EXPECT_EQ(second.AudioStreams[0].Channels, 6);
}

TEST(MediaInfoVideo, ReadsNumbersOnlyWhenTheyParseAndTextsAlways) {
  FakeMediaInfo fake = OneOfEach();
  fake.Set(Kind::Video, 0, "Format", "MPEG Video")
      .Set(Kind::Video, 0, "Format_Version", "Version 2")
      .Set(Kind::Video, 0, "CodecID", "2")
      .Set(Kind::Video, 0, "BitRate", "500000")
      .Set(Kind::Video, 0, "Width", "160")
      .Set(Kind::Video, 0, "Height", "120")
      .Set(Kind::Video, 0, "FrameRate", "25.000")
      .Set(Kind::Video, 0, "FrameCount", "-1")
      .Set(Kind::Video, 0, "DisplayAspectRatio", "1.333")
      .Set(Kind::Video, 0, "StreamSize", "2147483648")  // 2 GiB does not fit
      .Set(Kind::Video, 0, "StreamSize/String", "2.00 GiB (97%)");
  TVideoFileInfo info;
  info.Duration = 4000;
  info.VideoStreams[0].PixelFormat = "yuv420p";
  info.VideoStreams[0].Profile = "from the probe";
  ReadMediaInfoParameters(fake, info);
  const TVideoStreamInfo& v = info.VideoStreams[0];
  EXPECT_EQ(v.Codec, "MPEG Video - Version 2");
  EXPECT_EQ(v.CodecID, "2");
  EXPECT_EQ(v.Profile, "");  // an empty answer empties a text field
  EXPECT_EQ(v.PixelFormat, "yuv420p");
  EXPECT_EQ(v.Bitrate, 500);
  EXPECT_DOUBLE_EQ(v.FPS, 25);
  EXPECT_DOUBLE_EQ(v.DAR, 1.333);
  EXPECT_EQ(v.Frames, 100u);  // a negative count is estimated from the duration
  EXPECT_DOUBLE_EQ(v.BitsPerPixel, 500000.0 / (160 * 120 * 25));
  EXPECT_EQ(v.StreamSize, 0);
  EXPECT_EQ(v.StreamSizeStr, "2.00 GB");
  EXPECT_EQ(v.StreamSizeInPercent, 97);
}

TEST(MediaInfoSizeText, RenamesBinaryUnitsAndSplitsThePercentage) {
  std::string text;
  uint8_t percent = 5;
  ParseMediaInfoSizeText("6.95 KiB (37%)", text, percent);
  EXPECT_EQ(text, "6.95 KB");
  EXPECT_EQ(percent, 37);
  ParseMediaInfoSizeText("1.5 MiB", text, percent);
  EXPECT_EQ(text, "1.5 MB");
  EXPECT_EQ(percent, 37);
  ParseMediaInfoSizeText("3 GiB (x%)", text, percent);
  EXPECT_EQ(text, "3 GB");
  EXPECT_EQ(percent, 37);
}

}  // namespace
}  // namespace zelmora
