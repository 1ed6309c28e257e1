#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "base/files.h"
#include "base/paths.h"
#include "core/conversion_run.h"
#include "core/conversion_run_files.h"
#include "core/file_dates.h"
#include "core/test_conversion_support.h"

namespace zelmora {
namespace {

using test::ConversionHarness;
using test::FakeFfmpeg;
using test::TempDir;

const std::string FakeEncoder = ZELMORA_FAKE_ENCODER;

// Input files with a few bytes each (the stand-in ffmpeg never reads them).
std::vector<std::string> MakeInputs(const TempDir& dir, int count) {
  std::vector<std::string> files;
  for (int i = 1; i <= count; ++i)
    files.push_back(dir.write("in/clip" + std::to_string(i) + ".webm", "webm"));
  return files;
}

TEST(ConversionRun, TwoPassWithAFailingFirstPassRecordsOneErrorAndRemovesTheLogFolder) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "[[ \" $* \" == *' -pass 1 '* ]] && exec '" + FakeEncoder +
                             "' 'err=pass one broke\\n' exit=3");
  ConversionHarness h(ffmpeg.path);
  h.settings.Avi.Video2Pass = true;
  h.rows.Add(MakeInputs(dir, 1)[0]);

  TConversionOutcome outcome = h.Convert();

  EXPECT_TRUE(outcome.ReachedEnd);
  EXPECT_EQ(outcome.ErrorCount, 1);
  EXPECT_EQ(h.rows.rows[0].status, "Error = 3");
  std::vector<test::RecordedCall> calls = ffmpeg.EncodeCalls();
  ASSERT_EQ(calls.size(), 1u) << "no second pass after a failed first one";
  EXPECT_EQ(calls[0].cwd, h.context.AppParams.LogDir);
  EXPECT_FALSE(DirectoryExists(h.context.AppParams.LogDir));
  EXPECT_EQ(h.view.records, 1);
  const std::string& log = h.view.errorLog.Text();
  EXPECT_EQ(log.rfind("Error # 1\n----------\nDate & Time: ", 0), 0u) << log;
  EXPECT_NE(log.find("\nExitCode: 3\npass one broke\n"), std::string::npos) << log;
  EXPECT_EQ(h.view.errorCaption, "Errors (1)");
}

TEST(ConversionRun, AbortDuringTheSecondOfFiveFilesLeavesTheRestUntouched) {
  TempDir dir;
  // The first file finishes at once; any later one waits for "q".
  FakeFfmpeg ffmpeg(dir, "[[ \"$last\" == *clip1.avi ]] || exec '" + FakeEncoder + "' sleep=20000");
  ConversionHarness h(ffmpeg.path);
  h.options.AfterConversion = acCloseWindows;
  for (const std::string& file : MakeInputs(dir, 5)) h.rows.Add(file);
  // The user presses Abort while the second file is being encoded.
  h.view.onEvents = [&] {
    if (h.context.ConversionState.FileNo == 2 && h.runner.IsRunning()) h.abort.Abort();
  };

  TConversionOutcome outcome = h.Convert();

  EXPECT_TRUE(outcome.Aborted);
  EXPECT_FALSE(outcome.ForcedAbort);
  EXPECT_EQ(h.rows.Statuses(),
            (std::vector<std::string>{"Done", "Aborted", "Ready", "Ready", "Ready"}));
  EXPECT_EQ(h.rows.rows[1].colour, h.context.AppParams.ColorError);
  EXPECT_EQ(h.view.statusColour, h.context.AppParams.ColorError);
  EXPECT_TRUE(h.desktop.calls().empty()) << "no power-off after an abort";
  EXPECT_EQ(std::count(h.view.calls.begin(), h.view.calls.end(), "CloseMainWindow"), 0);
  EXPECT_FALSE(h.context.ConversionState.AbortRequested);
  EXPECT_FALSE(h.context.ConversionState.Running);
}

TEST(ConversionRun, AForcedAbortKeepsTheRecordsButDoesNotOpenTheErrorLog) {
  TempDir dir;
  FakeFfmpeg ffmpeg(
      dir, "[[ \"$last\" == *clip1.avi ]] && exit 1\nexec '" + FakeEncoder + "' sleep=20000");
  ConversionHarness h(ffmpeg.path);
  for (const std::string& file : MakeInputs(dir, 3)) h.rows.Add(file);
  // Abort, and the grace time runs out before ffmpeg has gone.
  h.view.onEvents = [&] {
    if (h.context.ConversionState.FileNo == 2 && h.runner.IsRunning() &&
        !h.context.ConversionState.AbortRequested) {
      h.abort.Abort();
      h.abort.GraceTimeElapsed();
    }
  };
  TConversionOutcome outcome = h.Convert();
  EXPECT_TRUE(outcome.ForcedAbort);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Error (1)", "Aborted", "Ready"}));
  EXPECT_EQ(h.view.records, 1);
  EXPECT_EQ(std::count(h.view.calls.begin(), h.view.calls.end(), "ShowErrorLog"), 0);
  EXPECT_EQ(h.view.errorCaption, "Errors (1)");
}

TEST(ConversionRun, OneErrorKeepsTheMachineRunningAndShowsTheErrorLog) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "[[ \"$last\" == *clip2.avi ]] && exit 1");
  ConversionHarness h(ffmpeg.path);
  h.options.AfterConversion = acCloseWindows;
  for (const std::string& file : MakeInputs(dir, 3)) h.rows.Add(file);

  TConversionOutcome outcome = h.Convert();

  EXPECT_EQ(outcome.ErrorCount, 1);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Done", "Error (1)", "Done"}));
  EXPECT_TRUE(h.desktop.calls().empty());
  EXPECT_NE(std::find(h.view.calls.begin(), h.view.calls.end(), "ShowErrorLog"),
            h.view.calls.end());
  EXPECT_EQ(h.view.errorCaption, "Errors (1)");
}

struct AfterConversionCase {
  const char* name;
  int afterConversion;
  std::vector<std::string> desktopCalls;
  bool closesMainWindow;
};

TEST(ConversionRun, AfterASuccessfulRunTheChosenActionRuns) {
  const AfterConversionCase cases[] = {
      {"do nothing", acDoNothing, {}, false},
      {"close the application", acCloseApplication, {}, true},
      {"close the system powers off, then closes", acCloseWindows, {"poweroff"}, true},
      {"an index outside the list does nothing", 7, {}, false},
      {"a negative index does nothing", -1, {}, false},
  };
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  const std::string input = MakeInputs(dir, 1)[0];
  for (const AfterConversionCase& c : cases) {
    ConversionHarness h(ffmpeg.path);
    h.options.AfterConversion = c.afterConversion;
    h.options.OutputExists = oeOverwrite;
    h.rows.Add(input);
    h.Convert();
    EXPECT_EQ(h.desktop.calls(), c.desktopCalls) << c.name;
    bool closed = std::find(h.view.calls.begin(), h.view.calls.end(), "CloseMainWindow") !=
                  h.view.calls.end();
    EXPECT_EQ(closed, c.closesMainWindow) << c.name;
    EXPECT_EQ(h.view.calls.back(), c.closesMainWindow ? "CloseMainWindow" : "HideProgressWindow")
        << c.name;
  }
}

struct RenameCase {
  const char* name;
  int policy;
};

TEST(ConversionRun, AnOutputThatIsTheInputIsRenamedWhateverThePolicy) {
  const RenameCase cases[] = {{"rename", oeRename}, {"overwrite", oeOverwrite}, {"skip", oeSkip}};
  for (const RenameCase& c : cases) {
    TempDir dir;
    FakeFfmpeg ffmpeg(dir);
    const std::string input = dir.write("video/clip.avi", "original");
    dir.write("video/clip_001.avi", "taken");
    ConversionHarness h(ffmpeg.path);
    h.options.OutputExists = c.policy;
    h.rows.Add(input);
    h.Convert();
    EXPECT_EQ(h.rows.rows[0].status, "OK - Renamed") << c.name;
    ASSERT_EQ(ffmpeg.EncodeCalls().size(), 1u) << c.name;
    EXPECT_EQ(ffmpeg.EncodeCalls()[0].args.back(), dir.file("video/clip_002.avi")) << c.name;
    EXPECT_EQ(ReadWholeFile(input).value(), "original") << c.name;
  }
}

TEST(ConversionRun, TheSameFileReachedThroughALinkIsStillTheInput) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  const std::string input = dir.write("video/clip.avi", "original");
  ASSERT_EQ(symlink(dir.file("video").c_str(), dir.file("link").c_str()), 0);
  ConversionHarness h(ffmpeg.path);
  h.options.OutIn = false;
  h.options.OutDir = dir.file("link");
  h.options.OutputExists = oeOverwrite;
  h.rows.Add(input);
  h.Convert();
  EXPECT_EQ(h.rows.rows[0].status, "OK - Renamed");
  EXPECT_EQ(ReadWholeFile(input).value(), "original");
  EXPECT_TRUE(FileExists(dir.file("link/clip_001.avi")));
}

TEST(ConversionRun, LetterCaseMakesADifferentFileOnThisSystem) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  const std::string input = dir.write("CLIP.AVI", "original");
  ConversionHarness h(ffmpeg.path);
  h.rows.Add(input);
  h.Convert();
  EXPECT_EQ(h.rows.rows[0].status, "Done");
  EXPECT_EQ(ReadWholeFile(dir.file("CLIP.avi")).value(), "data");
  EXPECT_EQ(ReadWholeFile(input).value(), "original");
}

TEST(ConversionRun, ASkippedRowIsNeitherAnalysedNorConverted) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  std::vector<std::string> inputs = MakeInputs(dir, 3);
  dir.write("in/clip2.avi", "existing");
  ConversionHarness h(ffmpeg.path);
  h.options.OutputExists = oeSkip;
  for (const std::string& file : inputs) h.rows.Add(file);
  TConversionOutcome outcome = h.Convert();
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Done", "Skipped", "Done"}));
  EXPECT_EQ(ffmpeg.ProbedFiles(), (std::vector<std::string>{inputs[0], inputs[2]}));
  EXPECT_EQ(ReadWholeFile(dir.file("in/clip2.avi")).value(), "existing");
  EXPECT_EQ(outcome.ErrorCount, 0);
}

TEST(ConversionRun, AZeroByteOutputOfAFailedRunIsDeleted) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, ": > \"$last\"; exit 1");
  ConversionHarness h(ffmpeg.path);
  h.rows.Add(MakeInputs(dir, 1)[0]);
  h.Convert();
  EXPECT_EQ(h.rows.rows[0].status, "Error (1)");
  EXPECT_FALSE(PathExists(dir.file("in/clip1.avi")));
}

TEST(ConversionRun, KeptDatesCopyTheInputsTimesToTheOutput) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  const std::string input = MakeInputs(dir, 1)[0];
  const timespec times[2] = {{1000000000, 123456789}, {1100000000, 987654321}};
  ASSERT_EQ(utimensat(AT_FDCWD, input.c_str(), times, 0), 0);
  ConversionHarness h(ffmpeg.path);
  h.options.KeepFileDates = true;
  h.rows.Add(input);
  h.Convert();
  EXPECT_TRUE(h.context.AppParams.KeepFileDates);
  std::optional<FileDates> dates = ReadFileDates(dir.file("in/clip1.avi"));
  ASSERT_TRUE(dates);
  EXPECT_EQ(dates->LastAccess.tv_sec, times[0].tv_sec);
  EXPECT_EQ(dates->LastAccess.tv_nsec, times[0].tv_nsec);
  EXPECT_EQ(dates->LastWrite.tv_sec, times[1].tv_sec);
  EXPECT_EQ(dates->LastWrite.tv_nsec, times[1].tv_nsec);
}

TEST(ConversionRun, AnOutputFolderThatCannotBeMadeEndsTheRunWithAMessage) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  const std::string blocker = dir.write("blocker", "a file, not a folder");
  ConversionHarness h(ffmpeg.path);
  h.options.OutIn = false;
  h.options.OutDir = blocker + "/out";
  h.options.AfterConversion = acCloseApplication;
  for (const std::string& file : MakeInputs(dir, 2)) h.rows.Add(file);
  TConversionOutcome outcome = h.Convert();
  EXPECT_FALSE(outcome.ReachedEnd);
  ASSERT_EQ(h.view.warnings.size(), 1u);
  EXPECT_EQ(h.view.warnings[0], "Couldn't create directory \"" + blocker + "/out\" !");
  EXPECT_TRUE(ffmpeg.Calls().empty());
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Ready", "Ready"}));
  EXPECT_EQ(std::count(h.view.calls.begin(), h.view.calls.end(), "CloseMainWindow"), 0);
  EXPECT_EQ(h.view.calls.back(), "HideProgressWindow");
  EXPECT_EQ(h.view.abortCaption, "Close");
}

TEST(ConversionRun, AMissingEncoderEndsTheRunBeforeAnyRow) {
  TempDir dir;
  ConversionHarness h(dir.file("no-such-ffmpeg"));
  h.rows.Add(MakeInputs(dir, 1)[0]);
  TConversionOutcome outcome = h.Convert();
  EXPECT_FALSE(outcome.ReachedEnd);
  EXPECT_EQ(h.view.warnings.size(), 1u);
  EXPECT_EQ(h.rows.rows[0].status, "Ready");
  EXPECT_EQ(h.view.calls.front(), "DisableAll");
  EXPECT_NE(std::find(h.view.calls.begin(), h.view.calls.end(), "EnableAll"), h.view.calls.end());
}

TEST(ConversionRun, UncheckedRowsArePassedOverAndNumberingCountsCheckedOnes) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  std::vector<std::string> inputs = MakeInputs(dir, 3);
  ConversionHarness h(ffmpeg.path);
  h.rows.Add(inputs[0], false);
  h.rows.Add(inputs[1]);
  h.rows.Add(inputs[2]);
  TConversionOutcome outcome = h.Convert();
  EXPECT_EQ(outcome.FileCount, 2);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Ready", "Done", "Done"}));
  EXPECT_EQ(h.view.inputTexts, (std::vector<std::string>{inputs[1], inputs[2]}));
}

TEST(ConversionRun, ClearingTheLogDuringARunKeepsTheNumbering) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "exit 2");
  ConversionHarness h(ffmpeg.path);
  for (const std::string& file : MakeInputs(dir, 2)) h.rows.Add(file);
  h.view.onEvents = [&] {
    if (h.context.ConversionState.FileNo == 2) h.view.errorLog.Clear();
  };
  h.Convert();
  EXPECT_EQ(h.view.errorLog.Text().rfind("Error # 2\n", 0), 0u) << h.view.errorLog.Text();
  EXPECT_EQ(h.view.errorCaption, "Errors (2)");
}

TEST(ConversionRun, ClosingTheProgressWindowDuringARunAborts) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "exec '" + FakeEncoder + "' sleep=20000");
  ConversionHarness h(ffmpeg.path);
  for (const std::string& file : MakeInputs(dir, 2)) h.rows.Add(file);
  bool closed = false;
  h.view.onEvents = [&] {
    if (h.runner.IsRunning() && !closed) closed = ProgressWindowClosed(h.abort);
  };
  TConversionOutcome outcome = h.Convert();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(outcome.Aborted);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Aborted", "Ready"}));
  EXPECT_FALSE(ProgressWindowClosed(h.abort)) << "after the run the window just closes";
}

}  // namespace
}  // namespace zelmora
