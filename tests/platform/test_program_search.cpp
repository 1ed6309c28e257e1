#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/executable_path.h"
#include "platform/program_search.h"
#include "platform/system_library.h"
#include "platform/temp_dir.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::string Executable(const test::TempDir& dir, const std::string& name) {
  std::string path = dir.write(name, "#!/bin/sh\nexit 0\n");
  EXPECT_EQ(chmod(path.c_str(), 0755), 0);
  return path;
}

TEST(FindProgramOnPath, TakesTheFirstExecutableFileOfTheList) {
  test::TempDir dir;
  dir.write("a/ffmpeg", "not executable");
  dir.mkdir("b/ffmpeg");  // a folder of that name does not count
  std::string wanted = Executable(dir, "c/ffmpeg");
  Executable(dir, "d/ffmpeg");
  std::string path =
      dir.file("a") + ":" + dir.file("b") + ":" + dir.file("c") + ":" + dir.file("d");
  EXPECT_EQ(FindProgramOnPath("ffmpeg", path), wanted);
}

TEST(FindProgramOnPath, FindsNothingForNamesWithSlashesOrAnEmptyList) {
  test::TempDir dir;
  Executable(dir, "sub/ffmpeg");
  EXPECT_EQ(FindProgramOnPath("sub/ffmpeg", dir.path()), "");
  EXPECT_EQ(FindProgramOnPath("", dir.path()), "");
  EXPECT_EQ(FindProgramOnPath("ffmpeg", ""), "");
}

TEST(FindProgramOnPath, FindsTheShellOnTheProcessPath) {
  EXPECT_NE(FindProgramOnPath("sh"), "");
}

TEST(FindLibraryInDirs, ReturnsTheFirstFolderHoldingTheFile) {
  test::TempDir dir;
  dir.mkdir("empty");
  std::string lib = dir.write("second/libmediainfo.so.0", "elf");
  dir.write("third/libmediainfo.so.0", "elf");
  EXPECT_EQ(FindLibraryInDirs("libmediainfo.so.0", {dir.file("missing"), dir.file("empty"),
                                                    dir.file("second"), dir.file("third")}),
            lib);
  EXPECT_EQ(FindLibraryInDirs("libmediainfo.so.0", {dir.file("empty")}), "");
}

TEST(FindSystemLibrary, FindsTheCLibrary) {
  std::string libc = FindSystemLibrary("libc.so.6");
  ASSERT_NE(libc, "");
  EXPECT_EQ(libc.front(), '/');
}

using test::ScopedEnv;

TEST(TempDir, FollowsTmpdirWithoutTrailingSeparator) {
  {
    ScopedEnv env("TMPDIR", "/var/tmp/");
    EXPECT_EQ(TempDir(), "/var/tmp");
  }
  {
    ScopedEnv env("TMPDIR", "");
    EXPECT_EQ(TempDir(), "/tmp");
  }
  {
    ScopedEnv env("TMPDIR", nullptr);
    EXPECT_EQ(TempDir(), "/tmp");
  }
}

TEST(ExecutablePath, IsTheRunningTestProgram) {
  std::string path = ExecutablePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.front(), '/');
  EXPECT_NE(path.find("tests_platform"), std::string::npos) << path;
}

}  // namespace
}  // namespace zelmora
