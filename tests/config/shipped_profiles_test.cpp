// The profiles shipped in profiles/ are listed in their intended order and
// each one converts a generated clip with the real ffmpeg, through the same
// argument builder and command-line splitting the conversion run uses.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/files.h"
#include "base/paths.h"
#include "config/profile_colors.h"
#include "config/profile_file.h"
#include "config/profile_list.h"
#include "core/argument_builder.h"
#include "core/message_view.h"
#include "core/resolution_list.h"
#include "i18n/app_strings.h"
#include "media/file_analysis.h"
#include "process/console_runner.h"
#include "support/media_clips.h"
#include "support/spawn.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::string ShippedProfilesDir() {
  return JoinPath(ExtractFileDir(ExtractFileDir(ExtractFileDir(ExpandFileName(__FILE__)))),
                  "profiles");
}

class RecordedWarnings : public MessageView {
public:
  void ShowWarning(const std::string& text) override { warnings.push_back(text); }
  std::vector<std::string> warnings;
};

TEST(ShippedProfiles, AreListedInTheirOrderWithNamesAndColours) {
  const std::vector<TProfileInfo> list = GetProfiles(ShippedProfilesDir(), "");
  std::vector<std::string> files;
  for (const TProfileInfo& info : list) {
    files.push_back(info.ShortFileName);
    EXPECT_FALSE(info.DisplayName.empty()) << info.ShortFileName;
    EXPECT_FALSE(info.BgColor == ProfileWhite && info.FontColor == ProfileWhite)
        << info.ShortFileName << ": colours missing or unreadable";
  }
  EXPECT_EQ(files,
            (std::vector<std::string>{"Xvid_Good_Quality.ini", "H264_Two_Pass.ini", "DVD_PAL.ini",
                                      "DVD_NTSC.ini", "MPEG1_Small.ini", "MP3_Audio_Only.ini"}));
}

struct ProfileExpectation {
  const char* file;
  bool video;
  int width;  // 0: whatever the encoder keeps
  int height;
};

TVideoFileInfo Analyze(ConsoleRunner& runner, const std::string& file) {
  TVideoFileInfo info;
  AnalyzeVideoFile(runner, file, test::FfmpegPath(), "", info);
  return info;
}

// One pass of ffmpeg as the conversion run starts it: the parameters split by
// the Windows rules, no shell; two-pass log files land in the working folder.
void RunPass(const std::string& parameters, const std::string& workDir, const char* profile) {
  std::vector<std::string> argv = SplitCommandLine(parameters);
  argv.insert(argv.begin(), test::FfmpegPath());
  const test::SpawnResult result = test::Spawn(argv, workDir);
  ASSERT_EQ(result.exitCode, 0) << profile << "\n" << parameters << "\n" << result.output;
}

TEST(ShippedProfiles, EachConvertsAGeneratedClipWithFfmpeg) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  const std::vector<ProfileExpectation> cases = {
      {"Xvid_Good_Quality.ini", true, 160, 120}, {"H264_Two_Pass.ini", true, 160, 120},
      {"DVD_PAL.ini", true, 720, 576},           {"DVD_NTSC.ini", true, 720, 480},
      {"MPEG1_Small.ini", true, 352, 288},       {"MP3_Audio_Only.ini", false, 0, 0},
  };
  test::TempDir dir;
  test::ClipOptions clip;
  clip.channels = 2;
  const std::string input = test::MakeClip(dir.path(), "input clip $1.mkv", clip);
  ASSERT_FALSE(input.empty());
  ConsoleRunner runner;
  const TVideoFileInfo info = Analyze(runner, input);
  const TAppStrings strings;
  const std::vector<std::string> resolutions = BuiltInResolutionList();
  const std::set<std::string> encoders;
  for (const ProfileExpectation& c : cases) {
    EncoderSettings settings;
    SetDefaultParams(settings, vcXvid, strings);
    ASSERT_TRUE(LoadProfile(JoinPath(ShippedProfilesDir(), c.file), settings, strings, vcXvid));
    RecordedWarnings warnings;
    const auto pieces =
        BuildCommandPieces({settings, info, strings, resolutions, encoders, warnings});
    ASSERT_TRUE(pieces.has_value()) << c.file << ": " << testing::PrintToString(warnings.warnings);
    const std::string output = dir.file(std::string(c.file) + GetExt(settings, true));
    const std::string workDir = dir.mkdir(std::string(c.file) + ".passes");
    if (TwoPassRule(settings)) {
      RunPass(TwoPassCommandLine(*pieces, settings, input, output, 1), workDir, c.file);
      RunPass(TwoPassCommandLine(*pieces, settings, input, output, 2), workDir, c.file);
    } else {
      RunPass(OnePassCommandLine(*pieces, settings, input, output), workDir, c.file);
    }
    const TVideoFileInfo result = Analyze(runner, output);
    EXPECT_GT(result.FileSize, 0) << c.file;
    EXPECT_EQ(result.NumberOfVideoStreams, c.video ? 1 : 0) << c.file;
    EXPECT_EQ(result.NumberOfAudioStreams, 1) << c.file;
    if (c.width != 0) {
      EXPECT_EQ(result.VideoStreams[0].Width, c.width) << c.file;
      EXPECT_EQ(result.VideoStreams[0].Height, c.height) << c.file;
    }
  }
}

}  // namespace
}  // namespace zelmora
