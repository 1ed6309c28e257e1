#include "config/profile_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/numbers.h"
#include "config/profile_colors.h"
#include "config/profile_file.h"
#include "i18n/app_strings.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::string Profile(const std::string& mainKeys) {
  return "[MAIN]\nAppName=Zelmora\nAppVer=1.5\n" + mainKeys + "\n[AVI]\nVideoCodec=WMV2\n";
}

std::vector<std::string> Names(const std::vector<TProfileInfo>& list) {
  std::vector<std::string> names;
  for (const TProfileInfo& info : list) names.push_back(info.DisplayName);
  return names;
}

TEST(AP_AddProfile, ListsOnlyProfilesOfThisProgramAndVersion) {
  struct Case {
    const char* name;
    std::string text;
    bool listed;
  };
  const std::vector<Case> cases = {
      {"a profile of this version", Profile(""), true},
      {"names in other letter case", "[main]\nappname=ZELMORA\nappver=1.5\n", true},
      {"another version", "[MAIN]\nAppName=Zelmora\nAppVer=1.4\n", false},
      {"another program", "[MAIN]\nAppName=Other\nAppVer=1.5\n", false},
      {"no MAIN section", "[AVI]\nVideoCodec=WMV2\n", false},
      {"binary garbage", std::string("\x00\xFF[MAIN\x01]=\n\x80", 10), false},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    std::vector<TProfileInfo> list;
    EXPECT_EQ(AP_AddProfile(dir.write("p.ini", c.text), list), c.listed) << c.name;
    EXPECT_EQ(list.size(), c.listed ? 1u : 0u) << c.name;
  }
  std::vector<TProfileInfo> list;
  EXPECT_FALSE(AP_AddProfile(dir.file("missing.ini"), list));
}

TEST(AP_AddProfile, ReadsNameIndexAndColours) {
  struct Case {
    const char* name;
    const char* keys;
    const char* displayName;
    double sortIndex;
    TColor bg;
  };
  const std::vector<Case> cases = {
      {"no display name gives the file name", "", "My Fast", -1, ProfileWhite},
      {"a colour tag is cut off", "DisplayName=Fast[clb=#FF0000]", "Fast", -1, ProfileWhite},
      {"the tag in other case is cut too", "DisplayName=Fast[CLF=$00FF00]x", "Fast", -1,
       ProfileWhite},
      {"a tag at the start leaves no name", "DisplayName=[clb=1]Fast", "", -1, ProfileWhite},
      {"line-break escapes stay in the name", "DisplayName=Two\\nLines", "Two\\nLines", -1,
       ProfileWhite},
      {"a sort index with a point", "SortIndex=2.5", "My Fast", 2.5, ProfileWhite},
      {"an unreadable sort index is -1", "SortIndex=soon", "My Fast", -1, ProfileWhite},
      {"a colour in #RGB", "BgColor=#f80", "My Fast", -1, TColor{255, 136, 0}},
      {"an unreadable colour is white", "BgColor=reddish", "My Fast", -1, ProfileWhite},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    std::vector<TProfileInfo> list;
    ASSERT_TRUE(AP_AddProfile(dir.write("My Fast.ini", Profile(c.keys)), list)) << c.name;
    EXPECT_EQ(list[0].ShortFileName, "My Fast.ini") << c.name;
    EXPECT_EQ(list[0].DisplayName, c.displayName) << c.name;
    EXPECT_DOUBLE_EQ(list[0].SortIndex, c.sortIndex) << c.name;
    EXPECT_EQ(list[0].BgColor, c.bg) << c.name;
  }
}

TEST(AP_AddProfile, ReadsTheSortIndexWithAPointUnderACommaLocale) {
  const char previous = DecimalSeparator();
  SetDecimalSeparator(',');
  test::TempDir dir;
  std::vector<TProfileInfo> list;
  AP_AddProfile(dir.write("a.ini", Profile("SortIndex=2.5")), list);
  AP_AddProfile(dir.write("b.ini", Profile("SortIndex=2,5")), list);
  SetDecimalSeparator(previous);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_DOUBLE_EQ(list[0].SortIndex, 2.5);
  EXPECT_DOUBLE_EQ(list[1].SortIndex, 2.5);
}

TEST(ParseProfileColor, AcceptsTheThreeNotations) {
  const std::vector<std::pair<const char*, std::optional<TColor>>> cases = {
      {"#102030", TColor{0x10, 0x20, 0x30}},
      {" # 10 20 3f ", TColor{0x10, 0x20, 0x3F}},
      {"#abc", TColor{0xAA, 0xBB, 0xCC}},
      {"#12345", std::nullopt},
      {"#GGHHII", std::nullopt},
      {"$0000FF", TColor{255, 0, 0}},
      {"0x00FF00", TColor{0, 255, 0}},
      {"FF0000", TColor{0, 0, 255}},
      {"255", TColor{0x55, 0x02, 0}},
      {"0x1000000", std::nullopt},
      {"10,20,30", TColor{10, 20, 30}},
      {"10 20 30", TColor{10, 20, 30}},
      {"rgb(10, 20, 30)", TColor{10, 20, 30}},
      {"RGB (0,0,0)", TColor{0, 0, 0}},
      {"(1,2,3)", TColor{1, 2, 3}},
      {"10,20", std::nullopt},
      {"10,20,300", std::nullopt},
      {"10,-20,30", std::nullopt},
      {"", std::nullopt},
      {"red", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseProfileColor(text), expected) << text;
}

TEST(SortProfiles, OrdersBySortIndexWithTheListsOwnQuicksort) {
  std::vector<TProfileInfo> list;
  for (const auto& [name, index] : std::vector<std::pair<const char*, double>>{
           {"a", 3}, {"b", 1}, {"c", 1}, {"d", 1}, {"e", -1}, {"f", 2}}) {
    list.push_back({std::string(name) + ".ini", name, index, ProfileWhite, ProfileWhite});
  }
  SortProfiles(list);
  // Worked through by hand: the pivot is element 2 (c, 1); equal indexes are
  // swapped across it, so c, d and b do not keep their file order.
  EXPECT_EQ(Names(list), (std::vector<std::string>{"e", "d", "c", "b", "f", "a"}));
  std::vector<TProfileInfo> empty;
  SortProfiles(empty);
  EXPECT_TRUE(empty.empty());
}

class ProfilesFolder : public ::testing::Test {
protected:
  void SetUp() override {
    dir.write("b_dvd.ini", Profile("DisplayName=DVD\nSortIndex=2"));
    dir.write("A_xvid.INI", Profile("DisplayName=Xvid\nSortIndex=1"));
    dir.write("old.ini", "[MAIN]\nAppName=Zelmora\nAppVer=1.0\n");
    dir.write("__Last.ini", Profile(""));
    dir.write("notes.txt", Profile(""));
    dir.write("sub/inner.ini", Profile(""));
  }
  std::string Last() const { return dir.file("__Last.ini"); }

  test::TempDir dir;
  TAppStrings strings;
};

TEST_F(ProfilesFolder, ListsTheProfilesButTheLastSessionAndPutsASavedOneFirst) {
  EXPECT_EQ(Names(GetProfiles(dir.path(), Last())), (std::vector<std::string>{"Xvid", "DVD"}));
  ASSERT_TRUE(SaveProfile(dir.file("mine.ini"), EncoderSettings{}, strings).ok());
  const std::vector<TProfileInfo> list = GetProfiles(dir.path(), Last());
  EXPECT_EQ(Names(list), (std::vector<std::string>{"mine", "Xvid", "DVD"}));
  EXPECT_EQ(SelectorItemAfterSave(dir.file("mine.ini"), dir.path(), list), 2);
  EXPECT_EQ(SelectorItemAfterSave(dir.file("MINE.ini"), dir.path(), list), 2);
  EXPECT_EQ(SelectorItemAfterSave(Last(), dir.path(), list), 0);
  EXPECT_EQ(SelectorItemAfterSave("/elsewhere/mine.ini", dir.path(), list), -1);
  EXPECT_TRUE(GetProfiles(dir.file("missing"), Last()).empty());
}

TEST_F(ProfilesFolder, AProfileOfAnotherVersionIsNotListedButLoads) {
  dir.write("old.ini", "[MAIN]\nAppName=Zelmora\nAppVer=1.0\n[AVI]\nVideoCodec=WMV1\n");
  EncoderSettings settings;
  ASSERT_TRUE(LoadProfile(dir.file("old.ini"), settings, strings, vcXvid));
  EXPECT_EQ(settings.Avi.VideoCodec, vcWmv1);
}

TEST_F(ProfilesFolder, ChoosingAnItemLoadsWhatItStandsFor) {
  const std::vector<TProfileInfo> list = GetProfiles(dir.path(), Last());
  struct Case {
    const char* name;
    int item;
    TProfileChoice::TKind kind;
    std::string file;
  };
  const std::vector<Case> cases = {
      {"item 0 is the last session", 0, TProfileChoice::pcLastSession, Last()},
      {"item 1 is the default settings", 1, TProfileChoice::pcDefaults, ""},
      {"item 2 is the first entry", 2, TProfileChoice::pcProfileFile, dir.file("A_xvid.INI")},
      {"item 3 is the second entry", 3, TProfileChoice::pcProfileFile, dir.file("b_dvd.ini")},
      {"an item past the end is the first entry", 9, TProfileChoice::pcProfileFile,
       dir.file("A_xvid.INI")},
      {"no selection does nothing", -1, TProfileChoice::pcNothing, ""},
  };
  for (const Case& c : cases) {
    const TProfileChoice choice = ChooseSelectorItem(c.item, list, dir.path(), Last());
    EXPECT_EQ(choice.Kind, c.kind) << c.name;
    EXPECT_EQ(choice.File, c.file) << c.name;
  }
  EXPECT_EQ(ChooseSelectorItem(2, {}, dir.path(), Last()).Kind, TProfileChoice::pcNothing);

  EncoderSettings settings;
  EXPECT_TRUE(ApplyProfileChoice(ChooseSelectorItem(3, list, dir.path(), Last()), settings, strings,
                                 vcXvid));
  EXPECT_EQ(settings.Avi.VideoCodec, vcWmv2);
  EXPECT_TRUE(ApplyProfileChoice({TProfileChoice::pcDefaults, {}}, settings, strings, vcH264));
  EXPECT_EQ(settings.Avi.VideoCodec, vcH264);
  EXPECT_FALSE(ApplyProfileChoice({TProfileChoice::pcProfileFile, dir.file("gone.ini")}, settings,
                                  strings, vcXvid));
}

TEST(ProfileSelectorItems, ExpandsEscapesAndPicksReadableColours) {
  const TAppStrings strings;
  const TColor grey{236, 244, 238};
  const std::vector<TProfileInfo> list = {
      {"a.ini", "Two\\nLines\\tTab", -1, ProfileWhite, ProfileWhite},
      {"b.ini", "Red", 0, TColor{200, 0, 0}, TColor{255, 255, 0}},
      {"c.ini", "Same", 0, TColor{9, 9, 9}, TColor{9, 9, 9}},
  };
  const std::vector<TProfileSelectorItem> items = ProfileSelectorItems(list, strings);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].Text, "The last session settings");
  EXPECT_FALSE(items[0].Bold);
  EXPECT_TRUE(items[1].Bold);
  EXPECT_EQ(items[1].Background, grey);
  EXPECT_EQ(items[2].Text, "Two\nLines\tTab");
  EXPECT_EQ(items[2].Background, grey);
  EXPECT_EQ(items[2].TextColor, (TColor{0, 0, 0}));
  EXPECT_EQ(items[3].Background, (TColor{200, 0, 0}));
  EXPECT_EQ(items[4].Background, (TColor{51, 51, 51}));
  EXPECT_EQ(items[4].TextColor, (TColor{230, 230, 230}));
  EXPECT_EQ(LightenColor(TColor{250, 100, 0}, 4), (TColor{255, 104, 0}));
  EXPECT_EQ(DarkenColor(TColor{200, 100, 0}, 15), (TColor{170, 85, 0}));
}

TEST(PrepareProfiles, MakesTheFolderAndLoadsTheLastSessionWhichCloseSaves) {
  const TAppStrings strings;
  test::TempDir dir;
  TAppParams params;
  params.ProfilesDir = dir.file("profiles");
  params.LastProfileFile = dir.file("profiles/__Last.ini");
  EncoderSettings settings;
  PrepareProfiles(params, settings, strings, vcXvid);
  EXPECT_TRUE(DirectoryExists(params.ProfilesDir));
  settings.Avi.VideoCodec = vcHuffYuv;
  SaveLastProfile(params, settings, strings);
  EncoderSettings next;
  PrepareProfiles(params, next, strings, vcXvid);
  EXPECT_EQ(next.Avi.VideoCodec, vcHuffYuv);

  params.LastProfileFile = dir.file("profiles/missing/deeper/__Last.ini");
  SaveLastProfile(params, settings, strings);  // must not throw or report
}

}  // namespace
}  // namespace zelmora
