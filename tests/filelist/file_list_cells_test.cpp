#include <gtest/gtest.h>

#include "base/numbers.h"
#include "filelist/column_layout.h"
#include "filelist/display_format.h"
#include "filelist/file_list_model.h"
#include "filelist/file_list_row.h"
#include "i18n/app_strings.h"

namespace zelmora::test {
namespace {

using enum TFileListColumn;

TEST(FormatHmsTest, RoundsToWholeSecondsWithCarry) {
  struct Case {
    int64_t ms;
    const char* text;
  };
  const Case cases[] = {{0, "00:00:00"},       {-5, "00:00:00"},       {499, "00:00:00"},
                        {500, "00:00:01"},     {59500, "00:01:00"},    {120000, "00:02:00"},
                        {3599500, "01:00:00"}, {86399000, "23:59:59"}, {360000000, "100:00:00"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ms);
    EXPECT_EQ(FormatHms(c.ms), c.text);
  }
}

TEST(ColumnTableTest, HeadersCarryTheirBlanksAndUnits) {
  TAppStrings strings;
  EXPECT_EQ(FileListColumns().size(), 29u);
  EXPECT_EQ(ColumnHeaderText(colFileName, strings), " " + strings.Main.colFile);
  EXPECT_EQ(ColumnHeaderText(colDirectory, strings), " " + strings.Main.colDirectory);
  EXPECT_EQ(ColumnHeaderText(colVideoBitrate, strings), strings.Main.colVideoBitrate + " [kbit/s]");
  EXPECT_EQ(ColumnHeaderText(colAudioSampling, strings), strings.Main.colAudioSampling + " [Hz]");
  EXPECT_EQ(ColumnHeaderText(colActive, strings), "");
  EXPECT_EQ(ColumnHeaderText(colIcon, strings), "");
  EXPECT_EQ(ColumnCaption(colVideoBitrate, strings), strings.Main.colVideoBitrate);
  EXPECT_EQ(ColumnCaption(colIcon, strings), strings.Main.colIcon);
  EXPECT_EQ(ColumnVisibleActionName(colVideoFPS), "actColVideoFPSVisible");
  EXPECT_EQ(ColumnVisibleActionName(colFileName), "");
  EXPECT_EQ(FindColumn("colAudioStreamSize"), colAudioStreamSize);
  int toggles = 0;
  for (const auto& group : ColumnMenuGroups()) toggles += static_cast<int>(group.size());
  EXPECT_EQ(toggles, 27);  // every column but the check and File columns
}

TEST(ColumnTableTest, TheDefaultLayoutShowsTheMainColumnsAndKeepsTheFixedOnes) {
  TColumnLayout layout = DefaultColumnLayout();
  EXPECT_EQ(StateOf(layout, colFileName), (TColumnState{220, 3, true}));
  EXPECT_EQ(StateOf(layout, colVideoCodec), (TColumnState{80, 8, false}));
  EXPECT_EQ(StateOf(layout, colStatus), (TColumnState{90, 28, true}));
  EXPECT_FALSE(ToggleColumnVisible(layout, colActive));
  EXPECT_FALSE(ToggleColumnVisible(layout, colFileName));
  EXPECT_TRUE(StateOf(layout, colFileName).Visible);
  EXPECT_TRUE(ToggleColumnVisible(layout, colVideoCodec));
  EXPECT_TRUE(StateOf(layout, colVideoCodec).Visible);
  EXPECT_EQ(ColumnSettingKey(colNo, "Width"), "colNo_Width");
}

TEST(CellRulesTest, VideoSummaryLeavesOutWhatIsNotKnown) {
  struct Case {
    const char* sentence;
    const char* codec;
    int bitrate;
    uint16_t width, height;
    const char* expected;
  };
  const Case cases[] = {
      {"everything known", "VP8", 1234, 1280, 720, "VP8, 1 234 kbit/s, 1 280 x 720"},
      {"no bitrate", "VP8", 0, 640, 480, "VP8, 640 x 480"},
      {"a negative bitrate counts as none", "VP8", -5, 640, 480, "VP8, 640 x 480"},
      {"no height means no resolution", "H.264", 800, 640, 0, "H.264, 800 kbit/s"},
      {"no codec loses the leading comma", "", 800, 0, 0, "800 kbit/s"},
      {"nothing at all", "", 0, 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    TVideoStreamInfo video;
    video.Codec = c.codec;
    video.Bitrate = c.bitrate;
    video.Width = c.width;
    video.Height = c.height;
    EXPECT_EQ(VideoSummaryText(video), c.expected);
  }
}

TEST(CellRulesTest, AudioCodecTextNamesMp3AndDropsTheWmaSuffix) {
  struct Case {
    const char* codec;
    const char* profile;
    const char* expected;
  };
  const Case cases[] = {
      {"MPEG Audio - Version 1", "Layer 3", "MP3"},
      {"MPEG Audio - Version 1", "Layer 2", "MPEG Audio - Version 1"},
      {"mp3 (MP3)", "", "MP3"},
      {"WMA2 (Windows Media Audio) ", "", "WMA2"},
      {"  Vorbis ", "", "Vorbis"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.codec);
    TAudioStreamInfo audio;
    audio.Codec = c.codec;
    audio.Profile = c.profile;
    EXPECT_EQ(AudioCodecText(audio), c.expected);
  }
}

TEST(CellRulesTest, AudioSummaryJoinsOnlyTheKnownParts) {
  TAppStrings strings;
  struct Case {
    const char* sentence;
    const char* codec;
    int bitrate;
    const char* mode;
    uint8_t channels;
    const char* expected;
  };
  const Case cases[] = {
      {"everything known", "Vorbis", 1128, "VBR", 2, "Vorbis, 1 128 kbit/s VBR, Channels: 2"},
      {"no bitrate hides the mode too", "AAC", 0, "CBR", 1, "AAC, Channels: 1"},
      {"no channels", "AAC", 96, "", 0, "AAC, 96 kbit/s"},
      {"no codec", "", 96, "", 2, "96 kbit/s, Channels: 2"},
      {"only channels", "", 0, "", 6, "Channels: 6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    TAudioStreamInfo audio;
    audio.Codec = c.codec;
    audio.Bitrate = c.bitrate;
    audio.BitrateMode = c.mode;
    audio.Channels = c.channels;
    EXPECT_EQ(AudioSummaryText(audio, strings), c.expected);
  }
}

TEST(CellRulesTest, ScanTypeIsTranslatedWhenItIsAKnownWord) {
  TAppStrings strings;
  strings.FileInfo.ScanType_Interlaced = "entrelacé";
  EXPECT_EQ(ScanTypeText(" Interlaced ", strings), "entrelacé");
  EXPECT_EQ(ScanTypeText("Progressive", strings), strings.FileInfo.ScanType_Progressive);
  EXPECT_EQ(ScanTypeText("MBAFF", strings), "mbaff");
}

TEST(CellRulesTest, AFileWithoutVideoLeavesTheVideoCellsEmpty) {
  TAppStrings strings;
  TVideoFileInfo info;
  info.Duration = 1500;
  info.NumberOfAudioStreams = 1;
  info.AudioStreams[0].Codec = "Opus";
  info.AudioStreams[0].Bitrate = 64;
  info.AudioStreams[0].SamplingRate = 48000;
  info.VideoStreams[0].Codec = "stale";  // not counted, so not used
  TFileListRow row;
  FillAnalysisCells(row, info, strings);
  EXPECT_EQ(row.Video, "");
  EXPECT_EQ(row.VideoCodec, "");
  EXPECT_EQ(CellText(row, colVideoFPS), "");
  EXPECT_EQ(row.Audio, "Opus, 64 kbit/s");
  EXPECT_EQ(CellText(row, colAudioSampling), "48 000");
  EXPECT_EQ(CellText(row, colDuration), "00:00:02");  // 1.5 s rounds up
}

class FooterTest : public ::testing::Test {
protected:
  TFileListRow& Add(bool checked) {
    TFileListRow& row = rows.emplace_back();
    row.Active = checked;
    return row;
  }
  std::string Footer(TFileListColumn column) { return ComputeFooter(rows, strings).Text(column); }
  TAppStrings strings;
  std::vector<TFileListRow> rows;
};

TEST_F(FooterTest, DurationsAddUpOverCheckedRowsOnly) {
  Add(true).Duration = 90000;
  Add(true).Duration = 30000;
  Add(false).Duration = 3600000;
  EXPECT_EQ(Footer(colDuration), "00:02:00");
  EXPECT_EQ(Footer(colNo), "3");
  EXPECT_EQ(Footer(colActive), "2");
  rows = {};
  Add(true).Duration = 59500;
  EXPECT_EQ(Footer(colDuration), "00:01:00");
}

TEST_F(FooterTest, AveragesSkipRowsWithoutAValue) {
  Add(true).VideoBitrate = 1000;
  Add(true).VideoBitrate = 0;  // a file without video
  Add(true).VideoBitrate = 2000;
  Add(false).VideoBitrate = 9000;
  rows[0].VideoBpp = 0.1;
  rows[2].AudioBitrate = -1;  // unknown
  EXPECT_EQ(Footer(colVideoBitrate), "AVG  " + FormatFixedLocale(1500, 2));
  EXPECT_EQ(Footer(colVideoBpp), "AVG  " + FormatFixedLocale(0.1, 3));
  EXPECT_EQ(Footer(colAudioBitrate), "");
  EXPECT_EQ(Footer(colVideoFPS), "");
}

TEST_F(FooterTest, SizesAreSummedAndEmptyListsShowNothing) {
  EXPECT_EQ(Footer(colNo), "");
  Add(true).Size = 1024;
  Add(true).Size = 1024;
  rows[0].VideoStreamSize = 2048;
  EXPECT_EQ(Footer(colSize), FormatByteSize(2048));
  EXPECT_EQ(Footer(colVideoStreamSize), FormatByteSize(2048));
  EXPECT_EQ(Footer(colAudioStreamSize), "");
  rows[0].Active = rows[1].Active = false;
  EXPECT_EQ(Footer(colSize), "");
  EXPECT_EQ(Footer(colActive), "0");
}

}  // namespace
}  // namespace zelmora::test
