#include "base/paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace zelmora {
namespace {

TEST(NormalizeDirTest, DropsOneTrailingDotThenOneSeparator) {
  const std::pair<const char*, const char*> cases[] = {
      {"/a/b/", "/a/b"}, {"/a/b/.", "/a/b"}, {"/a/b", "/a/b"}, {"/", "/"},
      {"/.", "/"},       {"a/", "a"},        {"", ""},         {"/a//", "/a/"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(NormalizeDir(in), out) << in;
}

TEST(PathPartsTest, SplitsFolderNameAndExtension) {
  EXPECT_EQ(JoinPath("/a/b", "c.webm"), "/a/b/c.webm");
  EXPECT_EQ(JoinPath("/a/b/", "/c.webm"), "/a/b/c.webm");
  EXPECT_EQ(JoinPath("/", "c"), "/c");
  EXPECT_EQ(JoinPath("", "c"), "c");
  EXPECT_EQ(ExtractFileName("/a/b/c.webm"), "c.webm");
  EXPECT_EQ(ExtractFileName("c.webm"), "c.webm");
  EXPECT_EQ(ExtractFileDir("/a/b/c.webm"), "/a/b");
  EXPECT_EQ(ExtractFileDir("c.webm"), "");
  EXPECT_EQ(ExtractFileDir("/c"), "/");
  EXPECT_EQ(ExtractFileExt("/a/b/c.tar.webm"), ".webm");
  EXPECT_EQ(ExtractFileExt("/a.b/c"), "");
  EXPECT_EQ(ExtractFileNameNoExt("/a.b/c.d.webm"), "c.d");
  EXPECT_EQ(ChangeFileExt("/a.b/c.webm", ".avi"), "/a.b/c.avi");
  EXPECT_EQ(ChangeFileExt("/a.b/c", ".avi"), "/a.b/c.avi");
  EXPECT_TRUE(IsAbsolutePath("/x"));
  EXPECT_FALSE(IsAbsolutePath("x/y"));
}

TEST(ExpandFileNameTest, ResolvesLexicallyAndKeepsTheLeadingSlash) {
  EXPECT_EQ(ExpandFileName("//a//b/./c/../d/"), "/a/b/d");
  EXPECT_EQ(ExpandFileName("/../.."), "/");
  EXPECT_EQ(ExpandFileName("/"), "/");
  EXPECT_EQ(ExpandFileName("/a b/$x/-y"), "/a b/$x/-y");
}

TEST(ExpandFileNameTest, RelativePathsStartAtTheCurrentFolder) {
  test::TempDir dir;
  char old[4096];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  const std::string real = CanonicalPath(".");
  EXPECT_EQ(ExpandFileName("x/../y.webm"), JoinPath(real, "y.webm"));
  ASSERT_EQ(chdir(old), 0);
}

TEST(CanonicalPathTest, ResolvesLinksOfTheExistingPart) {
  test::TempDir dir;
  const std::string target = dir.mkdir("real");
  ASSERT_EQ(symlink(target.c_str(), dir.file("link").c_str()), 0);
  const std::string realTarget = CanonicalPath(target);
  EXPECT_EQ(CanonicalPath(dir.file("link") + "/missing/f.avi"), realTarget + "/missing/f.avi");
}

}  // namespace
}  // namespace zelmora
