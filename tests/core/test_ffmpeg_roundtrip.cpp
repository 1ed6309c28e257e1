// Every codec choice, built into a command line, split like the runner splits
// it and run through the real ffmpeg on a tiny generated WebM clip; the
// result is read back with "ffmpeg -i".
#include <gtest/gtest.h>

#include "base/command_line.h"
#include "base/text.h"
#include "builder_fixture.h"
#include "core/codec_tables.h"
#include "support/media_clips.h"
#include "support/spawn.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::BuilderFixture;

struct ProbedFile {
  std::string video;  // ffmpeg's codec name, "" when there is no video stream
  std::string audio;
  std::string videoSize;  // "160x120"
  std::string description;
};

// The codec name after "Video: " or "Audio: " on the first such stream line,
// and for video the first "<width>x<height>" item.
std::string StreamCodec(const std::string& line, const std::string& kind) {
  const size_t at = line.find(kind);
  if (at == std::string::npos) return {};
  const size_t start = at + kind.size();
  return line.substr(start, line.find_first_of(" ,", start) - start);
}

std::string FrameSize(const std::string& line) {
  for (const std::string& item : Split(line, ',')) {
    const std::string word = Trim(item).substr(0, Trim(item).find(' '));
    const size_t x = word.find('x');
    if (x != std::string::npos && x > 0 && ParseWholeNumber(word.substr(0, x)) &&
        ParseWholeNumber(word.substr(x + 1))) {
      return word;
    }
  }
  return {};
}

ProbedFile Probe(const std::string& file) {
  const auto result = test::Spawn({test::FfmpegPath(), "-hide_banner", "-i", file});
  ProbedFile probed;
  probed.description = result.output;
  for (const std::string& line : SplitLines(result.output)) {
    if (line.find("Stream #0:") == std::string::npos) continue;
    if (probed.video.empty() && !StreamCodec(line, "Video: ").empty()) {
      probed.video = StreamCodec(line, "Video: ");
      probed.videoSize = FrameSize(line);
    }
    if (probed.audio.empty()) probed.audio = StreamCodec(line, "Audio: ");
  }
  return probed;
}

// The clip as the analysis describes it: 160 x 120 at 25 fps, one mono
// 44.1 kHz Vorbis track; WebM gives no stream bitrates.
void DescribeClip(TVideoFileInfo& info) {
  info = TVideoFileInfo{};
  TVideoStreamInfo& video = info.VideoStreams[0];
  video.Width = 160;
  video.Height = 120;
  video.FPS = 25;
  video.StreamIndex = 0;
  info.NumberOfVideoStreams = 1;
  TAudioStreamInfo& audio = info.AudioStreams[0];
  audio.Channels = 1;
  audio.SamplingRate = 44100;
  audio.StreamIndex = 1;
  audio.CodecFF = "vorbis";
  info.NumberOfAudioStreams = 1;
}

// VP8 + Vorbis, encoded for speed: the clip is made once per test process.
test::ClipOptions WebmClip() {
  test::ClipOptions clip;
  clip.codecArgs = {"-c:v",      "libvpx", "-deadline", "realtime",
                    "-cpu-used", "8",      "-c:a",      "libvorbis"};
  return clip;
}

class FfmpegRoundTrip : public testing::Test {
protected:
  void SetUp() override {
    ZELMORA_SKIP_WITHOUT_FFMPEG();
    test::ClipOptions clip;
    m_input = test::MakeClip(m_dir.path(), "in 'clip' $1.webm", WebmClip());
    ASSERT_FALSE(m_input.empty());
    DescribeClip(m_fixture.info);
    static const bool fdkAac = test::Spawn({test::FfmpegPath(), "-hide_banner", "-encoders"})
                                   .output.find(" libfdk_aac ") != std::string::npos;
    if (fdkAac) m_fixture.encoders.insert("libfdk_aac");
  }

  // Builds the pieces, runs ffmpeg once or for both passes and reads the
  // output back; a failed run fails the test with ffmpeg's own words.
  ProbedFile Convert(const std::string& outputName = "out \"q\" $x") {
    EncoderSettings& s = m_fixture.settings;
    const std::string output = m_dir.file(outputName + GetExt(s, true));
    const auto pieces = BuildCommandPieces(m_fixture.input());
    EXPECT_TRUE(pieces) << "a piece was rejected";
    if (!pieces) return {};
    std::vector<std::string> lines;
    std::string workDir;
    if (TwoPassRule(s)) {
      workDir = m_dir.mkdir("logs");
      lines = {TwoPassCommandLine(*pieces, s, m_input, output, 1),
               TwoPassCommandLine(*pieces, s, m_input, output, 2)};
    } else {
      lines = {OnePassCommandLine(*pieces, s, m_input, output)};
    }
    for (const std::string& line : lines) {
      const auto argv = SplitCommandLine(QuoteArgument(test::FfmpegPath()) + " " + line);
      const auto result = test::Spawn(argv, workDir);
      EXPECT_EQ(result.exitCode, 0) << line << "\n" << result.output;
      if (result.exitCode != 0) return {};
    }
    return Probe(output);
  }

  test::TempDir m_dir;
  std::string m_input;
  BuilderFixture m_fixture;
};

// One test per table keeps to one process and one generated clip under
// ctest; each row names itself when it fails.
TEST_F(FfmpegRoundTrip, EveryAviVideoCodecWithAutoAudio) {
  const struct {
    int codec;
    const char* probedVideo;
  } rows[] = {{vcXvid, "mpeg4"},  {vcDivX3, "msmpeg4v3"},     {vcH264, "h264"},
              {vcMpeg4, "mpeg4"}, {vcMsMpeg4v2, "msmpeg4v2"}, {vcWmv1, "wmv1"},
              {vcWmv2, "wmv2"},   {vcMotionJpeg, "mjpeg"},    {vcHuffYuv, "huffyuv"},
              {vcCopy, "vp8"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(VideoEncoderName(row.codec));
    m_fixture.settings.Avi.VideoCodec = row.codec;
    const ProbedFile out = Convert();
    EXPECT_EQ(out.video, row.probedVideo) << out.description;
    EXPECT_EQ(out.videoSize, "160x120") << out.description;
    EXPECT_EQ(out.audio, "mp3") << out.description;
  }
}

TEST_F(FfmpegRoundTrip, EveryAudioCodecWithXvid) {
  const struct {
    int codec;
    const char* probedAudio;
  } rows[] = {{acAuto, "mp3"},   {acMp3, "mp3"},       {acMp2, "mp2"},
              {acAc3, "ac3"},    {acAac, "aac"},       {acWma1, "wmav1"},
              {acWma2, "wmav2"}, {acPcm, "pcm_s16le"}, {acCopy, "vorbis"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(GetAudioCodecIniName(row.codec, ""));
    m_fixture.settings.Audio.AudioCodec = row.codec;
    const ProbedFile out = Convert();
    EXPECT_EQ(out.video, "mpeg4") << out.description;
    EXPECT_EQ(out.audio, row.probedAudio) << out.description;
  }
}

TEST_F(FfmpegRoundTrip, MpgCustomAndDvdFormats) {
  const struct {
    const char* name;
    int format;
    int version;
    int audioCodec;
    const char* probedVideo;
    const char* probedAudio;
    const char* size;
  } rows[] = {
      {"custom MPEG-1", mfCustom, 0, acAuto, "mpeg1video", "mp2", "160x120"},
      {"custom MPEG-2", mfCustom, 1, acAuto, "mpeg2video", "mp2", "160x120"},
      {"PAL DVD", mfPalDvd, 0, acAuto, "mpeg2video", "ac3", "720x576"},
      {"NTSC DVD", mfNtscDvd, 0, acAuto, "mpeg2video", "ac3", "720x480"},
      {"custom with MP3", mfCustom, 0, acMp3, "mpeg1video", "mp3", "160x120"},
      {"custom with AC-3", mfCustom, 0, acAc3, "mpeg1video", "ac3", "160x120"},
      // The program stream cannot hold these; they fall back to MP2.
      {"custom with AAC", mfCustom, 0, acAac, "mpeg1video", "mp2", "160x120"},
      {"custom with WMA2", mfCustom, 0, acWma2, "mpeg1video", "mp2", "160x120"},
      {"custom with copied Vorbis", mfCustom, 0, acCopy, "mpeg1video", "mp2", "160x120"},
      {"custom with PCM", mfCustom, 0, acPcm, "mpeg1video", "pcm_dvd", "160x120"},
  };
  EncoderSettings& s = m_fixture.settings;
  s.OutputFormat = TOutputFormat::ofMPG;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    s.Mpg.VideoFormat = row.format;
    s.Mpg.MPEGVersion = row.version;
    s.Audio.AudioCodec = row.audioCodec;
    const ProbedFile out = Convert();
    EXPECT_EQ(out.video, row.probedVideo) << out.description;
    EXPECT_EQ(out.audio, row.probedAudio) << out.description;
    EXPECT_EQ(out.videoSize, row.size) << out.description;
  }
}

TEST_F(FfmpegRoundTrip, TwoPassXvidRunsBothPassesInTheLogFolder) {
  m_fixture.settings.Avi.Video2Pass = true;
  const ProbedFile out = Convert();
  EXPECT_EQ(out.video, "mpeg4") << out.description;
  EXPECT_EQ(out.audio, "mp3");
}

TEST_F(FfmpegRoundTrip, TwoPassH264RunsBothPassesInTheLogFolder) {
  m_fixture.settings.Avi.VideoCodec = vcH264;
  m_fixture.settings.Avi.Video2Pass = true;
  const ProbedFile out = Convert();
  EXPECT_EQ(out.video, "h264") << out.description;
  const auto logs = test::Spawn({"ls", m_dir.file("logs")});
  // The statistics stay in the log folder, where the run removes them.
  EXPECT_NE(logs.output.find("ffmpeg2pass-0.log"), std::string::npos) << logs.output;
}

TEST_F(FfmpegRoundTrip, TwoPassMpeg2) {
  m_fixture.settings.OutputFormat = TOutputFormat::ofMPG;
  m_fixture.settings.Mpg.MPEGVersion = 1;
  m_fixture.settings.Mpg.Video2Pass = true;
  const ProbedFile out = Convert();
  EXPECT_EQ(out.video, "mpeg2video") << out.description;
}

TEST_F(FfmpegRoundTrip, Mpeg1TakesASlowSourceAtTheLowestStandardRate) {
  test::ClipOptions clip = WebmClip();
  clip.rate = 15;
  m_input = test::MakeClip(m_dir.path(), "slow.webm", clip);
  m_fixture.info.VideoStreams[0].FPS = 15;
  m_fixture.settings.OutputFormat = TOutputFormat::ofMPG;
  const ProbedFile out = Convert();
  EXPECT_EQ(out.video, "mpeg1video") << out.description;
  EXPECT_NE(out.description.find("23.98 fps"), std::string::npos) << out.description;
}

TEST_F(FfmpegRoundTrip, EveryFilterAndAudioSettingTogether) {
  EncoderSettings& s = m_fixture.settings;
  TAdvancedSettings& a = s.Advanced;
  a.Resolution = rsCustom;
  a.ResWidth = 98;
  a.ResHeight = 62;
  a.CropTop = a.CropBottom = a.CropLeft = a.CropRight = 8;
  a.Interlacing = ilDeinterlace;
  a.Brightness = true;
  a.BrightnessValue = 3;
  a.Saturation = true;
  a.SaturationValue = 15;
  a.FlipHorizontal = a.FlipVertical = a.Negative = true;
  a.ConvertColors = true;
  a.ConvertColorsValue = ccSepia;
  a.Rotate = true;
  a.RotateValue = "90";
  a.ForceVideoTag = true;
  a.VideoTag = "DX50";
  a.AdditionalParams = "-metadata title=\"a b\"";
  s.Avi.VideoAspect = "16:9";
  s.Avi.VideoFPS = "12,5";
  s.Audio.AudioSampling = "22050";
  s.Audio.AudioChannels = chStereo;
  s.Audio.Volume = 150;
  s.Audio.AudioTrackNo = 1;
  const ProbedFile out = Convert();
  EXPECT_EQ(out.video, "mpeg4") << out.description;
  EXPECT_EQ(out.videoSize, "98x62") << out.description;
  EXPECT_NE(out.description.find("DX50"), std::string::npos) << out.description;
  EXPECT_NE(out.description.find("DAR 16:9"), std::string::npos) << out.description;
  EXPECT_NE(out.description.find("12.50 fps"), std::string::npos) << out.description;
  EXPECT_NE(out.description.find("22050 Hz, stereo"), std::string::npos) << out.description;
  EXPECT_NE(out.description.find("title           : a b"), std::string::npos) << out.description;
}

TEST_F(FfmpegRoundTrip, CopiedStreamsIgnoreFiltersVolumeAndDeinterlacing) {
  EncoderSettings& s = m_fixture.settings;
  s.Avi.VideoCodec = vcCopy;
  s.Audio.AudioCodec = acCopy;
  s.Audio.Volume = 250;
  s.Advanced.Interlacing = ilDeinterlace;
  s.Advanced.FlipHorizontal = true;
  const ProbedFile out = Convert();
  EXPECT_EQ(out.video, "vp8") << out.description;
  EXPECT_EQ(out.audio, "vorbis") << out.description;
}

TEST_F(FfmpegRoundTrip, OutputWithoutVideoOrWithoutAudio) {
  m_fixture.settings.Avi.DoNotCopyVideo = true;
  m_fixture.settings.Advanced.Interlacing = ilDeinterlace;
  ProbedFile out = Convert("audio only");
  EXPECT_EQ(out.video, "") << out.description;
  EXPECT_EQ(out.audio, "mp3") << out.description;
  m_fixture.settings.Avi.DoNotCopyVideo = false;
  m_fixture.settings.Audio.DoNotCopyAudio = true;
  out = Convert("video only");
  EXPECT_EQ(out.video, "mpeg4") << out.description;
  EXPECT_EQ(out.audio, "") << out.description;
}

TEST_F(FfmpegRoundTrip, OddSourceSizeIsEncodedEven) {
  test::ClipOptions clip;
  clip.width = 161;
  clip.height = 119;
  clip.audio = false;
  clip.codecArgs = {"-c:v", "libvpx", "-deadline", "realtime", "-cpu-used", "8"};
  m_input = test::MakeClip(m_dir.path(), "-odd.webm", clip);
  m_fixture.info.VideoStreams[0].Width = 161;
  m_fixture.info.VideoStreams[0].Height = 119;
  m_fixture.info.NumberOfAudioStreams = 0;
  m_fixture.settings.Avi.VideoCodec = vcH264;
  const ProbedFile out = Convert("-odd");
  EXPECT_EQ(out.video, "h264") << out.description;
  EXPECT_EQ(out.videoSize, "162x120") << out.description;
}

}  // namespace
}  // namespace zelmora
