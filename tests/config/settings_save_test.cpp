#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "config/settings_file.h"
#include "i18n/app_strings.h"
#include "i18n/lang_ini_list.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using enum TFileListColumn;

class SavedSettings : public ::testing::Test {
protected:
  void SetUp() override {
    InitAppParams(context.AppParams, dir.path());
    ini = context.AppParams.IniName;
  }
  std::string Text() const { return ReadWholeFile(ini).value(); }
  bool Has(std::string_view line) const { return Text().find(line) != std::string::npos; }

  test::TempDir dir;
  AppContext context;
  TSettingsRecord settings;
  TToolSearch search;
  std::string ini;
};

TEST_F(SavedSettings, ANewFileHoldsTheKeysInTheirOrder) {
  SaveSettingsToIni(ini, context, settings);
  const std::string text = Text();
  size_t previous = 0;
  for (const char* key : {"[MAIN]",
                          "LanguageIni=",
                          "Maximized=0",
                          "Left=",
                          "Height=",
                          "cbOutputExists=0",
                          "OutIn=1",
                          "KeepFileDates=0",
                          "RowHeight=20",
                          "ListFontName=",
                          "FileAnalysis=Full",
                          "DefaultVideoCodec=Xvid",
                          "OutputFormat=AVI",
                          "LastDir=",
                          "DragAcceptDirectories=1",
                          "colNo_Width=40",
                          "colStatus_Width=",
                          "colAudioStreamSize_Width=",
                          "colNo_Position=0",
                          "colAudioStreamSize_Position=",
                          "colNo_Visible=1",
                          "colAudioStreamSize_Visible="}) {
    const size_t at = text.find(key, previous);
    ASSERT_NE(at, std::string::npos) << key << " after position " << previous << "\n" << text;
    previous = at;
  }
  EXPECT_EQ(text.find("colActive_Visible"), std::string::npos);
  EXPECT_EQ(text.find("colFileName_Visible"), std::string::npos);
  EXPECT_EQ(text.find("[PROGRESS]"), std::string::npos);  // no progress window yet
  EXPECT_EQ(text.find("EscExit"), std::string::npos);
}

TEST_F(SavedSettings, WhatIsSavedLoadsBack) {
  settings.Left = 33;
  settings.Width = 1000;
  settings.Output = {false, dir.path() + "/out $x", oeSkip, acCloseApplication, true};
  settings.OutputFormat = TOutputFormat::ofMPG;
  settings.ListFontSize = 15;
  settings.Columns[static_cast<size_t>(colStatus)] = {99, 7, false};
  settings.HasProgressWindow = true;
  settings.ProgressWidth = 900;
  settings.CloseAfterConversion = false;
  context.AppParams.FileAnalysis = TFileAnalysis::faQuick;
  context.AppParams.ScrollProgressToBottom = false;
  context.DefaultVideoCodecIndex = vcH264;
  SaveSettingsToIni(ini, context, settings);

  AppContext loaded;
  InitAppParams(loaded.AppParams, dir.path());
  TSettingsRecord back;
  ASSERT_TRUE(LoadSettingsFromIni(ini, loaded, back, {1920, 1080}, search));
  LoadProgressSettings(ini, back, loaded.AppParams);
  EXPECT_EQ(back.Left, 33);
  EXPECT_EQ(back.Width, 1000);
  EXPECT_EQ(back.Output.OutDir, settings.Output.OutDir);
  EXPECT_EQ(back.Output.OutputExists, oeSkip);
  EXPECT_EQ(back.Output.AfterConversion, acCloseApplication);
  EXPECT_FALSE(back.Output.OutIn);
  EXPECT_TRUE(back.Output.KeepFileDates);
  EXPECT_EQ(back.OutputFormat, TOutputFormat::ofMPG);
  EXPECT_EQ(back.HeaderHeight, 34);
  EXPECT_EQ(back.Columns[static_cast<size_t>(colStatus)].Width, 99);
  EXPECT_EQ(back.Columns[static_cast<size_t>(colStatus)].Position, 7);
  EXPECT_FALSE(back.Columns[static_cast<size_t>(colStatus)].Visible);
  EXPECT_EQ(back.ProgressWidth, 900);
  EXPECT_FALSE(back.CloseAfterConversion);
  EXPECT_FALSE(loaded.AppParams.ScrollProgressToBottom);
  EXPECT_EQ(loaded.AppParams.FileAnalysis, TFileAnalysis::faQuick);
  EXPECT_EQ(loaded.DefaultVideoCodecIndex, vcH264);
  SaveSettingsToIni(ini, loaded, back);
  EXPECT_TRUE(Has("FileAnalysis=Quick\n"));
}

TEST_F(SavedSettings, AMaximizedWindowKeepsItsEarlierPlaceAndHandEditedKeysStay) {
  dir.write("zelmora.ini",
            "; my notes\n[MAIN]\nEscExit=1\nffmpeg=/opt/ffmpeg\nLeft=120\n"
            "Width=1111\n[Other]\nx=y\n");
  settings.Maximized = true;
  settings.Left = 0;
  settings.Width = 1920;
  SaveSettingsToIni(ini, context, settings);
  for (const char* kept : {"; my notes\n", "EscExit=1\n", "ffmpeg=/opt/ffmpeg\n", "Left=120\n",
                           "Width=1111\n", "[Other]\nx=y\n", "Maximized=1\n"}) {
    EXPECT_TRUE(Has(kept)) << kept << "\n" << Text();
  }
}

TEST_F(SavedSettings, AFailedSaveSaysNothingAndKeepsWhatWasThere) {
  const std::string folder = dir.mkdir("zelmora.ini.d");
  SaveSettingsToIni(folder, context, settings);  // a folder in the file's place
  EXPECT_TRUE(ListFiles(folder).empty());
  SaveSettingsToIni(dir.file("missing/deeper/zelmora.ini"), context, settings);
  EXPECT_FALSE(FileExists(dir.file("missing/deeper/zelmora.ini")));
}

// Left=0 means "started before" even without a stored language, so the
// language start-up loads nothing and the interface stays English.
TEST_F(SavedSettings, LeftZeroWithoutALanguageStartsInEnglish) {
  dir.write("lang/Polish.ini", "[INFO]\nLangName_InEnglish=Polish\n[MAIN]\nactConvert=Konwertuj\n");
  dir.write("zelmora.ini", "[MAIN]\nLeft=0\n");
  const bool firstStart = CheckIniFile(ini);
  EXPECT_FALSE(firstStart);
  InitLang({context.AppParams.LangDir, firstStart, ReadStoredLanguageIni(ini), "pl_PL.UTF-8"},
           context.Strings, context.AppParams.LanguageIni);
  EXPECT_EQ(context.AppParams.LanguageIni, "");
  EXPECT_EQ(context.Strings.Main.actConvert, TAppStrings().Main.actConvert);
}

TEST(ColumnDisplayOrder, AppliesTheStoredPositionsOneColumnAtATime) {
  TSettingsRecord settings;
  std::vector<TFileListColumn> design;
  for (const TFileListColumnInfo& info : FileListColumns()) design.push_back(info.Column);
  EXPECT_EQ(ColumnDisplayOrder(settings), design);

  // Positions a grid saved while showing the columns in the file's key order.
  const auto& keyOrder = SettingsColumnOrder();
  for (size_t i = 0; i < keyOrder.size(); ++i) {
    settings.Columns[static_cast<size_t>(keyOrder[i])].Position = static_cast<int>(i);
  }
  const std::vector<TFileListColumn> expected(keyOrder.begin(), keyOrder.end());
  EXPECT_EQ(ColumnDisplayOrder(settings), expected);
}

}  // namespace
}  // namespace zelmora
