#include <gtest/gtest.h>

#include "base/files.h"
#include "core/conversion_run_files.h"
#include "core/output_options.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::TempDir;

TEST(NormalizeInputPath, CollapsesSeparatorsAndKeepsTheRoot) {
  const std::pair<const char*, const char*> cases[] = {
      {"//clip.webm", "/clip.webm"},  // a row in the root folder
      {"/a//b///c.webm", "/a/b/c.webm"},
      {"rel//x.webm", "rel/x.webm"},
      {"/a/b.webm", "/a/b.webm"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(NormalizeInputPath(in), out) << in;
}

TEST(UniqueFileName, NumbersFromOneWithThreeDigitsAndBeyond) {
  TempDir dir;
  const std::string clip = dir.file("clip.avi");
  EXPECT_EQ(UniqueFileName(clip), clip) << "a free name stays";
  dir.write("clip.avi", "");
  EXPECT_EQ(UniqueFileName(clip), dir.file("clip_001.avi"));
  dir.write("clip_001.avi", "");
  EXPECT_EQ(UniqueFileName(clip), dir.file("clip_002.avi"));
  for (int n = 2; n <= 999; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "clip_%03d.avi", n);
    dir.write(name, "");
  }
  EXPECT_EQ(UniqueFileName(clip), dir.file("clip_1000.avi"));
  dir.write("noext", "");
  EXPECT_EQ(UniqueFileName(dir.file("noext")), dir.file("noext_001"));
}

TEST(UniqueFileName, ADanglingLinkTakesItsName) {
  TempDir dir;
  ASSERT_EQ(symlink("/nonexistent/target", dir.file("clip.avi").c_str()), 0);
  EXPECT_EQ(UniqueFileName(dir.file("clip.avi")), dir.file("clip_001.avi"));
}

TEST(DecideOutput, FollowsThePolicyAndNeverWritesOverTheInput) {
  TempDir dir;
  const std::string input = dir.write("a.webm", "x");
  const std::string existing = dir.write("a.avi", "x");
  const std::string fresh = dir.file("b.avi");
  struct Case {
    const char* name;
    std::string output;
    int policy;
    TOutputAction action;
    std::string result;
  } cases[] = {
      {"a free name is written", fresh, oeSkip, TOutputAction::oaWrite, fresh},
      {"rename", existing, oeRename, TOutputAction::oaWrite, dir.file("a_001.avi")},
      {"overwrite", existing, oeOverwrite, TOutputAction::oaWrite, existing},
      {"skip", existing, oeSkip, TOutputAction::oaSkip, existing},
      {"an unknown policy renames", existing, 9, TOutputAction::oaWrite, dir.file("a_001.avi")},
      {"the input itself is renamed under overwrite", input, oeOverwrite, TOutputAction::oaWrite,
       dir.file("a_001.webm")},
      {"the input itself is renamed under skip", input, oeSkip, TOutputAction::oaWrite,
       dir.file("a_001.webm")},
  };
  for (const Case& c : cases) {
    TOutputDecision decision = DecideOutput(c.output, input, c.policy);
    EXPECT_EQ(decision.Action, c.action) << c.name;
    EXPECT_EQ(decision.Output, c.result) << c.name;
  }
}

TEST(OutputPathFor, PutsTheOutputBesideTheInputOrInTheFolder) {
  EXPECT_EQ(OutputPathFor(true, "/ignored", "/v/clip.webm", ".avi"), "/v/clip.avi");
  EXPECT_EQ(OutputPathFor(false, "/out/", "/v/clip.webm", ".mpg"), "/out/clip.mpg");
  EXPECT_EQ(OutputPathFor(false, "/", "/v/clip.webm", ".mpg"), "/clip.mpg");
}

TEST(OutputLabels, ShowTheFolderOnABadgeAndTheNameInBold) {
  EXPECT_EQ(ConvertingOutputLabel("/out/a.avi"),
            "<b><font bgcolor=\"#696969\" color=\"#FFFFFF\"> /out/ </font> a.avi</b>");
  EXPECT_EQ(SkippedOutputLabel("/out/a.avi"), "<font bgcolor=\"#C0C0C0\">/out/</font><b>a.avi</b>");
}

TEST(ClearLogs, RemovesTheLogFilesAndTheFolderButNothingElse) {
  TempDir dir;
  const std::string logDir = dir.mkdir("logs");
  dir.write("logs/ffmpeg2pass-0.log", "x");
  dir.write("logs/x264_2pass.log.mbtree", "x");
  chmod(dir.file("logs/ffmpeg2pass-0.log").c_str(), 0);
  ClearLogs(logDir);
  EXPECT_FALSE(DirectoryExists(logDir));
  const std::string other = dir.mkdir("other");
  dir.write("other/keep.txt", "x");
  ClearLogs(other);
  EXPECT_TRUE(FileExists(dir.file("other/keep.txt")));
}

}  // namespace
}  // namespace zelmora
