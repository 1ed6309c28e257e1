#include "process/console_runner.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "base/paths.h"
#include "fake_encoder_util.h"
#include "platform/executable_path.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::FakeEncoder;
using Lines = std::vector<std::string>;

uint32_t RunFake(ConsoleRunner& runner, const std::string& parameters, Lines* lines = nullptr,
                 ConsoleRunObserver* observer = nullptr, const std::string& dir = {}) {
  Result<uint32_t> result =
      runner.RunConsoleProgram(FakeEncoder(), parameters, lines, dir, observer);
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().message);
  return result.ok() ? result.value() : 0xFFFFFFFF;
}

TEST(ConsoleRunner, PassesTheParametersSplitByTheWindowsRulesNeverThroughAShell) {
  test::TempDir dir;
  std::string record = dir.file("argv");
  ConsoleRunner runner;
  RunFake(runner, "record=" + record +
                      " \"out=a b\" \"say \\\"hi\\\"\" $HOME;echo `id` -leading \xC3\xA9t\xC3\xA9");
  Lines parts = test::ReadRecord(record);
  ASSERT_EQ(parts.size(), 9u);  // the working folder, then argv
  EXPECT_EQ(Lines(parts.begin() + 1, parts.end()),
            (Lines{FakeEncoder(), "record=" + record, "out=a b", "say \"hi\"", "$HOME;echo", "`id`",
                   "-leading", "\xC3\xA9t\xC3\xA9"}));
}

TEST(ConsoleRunner, OnlyBlankParametersGiveNoArguments) {
  EXPECT_EQ(ConsoleRunner::BuildArgv("/x/ffmpeg", "   "), (Lines{"/x/ffmpeg"}));
  EXPECT_EQ(ConsoleRunner::BuildArgv("/x/ffmpeg", " -i  a "), (Lines{"/x/ffmpeg", "-i", "a"}));
}

TEST(ConsoleRunner, StartsInTheGivenFolderOrElseInTheProgramFolder) {
  test::TempDir dir;
  std::string work = dir.mkdir("work dir");
  ConsoleRunner runner;
  RunFake(runner, "record=\"" + dir.file("a") + "\"", nullptr, nullptr, work);
  EXPECT_EQ(test::ReadRecord(dir.file("a")).at(0), CanonicalPath(work));
  RunFake(runner, "record=\"" + dir.file("b") + "\"");
  EXPECT_EQ(test::ReadRecord(dir.file("b")).at(0), ExtractFileDir(ExecutablePath()));
}

TEST(ConsoleRunner, CapturesStandardOutputAndErrorInOneStream) {
  ConsoleRunner runner;
  Lines lines;
  RunFake(runner, "out=one\\n err=two\\n out=three\\r\\n", &lines);
  EXPECT_EQ(lines, (Lines{"one", "two", "three", ""}));
}

TEST(ConsoleRunner, NeverClearsTheCallersList) {
  ConsoleRunner runner;
  Lines lines{"earlier"};
  RunFake(runner, "out=x", &lines);
  EXPECT_EQ(lines, (Lines{"earlier", "x"}));
}

struct ExitCase {
  const char* name;
  std::string parameters;
  uint32_t exitCode;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ExitCase& c, std::ostream* os) {
  *os << c.name;
}

class ConsoleRunnerExitCodes : public testing::TestWithParam<ExitCase> {};

TEST_P(ConsoleRunnerExitCodes, ReturnsTheChildsExitCode) {
  ConsoleRunner runner;
  EXPECT_EQ(RunFake(runner, GetParam().parameters), GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConsoleRunnerExitCodes,
                         testing::Values(ExitCase{"Success", "out=ok", 0},
                                         ExitCase{"Failure", "exit=3", 3},
                                         ExitCase{"Highest", "exit=255", 255},
                                         ExitCase{"KilledIs128PlusSignal", "signal=9", 137},
                                         ExitCase{"TerminatedIs128PlusSignal", "signal=15", 143}),
                         [](const testing::TestParamInfo<ExitCase>& info) {
                           return info.param.name;
                         });

TEST(ConsoleRunner, AProgramThatCannotStartGivesTheSystemsMessage) {
  ConsoleRunner runner;
  Result<uint32_t> result = runner.RunConsoleProgram("/nonexistent/ffmpeg", "-i x", nullptr, {});
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().code, ENOENT);
  EXPECT_NE(result.error().message.find("/nonexistent/ffmpeg"), std::string::npos);
  EXPECT_NE(result.error().message.find("No such file"), std::string::npos);
  EXPECT_FALSE(runner.IsRunning());
  EXPECT_EQ(runner.RunningChild().StdinWrite, -1);
  // The failure leaves the runner usable.
  EXPECT_EQ(RunFake(runner, "exit=4"), 4u);
}

TEST(ConsoleRunner, AMissingWorkingFolderIsAStartFailure) {
  ConsoleRunner runner;
  EXPECT_FALSE(runner.RunConsoleProgram(FakeEncoder(), "", nullptr, "/nonexistent/dir").ok());
}

TEST(ConsoleRunner, HoldsTheChildOnlyWhileItRuns) {
  ConsoleRunner runner;
  test::RecordingObserver observer;
  int seenPid = 0;
  bool wasRunning = false;
  observer.onLine = [&](const std::string&) {
    seenPid = runner.RunningChild().ProcessId;
    wasRunning = runner.IsRunning();
  };
  RunFake(runner, "out=x\\n", nullptr, &observer);
  EXPECT_GT(seenPid, 0);
  EXPECT_TRUE(wasRunning);
  EXPECT_FALSE(runner.IsRunning());
  EXPECT_EQ(runner.RunningChild().ProcessId, 0);
  EXPECT_FALSE(runner.SendToConsole("q"));
}

TEST(ConsoleRunner, TheChildRunsInAProcessGroupOfItsOwn) {
  // So a Ctrl+C at the terminal reaches only this program.
  ConsoleRunner runner;
  test::RecordingObserver observer;
  pid_t child = 0, group = 0;
  observer.onLine = [&](const std::string&) {
    if (child == 0) {
      child = runner.RunningChild().ProcessId;
      group = getpgid(child);
    }
  };
  RunFake(runner, "out=x\\n sleep=50", nullptr, &observer);
  ASSERT_GT(child, 0);
  EXPECT_EQ(group, child);
  EXPECT_NE(group, getpgrp());
}

TEST(ConsoleRunner, QOnStandardInputReachesTheChild) {
  ConsoleRunner runner;
  test::RecordingObserver observer;
  bool sent = false;
  observer.onLine = [&](const std::string& line) {
    if (line == "ready") sent = runner.SendToConsole("q");
  };
  EXPECT_EQ(RunFake(runner, "q-exit=7 out=ready\\n silent", nullptr, &observer), 7u);
  EXPECT_TRUE(sent);
}

TEST(ConsoleRunner, ASilentChildStillGetsIdleCallsAndCanBeAskedToQuit) {
  ConsoleRunner runner;
  test::RecordingObserver observer;
  observer.onIdle = [&] {
    if (observer.idleCalls == 3) runner.SendToConsole("q");
  };
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(RunFake(runner, "silent", nullptr, &observer), 0u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_GE(observer.idleCalls, 3);
}

TEST(ConsoleRunner, RefusesARunStartedWhileOneIsInProgress) {
  ConsoleRunner runner;
  test::RecordingObserver observer;
  std::optional<Result<uint32_t>> nested;
  observer.onLine = [&](const std::string&) {
    if (!nested) nested = runner.RunConsoleProgram(FakeEncoder(), "exit=5", nullptr, {});
  };
  Lines lines;
  EXPECT_EQ(RunFake(runner, "out=first\\n out=second\\n exit=2", &lines, &observer), 2u);
  ASSERT_TRUE(nested.has_value());
  EXPECT_FALSE(nested->ok());
  EXPECT_EQ(lines, (Lines{"first", "second", ""}));
}

TEST(ConsoleRunner, NotifiesTheOutputObserverBesideTheListener) {
  ConsoleRunner runner;
  test::RecordingObserver listener, window;
  runner.SetOutputObserver(&window);
  RunFake(runner, "out=a\\rb\\r\\n", nullptr, &listener);
  EXPECT_EQ(listener.lines, (Lines{"a", "b", ""}));
  EXPECT_EQ(window.lines, listener.lines);
  runner.SetOutputObserver(nullptr);
  RunFake(runner, "out=c\\n");
  EXPECT_EQ(window.lines.size(), 3u);
}

bool WaitUntilGone(int pid, std::chrono::milliseconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (kill(pid, 0) != 0 && errno == ESRCH) return true;  // a zombie would still answer
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

TEST(ConsoleRunner, AChildStillRunningAfterItsOutputEndedReports259AndIsReapedLater) {
  ConsoleRunner runner;
  runner.SetExitWait(std::chrono::milliseconds(300));
  test::RecordingObserver observer;
  int pid = 0;
  observer.onLine = [&](const std::string&) { pid = runner.RunningChild().ProcessId; };
  auto start = std::chrono::steady_clock::now();
  Lines lines;
  EXPECT_EQ(RunFake(runner, "out=last close-output sleep=3000", &lines, &observer), 259u);
  auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, std::chrono::milliseconds(300));
  EXPECT_LT(took, std::chrono::milliseconds(2000));  // not until the child ended
  EXPECT_EQ(lines, (Lines{"last"}));
  EXPECT_FALSE(runner.IsRunning());
  ASSERT_GT(pid, 0);
  EXPECT_TRUE(WaitUntilGone(pid, std::chrono::seconds(5)));
}

TEST(ConsoleRunner, TheChildInheritsOnlyTheThreeStandardDescriptors) {
  test::TempDir dir;
  int stray = open("/dev/null", O_RDONLY);  // opened without close-on-exec
  ASSERT_GE(stray, 3);
  ConsoleRunner runner;
  RunFake(runner, "fds=" + dir.file("fds"));
  close(stray);
  std::ifstream in(dir.file("fds"));
  Lines fds;
  for (std::string fd; std::getline(in, fd);) fds.push_back(fd);
  EXPECT_EQ(fds, (Lines{"0", "1", "2"}));
}

TEST(ConsoleRunner, AnObserverThatThrowsLeavesNoChildBehind) {
  ConsoleRunner runner;
  test::RecordingObserver observer;
  int pid = 0;
  observer.onLine = [&](const std::string&) {
    pid = runner.RunningChild().ProcessId;
    throw std::runtime_error("window gone");
  };
  EXPECT_THROW(runner.RunConsoleProgram(FakeEncoder(), "out=x\\n silent", nullptr, {}, &observer),
               std::runtime_error);
  EXPECT_FALSE(runner.IsRunning());
  ASSERT_GT(pid, 0);
  EXPECT_TRUE(WaitUntilGone(pid, std::chrono::seconds(3)));
  EXPECT_EQ(RunFake(runner, "exit=1"), 1u);
}

TEST(ConsoleRunner, TwoHundredRunsLeaveNoDescriptorsAndNoChildren) {
  ConsoleRunner runner;
  int descriptors = test::CountOpenDescriptors();
  for (int i = 0; i < 200; ++i) {
    Lines lines;
    ASSERT_EQ(RunFake(runner, "out=run\\r\\n exit=" + std::to_string(i % 3), &lines),
              uint32_t(i % 3));
    ASSERT_EQ(lines.size(), 2u);
  }
  EXPECT_EQ(test::CountOpenDescriptors(), descriptors);
  EXPECT_EQ(test::CountChildren(), 0);
}

}  // namespace
}  // namespace zelmora
