#include <gtest/gtest.h>

#include "core/encoder_settings.h"
#include "core/settings_rules.h"
#include "i18n/app_strings.h"

namespace zelmora {
namespace {

TEST(SetDefaultParams, UsesTheCurrentAutoWordAndTheConfiguredCodec) {
  TAppStrings strings;
  strings.Main.Auto = "Automatisch";
  EncoderSettings s;
  s.OutputFormat = TOutputFormat::ofMPG;
  s.Advanced.AdditionalParams = "-metadata title=x";
  s.Audio.AudioTrackNo = 3;
  s.Advanced.RotateValue = "90";
  SetDefaultParams(s, vcH264, strings);

  EXPECT_EQ(s.OutputFormat, TOutputFormat::ofAVI);
  EXPECT_EQ(s.Avi.VideoCodec, vcH264);
  for (const std::string* text :
       {&s.Avi.VideoBitrate, &s.Avi.VideoFPS, &s.Avi.VideoAspect, &s.Avi.EncoderThreads,
        &s.Mpg.VideoBitrate, &s.Mpg.VideoFPS, &s.Audio.AudioBitrate, &s.Audio.AudioSampling}) {
    EXPECT_EQ(*text, "Automatisch");
  }
  EXPECT_EQ(s.Mpg.VideoFormat, mfCustom);
  EXPECT_EQ(s.Audio.Volume, 100);
  EXPECT_EQ(s.Audio.AudioTrackNo, 0);
  EXPECT_EQ(s.Advanced.ResWidth, 854);
  EXPECT_EQ(s.Advanced.ResHeight, 480);
  EXPECT_EQ(s.Advanced.VideoTag, "XVID");
  EXPECT_EQ(s.Advanced.SaturationValue, 10);
  EXPECT_EQ(s.Advanced.RotateValue, "180");
  EXPECT_TRUE(s.Advanced.AdditionalParams.empty());
}

TEST(IsAutoText, ComparesTrimmedAndWithoutLetterCaseAgainstTheCurrentWord) {
  TAppStrings strings;
  EXPECT_TRUE(IsAutoText("  auto ", strings));
  EXPECT_TRUE(IsAutoText("AUTO", strings));
  EXPECT_FALSE(IsAutoText("Automatic", strings));
  EXPECT_FALSE(IsAutoText("", strings));
  strings.Main.Auto = "Äuto";
  EXPECT_TRUE(IsAutoText("äUTO", strings));
  EXPECT_FALSE(IsAutoText("Auto", strings));
}

TEST(DefaultVideoCodecIndexFromName, OnlyH264SelectsH264) {
  EXPECT_EQ(DefaultVideoCodecIndexFromName("  h.264 "), vcH264);
  EXPECT_EQ(DefaultVideoCodecIndexFromName("H264"), vcXvid);
  EXPECT_EQ(DefaultVideoCodecIndexFromName("Xvid"), vcXvid);
  EXPECT_EQ(DefaultVideoCodecIndexFromName(""), vcXvid);
}

TEST(ParseWholeNumber, AcceptsSignedDecimalDigitsOnly) {
  EXPECT_EQ(ParseWholeNumber(" 1200 "), 1200);
  EXPECT_EQ(ParseWholeNumber("-5"), -5);
  EXPECT_EQ(ParseWholeNumber("+7"), 7);
  EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
  EXPECT_FALSE(ParseWholeNumber("2147483648"));
  EXPECT_FALSE(ParseWholeNumber("1200 kb"));
  EXPECT_FALSE(ParseWholeNumber("0x10"));
  EXPECT_FALSE(ParseWholeNumber("$10"));
  EXPECT_FALSE(ParseWholeNumber("1.5"));
  EXPECT_FALSE(ParseWholeNumber(""));
  EXPECT_FALSE(ParseWholeNumber("-"));
}

// Which field groups take effect, for the combinations the window and the
// builder must agree on.
struct RuleCase {
  const char* name;
  void (*setup)(EncoderSettings&);
  bool scaling, filters, tag, aspect, audio, deinterlacing;
};

const RuleCase ruleCases[] = {
    {"AviXvidEverythingApplies", [](EncoderSettings&) {}, true, true, true, true, true, true},
    {"AviCopyKeepsOnlyTheTagAndAudio", [](EncoderSettings& s) { s.Avi.VideoCodec = vcCopy; }, false,
     false, true, false, true, false},
    {"AviHuffYuvIgnoresTheAspect", [](EncoderSettings& s) { s.Avi.VideoCodec = vcHuffYuv; }, true,
     true, true, false, true, true},
    {"AviWithoutVideoKeepsOnlyAudio", [](EncoderSettings& s) { s.Avi.DoNotCopyVideo = true; },
     false, false, false, false, true, false},
    {"AviWithoutAudioDropsDeinterlacing", [](EncoderSettings& s) { s.Audio.DoNotCopyAudio = true; },
     true, true, true, true, false, false},
    {"MpgPalDvdKeepsOnlyTheFilters",
     [](EncoderSettings& s) {
       s.OutputFormat = TOutputFormat::ofMPG;
       s.Mpg.VideoFormat = mfPalDvd;
     },
     false, true, false, false, false, false},
    {"MpgCustomHasNoAspect", [](EncoderSettings& s) { s.OutputFormat = TOutputFormat::ofMPG; },
     true, true, true, false, true, true},
    {"MpgIgnoresTheAviDoNotCopyVideo",
     [](EncoderSettings& s) {
       s.OutputFormat = TOutputFormat::ofMPG;
       s.Avi.DoNotCopyVideo = true;
     },
     true, true, true, false, true, true},
    {"MpgFormatOutsideTheListCountsAsCustom",
     [](EncoderSettings& s) {
       s.OutputFormat = TOutputFormat::ofMPG;
       s.Mpg.VideoFormat = 7;
     },
     true, true, true, false, true, true},
};

class SettingsRules : public testing::TestWithParam<RuleCase> {};

TEST_P(SettingsRules, DecideWhichFieldsTakeEffect) {
  EncoderSettings s;
  GetParam().setup(s);
  EXPECT_EQ(ScalingApplies(s), GetParam().scaling);
  EXPECT_EQ(FiltersApply(s), GetParam().filters);
  EXPECT_EQ(VideoTagApplies(s), GetParam().tag);
  EXPECT_EQ(AspectApplies(s), GetParam().aspect);
  EXPECT_EQ(AudioSettingsApply(s), GetParam().audio);
  EXPECT_EQ(DeinterlacingApplies(s), GetParam().deinterlacing);
}

INSTANTIATE_TEST_SUITE_P(Combinations, SettingsRules, testing::ValuesIn(ruleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldRules, AviCopyDisablesBitrateFpsAndAspectButNotTheTag) {
  EncoderSettings s;
  s.Avi.VideoCodec = vcCopy;
  EXPECT_FALSE(AviVideoBitrateApplies(s));
  EXPECT_FALSE(AviVideoFpsApplies(s));
  EXPECT_FALSE(AviVideoAspectEnabled(s));
  EXPECT_TRUE(VideoTagApplies(s));
  s.Avi.VideoCodec = vcHuffYuv;
  EXPECT_FALSE(AviVideoBitrateApplies(s));
  EXPECT_TRUE(AviVideoAspectEnabled(s));
  EXPECT_FALSE(AspectApplies(s));
}

TEST(FieldRules, ThreadsOnlyForH264) {
  EncoderSettings s;
  EXPECT_FALSE(AviEncoderThreadsApply(s));
  s.Avi.VideoCodec = vcH264;
  EXPECT_TRUE(AviEncoderThreadsApply(s));
  s.Avi.DoNotCopyVideo = true;
  EXPECT_FALSE(AviEncoderThreadsApply(s));
}

TEST(FieldRules, PcmIgnoresTheBitrateAndCopyAlsoSamplingAndChannels) {
  EncoderSettings s;
  s.Audio.AudioCodec = acPcm;
  EXPECT_FALSE(AudioBitrateApplies(s));
  EXPECT_TRUE(AudioSamplingApplies(s));
  EXPECT_TRUE(AudioChannelsApply(s));
  s.Audio.AudioCodec = acCopy;
  EXPECT_FALSE(AudioSamplingApplies(s));
  EXPECT_FALSE(AudioChannelsApply(s));
}

TEST(FieldRules, DvdTargetsDisableTheCustomFieldsAndDoNotCopyAudio) {
  EncoderSettings s;
  s.OutputFormat = TOutputFormat::ofMPG;
  EXPECT_TRUE(MpgCustomFieldsApply(s));
  EXPECT_TRUE(DoNotCopyAudioEnabled(s));
  s.Mpg.VideoFormat = mfNtscDvd;
  EXPECT_FALSE(MpgCustomFieldsApply(s));
  EXPECT_TRUE(MpgVideoFieldsApply(s));
  EXPECT_FALSE(DoNotCopyAudioEnabled(s));
  EXPECT_FALSE(CustomSizeApplies(s));
}

}  // namespace
}  // namespace zelmora
