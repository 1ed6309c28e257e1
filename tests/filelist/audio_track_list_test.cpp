#include "filelist/audio_track_list.h"

#include <gtest/gtest.h>

namespace zelmora::test {
namespace {

TEST(AudioTrackListTest, ItemsDescribeEveryAudioTrackAfterTheAutomaticItem) {
  TAppStrings strings;
  TVideoFileInfo info;
  info.NumberOfAudioStreams = 3;
  info.AudioStreams[0] = {.Codec = "Vorbis", .Channels = 2, .Bitrate = 128, .Language = "en"};
  info.AudioStreams[1] = {.Codec = "mp3 (MP3)", .Channels = 1, .Bitrate = 0};
  info.AudioStreams[2] = {.Codec = "AAC", .Channels = 6, .Bitrate = 10};
  const std::vector<std::string> expected = {
      "Auto (first audio track)",
      "1: Vorbis - 128 kbit/s - Channels: 2 - Language: en",
      "2: MP3 - Channels: 1 - Language: (undefined)",
      "3: AAC - 10 kbit/s - Channels: 6 - Language: (undefined)",
  };
  EXPECT_EQ(AudioTrackItems(info, strings), expected);
}

TEST(AudioTrackListTest, AFileWithoutAudioHasOnlyTheAutomaticItem) {
  TAppStrings strings;
  TVideoFileInfo info;
  EXPECT_EQ(AudioTrackItems(info, strings).size(), 1u);
}

TEST(AudioTrackListTest, TheChosenItemIsKeptWhileTheNewFileHasIt) {
  struct Case {
    const char* sentence;
    int previous, items, kept;
  };
  const Case cases[] = {
      {"the same track exists", 2, 3, 2},
      {"the new file has more tracks", 1, 5, 1},
      {"the new file has fewer tracks", 3, 3, 0},
      {"nothing was chosen", -1, 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    EXPECT_EQ(KeptAudioTrackIndex(c.previous, c.items), c.kept);
  }
}

}  // namespace
}  // namespace zelmora::test
