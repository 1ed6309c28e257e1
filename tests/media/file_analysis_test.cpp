#include "media/file_analysis.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "base/numbers.h"
#include "media_test_files.h"
#include "process/console_runner.h"
#include "support/media_clips.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::SystemMediaInfoLibrary;
using test::TestMediaFile;

// The full analysis with or without MediaInfo: a library path that points
// nowhere leaves the probe alone.
class FileAnalysisTest : public ::testing::Test {
protected:
  void SetUp() override { ZELMORA_SKIP_WITHOUT_FFMPEG(); }

  TVideoFileInfo Analyze(const std::string& path, bool withMediaInfo) {
    TVideoFileInfo info;
    AnalyzeVideoFile(m_runner, path, test::FfmpegPath(), withMediaInfo ? Library() : NoLibrary(),
                     info);
    return info;
  }
  const std::string& Library() {
    if (SystemMediaInfoLibrary().empty()) ADD_FAILURE() << "libmediainfo.so.0 is not installed";
    return SystemMediaInfoLibrary();
  }
  std::string NoLibrary() const { return m_dir.file("no/libmediainfo.so.0"); }

  ConsoleRunner m_runner;
  test::TempDir m_dir;
};

TEST_F(FileAnalysisTest, ProbeAloneReadsWebmStreamsThroughParenthesisedItems) {
  std::string path = TestMediaFile("vp8.webm");
  TVideoFileInfo info = Analyze(path, false);
  EXPECT_EQ(info.FileName, path);
  EXPECT_EQ(info.FileSize, static_cast<int64_t>(std::filesystem::file_size(path)));
  EXPECT_EQ(info.Seconds, 1u);
  EXPECT_NEAR(info.Duration, 1000, 10);
  ASSERT_EQ(info.NumberOfVideoStreams, 1);
  ASSERT_EQ(info.NumberOfAudioStreams, 1);
  const TVideoStreamInfo& v = info.VideoStreams[0];
  EXPECT_EQ(v.Codec, "vp8");
  EXPECT_EQ(v.Width, 160);
  EXPECT_EQ(v.Height, 120);
  EXPECT_DOUBLE_EQ(v.FPS, 25);
  EXPECT_EQ(v.Frames, 25u);
  EXPECT_EQ(info.AudioStreams[0].CodecFF, "vorbis");
  EXPECT_EQ(info.AudioStreams[0].StreamIndex, 1);
  EXPECT_TRUE(info.Format.empty());
  EXPECT_TRUE(info.MediaInfoFull.empty());
}

TEST_F(FileAnalysisTest, MediaInfoRefinesWhatTheProbeFound) {
  struct Case {
    const char* file;
    const char* format;
    const char* videoCodec;
    const char* audioCodecStart;
    uint8_t videos;
    uint8_t audios;
  };
  const Case cases[] = {
      {"vp8.webm", "WebM", "VP8", "Vorbis", 1, 1},
      {"vp9.webm", "WebM", "VP9", "Opus", 1, 1},
      {"h264.mp4", "MPEG-4", "AVC", "AAC", 1, 1},
      {"clip.flv", "Flash Video", "Sorenson Spark", "MPEG Audio", 1, 1},
      {"video.mp4", "MPEG-4", "AVC", "", 1, 0},
      {"audio.mp3", "MPEG Audio", "", "MPEG Audio", 0, 1},
      {"audio.wav", "Wave", "", "PCM", 0, 1},
  };
  for (const Case& c : cases) {
    TVideoFileInfo info = Analyze(TestMediaFile(c.file), true);
    EXPECT_EQ(info.Format, c.format) << c.file;
    EXPECT_EQ(info.NumberOfVideoStreams, c.videos) << c.file;
    EXPECT_EQ(info.NumberOfAudioStreams, c.audios) << c.file;
    EXPECT_FALSE(info.MediaInfoFull.empty()) << c.file;
    if (c.videos > 0) {
      EXPECT_EQ(info.VideoStreams[0].Codec, c.videoCodec) << c.file;
      EXPECT_EQ(info.VideoStreams[0].Width, 160) << c.file;
      EXPECT_DOUBLE_EQ(info.VideoStreams[0].FPS, 25) << c.file;
      EXPECT_LE(info.VideoStreams[0].StreamSizeInPercent, 100) << c.file;
    }
    if (c.audios > 0) {
      EXPECT_EQ(info.AudioStreams[0].Codec.rfind(c.audioCodecStart, 0), 0u)
          << c.file << ": " << info.AudioStreams[0].Codec;
      EXPECT_GT(info.AudioStreams[0].SamplingRate, 0) << c.file;
      EXPECT_GT(info.AudioStreams[0].DurationMs, 900) << c.file;
    }
  }
}

TEST_F(FileAnalysisTest, FlvStreamNumbersFollowTheFileOrder) {
  TVideoFileInfo info = Analyze(TestMediaFile("clip.flv"), false);
  EXPECT_EQ(info.VideoStreams[0].Codec, "flv1");
  EXPECT_EQ(info.VideoStreams[0].StreamIndex, 1);
  EXPECT_EQ(info.AudioStreams[0].StreamIndex, 0);
  EXPECT_EQ(info.AudioStreams[0].CodecFF, "mp3");
}

TEST_F(FileAnalysisTest, MatroskaWithThreeLanguagesAndAnEstimatedVideoSize) {
  TVideoFileInfo info = Analyze(TestMediaFile("three.mkv"), true);
  ASSERT_EQ(info.NumberOfAudioStreams, 3);
  EXPECT_EQ(info.AudioStreams[0].Language, "English");
  EXPECT_EQ(info.AudioStreams[1].Language, "German");
  EXPECT_EQ(info.AudioStreams[2].Language, "French");
  EXPECT_EQ(info.AudioStreams[0].Channels, 2);
  EXPECT_EQ(info.AudioStreams[2].Channels, 6);
  EXPECT_EQ(info.AudioStreams[2].Codec, "AC-3");
  EXPECT_EQ(info.AudioStreams[2].StreamIndex, 3);
  // Matroska gives no video stream size: the file less its audio is taken.
  int64_t audio = 0;
  for (int i = 0; i < 3; ++i) audio += info.AudioStreams[i].StreamSize;
  ASSERT_GT(audio, 0);
  const TVideoStreamInfo& v = info.VideoStreams[0];
  EXPECT_EQ(v.StreamSize, info.FileSize - audio);
  EXPECT_EQ(v.StreamSizeStr, FormatByteSize(v.StreamSize));
  EXPECT_EQ(v.StreamSizeInPercent,
            RoundHalfEven(static_cast<double>(v.StreamSize) * 100 / info.FileSize));

  TVideoFileInfo probeOnly = Analyze(TestMediaFile("three.mkv"), false);
  EXPECT_EQ(probeOnly.AudioStreams[0].Channels, 2);
  EXPECT_EQ(probeOnly.AudioStreams[1].Channels, 1);
  EXPECT_EQ(probeOnly.AudioStreams[2].Channels, 0);  // "5.1(side)" is MediaInfo's to read
  EXPECT_EQ(probeOnly.VideoStreams[0].StreamSize, 0);
}

TEST_F(FileAnalysisTest, InterlacedTransportStreamKeepsItsStartTime) {
  TVideoFileInfo info = Analyze(TestMediaFile("interlaced.ts"), true);
  EXPECT_EQ(info.VideoStreams[0].ScanType, "Interlaced");
  EXPECT_NE(info.VideoStreams[0].PixelFormat.find("top first"), std::string::npos);
  EXPECT_EQ(info.VideoStreams[0].Codec, "MPEG Video - Version 2");
  EXPECT_GE(info.Start, 1u);  // ffmpeg's transport streams start at 1.4 s
  EXPECT_NEAR(info.Duration, 1000, 50);
  EXPECT_EQ(info.Format, "MPEG-TS");
}

TEST_F(FileAnalysisTest, OddFileNamesAreAnalysedWithAndWithoutMediaInfo) {
  const char* names[] = {"with space.webm",    "say \"hi\".webm",  "cost $HOME.webm",
                         "-leading dash.webm", "Grüße ñandú.webm", "it's.webm"};
  for (const char* name : names) {
    std::string path = test::CopyTestFile("vp8.webm", m_dir.path(), name);
    TVideoFileInfo probed = Analyze(path, false);
    EXPECT_EQ(probed.VideoStreams[0].Width, 160) << name;
    TVideoFileInfo full = Analyze(path, true);
    EXPECT_EQ(full.Format, "WebM") << name;
    EXPECT_EQ(full.FileName, path) << name;
  }
}

TEST_F(FileAnalysisTest, BrokenOrMissingInputsLeaveOnlyNameAndSize) {
  std::string empty = m_dir.write("empty.webm", "");
  TVideoFileInfo info = Analyze(empty, true);
  EXPECT_EQ(info.FileName, empty);
  EXPECT_EQ(info.FileSize, 0);
  EXPECT_EQ(info.NumberOfVideoStreams, 0);
  EXPECT_TRUE(info.MediaInfoFull.empty());

  std::string missing = m_dir.file("missing.webm");
  info = Analyze(missing, true);
  EXPECT_EQ(info.FileName, missing);
  EXPECT_EQ(info.FileSize, 0);
  EXPECT_FALSE(info.StreamsStr[0].StreamExists);

  std::string source = TestMediaFile("vp8.webm");
  TVideoFileInfo noFfmpeg;
  AnalyzeVideoFile(m_runner, source, m_dir.file("no-ffmpeg"), Library(), noFfmpeg);
  EXPECT_GT(noFfmpeg.FileSize, 0);
  EXPECT_TRUE(noFfmpeg.Format.empty());  // no MediaInfo pass without the probe either
}

TEST_F(FileAnalysisTest, TruncatedFileGivesWhatSurvivesWithoutCrashing) {
  std::string source = TestMediaFile("three.mkv");
  std::ifstream in(source, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::string cut = m_dir.write("cut.mkv", bytes.substr(0, bytes.size() / 3));
  TVideoFileInfo info = Analyze(cut, true);
  EXPECT_EQ(info.FileSize, static_cast<int64_t>(bytes.size() / 3));
  EXPECT_EQ(info.VideoStreams[0].Width, 160);
}

TEST_F(FileAnalysisTest, PipeIsNeverProbed) {
  std::string fifo = m_dir.file("fifo.webm");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  TVideoFileInfo info = Analyze(fifo, true);  // would wait forever if ffmpeg opened it
  EXPECT_EQ(info.FileName, fifo);
  EXPECT_EQ(info.FileSize, 0);
  EXPECT_FALSE(info.StreamsStr[0].StreamExists);
  EXPECT_TRUE(RunFfmpegProbe(m_runner, test::FfmpegPath(), fifo).empty());
}

TEST_F(FileAnalysisTest, AddedFilesAreAnalysedByDepth) {
  std::string webm = TestMediaFile("vp8.webm");
  TVideoFileInfo info;
  AnalyzeAddedFile(TFileAnalysis::faNone, m_runner, webm, test::FfmpegPath(), Library(), info);
  EXPECT_EQ(info.FileName, webm);
  EXPECT_GT(info.FileSize, 0);
  EXPECT_EQ(info.NumberOfVideoStreams, 0);

  // Quick: MediaInfo alone, which gives WebM its duration from the audio.
  AnalyzeAddedFile(TFileAnalysis::faQuick, m_runner, webm, test::FfmpegPath(), Library(), info);
  EXPECT_EQ(info.VideoStreams[0].Codec, "VP8");
  EXPECT_FALSE(info.VideoStreams[0].Exists);
  EXPECT_EQ(info.Duration, info.AudioStreams[0].DurationMs);
  EXPECT_GT(info.Duration, 900);
  EXPECT_EQ(info.Seconds, 0u);

  // Full: MediaInfo knows this file's video bitrate and frame rate, so no probe.
  AnalyzeAddedFile(TFileAnalysis::faFull, m_runner, webm, test::FfmpegPath(), Library(), info);
  EXPECT_FALSE(info.StreamsStr[0].StreamExists);
  // Matroska has no video bitrate in MediaInfo: the probe runs after all.
  std::string mkv = TestMediaFile("three.mkv");
  AnalyzeAddedFile(TFileAnalysis::faFull, m_runner, mkv, test::FfmpegPath(), Library(), info);
  EXPECT_TRUE(info.StreamsStr[0].StreamExists);
  EXPECT_TRUE(info.VideoStreams[0].Exists);
  EXPECT_EQ(info.FileName, mkv);
}

TEST_F(FileAnalysisTest, WithoutTheLibraryQuickGivesNameAndSizeAndFullStillProbes) {
  std::string webm = TestMediaFile("vp8.webm");
  TVideoFileInfo info;
  AnalyzeAddedFile(TFileAnalysis::faQuick, m_runner, webm, test::FfmpegPath(), NoLibrary(), info);
  EXPECT_EQ(info.FileName, webm);
  EXPECT_GT(info.FileSize, 0);
  EXPECT_EQ(info.NumberOfVideoStreams, 0);
  EXPECT_EQ(info.NumberOfAudioStreams, 0);
  // Without MediaInfo data the probe is the only source, so it runs.
  AnalyzeAddedFile(TFileAnalysis::faFull, m_runner, webm, test::FfmpegPath(), NoLibrary(), info);
  EXPECT_EQ(info.NumberOfVideoStreams, 1);
  EXPECT_TRUE(info.VideoStreams[0].Exists);
  EXPECT_EQ(info.VideoStreams[0].Width, 160);
}

TEST(ReadFileSize, ReadsRegularFilesOnly) {
  test::TempDir dir;
  EXPECT_EQ(ReadFileSize(dir.write("five", "12345")), 5);
  EXPECT_EQ(ReadFileSize(dir.path()), 0);
  EXPECT_EQ(ReadFileSize(dir.file("missing")), 0);
}

TEST(EstimateVideoStreamSize, TakesTheFileLessItsAudioForOneVideoStreamOnly) {
  TVideoFileInfo info;
  info.FileSize = 3000000000LL;  // beyond 2 GiB
  info.NumberOfVideoStreams = 1;
  info.NumberOfAudioStreams = 2;
  info.AudioStreams[0].StreamSize = 100000000;
  info.AudioStreams[1].StreamSize = 50000000;
  EstimateVideoStreamSize(info);
  EXPECT_EQ(info.VideoStreams[0].StreamSize, 2850000000LL);
  EXPECT_EQ(info.VideoStreams[0].StreamSizeInPercent, 95);
  EXPECT_EQ(info.VideoStreams[0].StreamSizeStr, "2.65 GB");

  TVideoFileInfo two = info;
  two.VideoStreams[0].StreamSize = 0;
  two.NumberOfVideoStreams = 2;
  EstimateVideoStreamSize(two);
  EXPECT_EQ(two.VideoStreams[0].StreamSize, 0);

  // Audio sizes larger than the file leave nothing to estimate.
  TVideoFileInfo overfull;
  overfull.FileSize = 1000;
  overfull.NumberOfVideoStreams = 1;
  overfull.NumberOfAudioStreams = 1;
  overfull.AudioStreams[0].StreamSize = 5000;
  EstimateVideoStreamSize(overfull);
  EXPECT_EQ(overfull.VideoStreams[0].StreamSize, 0);
  EXPECT_TRUE(overfull.VideoStreams[0].StreamSizeStr.empty());
}

}  // namespace
}  // namespace zelmora
