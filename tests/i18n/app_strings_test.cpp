#include "i18n/app_strings.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zelmora {
namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::vector<const AppStringEntry*> EntriesOf(std::string_view group) {
  std::vector<const AppStringEntry*> entries;
  for (const AppStringEntry& entry : AppStringTable()) {
    if (group == entry.group) entries.push_back(&entry);
  }
  return entries;
}

// Where each group lives inside TAppStrings, to check that its rows fill its own
// fields and no others.
struct GroupLayout {
  const char* section;
  size_t count;
  const void* begin;
  size_t size;
};

std::vector<GroupLayout> Layouts(const TAppStrings& s) {
  return {
      {"MAIN", 176, &s.Main, sizeof s.Main},
      {"Errors", 5, &s.Errors, sizeof s.Errors},
      {"FileInfo", 58, &s.FileInfo, sizeof s.FileInfo},
      {"Options", 21, &s.Options, sizeof s.Options},
      {"Progress", 15, &s.Progress, sizeof s.Progress},
      {"About", 2, &s.About, sizeof s.About},
      {"ToolsInfo", 2, &s.ToolsInfo, sizeof s.ToolsInfo},
      {"CheckUpdate", 12, &s.CheckUpdate, sizeof s.CheckUpdate},
  };
}

TEST(AppStringTable, ListsTheGroupsInOrderWithTheirKeyCounts) {
  TAppStrings strings;
  std::vector<std::string_view> expectedGroups;
  size_t total = 0;
  for (const GroupLayout& layout : Layouts(strings)) {
    expectedGroups.push_back(layout.section);
    total += layout.count;
    EXPECT_EQ(EntriesOf(layout.section).size(), layout.count) << layout.section;
  }
  EXPECT_EQ(AppStringGroups(), expectedGroups);
  EXPECT_EQ(AppStringTable().size(), total);
}

TEST(AppStringTable, KeysAreUniqueWithinEachGroupIgnoringCase) {
  for (std::string_view group : AppStringGroups()) {
    std::set<std::string> keys;
    for (const AppStringEntry* entry : EntriesOf(group)) {
      EXPECT_TRUE(keys.insert(Upper(entry->key)).second) << group << "." << entry->key;
    }
  }
}

// Together with the field count fixed by each group's size, distinct rising
// addresses inside the group mean every field is filled, once, in field order.
TEST(AppStringTable, EachGroupFillsEveryOwnFieldOnceInFieldOrder) {
  TAppStrings strings;
  for (const GroupLayout& layout : Layouts(strings)) {
    const auto* begin = static_cast<const std::byte*>(layout.begin);
    const std::byte* previous = nullptr;
    for (const AppStringEntry* entry : EntriesOf(layout.section)) {
      const auto* field = reinterpret_cast<const std::byte*>(&entry->Of(strings));
      EXPECT_GE(field, begin) << layout.section << "." << entry->key;
      EXPECT_LT(field, begin + layout.size) << layout.section << "." << entry->key;
      if (previous) {
        EXPECT_GT(field, previous) << layout.section << "." << entry->key;
      }
      previous = field;
    }
  }
}

TEST(AppStringTable, KeyEqualsFieldNameExceptTheTwoKeepDatesStrings) {
  const std::map<std::string, std::string> exceptions = {{"chKeepDates", "chKeepFileDates"},
                                                         {"KeepDates", "KeepFileDates"}};
  for (const AppStringEntry& entry : AppStringTable()) {
    const auto it = exceptions.find(entry.field);
    const bool isMain = std::string_view(entry.group) == "MAIN";
    const std::string expected = (isMain && it != exceptions.end()) ? it->second : entry.field;
    EXPECT_EQ(entry.key, expected) << entry.group << "." << entry.field;
  }
}

TEST(AppStringTable, EveryEnglishTextIsSetExceptTheStayOnTopButton) {
  for (const AppStringEntry& entry : AppStringTable()) {
    const bool stayOnTop =
        std::string_view(entry.group) == "MAIN" && std::string_view(entry.key) == "btnStayOnTop";
    EXPECT_EQ(entry.english.empty(), stayOnTop) << entry.group << "." << entry.key;
    // Escapes stay literal: a real line break or tab belongs only to the display form.
    EXPECT_EQ(entry.english.find_first_of("\r\n\t"), std::string::npos)
        << entry.group << "." << entry.key;
  }
}

TEST(TAppStrings, StartsEnglishAndSetENRestoresEveryText) {
  TAppStrings strings;
  EXPECT_EQ(strings.LanguageName, "English");
  EXPECT_EQ(strings.Main.Auto, "Auto");
  EXPECT_EQ(strings.Main.btnStayOnTop, "");

  for (const AppStringEntry& entry : AppStringTable()) entry.Of(strings) = "translated";
  strings.LanguageName = "Deutsch";
  strings.SetEN();

  EXPECT_EQ(strings.LanguageName, "English");
  for (const AppStringEntry& entry : AppStringTable()) {
    EXPECT_EQ(entry.Of(strings), entry.english) << entry.group << "." << entry.key;
  }
}

struct SpotCheck {
  const char* group;
  const char* key;
  std::string text;
};

TEST(TAppStrings, EnglishTextsMatchTheirCaptions) {
  const std::vector<SpotCheck> checks = {
      {"MAIN", "Auto", "Auto"},
      {"MAIN", "colFile", "File"},
      {"MAIN", "colVideoFPS", "Frames/sec."},
      {"MAIN", "btnHomePage", "Home page"},
      {"MAIN", "btnAbout", "About"},
      {"MAIN", "lblAudioVolume", "Volume:"},
      {"MAIN", "actConvert", "Convert checked files"},
      {"MAIN", "dlgSaveBAT_Filter", "Shell scripts (*.sh)"},
      {"MAIN", "chKeepFileDates", "Keep the dates of the original files"},
      {"MAIN", "KeepFileDates",
       "Keeps the creation, last write and the last access time of the original files"},
      {"MAIN", "VideoBitrateMustBeInteger",
       "Video bitrate: %s\\nBitrate must be an integer value!"},
      {"MAIN", "actExploreDirectory", "Open directory \"%s\""},
      {"MAIN", "FFmpegNotExists",
       "Could not find FFmpeg encoder!\\n\\nRemember to extract ALL files from the original "
       "ZIP archive (%s). Especially tools directory and all EXE and DLL files.\\n\\nYou can "
       "download the latest version of %s from zelmora.example.org."},
      {"Errors", "dlgSaveLogFilter", "Log file"},
      {"FileInfo", "Caption", "Video file properties"},
      {"FileInfo", "Report_Info", "%s - Video file information report"},
      {"Options", "FileAnalysis_None", "None"},
      {"Progress", "Caption", "Conversion"},
      {"About", "Donation", "DONATION"},
      {"ToolsInfo", "Caption", "Tools info"},
      {"CheckUpdate", "NoUpdates", "No updates available.\\nYou have the latest version."},
  };
  TAppStrings strings;
  for (const SpotCheck& check : checks) {
    const std::string* text = FindAppString(strings, check.group, check.key);
    ASSERT_NE(text, nullptr) << check.group << "." << check.key;
    EXPECT_EQ(*text, check.text) << check.group << "." << check.key;
  }
  EXPECT_EQ(strings.Main.chKeepDates, "Keep the dates of the original files");
  EXPECT_EQ(strings.Main.KeepDates, FindAppStringEntry("MAIN", "KeepFileDates")->english);
}

TEST(FindAppString, MatchesSectionAndKeyIgnoringCase) {
  TAppStrings strings;
  EXPECT_EQ(FindAppString(strings, "main", "AUTO"), &strings.Main.Auto);
  EXPECT_EQ(FindAppString(strings, "Main", "chkeepfiledates"), &strings.Main.chKeepDates);
  EXPECT_EQ(FindAppString(strings, "ERRORS", "caption"), &strings.Errors.Caption);
  EXPECT_EQ(FindAppString(strings, "about", "Caption"), &strings.About.Caption);
  EXPECT_EQ(FindAppString(strings, "checkupdate", "ACTCLOSE"), &strings.CheckUpdate.actClose);
}

TEST(FindAppString, FindsNothingForUnknownNamesOrFieldNamesThatAreNotKeys) {
  TAppStrings strings;
  EXPECT_EQ(FindAppString(strings, "MAIN", "chKeepDates"), nullptr);
  EXPECT_EQ(FindAppString(strings, "MAIN", "KeepDates"), nullptr);
  EXPECT_EQ(FindAppString(strings, "MAIN", "Caption"), nullptr);
  EXPECT_EQ(FindAppString(strings, "Nowhere", "Auto"), nullptr);
  EXPECT_EQ(FindAppString(strings, "", ""), nullptr);
  EXPECT_EQ(FindAppString(strings, "MAIN", "Auto "), nullptr);
  // The separator of the lookup name cannot be forged through a key.
  EXPECT_EQ(FindAppString(strings, "MAI", "N\nAuto"), nullptr);
}

struct ExpandCase {
  const char* name;
  std::string text;
  std::string arg1;
  std::string arg2;
  std::string expected;
};

TEST(ExpandMessageText, ExpandsEscapesThenFillsTwoPlaceholders) {
  const std::vector<ExpandCase> cases = {
      {"a rejected bitrate gives two lines joined by CR LF",
       TAppStrings().Main.VideoBitrateMustBeInteger, "12a", "",
       "Video bitrate: 12a\r\nBitrate must be an integer value!"},
      {"an empty first argument removes its placeholder", "Open directory \"%s\"", "", "",
       "Open directory \"\""},
      {"two arguments go to the first and second place", "%s and %s", "one", "two", "one and two"},
      {"a placeholder inside the first argument is not filled by the second", "Copy %s to %s",
       "a%sb", "dest", "Copy a%sb to dest"},
      {"a first argument with a placeholder and a text with one keeps it", "File %s", "x%sy", "z",
       "File x%sy"},
      {"a third placeholder stays", "%s %s %s", "1", "2", "1 2 %s"},
      {"an empty first argument still lets the second fill the next place", "%s%s", "", "x", "x"},
      {"tabs and doubled line breaks are expanded", "a\\tb\\n\\nc", "", "", "a\tb\r\n\r\nc"},
      {"escapes inside arguments stay literal", "Dir %s", "/tmp/\\new\\t", "", "Dir /tmp/\\new\\t"},
      {"placeholders are case-sensitive", "%S and %s", "x", "", "%S and x"},
      {"a text without placeholders ignores its arguments", "Ready", "x", "y", "Ready"},
      {"an empty text stays empty", "", "x", "y", ""},
      {"a lone backslash and percent stay", "100% \\ done", "x", "", "100% \\ done"},
      {"the missing-encoder message names the archive and the product",
       TAppStrings().Main.FFmpegNotExists, "Zelmora.zip", "Zelmora",
       "Could not find FFmpeg encoder!\r\n\r\nRemember to extract ALL files from the original "
       "ZIP archive (Zelmora.zip). Especially tools directory and all EXE and DLL "
       "files.\r\n\r\nYou can download the latest version of Zelmora from "
       "zelmora.example.org."},
  };
  for (const ExpandCase& c : cases) {
    EXPECT_EQ(ExpandMessageText(c.text, c.arg1, c.arg2), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace zelmora
