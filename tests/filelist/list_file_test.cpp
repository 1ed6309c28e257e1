#include "filelist/list_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include "base/files.h"
#include "base/paths.h"
#include "file_list_fixture.h"

namespace zelmora::test {
namespace {

TEST(ListLineToPathTest, TheFolderRuleKeepsWhatTheLineMeans) {
  struct Case {
    const char* sentence;
    const char* line;
    const char* path;
  };
  const Case cases[] = {
      {"an ordinary absolute path", "/home/u/a.webm", "/home/u/a.webm"},
      {"a file in the root keeps its slash", "/a.webm", "/a.webm"},
      {"a doubled slash before the name", "/home/u//a.webm", "/home/u/a.webm"},
      {"a trailing dot folder goes", "/home/u/./a.webm", "/home/u/a.webm"},
      {"a lone dot folder goes", "./a.webm", "a.webm"},
      {"a parent folder stays", "../a.webm", "../a.webm"},
      {"a folder name ending in a dot stays", "/x./a.webm", "/x./a.webm"},
      {"a bare name stays relative", "a.webm", "a.webm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    EXPECT_EQ(ListLineToPath(c.line), c.path);
  }
}

TEST(DecodeListFileTextTest, ByteOrderMarksSelectTheEncoding) {
  struct Case {
    const char* sentence;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"UTF-8 with mark", "\xEF\xBB\xBF/\xC3\xA4.webm", "/\xC3\xA4.webm"},
      {"UTF-16 little endian", std::string("\xFF\xFE/\0\xE4\0", 6), "/\xC3\xA4"},
      {"UTF-16 big endian", std::string("\xFE\xFF\0/\0\xE4", 6), "/\xC3\xA4"},
      {"no mark keeps the bytes as they are", "/\xE4.webm", "/\xE4.webm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    EXPECT_EQ(DecodeListFileText(c.bytes), c.text);
  }
}

TEST_F(FileListTest, ASavedListLoadsBackInTheSameOrderAllChecked) {
  AddNamed({"b.webm", "a b 'c'.mkv", "\xC3\xA4.mp4", "-lead.avi"});
  list.SetChecked(1, false);
  const std::string listFile = dir.file("files.lst");
  Result<int> saved = SaveFileList(list, listFile);
  ASSERT_TRUE(saved.ok()) << saved.error().message;
  EXPECT_EQ(saved.value(), 0);
  Result<std::string> text = ReadWholeFile(listFile);
  ASSERT_TRUE(text.ok());
  EXPECT_EQ(text.value(), dir.file("b.webm") + "\r\n" + dir.file("a b 'c'.mkv") + "\r\n" +
                              dir.file("\xC3\xA4.mp4") + "\r\n" + dir.file("-lead.avi") + "\r\n");

  FileListModel loaded(params, strings, analyzer, events);
  ASSERT_TRUE(LoadFileList(loaded, listFile).ok());
  ASSERT_EQ(loaded.RowCount(), 4);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(loaded.GetNgFullFileName(row), list.GetNgFullFileName(row));
    EXPECT_TRUE(loaded.IsRowChecked(row));
  }
}

TEST_F(FileListTest, ARowWhosePathHoldsALineBreakIsLeftOutOfTheListFile) {
  AddNamed({"a.webm", "two\nlines.webm", "c.webm"});
  const std::string listFile = dir.file("files.lst");
  Result<int> saved = SaveFileList(list, listFile);
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.value(), 1);
  EXPECT_EQ(ReadWholeFile(listFile).value(),
            dir.file("a.webm") + "\r\n" + dir.file("c.webm") + "\r\n");
}

TEST_F(FileListTest, LoadingSkipsListedMissingAndUnsupportedLines) {
  AddNamed({"a.webm"});
  MakeFile("b.webm");
  MakeFile("notes.txt");
  const std::string listFile =
      MakeFile("files.lst", dir.path() + "/./a.webm\r\n\r\n" + dir.file("missing.webm") + "\n" +
                                dir.file("notes.txt") + "\r\n" + dir.path() + "/sub/../b.webm");
  ASSERT_TRUE(LoadFileListCommand(list, listFile).ok());
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"a.webm", "b.webm"}));
  EXPECT_EQ(events.initialFolders, std::vector<std::string>{dir.path()});
  EXPECT_EQ(events.listChanges, 1);
}

TEST_F(FileListTest, ARelativeLineIsTakenAgainstTheCurrentFolder) {
  MakeFile("rel.webm");
  const std::string listFile = MakeFile("files.lst", "rel.webm\r\n");
  const std::string previous = ExpandFileName(".");
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  const Status status = LoadFileList(list, listFile);
  ASSERT_EQ(chdir(previous.c_str()), 0);
  ASSERT_TRUE(status.ok());
  EXPECT_EQ(list.GetNgFullFileName(0), dir.file("rel.webm"));
}

TEST_F(FileListTest, AListFileThatCannotBeReadIsAnErrorAndAddsNothing) {
  const std::string unreadable = MakeFile("locked.lst", MakeFile("a.webm") + "\r\n");
  ASSERT_EQ(chmod(unreadable.c_str(), 0), 0);
  for (const std::string& path : {unreadable, dir.file("missing.lst")}) {
    SCOPED_TRACE(path);
    if (path == unreadable && geteuid() == 0) continue;  // root reads anything
    const Status status = LoadFileList(list, path);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.error().message.empty());
  }
  EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(FileListTest, SavingIntoAMissingFolderIsAnError) {
  AddNamed({"a.webm"});
  const std::string missingFolder = dir.file("no/such/folder/files.lst");
  EXPECT_FALSE(SaveFileList(list, missingFolder).ok());
}

}  // namespace
}  // namespace zelmora::test
