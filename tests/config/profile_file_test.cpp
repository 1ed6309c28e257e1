#include "config/profile_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "i18n/app_strings.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

EncoderSettings Defaults(const TAppStrings& strings, int defaultCodec = vcXvid) {
  EncoderSettings settings;
  SetDefaultParams(settings, defaultCodec, strings);
  return settings;
}

struct ReadCase {
  const char* name;
  const char* ini;
  std::function<std::string(const EncoderSettings&)> field;
  const char* expected;
};

std::string Int(int value) {
  return std::to_string(value);
}

// Read with H.264 as the configured default codec, so that a fallback to it
// differs from the fixed Xvid default of a missing key.
TEST(LoadProfile, BringsEveryValueIntoRangeByItsKeysRule) {
  const auto codec = [](const EncoderSettings& s) { return Int(s.Avi.VideoCodec); };
  const auto audio = [](const EncoderSettings& s) { return Int(s.Audio.AudioCodec); };
  const std::vector<ReadCase> cases = {
      {"x.264 selects H.264", "[AVI]\nVideoCodec=x.264", codec, "2"},
      {"x-264 in capitals selects H.264", "[AVI]\nVideoCodec=X-264", codec, "2"},
      {"the number 3 selects MPEG-4", "[AVI]\nVideoCodec=3", codec, "3"},
      {"the number 12 selects the default codec", "[AVI]\nVideoCodec=12", codec, "2"},
      {"a negative number selects the default codec", "[AVI]\nVideoCodec=-1", codec, "2"},
      {"an unknown word selects the default codec", "[AVI]\nVideoCodec=Theora", codec, "2"},
      {"a missing codec is Xvid", "[AVI]\nVideoBitrate=1", codec, "0"},
      {"Motion JPEG is found with its blank", "[AVI]\nVideoCodec=Motion JPEG", codec, "7"},
      {"the copy entry's caption selects COPY", "[AVI]\nVideoCodec=copy original video stream",
       codec, "9"},
      {"wav in small letters selects PCM", "[AUDIO]\nAudioCodec=wav", audio, "7"},
      {"the number 9 selects Auto", "[AUDIO]\nAudioCodec=9", audio, "0"},
      {"an unknown audio word selects Auto", "[AUDIO]\nAudioCodec=opus", audio, "0"},
      {"a missing audio codec is Auto", "[AUDIO]\nVolume=100", audio, "0"},
      {"Volume 500 gives 300", "[AUDIO]\nVolume=500",
       [](const EncoderSettings& s) { return Int(s.Audio.Volume); }, "300"},
      {"Volume -5 gives 0", "[AUDIO]\nVolume=-5",
       [](const EncoderSettings& s) { return Int(s.Audio.Volume); }, "0"},
      {"Interlacing 7 gives 0", "[ADVANCED]\nInterlacing=7",
       [](const EncoderSettings& s) { return Int(s.Advanced.Interlacing); }, "0"},
      {"SaturationValue 0 gives 10", "[ADVANCED]\nSaturationValue=0",
       [](const EncoderSettings& s) { return Int(s.Advanced.SaturationValue); }, "10"},
      {"BrightnessValue 25 gives 0", "[ADVANCED]\nBrightnessValue=25",
       [](const EncoderSettings& s) { return Int(s.Advanced.BrightnessValue); }, "0"},
      {"BrightnessValue -20 stays", "[ADVANCED]\nBrightnessValue=-20",
       [](const EncoderSettings& s) { return Int(s.Advanced.BrightnessValue); }, "-20"},
      {"ConvertColorsValue 2 gives 0", "[ADVANCED]\nConvertColorsValue=2",
       [](const EncoderSettings& s) { return Int(s.Advanced.ConvertColorsValue); }, "0"},
      {"RotateValue 45 becomes the rotation text", "[ADVANCED]\nRotateValue=45",
       [](const EncoderSettings& s) { return s.Advanced.RotateValue; }, "45"},
      {"a RotateValue that is no number keeps the current degrees", "[ADVANCED]\nRotateValue=half",
       [](const EncoderSettings& s) { return s.Advanced.RotateValue; }, "180"},
      {"ResWidth beyond the field's limit is cut to it", "[ADVANCED]\nResWidth=99999",
       [](const EncoderSettings& s) { return Int(s.Advanced.ResWidth); }, "30000"},
      {"a negative crop becomes 0", "[ADVANCED]\nCropLeft=-4",
       [](const EncoderSettings& s) { return Int(s.Advanced.CropLeft); }, "0"},
      {"AudioChannels outside its list is kept as it is", "[AUDIO]\nAudioChannels=9",
       [](const EncoderSettings& s) { return Int(s.Audio.AudioChannels); }, "9"},
      {"a bitrate that is no integer is Auto", "[AVI]\nVideoBitrate=fast",
       [](const EncoderSettings& s) { return s.Avi.VideoBitrate; }, "Auto"},
      {"an empty bitrate is Auto", "[AUDIO]\nAudioBitrate=",
       [](const EncoderSettings& s) { return s.Audio.AudioBitrate; }, "Auto"},
      {"an integer sampling rate is kept", "[AUDIO]\nAudioSampling=22050",
       [](const EncoderSettings& s) { return s.Audio.AudioSampling; }, "22050"},
      {"an empty frame rate is Auto",
       "[MPG]\nVideoFPS=", [](const EncoderSettings& s) { return s.Mpg.VideoFPS; }, "Auto"},
      {"a frame-rate text is kept", "[AVI]\nVideoFPS=29.97",
       [](const EncoderSettings& s) { return s.Avi.VideoFPS; }, "29.97"},
      {"OutputFormat mpg in small letters picks MPG", "[MAIN]\nOutputFormat=mpg",
       [](const EncoderSettings& s) { return Int(s.OutputFormat == TOutputFormat::ofMPG); }, "1"},
      {"any other OutputFormat picks AVI", "[MAIN]\nOutputFormat=MKV",
       [](const EncoderSettings& s) { return Int(s.OutputFormat == TOutputFormat::ofMPG); }, "0"},
      {"a boolean that is no integer keeps the current value", "[AVI]\nVideo2Pass=yes",
       [](const EncoderSettings& s) { return Int(s.Avi.Video2Pass); }, "0"},
      {"any integer but 0 is true", "[MPG]\nVideo2Pass=-3",
       [](const EncoderSettings& s) { return Int(s.Mpg.Video2Pass); }, "1"},
      {"&quot; becomes a double quote",
       "[ADVANCED]\nAdditionalParams=-metadata title=&quot;A B&quot;",
       [](const EncoderSettings& s) { return s.Advanced.AdditionalParams; },
       "-metadata title=\"A B\""},
      {"section and key names ignore case", "[advanced]\nvideotag=DX50",
       [](const EncoderSettings& s) { return s.Advanced.VideoTag; }, "DX50"},
  };
  const TAppStrings strings;
  test::TempDir dir;
  for (const ReadCase& c : cases) {
    EncoderSettings settings = Defaults(strings, vcH264);
    ASSERT_TRUE(LoadProfile(dir.write("p.ini", c.ini), settings, strings, vcH264)) << c.name;
    EXPECT_EQ(c.field(settings), c.expected) << c.name;
  }
}

TEST(LoadProfile, AMissingFileChangesNothing) {
  const TAppStrings strings;
  EncoderSettings settings = Defaults(strings);
  settings.Avi.VideoCodec = vcWmv2;
  EXPECT_FALSE(LoadProfile("/nonexistent/profile.ini", settings, strings, vcXvid));
  EXPECT_EQ(settings.Avi.VideoCodec, vcWmv2);
}

EncoderSettings Unusual(const TAppStrings& strings) {
  EncoderSettings s = Defaults(strings);
  s.OutputFormat = TOutputFormat::ofMPG;
  s.Avi = {vcMotionJpeg, "2500", "23.976", "16:9", true, true, "3"};
  s.Mpg = {mfNtscDvd, 1, "6000", "29.97", true, false};
  s.Audio = {acAc3, "192", "48000", chSix, true, 150, 0};
  s.Advanced.Resolution = 5;
  s.Advanced.ResWidth = 720;
  s.Advanced.ResHeight = 576;
  s.Advanced.ForceVideoTag = true;
  s.Advanced.VideoTag = "DIVX";
  s.Advanced.CropTop = 8;
  s.Advanced.CropRight = 16;
  s.Advanced.AdditionalParams = "-metadata title=\"Zażółć $HOME\"\n-metadata 'artist=x'";
  s.Advanced.Interlacing = ilKeepOriginal;
  s.Advanced.ConvertColors = true;
  s.Advanced.ConvertColorsValue = ccSepia;
  s.Advanced.Brightness = true;
  s.Advanced.BrightnessValue = -7;
  s.Advanced.Saturation = true;
  s.Advanced.SaturationValue = 25;
  s.Advanced.FlipVertical = true;
  s.Advanced.Negative = true;
  s.Advanced.Rotate = true;
  s.Advanced.RotateValue = "90";
  return s;
}

TEST(SaveProfile, WritesWhatLoadReadsBackAndAgainTheSameFile) {
  const TAppStrings strings;
  test::TempDir dir;
  ASSERT_TRUE(SaveProfile(dir.file("a.ini"), Unusual(strings), strings).ok());
  EncoderSettings loaded = Defaults(strings);
  ASSERT_TRUE(LoadProfile(dir.file("a.ini"), loaded, strings, vcXvid));
  ASSERT_TRUE(SaveProfile(dir.file("b.ini"), loaded, strings).ok());
  EXPECT_EQ(ReadWholeFile(dir.file("a.ini")).value(), ReadWholeFile(dir.file("b.ini")).value());
  EXPECT_EQ(loaded.Avi.VideoCodec, vcMotionJpeg);
  EXPECT_EQ(loaded.Audio.AudioCodec, acAc3);
  EXPECT_EQ(loaded.Advanced.AdditionalParams,
            "-metadata title=\"Zażółć $HOME\" -metadata 'artist=x'");
  EXPECT_EQ(loaded.Advanced.RotateValue, "90");
}

TEST(SaveProfile, WritesAutoAsEmptyAndQuotesAsEntities) {
  const TAppStrings strings;
  test::TempDir dir;
  EncoderSettings s = Defaults(strings);
  s.Avi.VideoCodec = 42;  // no profile name: written as Xvid
  s.Avi.EncoderThreads = " 4 ";
  s.Advanced.AdditionalParams = "  -x \"1\"\r\n\n-y  ";
  s.Advanced.RotateValue = "sideways";
  ASSERT_TRUE(SaveProfile(dir.file("p.ini"), s, strings).ok());
  const std::string text = ReadWholeFile(dir.file("p.ini")).value();
  for (const char* line : {"[MAIN]\nAppName=Zelmora\nAppVer=1.5\nOutputFormat=AVI\n",
                           "[AVI]\nVideoCodec=XVID\n", "VideoBitrate=\nVideoFPS=\nVideoAspect=\n",
                           "EncoderThreads=4\n", "AudioCodec=AUTO\nAudioBitrate=\nAudioSampling=\n",
                           "AdditionalParams=-x &quot;1&quot;  -y\n", "RotateValue=180\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
  }
}

TEST(SaveProfile, KeepsTheKeysWrittenByHand) {
  const TAppStrings strings;
  test::TempDir dir;
  const std::string path = dir.write("Fast.ini",
                                     "; shipped profile\n[MAIN]\nDisplayName=Fast[clb=#FF0000]\n"
                                     "SortIndex=2.5\nBgColor=#102030\n[AVI]\nVideoCodec=WMV2\n");
  ASSERT_TRUE(SaveProfile(path, Defaults(strings), strings).ok());
  const std::string text = ReadWholeFile(path).value();
  for (const char* kept : {"; shipped profile\n", "DisplayName=Fast[clb=#FF0000]\n",
                           "SortIndex=2.5\n", "BgColor=#102030\n", "VideoCodec=Xvid\n"}) {
    EXPECT_NE(text.find(kept), std::string::npos) << kept << "\nin\n" << text;
  }
}

TEST(SaveProfile, AFailedSaveReportsItsErrorAndKeepsTheFolderIntact) {
  const TAppStrings strings;
  test::TempDir dir;
  dir.write("notadir", "x");
  EXPECT_FALSE(SaveProfile(dir.file("notadir/p.ini"), Defaults(strings), strings).ok());
  EXPECT_EQ(ReadWholeFile(dir.file("notadir")).value(), "x");
}

}  // namespace
}  // namespace zelmora
