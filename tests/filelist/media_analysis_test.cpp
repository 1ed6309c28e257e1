#include "base/numbers.h"
#include "file_list_fixture.h"
#include "filelist/audio_track_list.h"
#include "process/console_runner.h"
#include "support/media_clips.h"

namespace zelmora::test {
namespace {

using enum TFileListColumn;

// A list whose files are analysed by the real tools, as the program does.
class AnalysedListTest : public ::testing::Test {
protected:
  AnalysedListTest() {
    params.ToolsDir = dir.mkdir("tools");
    params.ffmpeg = FfmpegPath();
    params.FileAnalysis = TFileAnalysis::faFull;
  }

  TempDir dir;
  TAppParams params;
  TAppStrings strings;
  ConsoleRunner runner;
  MediaFileAnalyzer analyzer{params, runner};
  RecordingListEvents events;
  FileListModel list{params, strings, analyzer, events};
};

TEST_F(AnalysedListTest, AnAnalysedClipFillsItsColumns) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  const std::string clip = MakeClip(dir.path(), "clip.mkv", {.codecArgs = {"-c:v", "mpeg4"}});
  for (TFileAnalysis depth : {TFileAnalysis::faQuick, TFileAnalysis::faFull}) {
    SCOPED_TRACE(static_cast<int>(depth));
    params.FileAnalysis = depth;
    FileListModel fresh(params, strings, analyzer, events);
    ASSERT_TRUE(fresh.AddToList(clip, true));
    const TFileListRow& row = fresh.Row(0);
    EXPECT_NEAR(row.Duration, 1000, 100);
    EXPECT_EQ(CellText(row, colDuration), "00:00:01");
    EXPECT_EQ(row.VideoResolution, "160 x 120");
    EXPECT_NEAR(row.VideoFPS, 25, 0.01);
    EXPECT_NE(row.Video.find("160 x 120"), std::string::npos) << row.Video;
    EXPECT_EQ(row.AudioChannels, 1);
    EXPECT_EQ(row.AudioSampling, 44100);
    EXPECT_NE(row.Audio.find("Channels: 1"), std::string::npos) << row.Audio;
    EXPECT_EQ(row.Status, "Ready");
  }
}

TEST_F(AnalysedListTest, AFileWithoutVideoHasEmptyVideoColumnsAndNoFooterAverage) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  const std::string audioOnly = MakeClip(dir.path(), "sound.mka", {.video = false});
  const std::string clip = MakeClip(dir.path(), "clip.mkv", {.codecArgs = {"-c:v", "mpeg4"}});
  ASSERT_TRUE(list.AddToList(audioOnly, true));
  ASSERT_TRUE(list.AddToList(clip, true));
  const TFileListRow& sound = list.Row(0);
  EXPECT_EQ(sound.Video, "");
  EXPECT_EQ(sound.VideoFPS, 0);
  EXPECT_EQ(CellText(sound, colVideoWidth), "");
  EXPECT_FALSE(sound.Audio.empty());
  list.CalcFooter();
  EXPECT_EQ(list.Footer().Text(colVideoFPS), "AVG  " + FormatFixedLocale(list.Row(1).VideoFPS, 2));
}

TEST_F(AnalysedListTest, TheAudioTrackListFollowsTheSelectedRow) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  const std::string twoTracks = dir.file("two.mkv");
  ASSERT_EQ(RunProgram({FfmpegPath(),
                        "-v",
                        "error",
                        "-y",
                        "-f",
                        "lavfi",
                        "-i",
                        "testsrc=size=64x48:rate=10:duration=0.5",
                        "-f",
                        "lavfi",
                        "-i",
                        "sine=duration=0.5",
                        "-f",
                        "lavfi",
                        "-i",
                        "sine=frequency=880:duration=0.5",
                        "-map",
                        "0",
                        "-map",
                        "1",
                        "-map",
                        "2",
                        "-c:v",
                        "mpeg4",
                        "-metadata:s:a:1",
                        "language=ger",
                        twoTracks}),
            0);
  const std::string oneTrack = MakeClip(dir.path(), "one.mkv", {.codecArgs = {"-c:v", "mpeg4"}});
  params.FileAnalysis = TFileAnalysis::faNone;
  ASSERT_TRUE(list.AddToList(twoTracks, true));
  ASSERT_TRUE(list.AddToList(oneTrack, true));

  std::optional<TAudioTrackList> tracks = UpdateCbAudioTrackNo(list, 0, 2, analyzer, strings);
  ASSERT_TRUE(tracks.has_value());
  ASSERT_EQ(tracks->Items.size(), 3u);
  EXPECT_EQ(tracks->ItemIndex, 2);
  EXPECT_NE(tracks->Items[2].find("Language: "), std::string::npos) << tracks->Items[2];
  EXPECT_NE(tracks->Items[1].find("(undefined)"), std::string::npos) << tracks->Items[1];

  tracks = UpdateCbAudioTrackNo(list, 1, 2, analyzer, strings);
  ASSERT_TRUE(tracks.has_value());
  EXPECT_EQ(tracks->Items.size(), 2u);
  EXPECT_EQ(tracks->ItemIndex, 0);
  EXPECT_FALSE(UpdateCbAudioTrackNo(list, 5, 1, analyzer, strings).has_value());
}

}  // namespace
}  // namespace zelmora::test
