#include <gtest/gtest.h>

#include "builder_fixture.h"

namespace zelmora {
namespace {

using test::BuilderFixture;

void Mpg(BuilderFixture& f) {
  f.settings.OutputFormat = TOutputFormat::ofMPG;
}
void SixChannels(BuilderFixture& f, int bitrate) {
  f.info.AudioStreams[0].Channels = 6;
  f.info.AudioStreams[0].Bitrate = bitrate;
}

struct AudioCase {
  const char* name;
  void (*setup)(BuilderFixture&);
  const char* ac;
  const char* ap;
};

const AudioCase audioCases[] = {
    {"AutoStereoGetsMp3AtTheSourceBitrate", [](BuilderFixture&) {}, "-c:a libmp3lame",
     "-b:a 128k -async 1"},
    {"AutoSixChannelsGetsAc3WithAc3Limits", [](BuilderFixture& f) { SixChannels(f, 448); },
     "-c:a ac3", "-b:a 448k -async 1"},
    {"AutoWithSixChosenChannelsGetsAc3",
     [](BuilderFixture& f) { f.settings.Audio.AudioChannels = chSix; }, "-c:a ac3",
     "-b:a 128k -ac 6 -async 1"},
    {"Mp3DownmixesSixChannelsAndCapsTheBitrate",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acMp3;
       SixChannels(f, 448);
     },
     "-c:a libmp3lame", "-b:a 320k -ac 2 -async 1"},
    // Found by fuzzing: a track number below 0 read before the stream entries.
    {"NegativeTrackNumberMeansTheFirstTrack",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acMp3;
       f.settings.Audio.AudioTrackNo = -1;
       SixChannels(f, 448);
     },
     "-c:a libmp3lame", "-b:a 320k -ac 2 -async 1"},
    {"UnknownSourceBitrateGetsTheMinimum",
     [](BuilderFixture& f) { f.info.AudioStreams[0].Bitrate = 0; }, "-c:a libmp3lame",
     "-b:a 96k -async 1"},
    {"SourceBitrateRoundsUpToTheNextStep",
     [](BuilderFixture& f) { f.info.AudioStreams[0].Bitrate = 130; }, "-c:a libmp3lame",
     "-b:a 160k -async 1"},
    {"AacFallsBackToFfmpegsEncoderWithTheAacLimits",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acAac;
       f.info.AudioStreams[0].SamplingRate = 16000;
     },
     "-c:a aac", "-b:a 96k -async 1"},
    {"AacUsesLibfdkWhenOffered",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acAac;
       f.encoders = {"aac", "libfdk_aac"};
     },
     "-c:a libfdk_aac", "-b:a 128k -async 1"},
    {"Wma2", [](BuilderFixture& f) { f.settings.Audio.AudioCodec = acWma2; }, "-c:a wmav2",
     "-b:a 128k -async 1"},
    {"PcmIgnoresTheBitrateButNotTheSampling",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acPcm;
       f.settings.Audio.AudioBitrate = "500";
       f.settings.Audio.AudioSampling = "22050";
     },
     "-c:a pcm_s16le", "-ar 22050 -async 1"},
    {"CopyIgnoresBitrateSamplingAndVolume",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acCopy;
       f.settings.Audio.AudioBitrate = "500";
       f.settings.Audio.AudioSampling = "22050";
       f.settings.Audio.Volume = 250;
     },
     "-c:a copy", "-async 1"},
    {"CopyStillPassesTheChosenChannels",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acCopy;
       f.settings.Audio.AudioChannels = chStereo;
     },
     "-c:a copy", "-ac 2 -async 1"},
    {"CopyOfOpusIntoAviIsEncodedInstead",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acCopy;
       f.info.AudioStreams[0].CodecFF = "opus";
     },
     "-c:a libmp3lame", "-b:a 128k -async 1"},
    {"VolumeAddsItsFilter", [](BuilderFixture& f) { f.settings.Audio.Volume = 250; },
     "-c:a libmp3lame", "-b:a 128k -af volume=2.50 -async 1"},
    {"SmallVolumeKeepsTwoDecimals", [](BuilderFixture& f) { f.settings.Audio.Volume = 5; },
     "-c:a libmp3lame", "-b:a 128k -af volume=0.05 -async 1"},
    {"TypedValuesAreTrimmed",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioBitrate = " 192 ";
       f.settings.Audio.AudioSampling = " 48000";
       f.settings.Audio.AudioChannels = chMono;
     },
     "-c:a libmp3lame", "-b:a 192k -ar 48000 -ac 1 -async 1"},
    {"TypedSamplingRateSetsTheBitrateLimit",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acMp2;
       f.settings.Audio.AudioSampling = "22050";
       f.info.AudioStreams[0].Bitrate = 192;
     },
     "-c:a mp2", "-b:a 160k -ar 22050 -async 1"},
    {"SecondTrackWithSixChannelsIsDownmixed",
     [](BuilderFixture& f) {
       f.settings.Audio.AudioCodec = acWma1;
       f.settings.Audio.AudioTrackNo = 2;
       f.info.NumberOfAudioStreams = 2;
       f.info.AudioStreams[1].Channels = 6;
     },
     "-c:a wmav1", "-b:a 128k -ac 2 -async 1"},
    {"WithoutAudio", [](BuilderFixture& f) { f.settings.Audio.DoNotCopyAudio = true; }, "-an", ""},
    {"MpgAutoGetsMp2InStereo", Mpg, "-c:a mp2", "-b:a 128k -ac 2 -async 1"},
    {"MpgWithoutAudio",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Audio.DoNotCopyAudio = true;
     },
     "-an", ""},
    {"MpgWithMp3KeepsTheMp3Limits",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Audio.AudioCodec = acMp3;
       f.info.AudioStreams[0].Bitrate = 384;
     },
     "-c:a libmp3lame", "-b:a 320k -ac 2 -async 1"},
    {"MpgAutoWithSixChannelsUsesTheMp2Limits",
     [](BuilderFixture& f) {
       Mpg(f);
       SixChannels(f, 448);
     },
     "-c:a mp2", "-b:a 384k -ac 2 -async 1"},
    {"MpgCannotHoldAacAndGetsMp2",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Audio.AudioCodec = acAac;
     },
     "-c:a mp2", "-b:a 128k -ac 2 -async 1"},
    {"MpgCannotHoldWmaAndGetsMp2",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Audio.AudioCodec = acWma1;
     },
     "-c:a mp2", "-b:a 128k -ac 2 -async 1"},
    {"MpgPcmIsBigEndian",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Audio.AudioCodec = acPcm;
     },
     "-c:a pcm_s16be", "-ac 2 -async 1"},
    {"MpgCopiesMpegAudio",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Audio.AudioCodec = acCopy;
       f.info.AudioStreams[0].CodecFF = "mp3";
     },
     "-c:a copy", "-ac 2 -async 1"},
    {"MpgEncodesVorbisInsteadOfCopyingIt",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Audio.AudioCodec = acCopy;
       f.info.AudioStreams[0].CodecFF = "vorbis";
     },
     "-c:a mp2", "-b:a 128k -ac 2 -async 1"},
    {"NtscDvdKeepsTheAutomaticBitrateAndStereo",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Mpg.VideoFormat = mfNtscDvd;
     },
     "", "-b:a 128k -ac 2 -async 1"},
    {"DvdLeavesTheSamplingRateToTheTarget",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Mpg.VideoFormat = mfPalDvd;
       f.settings.Audio.AudioSampling = "22050";
     },
     "", "-b:a 128k -ac 2 -async 1"},
    {"DvdWithoutAudio",
     [](BuilderFixture& f) {
       Mpg(f);
       f.settings.Mpg.VideoFormat = mfPalDvd;
       f.settings.Audio.DoNotCopyAudio = true;
     },
     "", ""},
};

class AudioPieces : public testing::TestWithParam<AudioCase> {};

TEST_P(AudioPieces, AreBuiltFromSettingsAndSource) {
  BuilderFixture f;
  GetParam().setup(f);
  EXPECT_EQ(f.AC(), GetParam().ac);
  EXPECT_EQ(f.AP(), GetParam().ap);
  EXPECT_TRUE(f.messages.warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, AudioPieces, testing::ValuesIn(audioCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AudioParams, RejectedTextsShowTheirMessage) {
  BuilderFixture f;
  f.settings.Audio.AudioBitrate = "128k";
  EXPECT_EQ(GetAudioParamsStr(f.input()), "ERROR");
  f.settings.Audio.AudioBitrate = "Auto";
  f.settings.Audio.AudioSampling = "44.1";
  EXPECT_EQ(GetAudioParamsStr(f.input()), "ERROR");
  EXPECT_EQ(f.messages.warnings,
            (std::vector<std::string>{
                "Audio bitrate: 128k\r\nBitrate must be an integer value!",
                "Audio sampling frequency: 44.1\r\nFrequency must be an integer value!"}));
}

TEST(AudioParams, TheSamplingTextIsCheckedEvenForCopy) {
  BuilderFixture f;
  f.settings.Audio.AudioCodec = acCopy;
  f.settings.Audio.AudioSampling = "fast";
  EXPECT_EQ(GetAudioParamsStr(f.input()), "ERROR");
  EXPECT_EQ(f.messages.warnings.size(), 1u);
}

TEST(AudioCodec, SelectedNameIsTheBareEncoder) {
  BuilderFixture f;
  EXPECT_EQ(GetSelectedAudioCodecStr(f.input()), "auto");
  f.settings.Audio.AudioCodec = acAc3;
  EXPECT_EQ(GetSelectedAudioCodecStr(f.input()), "ac3");
  f.settings.Audio.AudioCodec = 12;
  EXPECT_EQ(GetSelectedAudioCodecStr(f.input()), "");
  // Outside the list the builder works as for Auto.
  EXPECT_EQ(f.AC(), "-c:a libmp3lame");
}

TEST(BuilderNumbers, ChooseAudioBitrate) {
  EXPECT_EQ(ChooseAudioBitrate(0, 128, 96, 320), 96);
  EXPECT_EQ(ChooseAudioBitrate(100, 128, 96, 320), 112);
  EXPECT_EQ(ChooseAudioBitrate(130, 128, 96, 320), 160);
  EXPECT_EQ(ChooseAudioBitrate(500, 128, 96, 320), 320);
  EXPECT_EQ(ChooseAudioBitrate(700, 128, 96, 320), 320);
  EXPECT_EQ(ChooseAudioBitrate(700, 128, 96, 1000), 128);
  EXPECT_EQ(ChooseAudioBitrate(0, 128, 0, 320), 32);
}

TEST(BuilderNumbers, LookupMaxAudioBitrate) {
  EXPECT_EQ(LookupMaxAudioBitrate("LIBMP3LAME", 22050, 320), 160);
  EXPECT_EQ(LookupMaxAudioBitrate("ac3", 48000, 320), 640);
  EXPECT_EQ(LookupMaxAudioBitrate("auto", 48000, 320), 320);
  EXPECT_EQ(LookupMaxAudioBitrate("mp2", 96000, 320), 320);
}

TEST(BuilderNumbers, VolumeFactorText) {
  EXPECT_EQ(VolumeFactorText(150), "1.50");
  EXPECT_EQ(VolumeFactorText(5), "0.05");
  EXPECT_EQ(VolumeFactorText(300), "3.00");
}

}  // namespace
}  // namespace zelmora
