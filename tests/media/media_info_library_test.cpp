#include "media/media_info_library.h"

#include <dirent.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include "media/file_analysis.h"
#include "media_test_files.h"
#include "support/media_clips.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::SystemMediaInfoLibrary;

int OpenDescriptorCount() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
  }
  return count;
}

// A real shared library without any MediaInfo entry point.
std::string LibraryWithoutMediaInfo() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&crc32), &info) == 0 || info.dli_fname == nullptr) return {};
  return info.dli_fname;
}

TEST(MediaInfoLibrary, FailedLoadChangesNothingAndIsRetried) {
  if (SystemMediaInfoLibrary().empty()) GTEST_SKIP() << "libmediainfo.so.0 is not installed";
  MediaInfoLibrary library;
  test::TempDir dir;
  EXPECT_FALSE(library.LoadMediaInfoLibrary(dir.file("libmediainfo.so.0")));
  EXPECT_FALSE(library.IsLoaded());
  EXPECT_FALSE(library.IsUsable());
  EXPECT_TRUE(library.LoadMediaInfoLibrary(SystemMediaInfoLibrary()));
  EXPECT_TRUE(library.IsUsable());
  EXPECT_NE(library.Wide().Count_Get, nullptr);
  EXPECT_NE(library.Ansi().Get, nullptr);
  // Once loaded it stays: a later path that does not exist changes nothing.
  EXPECT_TRUE(library.LoadMediaInfoLibrary(dir.file("other.so")));
  EXPECT_TRUE(library.IsUsable());
}

TEST(MediaInfoLibrary, LibraryWithoutTheEntryPointsIsNeverCalled) {
  std::string other = LibraryWithoutMediaInfo();
  if (other.empty()) GTEST_SKIP() << "cannot locate the zlib library file";
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  MediaInfoLibrary library;
  ASSERT_TRUE(library.LoadMediaInfoLibrary(other));
  EXPECT_FALSE(library.IsUsable());
  TVideoFileInfo info;
  info.Format = "kept";
  EXPECT_FALSE(ReadMediaInfo(library, test::TestMediaFile("vp8.webm"), other, info));
  EXPECT_EQ(info.Format, "kept");
  EXPECT_TRUE(info.MediaInfoFull.empty());
}

TEST(MediaInfoLibrary, RepeatedReadsLeaveNoHandleOrFileOpen) {
  if (SystemMediaInfoLibrary().empty()) GTEST_SKIP() << "libmediainfo.so.0 is not installed";
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  std::string file = test::TestMediaFile("h264.mp4");
  TVideoFileInfo first;
  ASSERT_TRUE(ReadMediaInfo(file, SystemMediaInfoLibrary(), first));
  int before = OpenDescriptorCount();
  for (int i = 0; i < 20; ++i) {
    TVideoFileInfo info;
    ASSERT_TRUE(ReadMediaInfo(file, SystemMediaInfoLibrary(), info));
    EXPECT_EQ(info.MediaInfoFull, first.MediaInfoFull);
  }
  EXPECT_EQ(OpenDescriptorCount(), before);
}

TEST(MediaInfoLibrary, FileTheLibraryCannotReadDoesNotDisturbTheNext) {
  if (SystemMediaInfoLibrary().empty()) GTEST_SKIP() << "libmediainfo.so.0 is not installed";
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  test::TempDir dir;
  TVideoFileInfo info;
  info.Format = "kept";
  EXPECT_FALSE(ReadMediaInfo(dir.write("empty.mkv", ""), SystemMediaInfoLibrary(), info));
  EXPECT_FALSE(ReadMediaInfo(dir.file("missing.mkv"), SystemMediaInfoLibrary(), info));
  EXPECT_EQ(info.Format, "kept");
  TVideoFileInfo next;
  EXPECT_TRUE(ReadMediaInfo(test::TestMediaFile("vp8.webm"), SystemMediaInfoLibrary(), next));
  EXPECT_EQ(next.Format, "WebM");
}

}  // namespace
}  // namespace zelmora
