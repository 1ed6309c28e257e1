#include "config/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using enum TFileListColumn;

constexpr TScreenSize Screen{1920, 1080};

// A program folder with its settings file, language folder and no tools.
class SettingsFolder : public ::testing::Test {
protected:
  void SetUp() override {
    InitAppParams(context.AppParams, dir.path());
    context.AppParams.ffmpeg = dir.write("tools/ffmpeg", "#!/bin/sh\n");
    context.AppParams.MediaInfoDll = dir.write("tools/libmediainfo.so.0", "");
    ini = context.AppParams.IniName;
  }
  bool Load(const std::string& text) {
    dir.write(ExtractFileName(ini), text);
    return LoadSettingsFromIni(ini, context, settings, Screen, search);
  }
  std::string Saved() const { return ReadWholeFile(ini).value(); }

  test::TempDir dir;
  AppContext context;
  TSettingsRecord settings;
  TToolSearch search;
  std::string ini;
};

struct ReadCase {
  const char* name;
  const char* main;  // lines of the MAIN section
  std::function<long(const AppContext&, const TSettingsRecord&)> field;
  long expected;
};

long Col(const TSettingsRecord& s, TFileListColumn c, int TColumnState::*member) {
  return s.Columns[static_cast<size_t>(c)].*member;
}

TEST_F(SettingsFolder, ReadsEveryKeyByItsRule) {
  using C = const AppContext&;
  using R = const TSettingsRecord&;
  const std::vector<ReadCase> cases = {
      {"Left beyond the screen's width becomes 0", "Left=5000", [](C, R s) { return s.Left; }, 0},
      {"Left a bit left of the screen stays", "Left=-1500", [](C, R s) { return s.Left; }, -1500},
      {"Left more than a screen to the left becomes 0", "Left=-2500", [](C, R s) { return s.Left; },
       0},
      {"Top above the screen becomes 0", "Top=-10", [](C, R s) { return s.Top; }, 0},
      {"Top below the screen becomes 0", "Top=1200", [](C, R s) { return s.Top; }, 0},
      {"a width below the minimum is raised", "Width=100", [](C, R s) { return s.Width; }, 650},
      {"a height is taken as read", "Height=900", [](C, R s) { return s.Height; }, 900},
      {"RowHeight 100 gives 50", "RowHeight=100", [](C, R s) { return s.RowHeight; }, 50},
      {"RowHeight in hexadecimal", "RowHeight=0x10", [](C, R s) { return s.RowHeight; }, 16},
      {"ListFontSize 3 gives 6", "ListFontSize=3", [](C, R s) { return s.ListFontSize; }, 6},
      {"font size 14 gives a 34-pixel header", "ListFontSize=14",
       [](C, R s) { return s.HeaderHeight; }, 34},
      {"font size 13 gives a 22-pixel header", "ListFontSize=13",
       [](C, R s) { return s.HeaderHeight; }, 22},
      {"colSize_Position 99 gives 28", "colSize_Position=99",
       [](C, R s) { return Col(s, colSize, &TColumnState::Position); }, 28},
      {"a negative position gives 0", "colStatus_Position=-4",
       [](C, R s) { return Col(s, colStatus, &TColumnState::Position); }, 0},
      {"a width is taken as read", "colVideoFPS_Width=123",
       [](C, R s) { return Col(s, colVideoFPS, &TColumnState::Width); }, 123},
      {"the check column cannot be hidden", "colActive_Visible=0",
       [](C, R s) { return long{s.Columns[1].Visible}; }, 1},
      {"a column is hidden", "colDirectory_Visible=0",
       [](C, R s) { return long{s.Columns[static_cast<size_t>(colDirectory)].Visible}; }, 0},
      {"FileAnalysis quick in small letters", "FileAnalysis=quick",
       [](C c, R) { return static_cast<long>(c.AppParams.FileAnalysis); },
       static_cast<long>(TFileAnalysis::faQuick)},
      {"FileAnalysis none", "FileAnalysis=None",
       [](C c, R) { return static_cast<long>(c.AppParams.FileAnalysis); },
       static_cast<long>(TFileAnalysis::faNone)},
      {"an unknown FileAnalysis word is full", "FileAnalysis=deep",
       [](C c, R) { return static_cast<long>(c.AppParams.FileAnalysis); },
       static_cast<long>(TFileAnalysis::faFull)},
      {"DefaultVideoCodec h.264 with blanks", "DefaultVideoCodec=  h.264  ",
       [](C c, R) { return long{c.DefaultVideoCodecIndex}; }, 2},
      {"any other DefaultVideoCodec is Xvid", "DefaultVideoCodec=x264",
       [](C c, R) { return long{c.DefaultVideoCodecIndex}; }, 0},
      {"OutputFormat mpg opens the MPG page", "OutputFormat=mpg",
       [](C, R s) { return long{s.OutputFormat == TOutputFormat::ofMPG}; }, 1},
      {"cbOutputExists is kept unchecked", "cbOutputExists=7",
       [](C, R s) { return long{s.Output.OutputExists}; }, 7},
      {"OutIn off", "OutIn=0", [](C, R s) { return long{s.Output.OutIn}; }, 0},
      {"a boolean that is no number keeps the default", "GridLines=no",
       [](C, R s) { return long{s.GridLines}; }, 1},
      {"EscExit set by hand", "escexit=1", [](C, R s) { return long{s.EscExit}; }, 1},
      {"OpenFileAfterIconClick off", "OpenFileAfterIconClick=0",
       [](C c, R) { return long{c.AppParams.OpenFileAfterIconClick}; }, 0},
  };
  for (const ReadCase& c : cases) {
    SetUp();
    settings = TSettingsRecord{};
    ASSERT_TRUE(Load(std::string("[MAIN]\n") + c.main + "\n")) << c.name;
    EXPECT_EQ(c.field(context, settings), c.expected) << c.name;
  }
}

TEST_F(SettingsFolder, AMissingOrBrokenFileChangesNothing) {
  const TAppParams before = context.AppParams;
  EXPECT_FALSE(LoadSettingsFromIni(dir.file("none.ini"), context, settings, Screen, search));
  std::string garbage(4096, '\0');
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 37);
  EXPECT_TRUE(Load(garbage));
  EXPECT_EQ(settings.Width, 934);
  EXPECT_EQ(context.AppParams.ffmpeg, before.ffmpeg);
}

TEST_F(SettingsFolder, LastDirIsTakenOnlyWhenTheFolderExists) {
  const std::string videos = dir.mkdir("My Videos $1");
  ASSERT_TRUE(Load("[MAIN]\nLastDir=" + videos + "\n"));
  EXPECT_EQ(context.AppParams.LastDir, videos);
  ASSERT_TRUE(Load("[MAIN]\nLastDir=" + dir.file("gone") + "\n"));
  EXPECT_EQ(context.AppParams.LastDir, videos);
}

TEST_F(SettingsFolder, HandEditedToolPathsAreTakenOnlyWhenTheyExist) {
  const std::string tools = dir.mkdir("other tools");
  const std::string ffmpeg = dir.write("other tools/ffmpeg", "");
  ASSERT_TRUE(Load("[MAIN]\nToolsDir=" + tools + "/\nffmpeg=" + ffmpeg + "\n"));
  EXPECT_EQ(context.AppParams.ToolsDir, tools);
  EXPECT_EQ(context.AppParams.ffmpeg, ffmpeg);

  // A missing ffmpeg is looked for again, here on the search path.
  const std::string onPath = dir.write("bin/ffmpeg", "#!/bin/sh\n");
  chmod(onPath.c_str(), 0755);
  search.SearchPath = dir.file("bin");
  ASSERT_TRUE(Load("[MAIN]\nToolsDir=" + dir.file("no such") + "\nffmpeg=/no/ffmpeg\n"));
  EXPECT_EQ(context.AppParams.ToolsDir, tools);
  EXPECT_EQ(context.AppParams.ffmpeg, onPath);
}

TEST_F(SettingsFolder, TheStoredLanguageReplacesThePreviousOne) {
  dir.write("lang/Polish.ini", "[INFO]\nLangName_InEnglish=Polish\n[MAIN]\nactConvert=Konwertuj\n");
  ASSERT_TRUE(Load("[MAIN]\nLanguageIni=Polish.ini\n"));
  EXPECT_EQ(context.Strings.Main.actConvert, "Konwertuj");
  EXPECT_EQ(context.AppParams.LanguageIni, "Polish.ini");
  ASSERT_TRUE(Load("[MAIN]\nLanguageIni=Gone.ini\n"));
  EXPECT_EQ(context.Strings.Main.actConvert, TAppStrings().Main.actConvert);
}

TEST(CheckIniFile, TreatsOnlyLeftZeroAsAnEarlierStart) {
  const std::vector<std::pair<const char*, bool>> cases = {
      {"[MAIN]\nLeft=0\n", false},  {"[main]\nleft = 0\n", false}, {"[MAIN]\nLeft=15\n", true},
      {"[MAIN]\nLeft=abc\n", true}, {"[MAIN]\nTop=0\n", true},     {"", true},
  };
  test::TempDir dir;
  for (const auto& [text, firstStart] : cases) {
    EXPECT_EQ(CheckIniFile(dir.write("zelmora.ini", text)), firstStart) << text;
  }
  EXPECT_TRUE(CheckIniFile(dir.file("missing.ini")));
  EXPECT_EQ(ReadStoredLanguageIni(dir.write("zelmora.ini", "[MAIN]\nLeft=0\n")), "");
  EXPECT_EQ(ReadStoredLanguageIni(dir.file("missing.ini")), "");
}

}  // namespace
}  // namespace zelmora
