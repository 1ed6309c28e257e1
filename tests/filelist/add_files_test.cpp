#include "filelist/add_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "file_list_fixture.h"
#include "filelist/folder_scan.h"

namespace zelmora::test {
namespace {

namespace fs = std::filesystem;

TEST_F(FileListTest, AFolderTreeIsSearchedTwentyLevelsDeep) {
  std::string sub;
  for (int level = 0; level <= 25; ++level) {
    MakeFile(sub + "level" + std::to_string(level) + ".webm");
    sub += "d/";
  }
  EXPECT_EQ(AddFolder(list, dir.path()), 21);
  EXPECT_EQ(list.Row(0).FileName, "level0.webm");
  EXPECT_EQ(list.Row(20).FileName, "level20.webm");
  EXPECT_EQ(events.initialFolders, std::vector<std::string>{dir.path()});
}

TEST_F(FileListTest, FolderSearchOrdersFoldersWithoutRegardToCaseAndSkipsLinksToFolders) {
  MakeFile("b/2.webm");
  MakeFile("B c/1.webm");
  MakeFile("a/x.webm");
  MakeFile("a/Y.webm");
  MakeFile("top.webm");
  MakeFile("readme.txt");
  fs::create_directory_symlink(dir.path(), dir.file("a/loop"));
  fs::create_symlink(dir.file("top.webm"), dir.file("a/link.webm"));
  const std::vector<std::string> found = FindSupportedFilesInTree(dir.path());
  const std::vector<std::string> expected = {dir.file("top.webm"), dir.file("a/link.webm"),
                                             dir.file("a/x.webm"), dir.file("a/Y.webm"),
                                             dir.file("b/2.webm"), dir.file("B c/1.webm")};
  EXPECT_EQ(found, expected);
  // The link to an already listed file is the same file: one row.
  EXPECT_EQ(AddFolder(list, dir.path()), 5);
}

TEST_F(FileListTest, AnUnreadableFolderIsSkipped) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
  MakeFile("open/a.webm");
  MakeFile("closed/b.webm");
  ASSERT_EQ(chmod(dir.file("closed").c_str(), 0), 0);
  EXPECT_EQ(AddFolder(list, dir.path()), 1);
  EXPECT_EQ(list.Row(0).FileName, "a.webm");
}

TEST_F(FileListTest, AddingAFolderTellsTheWindowOncePerTenFiles) {
  for (int i = 0; i < 25; ++i) MakeFile("f" + std::to_string(100 + i) + ".webm");
  EXPECT_EQ(AddFolder(list, dir.path()), 25);
  // Before the 1st, 11th and 21st file, and once at the end.
  EXPECT_EQ(events.listChanges, 4);
  EXPECT_GE(events.pendingEventCalls, 3);
  EXPECT_EQ(list.Footer().Text(TFileListColumn::colNo), "25");
}

TEST_F(FileListTest, ADropLoadsListFilesAndAddsVideosInSortedOrder) {
  const std::string listed = MakeFile("listed.webm");
  const std::string listFile = MakeFile("b.lst", listed + "\r\n");
  const std::string first = MakeFile("A.webm");
  const std::string last = MakeFile("c.mp4");
  const TDropResult result = HandleDrop(list, {last, listFile, first}, true);
  EXPECT_EQ(result.Added, 3);
  EXPECT_TRUE(result.FailedListFiles.empty());
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"A.webm", "listed.webm", "c.mp4"}));
  EXPECT_EQ(Numbers(), (std::vector<int64_t>{1, 2, 3}));
  EXPECT_EQ(events.listChanges, 1);
}

TEST_F(FileListTest, ADroppedFolderIsSearchedOnlyWhenFoldersAreAccepted) {
  MakeFile("drop/one.webm");
  MakeFile("drop/sub/two.webm");
  params.DragAcceptDirectories = false;
  EXPECT_EQ(HandleDrop(list, {dir.file("drop")}).Added, 0);
  EXPECT_EQ(list.RowCount(), 0);
  params.DragAcceptDirectories = true;
  EXPECT_EQ(HandleDrop(list, {dir.file("drop")}).Added, 2);
  EXPECT_EQ(events.initialFolders.back(), dir.file("drop"));
}

TEST_F(FileListTest, ADroppedListFileThatCannotBeReadIsReported) {
  const std::string video = MakeFile("v.webm");
  const TDropResult result = HandleDrop(list, {dir.file("gone.LST"), video}, true);
  ASSERT_EQ(result.FailedListFiles.size(), 1u);
  EXPECT_EQ(result.FailedListFiles[0].first, dir.file("gone.LST"));
  EXPECT_EQ(result.Added, 1);
}

TEST_F(FileListTest, ADroppedNameLongerThanTheOldLimitIsKeptWhole) {
  std::string name = std::string(200, 'n') + "/" + std::string(200, 'm') + ".webm";
  const std::string video = MakeFile(name);
  ASSERT_GT(video.size(), 260u);
  EXPECT_EQ(HandleDrop(list, {video}, true).Added, 1);
  EXPECT_EQ(list.GetNgFullFileName(0), video);
}

TEST_F(FileListTest, TheCommandLineAddsOnlyAnExistingFirstArgument) {
  const std::string video = MakeFile("v.webm");
  struct Case {
    const char* sentence;
    std::vector<std::string> arguments;
    bool added;
  };
  const Case cases[] = {
      {"no arguments", {}, false},
      {"a file that does not exist", {dir.file("none.webm")}, false},
      {"only the first argument counts", {dir.file("none.webm"), video}, false},
      {"an existing video", {video}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    EXPECT_EQ(AddFromCommandLine(list, c.arguments), c.added);
  }
  EXPECT_EQ(list.RowCount(), 1);
}

TEST_F(FileListTest, AddFilesTakesTheDialogOrderAndRemembersTheFirstFolder) {
  const std::string b = MakeFile("x/b.webm");
  const std::string a = MakeFile("a.webm");
  EXPECT_EQ(AddFiles(list, {b, a, b}), 2);
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"b.webm", "a.webm"}));
  EXPECT_EQ(events.initialFolders, std::vector<std::string>{dir.file("x")});
  EXPECT_EQ(events.listChanges, 1);
}

}  // namespace
}  // namespace zelmora::test
