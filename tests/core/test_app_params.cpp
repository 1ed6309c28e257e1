#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "core/app_params.h"
#include "core/message_view.h"
#include "core/program_title.h"
#include "i18n/app_strings.h"
#include "platform/temp_dir.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

TEST(InitAppParams, DerivesEveryFolderAndFileFromTheProgramFolder) {
  TAppParams params;
  InitAppParams(params, "/opt/Zelmora/");
  EXPECT_EQ(params.ToolsDir, "/opt/Zelmora/tools");
  EXPECT_EQ(params.ffmpeg, "/opt/Zelmora/tools/FFmpeg/ffmpeg");
  EXPECT_EQ(params.MediaInfoDll, "/opt/Zelmora/tools/MediaInfo/libmediainfo.so.0");
  EXPECT_EQ(params.LangDir, "/opt/Zelmora/lang");
  EXPECT_EQ(params.DataDir, "/opt/Zelmora/data");
  EXPECT_EQ(params.LastDir, "/opt/Zelmora");
  EXPECT_EQ(params.IniName, "/opt/Zelmora/zelmora.ini");
  EXPECT_EQ(params.FourccTagsFile, "/opt/Zelmora/data/fourcc_video_tags.txt");
  EXPECT_EQ(params.AudioBitratesTxt, "/opt/Zelmora/data/audio_bitrates.txt");
  EXPECT_EQ(params.ResolutionTxt, "/opt/Zelmora/data/resolutions.txt");
  EXPECT_EQ(params.ProfilesDir, "/opt/Zelmora/profiles");
  EXPECT_EQ(params.LastProfileFile, "/opt/Zelmora/profiles/__Last.ini");
}

TEST(InitAppParams, SetsTheStartUpOptionsAndClearsEverythingElse) {
  TAppParams params;
  params.LanguageIni = "German.ini";
  params.LogDir = "/tmp/old";
  params.KeepFileDates = true;
  InitAppParams(params, "/opt/Zelmora");
  EXPECT_EQ(params.LanguageIni, "");
  EXPECT_EQ(params.LnkShortName, "");
  EXPECT_EQ(params.LogDir, "");
  EXPECT_EQ(params.ColorOK, (TColor{0x1F, 0x6C, 0xE0}));
  EXPECT_EQ(params.ColorError, (TColor{0xE2, 0x35, 0x1D}));
  EXPECT_TRUE(params.DragAcceptDirectories);
  EXPECT_TRUE(params.OpenFileAfterIconClick);
  EXPECT_EQ(params.FileAnalysis, TFileAnalysis::faFull);
  EXPECT_TRUE(params.ScrollProgressToBottom);
  EXPECT_FALSE(params.KeepFileDates);
}

TEST(ChooseMonospaceFont, PrefersFiraMonoThenConsolasThenCourierNew) {
  auto only = [](std::vector<std::string> installed) {
    return ChooseMonospaceFont([&](const std::string& name) {
      for (const std::string& font : installed)
        if (font == name) return true;
      return false;
    });
  };
  EXPECT_EQ(only({"Consolas", "Fira Mono"}), (TFontParams{"Fira Mono", 9}));
  EXPECT_EQ(only({"Consolas"}), (TFontParams{"Consolas", 10}));
  EXPECT_EQ(only({}), (TFontParams{"Courier New", 9}));
}

void MakeExecutable(const std::string& path) {
  ASSERT_EQ(chmod(path.c_str(), 0755), 0);
}

// A program folder with every place FindFFmpeg looks at available on demand.
class FindTools : public ::testing::Test {
protected:
  void SetUp() override {
    appDir = root.mkdir("Zelmora");
    InitAppParams(params, appDir);
    search.AppDir = appDir;
    search.SearchPath = root.mkdir("bin");
    search.LibraryDirs = {root.mkdir("lib")};
  }

  std::string Write(const std::string& name) {
    std::string path = root.write(name, "#!/bin/sh\n");
    MakeExecutable(path);
    return path;
  }
  std::string SharedFFmpeg() {
    root.write("_common/ffmpeg-64/ffmpeg.ver",
               "[MAIN]\ntool=ffmpeg\nbits=" + BuildBits() + "\nver=N-90708-g8daca7697b\n");
    return Write("_common/ffmpeg-64/ffmpeg");
  }

  test::TempDir root;
  std::string appDir;
  TAppParams params;
  TToolSearch search;
};

TEST_F(FindTools, FFmpegIsLookedForInTheOrderConfiguredToolsVersionFilePath) {
  std::string onPath = Write("bin/ffmpeg");
  std::string shared = SharedFFmpeg();
  std::string inTools = Write("Zelmora/tools/FFmpeg/ffmpeg");
  std::string configured = Write("custom/ffmpeg-build");

  params.ffmpeg = configured;
  EXPECT_EQ(FindFFmpeg(params, search), configured);
  params.ffmpeg = root.file("custom/missing");
  EXPECT_EQ(FindFFmpeg(params, search), inTools);
  ASSERT_EQ(std::remove(inTools.c_str()), 0);
  EXPECT_EQ(FindFFmpeg(params, search), shared);
  ASSERT_EQ(std::remove(shared.c_str()), 0);
  EXPECT_EQ(FindFFmpeg(params, search), onPath);
  EXPECT_EQ(params.ffmpeg, onPath);
}

TEST_F(FindTools, NoFFmpegAnywhereLeavesTheFieldEmpty) {
  root.write("bin/ffmpeg", "not executable");
  EXPECT_EQ(FindFFmpeg(params, search), "");
  EXPECT_EQ(params.ffmpeg, "");
}

TEST_F(FindTools, TheToolsDirectoryFollowsTheConfiguredToolsDir) {
  params.ToolsDir = root.mkdir("elsewhere");
  std::string moved = Write("elsewhere/FFmpeg/ffmpeg");
  EXPECT_EQ(FindFFmpeg(params, search), moved);
}

TEST_F(FindTools, MediaInfoFallsBackToTheSystemLibrary) {
  std::string system = root.write("lib/libmediainfo.so.0", "elf");
  std::string inTools = root.write("Zelmora/tools/MediaInfo/libmediainfo.so.0", "elf");
  EXPECT_EQ(FindMediaInfoDll(params, search), inTools);
  ASSERT_EQ(std::remove(inTools.c_str()), 0);
  EXPECT_EQ(FindMediaInfoDll(params, search), system);
  EXPECT_EQ(params.MediaInfoDll, system);
}

struct LogDirCase {
  const char* name;
  const char* tempDir;
  LocalDateTime now;
  const char* expected;
};

TEST(MakeLogDirName, NamesTheFolderAfterTheLocalTimeWithZeroPadding) {
  const LogDirCase cases[] = {
      {"plain folder",
       "/tmp",
       {2024, 3, 9, 14, 5, 7, 42},
       "/tmp/Kestrin_Zelmora_2024-03-09@14_05_07.042"},
      {"trailing separator is not doubled",
       "/var/tmp/",
       {2024, 3, 9, 14, 5, 7, 42},
       "/var/tmp/Kestrin_Zelmora_2024-03-09@14_05_07.042"},
      {"root folder",
       "/",
       {1999, 12, 31, 23, 59, 59, 999},
       "/Kestrin_Zelmora_1999-12-31@23_59_59.999"},
      {"midnight on new year",
       "/tmp",
       {2025, 1, 1, 0, 0, 0, 0},
       "/tmp/Kestrin_Zelmora_2025-01-01@00_00_00.000"},
  };
  for (const LogDirCase& c : cases)
    EXPECT_EQ(MakeLogDirName(c.tempDir, c.now), c.expected) << c.name;
}

TEST(MakeLogDirName, UsesTheSystemTemporaryFolder) {
  std::string name = MakeLogDirName();
  std::string prefix = TempDir() + "/Kestrin_Zelmora_";
  ASSERT_EQ(name.substr(0, prefix.size()), prefix);
  EXPECT_EQ(name.size(), prefix.size() + std::string("2024-03-09@14_05_07.042").size());
}

class RecordingMessageView : public MessageView {
public:
  void ShowWarning(const std::string& text) override { warnings.push_back(text); }
  std::vector<std::string> warnings;
};

TEST(ShowFFmpegMissing, ShowsTheExpandedMessageOnce) {
  TAppStrings strings;
  RecordingMessageView view;
  ShowFFmpegMissing(view, strings);
  ASSERT_EQ(view.warnings.size(), 1u);
  EXPECT_EQ(view.warnings[0],
            "Could not find FFmpeg encoder!\r\n\r\nRemember to extract ALL files from the "
            "original ZIP archive (Zelmora.zip). Especially tools directory and all EXE and DLL "
            "files.\r\n\r\nYou can download the latest version of Zelmora from "
            "zelmora.example.org.");
}

TEST(ShowFFmpegMissing, UsesTheCurrentTranslation) {
  TAppStrings strings;
  strings.Main.FFmpegNotExists = "Kein FFmpeg (%s, %s)";
  RecordingMessageView view;
  ShowFFmpegMissing(view, strings);
  ASSERT_EQ(view.warnings.size(), 1u);
  EXPECT_EQ(view.warnings[0], "Kein FFmpeg (Zelmora.zip, Zelmora)");
}

TEST(ProgramTitle, NamesTheVersionAndTheBuildsBitness) {
  std::string bits = std::to_string(sizeof(void*) * 8);
  EXPECT_EQ(ProgramTitle(), "Zelmora 1.5  [" + bits + "-bit]");
  EXPECT_EQ(BuildBits(), bits);
}

}  // namespace
}  // namespace zelmora
