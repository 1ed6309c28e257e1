#include "base/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace zelmora {
namespace {

TEST(FilesTest, ReadsWhatWasWrittenAndReportsSizes) {
  test::TempDir dir;
  const std::string path = dir.file("a b $x.txt");
  ASSERT_TRUE(WriteFileAtomic(path, std::string("one\0two", 7)));
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(DirectoryExists(path));
  EXPECT_EQ(GetFileSize(path), 7);
  const auto read = ReadWholeFile(path);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value(), std::string("one\0two", 7));
  EXPECT_EQ(GetFileSize(dir.file("missing")), -1);
  EXPECT_FALSE(FileExists(dir.path()));
  EXPECT_TRUE(DirectoryExists(dir.path()));
}

TEST(FilesTest, FailuresCarryTheOsError) {
  test::TempDir dir;
  const auto missing = ReadWholeFile(dir.file("missing"));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().code, ENOENT);
  EXPECT_NE(missing.error().message.find("missing"), std::string::npos);
  EXPECT_FALSE(ReadWholeFile(dir.path()).ok());
  EXPECT_FALSE(RemoveFile(dir.file("missing")).ok());
  EXPECT_FALSE(WriteFileAtomic(dir.file("no/such/folder.txt"), "x").ok());
}

TEST(WriteFileAtomicTest, ReplacesTheFileAndLeavesNoTemporaryFile) {
  test::TempDir dir;
  const std::string path = dir.write("settings.ini", "old");
  chmod(path.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomic(path, "new"));
  EXPECT_EQ(ReadWholeFile(path).value(), "new");
  EXPECT_EQ(ListFiles(dir.path()), std::vector<std::string>{"settings.ini"});
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WriteFileAtomicTest, KeepsTheOldFileWhenTheRenameFails) {
  test::TempDir dir;
  // A non-empty folder in the target's place makes the rename fail after the
  // temporary file was written.
  const std::string target = dir.mkdir("target");
  dir.write("target/keep.txt", "kept");
  EXPECT_FALSE(WriteFileAtomic(target, "new").ok());
  EXPECT_EQ(ReadWholeFile(dir.file("target/keep.txt")).value(), "kept");
  EXPECT_EQ(ListFiles(dir.path()), std::vector<std::string>{});
}

TEST(WriteFileAtomicTest, KeepsTheOldFileWhenTheFolderIsReadOnly) {
  if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
  test::TempDir dir;
  const std::string path = dir.write("ro/settings.ini", "old");
  ASSERT_EQ(chmod(dir.file("ro").c_str(), 0555), 0);
  EXPECT_FALSE(WriteFileAtomic(path, "new").ok());
  EXPECT_EQ(ReadWholeFile(path).value(), "old");
}

// A file size limit makes the write fail halfway, as a full disk would.
TEST(WriteFileAtomicTest, KeepsTheOldFileWhenTheWriteFailsHalfway) {
  test::TempDir dir;
  const std::string path = dir.write("settings.ini", "old");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const Status status = WriteFileAtomic(path, std::string(100000, 'n'));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, EFBIG);
  EXPECT_EQ(ReadWholeFile(path).value(), "old");
  EXPECT_EQ(ListFiles(dir.path()), std::vector<std::string>{"settings.ini"});
}

TEST(WriteFileAtomicTest, WritesThroughASymbolicLink) {
  test::TempDir dir;
  const std::string real = dir.write("real.ini", "old");
  ASSERT_EQ(symlink(real.c_str(), dir.file("link.ini").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomic(dir.file("link.ini"), "new"));
  EXPECT_EQ(ReadWholeFile(real).value(), "new");
  struct stat st {};
  ASSERT_EQ(lstat(dir.file("link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(FoldersTest, CreateListAndRemove) {
  test::TempDir dir;
  ASSERT_TRUE(CreateDirectories(dir.file("a/b/c")));
  ASSERT_TRUE(CreateDirectories(dir.file("a/b/c")));  // existing is fine
  dir.write("a/z.txt", "");
  dir.write("a/y.txt", "");
  dir.mkdir("a/x");
  EXPECT_EQ(ListSubdirectories(dir.file("a")), (std::vector<std::string>{"b", "x"}));
  EXPECT_EQ(ListFiles(dir.file("a")), (std::vector<std::string>{"y.txt", "z.txt"}));
  EXPECT_TRUE(ListFiles(dir.file("missing")).empty());
  EXPECT_FALSE(CreateDirectories(dir.file("a/z.txt/sub")).ok());
  ASSERT_TRUE(RemoveTree(dir.file("a")));
  EXPECT_FALSE(DirectoryExists(dir.file("a")));
}

TEST(FileCrc32Test, MatchesTheKnownChecksum) {
  test::TempDir dir;
  // The standard check value of CRC-32.
  EXPECT_EQ(FileCrc32(dir.write("check.txt", "123456789")).value(), 0xCBF43926u);
  EXPECT_EQ(FileCrc32(dir.write("empty", "")).value(), 0u);
  // Longer than one read buffer, so the streaming carries the state over.
  EXPECT_EQ(FileCrc32(dir.write("big", std::string(200000, 'a'))).value(), 0xE069539Bu);
  EXPECT_FALSE(FileCrc32(dir.file("missing")).ok());
}

}  // namespace
}  // namespace zelmora
