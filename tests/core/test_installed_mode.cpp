#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app_params.h"
#include "platform/config_home.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::ScopedEnv;

struct PathCase {
  const char* name;
  std::string TAppParams::*field;
  std::string portable;
  std::string installed;
};

TEST(InstalledMode, WrittenFilesMoveToTheConfigFolderAndShippedOnesStay) {
  const std::vector<PathCase> cases = {
      {"settings file", &TAppParams::IniName, "/opt/z/zelmora.ini",
       "/home/u/.config/zelmora/zelmora.ini"},
      {"user profiles", &TAppParams::ProfilesDir, "/opt/z/profiles",
       "/home/u/.config/zelmora/profiles"},
      {"last session", &TAppParams::LastProfileFile, "/opt/z/profiles/__Last.ini",
       "/home/u/.config/zelmora/profiles/__Last.ini"},
      {"bitrate report", &TAppParams::AudioBitratesTxt, "/opt/z/data/audio_bitrates.txt",
       "/home/u/.config/zelmora/audio_bitrates.txt"},
      {"writable folder", &TAppParams::ConfigDir, "/opt/z", "/home/u/.config/zelmora"},
      {"shipped profiles", &TAppParams::ShippedProfilesDir, "/opt/z/profiles", "/opt/z/profiles"},
      {"languages", &TAppParams::LangDir, "/opt/z/lang", "/opt/z/lang"},
      {"data", &TAppParams::DataDir, "/opt/z/data", "/opt/z/data"},
      {"resolution list", &TAppParams::ResolutionTxt, "/opt/z/data/resolutions.txt",
       "/opt/z/data/resolutions.txt"},
      {"FourCC list", &TAppParams::FourccTagsFile, "/opt/z/data/fourcc_video_tags.txt",
       "/opt/z/data/fourcc_video_tags.txt"},
      {"tools", &TAppParams::ToolsDir, "/opt/z/tools", "/opt/z/tools"},
  };
  TAppParams portable;
  TAppParams installed;
  InitAppParams(portable, "/opt/z", "");
  InitAppParams(installed, "/opt/z", "/home/u/.config/zelmora/");
  EXPECT_FALSE(portable.Installed);
  EXPECT_TRUE(installed.Installed);
  for (const PathCase& c : cases) {
    EXPECT_EQ(portable.*c.field, c.portable) << c.name;
    EXPECT_EQ(installed.*c.field, c.installed) << c.name;
  }
}

TEST(InstalledMode, FileDialogsStartAtHomeNotInTheProgramFolder) {
  test::TempDir home;
  ScopedEnv homeVar("HOME", home.path().c_str());
  TAppParams portable;
  TAppParams installed;
  InitAppParams(portable, "/opt/z", "");
  InitAppParams(installed, "/opt/z", home.file(".config/zelmora"));
  EXPECT_EQ(portable.LastDir, "/opt/z");
  EXPECT_EQ(installed.LastDir, home.path());
}

TEST(InstalledMode, TheMarkerBesideTheProgramDecides) {
  test::TempDir root;
  const std::string appDir = root.mkdir("usr/lib/zelmora");
  ScopedEnv config("XDG_CONFIG_HOME", root.file("cfg").c_str());

  TAppParams params;
  InitAppParams(params, appDir);
  EXPECT_FALSE(params.Installed) << "no marker: portable, even for root";
  EXPECT_EQ(params.IniName, appDir + "/zelmora.ini");

  root.write(std::string("usr/lib/zelmora/") + InstalledMarkerFile, "");
  InitAppParams(params, appDir + "/");
  EXPECT_TRUE(params.Installed);
  EXPECT_EQ(params.ConfigDir, root.file("cfg/zelmora"));
  EXPECT_EQ(params.IniName, root.file("cfg/zelmora/zelmora.ini"));
  EXPECT_EQ(params.LangDir, appDir + "/lang");
  // Nothing is created just by starting: the folder appears when written to.
  EXPECT_FALSE(IsInstalledProgram(root.file("cfg/zelmora")));
  EXPECT_FALSE(IsInstalledProgram(""));
}

TEST(ConfigHomeDir, FollowsTheBaseDirectoryRules) {
  struct Case {
    const char* name;
    const char* xdg;
    const char* home;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"XDG_CONFIG_HOME is used as it stands", "/srv/cfg", "/home/u", "/srv/cfg"},
      {"its trailing slashes are dropped", "/srv/cfg//", "/home/u", "/srv/cfg"},
      {"unset, it is ~/.config", "", "/home/u", "/home/u/.config"},
      {"a relative value is ignored", "cfg", "/home/u", "/home/u/.config"},
      {"a home with a trailing slash", "", "/home/u/", "/home/u/.config"},
      {"a name with blanks and non-ASCII letters", "", "/home/Zoë K", "/home/Zoë K/.config"},
      {"the root as home", "", "/", "/.config"},
  };
  for (const Case& c : cases) EXPECT_EQ(ConfigHomeDir(c.xdg, c.home), c.expected) << c.name;
  // No usable $HOME: the password database still names one.
  const std::string fallback = ConfigHomeDir("", "");
  EXPECT_EQ(fallback.front(), '/');
  EXPECT_EQ(fallback.substr(fallback.size() - 8), "/.config");
}

TEST(InstalledMode, InstalledConfigDirIsBelowXdgConfigHomeOrHome) {
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/srv/cfg");
    EXPECT_EQ(InstalledConfigDir(), "/srv/cfg/zelmora");
  }
  ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  ScopedEnv home("HOME", "/home/someone");
  EXPECT_EQ(InstalledConfigDir(), "/home/someone/.config/zelmora");
}

// The folder above /usr/lib/zelmora is the system's library folder, not a
// place of shared tool builds: an installed program never searches it.
TEST(InstalledMode, SkipsTheVersionFileSearch) {
  test::TempDir root;
  const std::string appDir = root.mkdir("zelmora");
  root.write("_common/ff/ffmpeg.ver", std::string("[MAIN]\ntool=ffmpeg\nbits=") + BuildBits() +
                                          "\nver=" + FFmpegToolVersion);
  const std::string shared = root.write("_common/ff/ffmpeg", "tool");
  root.write("_common/mi/MediaInfo.ver", std::string("[MAIN]\ntool=MediaInfo\nbits=") +
                                             BuildBits() + "\nver=" + MediaInfoToolVersion);
  const std::string sharedLib = root.write("_common/mi/libmediainfo.so.0", "lib");
  const TToolSearch search{appDir, "", {}};

  TAppParams portable;
  InitAppParams(portable, appDir, "");
  EXPECT_EQ(FindFFmpeg(portable, search), shared);
  EXPECT_EQ(FindMediaInfoDll(portable, search), sharedLib);

  TAppParams installed;
  InitAppParams(installed, appDir, root.file("cfg"));
  EXPECT_EQ(FindFFmpeg(installed, search), "");
  EXPECT_EQ(FindMediaInfoDll(installed, search), "");
  // The program still finds a tools folder of its own.
  const std::string own = root.write("zelmora/tools/FFmpeg/ffmpeg", "tool");
  EXPECT_EQ(FindFFmpeg(installed, search), own);
}

}  // namespace
}  // namespace zelmora
