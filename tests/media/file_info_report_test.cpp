#include "media/file_info_report.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "base/numbers.h"
#include "base/text.h"
#include "i18n/app_strings.h"
#include "media/file_info_texts.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

constexpr const char* Title = "Zelmora 1.5  [64-bit]";
const std::string Separator(71, '-');

// Numbers shown to the user follow the locale's mark; these tests pin ".".
class FileInfoReport : public ::testing::Test {
protected:
  void SetUp() override {
    m_savedSeparator = DecimalSeparator();
    SetDecimalSeparator('.');
  }
  void TearDown() override { SetDecimalSeparator(m_savedSeparator); }

  // A file of nine bytes described as a WebM clip with one stream of each kind.
  TVideoFileInfo Clip() {
    TVideoFileInfo info;
    info.FileName = m_dir.write("clip.webm", "123456789");
    info.FileSize = 9;
    info.DurationStr = "00:00:01.000";
    info.Format = "matroska,webm";
    info.FormatInfo = "Matroska / WebM";
    info.OverallBitrate = 1234;
    info.EncodedApplication = "Lavf59";
    info.NumberOfDataStreams = 2;
    info.NumberOfVideoStreams = 1;
    info.NumberOfAudioStreams = 1;
    info.VideoStreams[0] = {true,          "VP8",     "V_VP8", "",       "yuv420p", 1.778,  "16:9",
                            "Progressive", 1920,      1080,    1500,     25,        0.0289, 1234,
                            2097152,       "2.00 MB", 75,      "libvpx", 0};
    TAudioStreamInfo& a = info.AudioStreams[0];
    a.Codec = "Vorbis";
    a.CodecID = "A_VORBIS";
    a.Bitrate = 128;
    a.BitrateMode = "VBR";
    a.Channels = 2;
    a.SamplingRate = 44100;
    a.Frames = 44100;
    a.Language = "English";
    a.StreamSizeStr = "16.00 KB";
    a.StreamSizeInPercent = 5;
    a.StreamIndex = 1;
    info.StreamsStr[0] = {true, "Stream #0:0: Video: vp8, yuv420p(tv, progressive), 1920x1080"};
    info.StreamsStr[1] = {true, "Stream #0:1(eng): Audio: vorbis, 44100 Hz, stereo"};
    info.MediaInfoFull = "General\nFormat : WebM\n";
    return info;
  }

  test::TempDir m_dir;
  TAppStrings m_strings;
  char m_savedSeparator = '.';
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TEST_F(FileInfoReport, TheWholeReportOfAClip) {
  const TVideoFileInfo info = Clip();
  const std::string expected = Joined({
      "Zelmora 1.5  [64-bit] - Video file information report",
      "https://zelmora.example.org/",
      "",
      "File: " + info.FileName,
      "",
      Separator,
      "GENERAL INFO",
      "",
      "File size: 9 bytes ( 9 bytes)",
      "CRC32: $CBF43926",
      "Duration: 00:00:01.000",
      "Overall bitrate: 1 234 kbit/s",
      "Format: matroska,webm (Matroska / WebM)",
      "Encoded application: Lavf59",
      "Number of all data streams: 2",
      "Number of video streams: 1",
      "Number of audio streams: 1",
      "",
      Separator,
      "VIDEO STREAM",
      "",
      "Video codec: VP8",
      "Profile: ",
      "Bitrate: 1 500 kbit/s",
      "Resolution: 1 920 x 1 080",
      "Display aspect: 16:9",
      "Frames / second: 25.00",
      "Scan type: progressive",
      "Pixel format: yuv420p",
      "Bits per pixel: 0.029",
      "Frames: ~ 1 234",
      "Stream size: 2.00 MB (75%)",
      "Encoded library: libvpx",
      "Stream index: 0",
      "",
      Separator,
      "AUDIO STREAM 1",
      "Audio codec: Vorbis",
      "Profile: ",
      "Bitrate: 128 kbit/s  VBR",
      "Channels: 2",
      "Sampling rate: 44 100 Hz",
      "Bits per sample: ",
      "Samples: ~ 44 100",
      "Video delay: 0 ms",
      "Language: English",
      "Stream size: 16.00 KB (5%)",
      "Encoded library: ",
      "Stream index: 1",
      "",
      Separator,
      "DATA STREAMS:   (FFmpeg)",
      "   1: Stream #0:0 - Video: vp8, yuv420p(tv, progressive), 1920x1080",
      "   2: Stream #0:1(eng) - Audio: vorbis, 44100 Hz, stereo",
      "",
      Separator,
      "MediaInfo",
      "",
      "General\r\nFormat : WebM\r\n",
  });
  EXPECT_EQ(GetInfoAsText(info, m_strings.FileInfo, Title), expected);
}

TEST_F(FileInfoReport, StreamHeadingsAndNumbering) {
  const struct {
    const char* name;
    int videos;
    int audios;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  } cases[] = {
      {"one video stream has no number",
       1,
       1,
       {"\r\nVIDEO STREAM\r\n\r\nVideo codec: "},
       {"VIDEO STREAM 1"}},
      {"two video streams are numbered",
       2,
       1,
       {"\r\nVIDEO STREAM 1\r\n\r\nVideo codec: ", "\r\nVIDEO STREAM 2\r\n\r\nVideo codec: "},
       {"VIDEO STREAM\r\n"}},
      {"audio is always numbered, with no empty line after it",
       0,
       2,
       {"\r\nAUDIO STREAM 1\r\nAudio codec: ", "\r\nAUDIO STREAM 2\r\nAudio codec: "},
       {"VIDEO STREAM", "AUDIO STREAM\r\n"}},
      {"more streams than entries: ten video sections",
       12,
       0,
       {"VIDEO STREAM 10\r\n"},
       {"VIDEO STREAM 11"}},
  };
  for (const auto& c : cases) {
    TVideoFileInfo info = Clip();
    info.NumberOfVideoStreams = static_cast<uint8_t>(c.videos);
    info.NumberOfAudioStreams = static_cast<uint8_t>(c.audios);
    info.AudioStreams[1] = info.AudioStreams[0];
    const std::string report = GetInfoAsText(info, m_strings.FileInfo, Title);
    for (const std::string& part : c.present)
      EXPECT_NE(report.find(part), std::string::npos) << c.name << ": " << part;
    for (const std::string& part : c.absent)
      EXPECT_EQ(report.find(part), std::string::npos) << c.name << ": " << part;
  }
}

TEST_F(FileInfoReport, TheCrcLineStopsAt300MiB) {
  for (const int64_t size : {InfoReportCrcLimit, InfoReportCrcLimit + 1}) {
    TVideoFileInfo info;
    info.FileName = m_dir.file("sparse.bin");
    const int fd = open(info.FileName.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, size), 0);  // a hole: no disk space, zeros when read
    close(fd);
    info.FileSize = size;
    const std::string report = GetInfoAsText(info, m_strings.FileInfo, Title);
    EXPECT_EQ(report.find("\r\nCRC32: $") != std::string::npos, size == InfoReportCrcLimit) << size;
    EXPECT_NE(report.find("\r\nNumber of audio streams: 0\r\n"), std::string::npos) << size;
  }
}

TEST_F(FileInfoReport, AFileThatIsGoneStillGetsItsName) {
  TVideoFileInfo info;
  info.FileName = m_dir.file("gone.webm");
  const std::string report = GetInfoAsText(info, m_strings.FileInfo, Title);
  EXPECT_NE(report.find("\r\nFile: " + info.FileName + "\r\n"), std::string::npos);
  EXPECT_EQ(report.find("CRC32"), std::string::npos) << "nothing to checksum";
  EXPECT_EQ(report.find("MediaInfo"), std::string::npos);
  EXPECT_EQ(report.find("DATA STREAMS"), std::string::npos);
}

TEST_F(FileInfoReport, GeneralValuesAndGridComeFromTheWindowTheRestFromTheFreshAnalysis) {
  TVideoFileInfo shown = Clip();
  shown.DurationStr = "shown duration";
  shown.StreamsStr[1] = {};
  TVideoFileInfo fresh = Clip();
  fresh.FileSize = 1234567;
  fresh.DurationStr = "fresh duration";
  fresh.VideoStreams[0].Codec = "fresh codec";
  fresh.MediaInfoFull = "fresh MediaInfo";
  const std::string report = GetInfoAsText(shown, fresh, m_strings.FileInfo, Title);
  EXPECT_NE(report.find("\r\nFile size: 1 234 567 bytes (1.18 MB)\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\nDuration: shown duration\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\nVideo codec: fresh codec\r\n"), std::string::npos);
  EXPECT_EQ(report.find("   2: "), std::string::npos) << "one grid row shown";
  EXPECT_TRUE(EndsWith(report, "\r\nMediaInfo\r\n\r\nfresh MediaInfo\r\n"));
}

TEST(DataStreamLine, IsCutAtItsSecondColon) {
  const struct {
    const char* line;
    TDataStreamRow row;
  } cases[] = {
      {"Stream #0:1(eng): Audio: vorbis, 44100 Hz",
       {"Stream #0:1(eng)", "Audio: vorbis, 44100 Hz"}},
      {"Stream #0:0 : Video: vp8", {"Stream #0:0", "Video: vp8"}},
      {"Stream #0 Video: vp8", {"", "Stream #0 Video: vp8"}},
      {"Stream #0:0 Video vp8", {"", "Stream #0:0 Video vp8"}},
      {"a:b:", {"a:b", ""}},
      {"", {"", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitDataStreamLine(c.line), c.row) << c.line;
}

TEST_F(FileInfoReport, AProbeLineWithoutTwoColonsIsReportedWhole) {
  TVideoFileInfo info = Clip();
  info.StreamsStr[1] = {true, "Stream #0 unusual"};
  const std::string report = GetInfoAsText(info, m_strings.FileInfo, Title);
  EXPECT_NE(report.find("\r\n   2:  - Stream #0 unusual\r\n"), std::string::npos) << report;
}

TEST_F(FileInfoReport, StreamNumbersChooseAnEntryOrNothing) {
  TVideoFileInfo info = Clip();
  const TFileInfoModuleStrings& s = m_strings.FileInfo;
  EXPECT_EQ(VideoStreamTexts(info, 1, s).Codec, "VP8 (ID: V_VP8)");
  EXPECT_EQ(VideoStreamTexts(info, -3, s).Codec, "VP8 (ID: V_VP8)") << "negative counts as 1";
  EXPECT_EQ(VideoStreamTexts(info, 0, s).Codec, "");
  EXPECT_EQ(VideoStreamTexts(info, 2, s).Frames, "") << "beyond the file's streams";
  EXPECT_EQ(AudioStreamTexts(info, 1).Codec, "Vorbis (ID: A_VORBIS)");
  EXPECT_EQ(AudioStreamTexts(info, 2).VideoDelay, "");
  info.NumberOfVideoStreams = 11;
  EXPECT_EQ(VideoStreamTexts(info, 11, s).Codec, "") << "beyond the record's entries";
}

TEST_F(FileInfoReport, ValueTextsLeaveUnknownValuesEmpty) {
  TVideoFileInfo info = Clip();
  TVideoStreamInfo& v = info.VideoStreams[0];
  v.Bitrate = 0;
  v.BitsPerPixel = 0;
  v.StreamSize = 0;
  v.ScanType = " Interlaced ";
  TAudioStreamInfo& a = info.AudioStreams[0];
  a.Bitrate = 0;
  a.SamplingRate = 0;
  a.StreamSizeStr = "0";
  a.BitsPerSample = 16;
  a.VideoDelay = -40;
  const TVideoStreamTexts vt = VideoStreamTexts(info, 1, m_strings.FileInfo);
  EXPECT_EQ(vt.Bitrate, "");
  EXPECT_EQ(vt.BitsPerPixel, "");
  EXPECT_EQ(vt.StreamSize, "");
  EXPECT_EQ(vt.ScanType, "interlaced");
  const TAudioStreamTexts at = AudioStreamTexts(info, 1);
  EXPECT_EQ(at.Bitrate, "");
  EXPECT_EQ(at.SamplingRate, "");
  EXPECT_EQ(at.StreamSize, "");
  EXPECT_EQ(at.BitsPerSample, "16");
  EXPECT_EQ(at.VideoDelay, "-40 ms");
  info.VideoStreams[0].ScanType = "MBAFF";
  EXPECT_EQ(VideoStreamTexts(info, 1, m_strings.FileInfo).ScanType, "MBAFF");
}

TEST(StreamChooser, ListsTheStreamsAndIsDisabledWithOnlyOne) {
  TVideoFileInfo info;
  info.NumberOfAudioStreams = 1;
  info.NumberOfVideoStreams = 12;
  const TStreamChooser audio = AudioStreamChooser(info, 1);
  EXPECT_EQ(audio.Items, std::vector<std::string>{"1"});
  EXPECT_EQ(audio.Selected, 0);
  EXPECT_FALSE(audio.Enabled) << "a single stream leaves nothing to choose";
  const TStreamChooser video = VideoStreamChooser(info, 3);
  EXPECT_EQ(video.Items.size(), 10u) << "no more items than entries";
  EXPECT_EQ(video.Items.back(), "10");
  EXPECT_EQ(video.Selected, 2);
  EXPECT_TRUE(video.Enabled);
  EXPECT_EQ(VideoStreamChooser(info, -1).Selected, 0);
  EXPECT_EQ(AudioStreamChooser(info, 2).Selected, -1) << "a stream the file no longer has";
  info.NumberOfAudioStreams = 0;
  EXPECT_TRUE(AudioStreamChooser(info, 1).Items.empty());
  EXPECT_FALSE(AudioStreamChooser(info, 1).Enabled);
}

TEST_F(FileInfoReport, GeneralTextsOfTheWindow) {
  TVideoFileInfo info = Clip();
  info.FileName = "/videos//holiday/clip.webm";
  info.FileSize = 1234567;
  info.FormatInfo = "";
  const TGeneralInfoTexts g = GeneralInfoTexts(info);
  EXPECT_EQ(g.FileName, "clip.webm");
  EXPECT_EQ(g.Directory, "/videos/holiday");
  EXPECT_EQ(g.FileSize, "1.18 MB (1 234 567 bytes)");
  EXPECT_EQ(g.Format, "matroska,webm");
  EXPECT_EQ(DataStreamsHeading(m_strings.FileInfo), "  Data streams   (FFmpeg)");
}

}  // namespace
}  // namespace zelmora
