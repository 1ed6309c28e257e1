#include "process/console_runner.h"

#include <algorithm>
#include <cerrno>
#include <memory>

#include "base/command_line.h"
#include "base/paths.h"
#include "base/text.h"
#include "platform/child_process.h"
#include "platform/executable_path.h"
#include "platform/process_list.h"
#include "process/line_cutter.h"

namespace zelmora {
namespace {

constexpr size_t ReadBufferSize = 20481;

// Clears the runner's record of its child however the run ends.
class RunGuard {
public:
  RunGuard(bool& busy, TRunningChild& record, int& exitWatch)
      : m_busy(busy), m_record(record), m_exitWatch(exitWatch) {
    m_busy = true;
  }
  ~RunGuard() {
    // Left early (an observer threw): the child must not outlive the run unseen.
    if (m_child.Pid != 0 && !m_ended) {
      KillProcess(m_child.Pid);
      ReapChildLater(m_child.Pid);
    }
    CloseChildDescriptors(m_child);
    m_record = TRunningChild{};
    m_exitWatch = -1;
    m_busy = false;
  }
  void Adopt(const ChildProcess& child) {
    m_child = child;
    m_record.ProcessId = child.Pid;
    m_record.StdinWrite = child.StdinWrite;
    m_record.OutputRead = child.OutputRead;
    m_exitWatch = child.ExitWatch;
  }
  void Ended() { m_ended = true; }

private:
  bool& m_busy;
  TRunningChild& m_record;
  int& m_exitWatch;
  ChildProcess m_child;
  bool m_ended = false;
};

}  // namespace

std::vector<std::string> ConsoleRunner::BuildArgv(const std::string& programPath,
                                                  const std::string& parameters) {
  std::vector<std::string> argv{programPath};
  if (!Trim(parameters).empty()) {
    std::vector<std::string> args = SplitCommandLine(parameters);
    argv.insert(argv.end(), args.begin(), args.end());
  }
  return argv;
}

std::string ConsoleRunner::ResolveWorkingDir(const std::string& workingDir) {
  if (!workingDir.empty()) return workingDir;
  std::string dir = ExtractFileDir(ExecutablePath());
  return dir.empty() ? std::string("/") : dir;
}

Result<uint32_t> ConsoleRunner::RunConsoleProgram(const std::string& programPath,
                                                  const std::string& parameters,
                                                  std::vector<std::string>* outputLines,
                                                  const std::string& workingDir,
                                                  ConsoleRunObserver* onLine) {
  // Events are pumped during a run, so a second command can arrive while a
  // child runs; it must not start a second child on top of the first.
  if (m_busy) return Error{EBUSY, "Another program is still running; wait until it has ended."};
  RunGuard guard(m_busy, m_child, m_exitWatch);
  Result<ChildProcess> child =
      StartChildProcess(BuildArgv(programPath, parameters), ResolveWorkingDir(workingDir));
  if (!child) return child.error();
  guard.Adopt(child.value());
  uint32_t exitCode = ReadUntilEnd(outputLines, onLine);
  guard.Ended();
  return exitCode;
}

uint32_t ConsoleRunner::ReadUntilEnd(std::vector<std::string>* outputLines,
                                     ConsoleRunObserver* onLine) {
  LineCutter cutter(outputLines, [this, onLine](const std::string& line) { Notify(onLine, line); });
  std::unique_ptr<char[]> buffer(new char[ReadBufferSize]);
  const int idleMs = static_cast<int>(IdleInterval.count());
  for (;;) {
    std::optional<size_t> n =
        ReadChildOutput(m_child.OutputRead, buffer.get(), ReadBufferSize, idleMs);
    if (!n) {
      NotifyIdle(onLine);
      continue;
    }
    if (*n == 0) break;
    cutter.Feed(std::string_view(buffer.get(), *n));
  }
  ChildProcess child{m_child.ProcessId, -1, -1, m_exitWatch};
  // The wait after the output ended still serves the window, in steps.
  auto deadline = std::chrono::steady_clock::now() + m_exitWait;
  std::optional<uint32_t> exitCode = WaitChildExit(child, 0);
  while (!exitCode) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    exitCode = WaitChildExit(child, static_cast<int>(std::min(left, IdleInterval).count()));
    if (!exitCode && std::chrono::steady_clock::now() < deadline) NotifyIdle(onLine);
  }
  cutter.Finish();
  if (exitCode) return *exitCode;
  ReapChildLater(m_child.ProcessId);
  return StillActiveExitCode;
}

void ConsoleRunner::Notify(ConsoleRunObserver* onLine, const std::string& line) {
  if (onLine != nullptr) onLine->OnLine(m_child.ProcessId, line);
  if (m_outputObserver != nullptr) m_outputObserver->OnLine(m_child.ProcessId, line);
}

void ConsoleRunner::NotifyIdle(ConsoleRunObserver* onLine) {
  if (onLine != nullptr) onLine->OnIdle();
  if (m_outputObserver != nullptr) m_outputObserver->OnIdle();
}

bool ConsoleRunner::SendToConsole(std::string_view text) {
  if (m_child.ProcessId == 0 || m_child.StdinWrite < 0) return false;
  return WriteChildInput(m_child.StdinWrite, text.substr(0, 3));
}

bool ConsoleRunner::IsRunning() const {
  return m_child.ProcessId != 0;
}

void ConsoleRunner::SetOutputObserver(ConsoleRunObserver* observer) {
  m_outputObserver = observer;
}

}  // namespace zelmora
