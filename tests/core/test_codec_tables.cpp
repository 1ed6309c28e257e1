#include <gtest/gtest.h>

#include "core/codec_tables.h"
#include "core/encoder_settings.h"
#include "i18n/app_strings.h"

namespace zelmora {
namespace {

struct NameCase {
  const char* name;
  int expected;
};

class VideoCodecNames : public testing::TestWithParam<NameCase> {};

TEST_P(VideoCodecNames, MapToTheirIndex) {
  TAppStrings strings;
  EXPECT_EQ(GetVideoCodecIndexByName(GetParam().name, -1, strings), GetParam().expected)
      << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    ProfileNames, VideoCodecNames,
    testing::Values(NameCase{"Xvid", 0}, NameCase{"h.264", 2}, NameCase{"X264", 2},
                    NameCase{"x-264", 2}, NameCase{"DX3", 1}, NameCase{"msmpeg4", 1},
                    NameCase{"MSMPEG4V2", 4}, NameCase{"MP42", 4}, NameCase{"FFMPEG4", 3},
                    NameCase{"mpeg-4", 3}, NameCase{"WMV", 6}, NameCase{"wmv v1", 5},
                    NameCase{"Motion JPEG", 7}, NameCase{"jpg", 7}, NameCase{"HuffYUV", 8},
                    NameCase{"COPY", 9}, NameCase{"Copy original video stream", 9},
                    // List texts are not names, apart from the COPY entry.
                    NameCase{"H.264 / MPEG-4 AVC", -1}, NameCase{"DivX 3 Low-Motion", -1},
                    NameCase{"", -1}));

class AudioCodecNames : public testing::TestWithParam<NameCase> {};

TEST_P(AudioCodecNames, MapToTheirIndex) {
  TAppStrings strings;
  EXPECT_EQ(GetAudioCodecIndexByName(GetParam().name, -1, strings), GetParam().expected)
      << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(ProfileNames, AudioCodecNames,
                         testing::Values(NameCase{"auto", 0}, NameCase{"MP3", 1},
                                         NameCase{"mp2", 2}, NameCase{"AC-3", 3},
                                         NameCase{"AAC", 4}, NameCase{"WMAV1", 5},
                                         NameCase{"wma", 6}, NameCase{"WAV", 7}, NameCase{"PCM", 7},
                                         NameCase{"copy", 8},
                                         NameCase{"Copy original audio stream", 8},
                                         NameCase{"WMA v2 - Windows Media Audio 2", -1},
                                         NameCase{"Copy original video stream", -1}));

TEST(CodecNames, TheTranslatedCopyTextIsAccepted) {
  TAppStrings strings;
  strings.Main.cbAviVideoCodec_Copy = "Videostrom kopieren";
  strings.Main.cbAudioCodec_Copy = "Tonspur kopieren";
  EXPECT_EQ(GetVideoCodecIndexByName("videostrom KOPIEREN", 0, strings), vcCopy);
  EXPECT_EQ(GetAudioCodecIndexByName("Tonspur kopieren", 0, strings), acCopy);
  EXPECT_EQ(GetVideoCodecIndexByName("Copy original video stream", 0, strings), vcXvid);
}

TEST(CodecIniNames, AreTheProfileNamesWithTheDefaultOutsideTheTable) {
  EXPECT_EQ(GetVideoCodecIniName(0, "XVID"), "Xvid");
  EXPECT_EQ(GetVideoCodecIniName(2, "XVID"), "H.264");
  EXPECT_EQ(GetVideoCodecIniName(7, "XVID"), "Motion JPEG");
  EXPECT_EQ(GetVideoCodecIniName(9, "XVID"), "COPY");
  EXPECT_EQ(GetVideoCodecIniName(10, "XVID"), "XVID");
  EXPECT_EQ(GetVideoCodecIniName(-1, "XVID"), "XVID");
  EXPECT_EQ(GetAudioCodecIniName(0, "MP3"), "AUTO");
  EXPECT_EQ(GetAudioCodecIniName(7, "MP3"), "PCM");
  EXPECT_EQ(GetAudioCodecIniName(9, "MP3"), "MP3");
}

TEST(CodecIniNames, EveryWrittenNameReadsBackToItsIndex) {
  TAppStrings strings;
  for (int i = 0; i < VideoCodecCount; ++i) {
    EXPECT_EQ(GetVideoCodecIndexByName(GetVideoCodecIniName(i, ""), -1, strings), i);
  }
  for (int i = 0; i < AudioCodecCount; ++i) {
    EXPECT_EQ(GetAudioCodecIndexByName(GetAudioCodecIniName(i, ""), -1, strings), i);
  }
}

TEST(CodecListTexts, TakeTheTranslatableEntriesFromTheStrings) {
  TAppStrings strings;
  const auto video = VideoCodecListTexts(strings);
  ASSERT_EQ(video.size(), 10u);
  EXPECT_EQ(video[1], "DivX 3 Low-Motion");
  EXPECT_EQ(video[8], "HuffYUV (lossless)");
  EXPECT_EQ(video[9], "Copy original video stream");
  const auto audio = AudioCodecListTexts(strings);
  ASSERT_EQ(audio.size(), 9u);
  EXPECT_EQ(audio[0], "Auto");
  EXPECT_EQ(audio[7], "PCM 16-bit (Little endian)");
  EXPECT_EQ(audio[8], "Copy original audio stream");
}

TEST(EncoderNames, AacFallsBackToFfmpegsOwnEncoder) {
  EXPECT_EQ(AudioEncoderName(acAac, {}), "aac");
  EXPECT_EQ(AudioEncoderName(acAac, {"libfdk_aac", "aac"}), "libfdk_aac");
  EXPECT_EQ(AudioEncoderName(acAuto, {}), "auto");
  EXPECT_EQ(AudioEncoderName(acPcm, {}), "pcm_s16le");
  EXPECT_EQ(AudioEncoderName(9, {}), "");
  EXPECT_EQ(VideoEncoderName(vcDivX3), "msmpeg4");
  EXPECT_EQ(VideoEncoderName(vcHuffYuv), "huffyuv");
  EXPECT_EQ(VideoEncoderName(42), "libxvid");
}

}  // namespace
}  // namespace zelmora
