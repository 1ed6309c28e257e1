// An encoder that crashes, dies half-way through its output or ignores the
// polite "q": each file still ends with a status, a record and no empty
// output, and an abort never waits longer than the grace time allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

#include "base/files.h"
#include "base/paths.h"
#include "core/test_conversion_support.h"
#include "fault/fault_support.h"
#include "platform/run_program.h"
#include "support/scoped_env.h"

namespace zelmora {
namespace {

using namespace std::chrono_literals;
using test::ConversionHarness;
using test::FakeFfmpeg;
using test::TempDir;

const std::string FakeEncoder = ZELMORA_FAKE_ENCODER;
// The longest an abort of an encoder that ignores "q" may take: the grace
// time, the pause after the last "q", and some slack for a busy machine.
constexpr auto AbortLimit = AbortController::GraceTime + AbortController::KillDelay + 400ms;

std::vector<std::string> MakeInputs(const TempDir& dir, int count) {
  std::vector<std::string> files;
  for (int i = 1; i <= count; ++i)
    files.push_back(dir.write("in/clip" + std::to_string(i) + ".webm", "webm"));
  return files;
}

TEST(EncoderFaults, ACrashMidFileIsRecordedAndTheRunGoesOn) {
  TempDir dir;
  // The first file crashes after a few progress lines, having opened its
  // output; the second writes some output and then crashes; the third works.
  FakeFfmpeg ffmpeg(dir, "[[ \"$last\" == *clip1.avi ]] && { : > \"$last\"; exec '" + FakeEncoder +
                             "' progress=3,10 signal=11; }\n"
                             "[[ \"$last\" == *clip2.avi ]] && exec '" +
                             FakeEncoder + "' progress=2,10 \"write=4096,$last\" signal=11");
  ConversionHarness h(ffmpeg.path);
  for (const std::string& file : MakeInputs(dir, 3)) h.rows.Add(file);

  TConversionOutcome outcome = h.Convert();

  EXPECT_TRUE(outcome.ReachedEnd);
  EXPECT_EQ(outcome.ErrorCount, 2);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Error (139)", "Error (139)", "Done"}));
  EXPECT_EQ(h.rows.rows[0].colour, h.context.AppParams.ColorError);
  EXPECT_FALSE(FileExists(dir.file("in/clip1.avi"))) << "no empty output is left";
  EXPECT_EQ(GetFileSize(dir.file("in/clip2.avi")), 4096);
  EXPECT_EQ(ReadWholeFile(dir.file("in/clip3.avi")).value(), "data");
  EXPECT_EQ(h.view.records, 2);
  const std::string& log = h.view.errorLog.Text();
  EXPECT_NE(log.find("ExitCode: 139\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Error # 2\n"), std::string::npos) << log;
  EXPECT_NE(log.find(dir.file("in/clip2.webm")), std::string::npos) << log;
  EXPECT_EQ(ReadWholeFile(dir.file("in/clip1.webm")).value(), "webm") << "inputs untouched";
}

TEST(EncoderFaults, AnEncoderKilledFromOutsideCountsAsAFailure) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "exec '" + FakeEncoder + "' progress=2,10 signal=9");
  ConversionHarness h(ffmpeg.path);
  h.rows.Add(MakeInputs(dir, 1)[0]);

  TConversionOutcome outcome = h.Convert();

  EXPECT_EQ(outcome.ErrorCount, 1);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Error (137)"}));
  EXPECT_NE(std::find(h.view.calls.begin(), h.view.calls.end(), "ShowErrorLog"),
            h.view.calls.end());
}

// Presses Abort once, while ffmpeg runs for the first file (encoding, or
// any run of it with `duringAnalysis`), and checks that
// the window is served all the while (no gap longer than the pause after
// the last "q"). Returns how long the run went on after the press.
test::FaultClock::duration AbortTheFirstFile(ConversionHarness& h, TConversionOutcome& outcome,
                                             bool duringAnalysis = false) {
  test::FaultClock::time_point pressed{}, lastPump{};
  test::FaultClock::duration longestGap{};
  h.view.onEvents = [&] {
    const auto now = test::FaultClock::now();
    if (lastPump != test::FaultClock::time_point{})
      longestGap = std::max(longestGap, now - lastPump);
    lastPump = now;
    const bool encoding = h.context.ConversionState.Pass > 0;
    if (h.runner.IsRunning() && (encoding || duringAnalysis) &&
        !h.context.ConversionState.AbortRequested) {
      pressed = now;
      h.abort.Abort();
    }
  };
  outcome = h.Convert();
  EXPECT_LT(longestGap, AbortController::KillDelay + 300ms) << "the window went unserved";
  return test::FaultClock::now() - pressed;
}

TEST(EncoderFaults, AnEncoderIgnoringQIsKilledWithinTheGraceTime) {
  TempDir dir;
  test::ScopedEnv commands("ZELMORA_FAKE_ENCODER_COMMANDS", "ignore-q progress=1,0 silent");
  ConversionHarness h(test::LinkFakeEncoderAsFfmpeg(dir));
  for (const std::string& file : MakeInputs(dir, 2)) h.rows.Add(file);

  TConversionOutcome outcome;
  auto took = AbortTheFirstFile(h, outcome);

  EXPECT_TRUE(outcome.Aborted);
  EXPECT_TRUE(outcome.ForcedAbort);
  EXPECT_GE(took, AbortController::GraceTime);
  EXPECT_LT(took, AbortLimit);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Aborted", "Ready"}));
  EXPECT_FALSE(h.runner.IsRunning());
}

// ffmpeg reached through wrapper scripts, so the process that runs is not
// the configured file: one script execs the encoder, the other starts it as
// its own child and waits. The kill must reach the encoder either way.
TEST(EncoderFaults, AnEncoderBehindAWrapperScriptIsKilledToo) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "'" + FakeEncoder + "' ignore-q progress=1,0 silent; exit $?");
  const std::string execs = test::WriteScript(
      dir, "exec-wrapper/ffmpeg",
      "[ $# -le 2 ] && exit 0\nexec '" + FakeEncoder + "' ignore-q progress=1,0 silent");
  for (const std::string& wrapper : {ffmpeg.path, execs}) {
    SCOPED_TRACE(wrapper);
    ConversionHarness h(wrapper);
    h.rows.Add(MakeInputs(dir, 1)[0]);

    TConversionOutcome outcome;
    auto took = AbortTheFirstFile(h, outcome);

    EXPECT_TRUE(outcome.ForcedAbort);
    EXPECT_LT(took, AbortLimit);
    EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Aborted"}));
  }
}

// A probe that hangs (a file on a stalled network share): Abort works
// during the analysis as during the encoding, and the window is served.
TEST(EncoderFaults, AProbeThatHangsCanBeAborted) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, "");
  // The stand-in hangs on the probe ("-i FILE") alone.
  const std::string probeHangs =
      test::WriteScript(dir, "probe-hangs/ffmpeg",
                        "[ \"$1\" = -i ] && exec '" + FakeEncoder + "' ignore-q silent\nexec '" +
                            ffmpeg.path + "' \"$@\"");
  ConversionHarness h(probeHangs);
  for (const std::string& file : MakeInputs(dir, 2)) h.rows.Add(file);

  TConversionOutcome outcome;
  auto took = AbortTheFirstFile(h, outcome, true);

  EXPECT_TRUE(outcome.ForcedAbort);
  EXPECT_LT(took, AbortLimit);
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Aborted", "Ready"}));
  EXPECT_TRUE(ffmpeg.EncodeCalls().empty()) << "nothing is encoded after the abort";
}

// The command line's run: a termination signal while the encoder ignores
// "q" ends zelmora-cli within the grace time, however silent the encoder is.
TEST(EncoderFaults, TheCommandLineNeverFreezesOnAHangingEncoder) {
  const std::string program = ZELMORA_BINARY_DIR "/bin/zelmora-cli";
  if (!FileExists(program)) GTEST_SKIP() << program << " is not built";
  TempDir dir;
  const std::string ffmpeg = test::LinkFakeEncoderAsFfmpeg(dir);
  const std::string input = dir.write("a.webm", "x");
  const std::string script =
      "export ZELMORA_FAKE_ENCODER_COMMANDS='ignore-q silent'; PATH='" + ExtractFileDir(ffmpeg) +
      "':\"$PATH\" \"$0\" convert --no-wait \"$1\" 2>&1 & pid=$!; sleep 0.5; "
      "start=$(date +%s%N); kill -TERM $pid; wait $pid; status=$?; "
      "echo \"status=$status ms=$(( ($(date +%s%N) - start) / 1000000 ))\"";
  std::string output;
  ASSERT_TRUE(RunProgramAndWait({"/bin/bash", "-c", script, program, input}, &output).ok());
  EXPECT_NE(output.find("Aborted: " + input), std::string::npos) << output;
  EXPECT_NE(output.find("status=1 "), std::string::npos) << output;
  const size_t ms = output.find("ms=");
  ASSERT_NE(ms, std::string::npos) << output;
  EXPECT_LT(std::stol(output.substr(ms + 3)), AbortLimit.count()) << output;
}

}  // namespace
}  // namespace zelmora
