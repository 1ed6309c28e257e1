// The conversion run with the real ffmpeg on generated clips (ffmpeg is
// wrapped by a script that records each call before running it).
#include <gtest/gtest.h>

#include "base/files.h"
#include "core/test_conversion_support.h"
#include "support/media_clips.h"

namespace zelmora {
namespace {

using test::ConversionHarness;
using test::FakeFfmpeg;
using test::TempDir;

TEST(ConversionRunWithFfmpeg, SkipsTheRowWhoseOutputExistsWithoutAnalysingIt) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "", test::FfmpegPath());
  std::vector<std::string> clips;
  for (const char* name : {"one.webm", "two.webm", "three.webm"})
    clips.push_back(test::MakeClip(dir.path(), name));
  dir.write("two.avi", "kept");
  ConversionHarness h(ffmpeg.path);
  h.options.OutputExists = oeSkip;
  for (const std::string& clip : clips) h.rows.Add(clip);

  TConversionOutcome outcome = h.Convert();

  EXPECT_EQ(outcome.ErrorCount, 0) << h.view.errorLog.Text();
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Done", "Skipped", "Done"}));
  EXPECT_GT(GetFileSize(dir.file("one.avi")), 0);
  EXPECT_GT(GetFileSize(dir.file("three.avi")), 0);
  EXPECT_EQ(ReadWholeFile(dir.file("two.avi")).value(), "kept");
  EXPECT_EQ(ffmpeg.ProbedFiles(), (std::vector<std::string>{clips[0], clips[2]}));
  EXPECT_EQ(h.view.progress.back(), 100);
  EXPECT_EQ(h.view.statusTexts.back(), "<b>Done</b>");
}

TEST(ConversionRunWithFfmpeg, TwoPassesShareTheLogFolderWhichIsRemovedAfterwards) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "", test::FfmpegPath());
  const std::string clip = test::MakeClip(dir.path(), "clip.webm");
  ConversionHarness h(ffmpeg.path);
  h.settings.Avi.Video2Pass = true;
  h.rows.Add(clip);

  TConversionOutcome outcome = h.Convert();

  EXPECT_EQ(outcome.ErrorCount, 0) << h.view.errorLog.Text();
  std::vector<test::RecordedCall> calls = ffmpeg.EncodeCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].cwd, h.context.AppParams.LogDir);
  EXPECT_EQ(calls[1].cwd, h.context.AppParams.LogDir);
  EXPECT_FALSE(DirectoryExists(h.context.AppParams.LogDir));
  EXPECT_GT(GetFileSize(dir.file("clip.avi")), 0);
}

}  // namespace
}  // namespace zelmora
