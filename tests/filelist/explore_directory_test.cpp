#include "filelist/explore_directory.h"

#include <filesystem>

#include "file_list_fixture.h"
#include "filelist/add_files.h"
#include "support/recording_desktop_services.h"

namespace zelmora::test {
namespace {

namespace fs = std::filesystem;

TEST_F(FileListTest, OpenDirectoryLooksAtWhatExistsNow) {
  const std::string kept = MakeFile("kept/a.webm");
  const std::string deleted = MakeFile("deleted/b.webm");
  const std::string gone = MakeFile("gone/c.webm");
  for (const std::string& file : {kept, deleted, gone}) ASSERT_TRUE(list.AddToList(file, true));
  fs::remove(deleted);
  fs::remove_all(dir.file("gone"));

  TExploreDecision shown = DecideExploreDirectory(list, 0);
  EXPECT_EQ(shown.Action, TExploreAction::ShowFile);
  EXPECT_EQ(shown.Path, kept);

  TExploreDecision opened = DecideExploreDirectory(list, 1);
  EXPECT_EQ(opened.Action, TExploreAction::OpenFolder);
  EXPECT_EQ(opened.Path, dir.file("deleted"));

  TExploreDecision warned = DecideExploreDirectory(list, 2);
  EXPECT_EQ(warned.Action, TExploreAction::WarnNoFolder);
  EXPECT_EQ(warned.WarningTitle, "Warning");
  EXPECT_EQ(warned.WarningText, "Directory \"" + dir.file("gone") + "\" does not exists!");

  EXPECT_EQ(DecideExploreDirectory(list, 3).Action, TExploreAction::None);

  RecordingDesktopServices desktop;
  for (int row = 0; row < 4; ++row) {
    EXPECT_TRUE(ExploreDirectory(DecideExploreDirectory(list, row), desktop).ok());
  }
  EXPECT_EQ(desktop.calls(),
            (std::vector<std::string>{"show " + kept, "open " + dir.file("deleted")}));
}

TEST_F(FileListTest, AnIconClickOpensTheFileOnlyWhenAllowedAndPresent) {
  const std::string kept = MakeFile("a.webm");
  const std::string deleted = MakeFile("b.webm");
  AddFiles(list, {kept, deleted});
  fs::remove(deleted);
  EXPECT_EQ(FileOpenedByIconClick(list, 0, true), kept);
  EXPECT_EQ(FileOpenedByIconClick(list, 0, false), "");
  EXPECT_EQ(FileOpenedByIconClick(list, 1, true), "");
  EXPECT_EQ(FileOpenedByIconClick(list, 2, true), "");
}

TEST_F(FileListTest, TheOpenDirectoryCaptionNamesTheRowsFolder) {
  AddNamed({"a.webm"});
  EXPECT_EQ(ExploreDirectoryCaption(strings, list, 0), "Open directory \"" + dir.path() + "\"");
  EXPECT_EQ(ExploreDirectoryCaption(strings, list, -1), "Open directory \"\"");
}

}  // namespace
}  // namespace zelmora::test
