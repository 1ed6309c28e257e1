#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "config/profile_file.h"
#include "config/profile_list.h"
#include "config/settings_file.h"
#include "core/app_context.h"
#include "i18n/app_strings.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::string Profile(const std::string& displayName, const std::string& sortIndex) {
  return "[MAIN]\nAppName=Zelmora\nAppVer=1.5\nDisplayName=" + displayName +
         "\nSortIndex=" + sortIndex + "\n[AVI]\nVideoCodec=WMV2\n";
}

// A program folder with shipped profiles and a user's configuration folder.
class InstalledProfiles : public ::testing::Test {
protected:
  void SetUp() override {
    appDir = root.mkdir("lib/zelmora");
    root.write("lib/zelmora/profiles/dvd.ini", Profile("Shipped DVD", "2"));
    root.write("lib/zelmora/profiles/xvid.ini", Profile("Shipped Xvid", "1"));
    InitAppParams(params, appDir, root.file("cfg/zelmora"));
  }

  std::vector<std::string> Names(const std::vector<TProfileInfo>& list) {
    std::vector<std::string> names;
    for (const TProfileInfo& info : list) names.push_back(info.DisplayName);
    return names;
  }

  test::TempDir root;
  std::string appDir;
  TAppParams params;
  TAppStrings strings;
};

TEST_F(InstalledProfiles, ListsShippedAndUserProfilesTheUsersHidingShippedOnesOfTheirName) {
  EXPECT_EQ(Names(GetProfiles(params)), (std::vector<std::string>{"Shipped Xvid", "Shipped DVD"}));

  root.write("cfg/zelmora/profiles/dvd.ini", Profile("My DVD", "2"));
  root.write("cfg/zelmora/profiles/mine.ini", Profile("Mine", "0"));
  root.write("cfg/zelmora/profiles/__Last.ini", Profile("Last", "0"));
  const std::vector<TProfileInfo> list = GetProfiles(params);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Mine", "Shipped Xvid", "My DVD"}));

  // Each entry loads from the folder it was found in.
  EXPECT_EQ(ChooseSelectorItem(2, list, params.ProfilesDir, params.LastProfileFile).File,
            root.file("cfg/zelmora/profiles/mine.ini"));
  EXPECT_EQ(ChooseSelectorItem(3, list, params.ProfilesDir, params.LastProfileFile).File,
            appDir + "/profiles/xvid.ini");
  EXPECT_EQ(ChooseSelectorItem(4, list, params.ProfilesDir, params.LastProfileFile).File,
            root.file("cfg/zelmora/profiles/dvd.ini"));
  // A profile saved into the user's folder is found again in the list.
  EXPECT_EQ(
      SelectorItemAfterSave(root.file("cfg/zelmora/profiles/dvd.ini"), params.ProfilesDir, list),
      4);
}

TEST_F(InstalledProfiles, PortableListIsTheProgramsProfilesFolderAlone) {
  TAppParams portable;
  InitAppParams(portable, appDir, "");
  root.write("cfg/zelmora/profiles/mine.ini", Profile("Mine", "0"));
  EXPECT_EQ(Names(GetProfiles(portable)),
            (std::vector<std::string>{"Shipped Xvid", "Shipped DVD"}));
}

TEST_F(InstalledProfiles, StartUpAndCloseCreateTheConfigurationFolder) {
  ASSERT_FALSE(DirectoryExists(params.ConfigDir));
  EncoderSettings settings;
  PrepareProfiles(params, settings, strings, vcXvid);
  EXPECT_TRUE(DirectoryExists(params.ProfilesDir));
  SaveLastProfile(params, settings, strings);
  EXPECT_TRUE(FileExists(params.LastProfileFile));
  EXPECT_FALSE(FileExists(appDir + "/profiles/__Last.ini"));
}

TEST_F(InstalledProfiles, SettingsAreSavedIntoAConfigurationFolderThatDoesNotExistYet) {
  AppContext context;
  context.AppParams = params;
  SaveSettingsToIni(params.IniName, context, TSettingsRecord{});
  EXPECT_TRUE(FileExists(root.file("cfg/zelmora/zelmora.ini")));
  EXPECT_FALSE(FileExists(appDir + "/zelmora.ini"));
}

}  // namespace
}  // namespace zelmora
