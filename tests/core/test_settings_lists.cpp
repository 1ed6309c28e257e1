#include <gtest/gtest.h>

#include "base/files.h"
#include "base/text.h"
#include "core/audio_bitrates.h"
#include "core/encoder_settings.h"
#include "core/fourcc_list.h"
#include "core/resolution_list.h"
#include "core/value_lists.h"
#include "i18n/app_strings.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

TEST(ValueLists, BitrateListsFollowTheSteppingRule) {
  TAppStrings strings;
  const auto avi = AviVideoBitrateList(strings);
  ASSERT_EQ(avi.size(), 55u);
  EXPECT_EQ(avi[0], "Auto");
  EXPECT_EQ(avi[1], "50");
  EXPECT_EQ(avi[10], "500");
  EXPECT_EQ(avi[11], "600");
  EXPECT_EQ(avi[21], "1750");
  EXPECT_EQ(avi[34], "5000");
  EXPECT_EQ(avi[35], "5500");
  EXPECT_EQ(avi[45], "11000");
  EXPECT_EQ(avi[54], "20000");
  const auto mpg = MpgVideoBitrateList(strings);
  ASSERT_EQ(mpg.size(), 69u);
  EXPECT_EQ(mpg[55], "20500");
  EXPECT_EQ(mpg[68], "27000");
}

TEST(ValueLists, FixedListsHaveTheirEntries) {
  TAppStrings strings;
  strings.Main.Auto = "Auto!";
  EXPECT_EQ(VideoFpsList(strings).size(), 16u);
  EXPECT_EQ(VideoFpsList(strings)[5], "14.985");
  EXPECT_EQ(VideoAspectList(strings).back(), "12:5");
  EXPECT_EQ(EncoderThreadsList(strings).size(), 25u);
  EXPECT_EQ(AudioBitrateList(strings).size(), 23u);
  EXPECT_EQ(AudioBitrateList(strings).back(), "640");
  EXPECT_EQ(AudioSamplingList(strings)[1], "16000");
  EXPECT_EQ(AudioChannelsList(strings),
            (std::vector<std::string>{"Auto!", "1 - Mono", "2 - Stereo", "6"}));
  EXPECT_EQ(InterlacingList(strings),
            (std::vector<std::string>{"Auto!", "Deinterlace", "Keep original"}));
  const auto rotate = RotateValueList();
  ASSERT_EQ(rotate.size(), 23u);
  EXPECT_EQ(rotate.front(), "15");
  EXPECT_EQ(rotate.back(), "345");
  EXPECT_EQ(AudioTrackAutoEntry(strings), "Auto! (first audio track)");
  EXPECT_EQ(MpgVideoFormatList(strings)[2], "Custom");
  EXPECT_EQ(MpgFormatInfoText(mfNtscDvd, strings), "MPEG-2 / 720 x 480 / 29.970 fps / AC3");
  EXPECT_EQ(MpgFormatInfoText(mfCustom, strings), "User settings");
  const auto resolutions = ResolutionChoiceList(strings, BuiltInResolutionList());
  ASSERT_EQ(resolutions.size(), 17u);
  EXPECT_EQ(resolutions[1], "Custom");
  EXPECT_EQ(resolutions[2], "128 x 96 - SQCIF");
  EXPECT_EQ(resolutions[16], "1920 x 1080 - HD1080");
}

TEST(ResolutionList, FileLinesAreTrimmedAndCommentsSkipped) {
  const auto entries = ParseResolutionListText(
      "// my sizes\r\n  640 x 480 - VGA  \r\n\r\n   \n50% - half size\n"
      "  // indented comment\n720x576\n");
  EXPECT_EQ(entries, (std::vector<std::string>{"640 x 480 - VGA", "50% - half size", "720x576"}));
}

TEST(ResolutionList, AMissingFileSelectsTheBuiltInList) {
  test::TempDir dir;
  EXPECT_EQ(LoadResolutionList(dir.file("resolutions.txt")), BuiltInResolutionList());
  const std::string file = dir.write("resolutions.txt", "333 x 222\n");
  EXPECT_EQ(LoadResolutionList(file), (std::vector<std::string>{"333 x 222"}));
}

TEST(FourccList, EachLineGivesTheTagBeforeItsFirstBlank) {
  const auto tags = ParseFourccListText(
      "XVID\r\n// DIVX comment\r\n   DX50      DivX 5 codec   \r\n\r\nFMP4\tFFmpeg MPEG-4\n"
      "//X comment\n H264 x\n");
  EXPECT_EQ(tags, (std::vector<std::string>{"DX50", "FMP4", "H264"}));
}

TEST(FourccList, AMissingFileSelectsTheBuiltInList) {
  test::TempDir dir;
  const auto builtIn = InitFourccList(dir.file("fourcc_video_tags.txt"));
  ASSERT_EQ(builtIn.size(), 11u);
  EXPECT_EQ(builtIn[5], "DivX");
  EXPECT_EQ(builtIn.back(), "XVID");
  const std::string file = dir.write("fourcc_video_tags.txt", "MP43 MS MPEG-4 v3\n");
  EXPECT_EQ(InitFourccList(file), (std::vector<std::string>{"MP43"}));
}

TEST(AudioBitrateLimits, HoldOneEntryPerRateAndEncoder) {
  const auto& table = AudioBitrateLimits();
  EXPECT_EQ(table.size(), 36u);
  EXPECT_EQ(table[0].SamplingRate, 16000);
  EXPECT_STREQ(table[0].Encoder, "libmp3lame");
  const auto ac3 = FindAudioBitrateLimit("AC3", 32000);
  ASSERT_TRUE(ac3);
  EXPECT_EQ(ac3->Lowest, 32);
  EXPECT_EQ(ac3->Highest, 640);
  // ffmpeg's own AAC encoder is held to the libfdk_aac limits.
  EXPECT_EQ(FindAudioBitrateLimit("aac", 16000)->Highest, 96);
  EXPECT_FALSE(FindAudioBitrateLimit("mp2", 8000));
  EXPECT_FALSE(FindAudioBitrateLimit("pcm_s16le", 44100));
}

std::string Dashes(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "   -";
  return text;
}

TEST(AudioBitrateReport, WritesEveryRateWithFourCharacterColumns) {
  const std::vector<std::string> lines = Split(AudioBitrateReportText(), '\n');
  // 6 rates x 7 lines, 5 empty lines between them, and the final line end.
  ASSERT_EQ(lines.size(), 6u * 7 + 5 + 1);
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(lines[0], "Sampling rate: 16000\r");
  EXPECT_EQ(lines[1],
            " MP3:    8  16  24  32  40  48  56  64  80  96 112 128 160" + Dashes(9) + "\r");
  EXPECT_EQ(lines[6],
            "WMA2:    -   -  24  32  40  48  56  64  80  96 112 128 160 192 224 256 320 384 448 "
            "512 576 640\r");
  EXPECT_EQ(lines[7], "\r");
  EXPECT_EQ(lines[8], "Sampling rate: 22050\r");
  EXPECT_EQ(lines[40], "Sampling rate: 48000\r");
  EXPECT_EQ(lines[44], " AAC:    8  16  24  32  40  48  56  64  80  96 112 128 160 192 224 256" +
                           Dashes(6) + "\r");
  EXPECT_EQ(lines[43],
            " AC3:    -   -   -  32  40  48  56  64  80  96 112 128 160 192 224 256 "
            "320 384 448 512 576 640\r");
}

TEST(AudioBitrateReport, ReplacesTheFile) {
  test::TempDir dir;
  const std::string file = dir.write("audio_bitrates.txt", "old");
  ASSERT_TRUE(WriteAudioBitrateReport(file).ok());
  const auto content = ReadWholeFile(file);
  ASSERT_TRUE(content.ok());
  EXPECT_EQ(content.value(), AudioBitrateReportText());
  EXPECT_FALSE(WriteAudioBitrateReport(dir.file("missing/folder/audio_bitrates.txt")).ok());
}

}  // namespace
}  // namespace zelmora
