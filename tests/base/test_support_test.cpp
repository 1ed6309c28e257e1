// The shared test helpers are used by every test folder; these checks make a
// broken helper show up here rather than as puzzling failures elsewhere.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/files.h"
#include "support/media_clips.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

TEST(TempDirTest, IsRemovedWithEverythingInIt) {
  std::string path;
  {
    test::TempDir dir;
    path = dir.path();
    dir.write("sub/deep/file.txt", "x");
    chmod(dir.file("sub").c_str(), 0500);
    EXPECT_TRUE(DirectoryExists(path));
    EXPECT_EQ(ReadWholeFile(dir.file("sub/deep/file.txt")).value(), "x");
  }
  EXPECT_FALSE(DirectoryExists(path));
}

TEST(MakeClipTest, GeneratesPlayableClipsOncePerProcess) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  test::TempDir dir;
  test::ClipOptions options;
  options.codecArgs = {"-c:v", "mpeg4", "-c:a", "mp2"};
  const std::string first = test::MakeClip(dir.path(), "a clip $1.avi", options);
  ASSERT_FALSE(first.empty());
  EXPECT_GT(GetFileSize(first), 1000);
  const std::string second = test::MakeClip(dir.path(), "a clip $1.avi", options);
  EXPECT_EQ(second, first);
  EXPECT_EQ(FileCrc32(second).value(), FileCrc32(first).value());
  options.audio = false;
  const std::string silent = test::MakeClip(dir.path(), "silent.mp4", options);
  ASSERT_FALSE(silent.empty());
  EXPECT_TRUE(FileExists(silent));
}

}  // namespace
}  // namespace zelmora
