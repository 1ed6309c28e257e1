#include "process/abort_controller.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <thread>

#include "fake_encoder_util.h"
#include "process/encoder_output_handler.h"
#include "process/process_control.h"
#include "recording_progress_view.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct AbortFixture : testing::Test {
  TConversionState state;
  ConsoleRunner runner;
  AbortController abort{state, runner};
  Clock::time_point now = Clock::time_point{} + 1h;

  void SetUp() override {
    abort.SetClock([this] { return now; });
  }
};

TEST_F(AbortFixture, WithoutARunTheButtonClosesTheWindow) {
  EXPECT_EQ(abort.Abort(), TAbortCommandResult::acCloseWindow);
  EXPECT_FALSE(state.AbortRequested);
  EXPECT_FALSE(abort.GraceTimePending());
}

TEST_F(AbortFixture, ASecondPressDuringTheGraceTimeDoesNothing) {
  state.Running = true;
  EXPECT_EQ(abort.Abort(), TAbortCommandResult::acRequested);
  EXPECT_TRUE(state.AbortRequested);
  now += 1s;
  EXPECT_EQ(abort.Abort(), TAbortCommandResult::acIgnored);
  now += 1499ms;  // the deadline still counts from the first press
  EXPECT_FALSE(abort.CheckGraceDeadline());
  now += 1ms;
  EXPECT_TRUE(abort.CheckGraceDeadline());
  EXPECT_TRUE(state.AbortTimedOut);
  EXPECT_FALSE(abort.GraceTimePending());
}

TEST_F(AbortFixture, TheWindowsTimerEndsTheGraceTimeAsWell) {
  state.Running = true;
  abort.Abort();
  abort.GraceTimeElapsed();
  EXPECT_TRUE(state.AbortTimedOut);
}

TEST_F(AbortFixture, AGraceTimeLeftFromAnEndedRunNeverFiresInTheNextOne) {
  state.Running = true;
  abort.Abort();
  // The run ended before the grace time was over and the next one began.
  state.AbortRequested = false;
  state.AbortTimedOut = false;
  now += 10s;
  EXPECT_FALSE(abort.CheckGraceDeadline());
  EXPECT_FALSE(state.AbortTimedOut);
}

TEST_F(AbortFixture, TheForcedStepDoesNothingBeforeTheGraceTimeIsOver) {
  int sleeps = 0;
  abort.SetSleep([&](std::chrono::milliseconds) { ++sleeps; });
  abort.ForcedAbortStep(test::FakeEncoder());
  EXPECT_EQ(sleeps, 0);
}

// The whole abort path with a child that ignores "q" and writes nothing:
// the first idle call presses Abort, the grace time passes, the next idle
// call kills the child.
TEST(AbortPath, KillsASilentChildThatIgnoresQAfterTheGraceTime) {
  TConversionState state;
  state.Running = true;
  ConsoleRunner runner;
  AbortController abort(state, runner);
  std::vector<std::string> output;
  test::RecordingProgressView view;
  TAppStrings strings;
  EncoderOutputHandler handler(output, state, strings, view, abort);
  handler.Params().FfmpegPath = test::FakeEncoder();
  runner.SetOutputObserver(&handler);
  Clock::time_point pressed;
  view.onProcessEvents = [&] {
    if (!state.AbortRequested) {
      pressed = Clock::now();
      abort.Abort();
    }
  };
  Result<uint32_t> exitCode =
      runner.RunConsoleProgram(test::FakeEncoder(), "ignore-q silent", &output, {});
  auto took = Clock::now() - pressed;
  ASSERT_TRUE(exitCode.ok());
  EXPECT_EQ(exitCode.value(), 128u + SIGKILL);
  EXPECT_GE(took, AbortController::GraceTime);
  EXPECT_LT(took, AbortController::GraceTime + AbortController::KillDelay +
                      ConsoleRunner::IdleInterval + 400ms);
  EXPECT_TRUE(state.AbortTimedOut);
}

TEST(AbortPath, AChildThatHonoursQEndsAtOnce) {
  TConversionState state;
  state.Running = true;
  ConsoleRunner runner;
  AbortController abort(state, runner);
  test::RecordingObserver observer;
  observer.onLine = [&](const std::string&) { abort.Abort(); };
  auto start = Clock::now();
  Result<uint32_t> exitCode = runner.RunConsoleProgram(test::FakeEncoder(), "out=working\\n silent",
                                                       nullptr, {}, &observer);
  ASSERT_TRUE(exitCode.ok());
  EXPECT_EQ(exitCode.value(), 0u);
  EXPECT_LT(Clock::now() - start, 1s);
  EXPECT_FALSE(state.AbortTimedOut);
}

TEST(TerminateApp, KillsOurChildReachedThroughASymbolicLink) {
  test::TempDir dir;
  std::string link = dir.file("ffmpeg");
  ASSERT_EQ(symlink(test::FakeEncoder().c_str(), link.c_str()), 0);
  ConsoleRunner runner;
  test::RecordingObserver observer;
  bool killed = false;
  observer.onIdle = [&] { killed = killed || TerminateApp(link); };
  Result<uint32_t> exitCode =
      runner.RunConsoleProgram(test::FakeEncoder(), "silent", nullptr, {}, &observer);
  EXPECT_TRUE(killed);
  EXPECT_EQ(exitCode.value(), 128u + SIGKILL);
}

TEST(TerminateApp, LeavesAProcessOfTheSameProgramThatIsNotOurChildAlone) {
  test::TempDir dir;
  std::string pidFile = dir.file("orphan.pid");
  ConsoleRunner runner;
  ASSERT_EQ(
      runner.RunConsoleProgram(test::FakeEncoder(), "fork-orphan=" + pidFile, nullptr, {}).value(),
      0u);
  int orphan = 0;
  for (int i = 0; i < 100 && orphan == 0; ++i) {
    std::ifstream(pidFile) >> orphan;
    if (orphan == 0) std::this_thread::sleep_for(20ms);
  }
  ASSERT_GT(orphan, 0);
  EXPECT_FALSE(TerminateApp(test::FakeEncoder()));
  EXPECT_EQ(kill(orphan, 0), 0) << "the orphan was killed";
  kill(orphan, SIGKILL);
}

TEST(TerminateApp, APathThatMatchesNoChildChangesNothing) {
  EXPECT_FALSE(TerminateApp("/nonexistent/ffmpeg"));
  EXPECT_FALSE(TerminateApp(""));
}

}  // namespace
}  // namespace zelmora
