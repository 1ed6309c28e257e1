#include <gtest/gtest.h>

#include <string>

#include "core/app_params.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::string VersionText(const std::string& tool, const std::string& bits, const std::string& ver) {
  return "[MAIN]\ntool=" + tool + "\nbits=" + bits + "\nver=" + ver + "\n";
}

const std::string MatchingFFmpeg = VersionText("ffmpeg", "64", FFmpegToolVersion);

// A root folder holding the program's folder "Zelmora" and, beside it, the
// shared "_common" folder.
class VersionFileSearch : public ::testing::Test {
protected:
  void SetUp() override { appDir = root.mkdir("Zelmora"); }

  // A folder below the root with a version file and, optionally, the tool.
  std::string Shared(const std::string& folder, const std::string& versionText,
                     bool withTool = true, const std::string& versionFile = "ffmpeg.ver",
                     const std::string& toolFile = "ffmpeg") {
    root.write(folder + "/" + versionFile, versionText);
    if (!withTool) return {};
    return root.write(folder + "/" + toolFile, "tool");
  }

  std::string FindFFmpeg() {
    return FindToolByVersionFile(appDir, "ffmpeg", BuildBits(), FFmpegToolVersion);
  }

  test::TempDir root;
  std::string appDir;
};

TEST_F(VersionFileSearch, FindsTheToolOfAMatchingVersionFileInCommon) {
  std::string tool = Shared("_common/ffmpeg-64", MatchingFFmpeg);
  EXPECT_EQ(FindFFmpeg(), tool);
}

TEST_F(VersionFileSearch, ValuesAreComparedWithoutRegardToCase) {
  std::string tool =
      Shared("_common/ffmpeg-64", VersionText("FFMPEG", "64", "n-90708-G8DACA7697B"));
  EXPECT_EQ(FindFFmpeg(), tool);
}

TEST_F(VersionFileSearch, ABitnessOtherThanTheBuildsIsRejected) {
  Shared("_common/ffmpeg-32",
         VersionText("ffmpeg", BuildBits() == "64" ? "32" : "64", FFmpegToolVersion));
  EXPECT_EQ(FindFFmpeg(), "");
}

TEST_F(VersionFileSearch, AnotherVersionOrToolIsRejected) {
  Shared("_common/old", VersionText("ffmpeg", "64", "N-80000-gabcdef"));
  Shared("_common/other", VersionText("MediaInfo", "64", FFmpegToolVersion));
  EXPECT_EQ(FindFFmpeg(), "");
}

TEST_F(VersionFileSearch, TheFirstSortedMatchWinsEvenWithoutItsTool) {
  Shared("_common/a-first", MatchingFFmpeg, /*withTool=*/false);
  Shared("_common/b-second", MatchingFFmpeg);
  EXPECT_EQ(FindFFmpeg(), "");
}

TEST_F(VersionFileSearch, FoldersAreSortedWithoutRegardToCase) {
  // A byte-wise sort would put "B" before "a".
  std::string first = Shared("_common/a-lower", MatchingFFmpeg);
  Shared("_common/B-upper", MatchingFFmpeg);
  EXPECT_EQ(FindFFmpeg(), first);
}

TEST_F(VersionFileSearch, ThreeLevelsDownIsFoundButFourIsNot) {
  std::string three = Shared("_common/1/2/3", MatchingFFmpeg);
  EXPECT_EQ(FindFFmpeg(), three);

  test::TempDir other;
  std::string otherApp = other.mkdir("Zelmora");
  other.write("_common/1/2/3/4/ffmpeg.ver", MatchingFFmpeg);
  other.write("_common/1/2/3/4/ffmpeg", "tool");
  EXPECT_EQ(FindToolByVersionFile(otherApp, "ffmpeg", BuildBits(), FFmpegToolVersion), "");
}

TEST_F(VersionFileSearch, VersionFilesWithoutMainSectionOrUnreadableAreSkipped) {
  Shared("_common/a-no-main", "[OTHER]\ntool=ffmpeg\nbits=64\nver=N-90708-g8daca7697b\n");
  Shared("_common/b-garbage", std::string("\xff\xfe\x00\x01garbage\x00[MAIN", 18));
  std::string tool = Shared("_common/c-good", MatchingFFmpeg);
  EXPECT_EQ(FindFFmpeg(), tool);
}

TEST_F(VersionFileSearch, TheVersionFileNameMustMatchExactly) {
  Shared("_common/ffmpeg-64", MatchingFFmpeg, true, "FFMPEG.VER");
  EXPECT_EQ(FindFFmpeg(), "");
}

TEST_F(VersionFileSearch, WithoutAMatchInCommonTheParentFolderIsSearched) {
  Shared("_common/a-no-tool", MatchingFFmpeg, /*withTool=*/false);
  std::string tool = Shared("shared-ffmpeg", MatchingFFmpeg);
  EXPECT_EQ(FindFFmpeg(), tool);
}

TEST_F(VersionFileSearch, MediaInfoUsesItsOwnFileNames) {
  std::string lib = Shared("_common/MediaInfo-64", VersionText("mediainfo", "64", "18.05.0.0"),
                           true, "MediaInfo.ver", "libmediainfo.so.0");
  EXPECT_EQ(FindToolByVersionFile(appDir, "MediaInfo", BuildBits(), MediaInfoToolVersion), lib);
}

TEST_F(VersionFileSearch, AnUnknownToolNameFindsNothing) {
  Shared("_common/ffmpeg-64", MatchingFFmpeg);
  EXPECT_EQ(FindToolByVersionFile(appDir, "ffprobe", BuildBits(), FFmpegToolVersion), "");
  EXPECT_EQ(SearchVersionFiles(root.path() + "/_common", "ffmpeg.ver", "ffprobe", BuildBits(),
                               FFmpegToolVersion),
            "");
}

TEST_F(VersionFileSearch, AStartFolderWithTrailingSeparatorHasTheSameParent) {
  std::string tool = Shared("_common/ffmpeg-64", MatchingFFmpeg);
  EXPECT_EQ(FindToolByVersionFile(appDir + "/", "ffmpeg", BuildBits(), FFmpegToolVersion), tool);
}

}  // namespace
}  // namespace zelmora
