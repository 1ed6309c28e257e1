#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace zelmora {

// Receives the runner's notifications on the calling (GUI) thread.
class ConsoleRunObserver {
public:
  virtual ~ConsoleRunObserver() = default;
  virtual void OnLine(int pid, const std::string& line) = 0;  // after every completed line
  virtual void OnIdle() {}  // after every ~100 ms read timeout: pump events, forced-abort step
};

// The child that runs now; no process id and no descriptors while none runs.
struct TRunningChild {
  int ProcessId = 0;
  int StdinWrite = -1;  // our write end of the child's standard input, -1 for none
  int OutputRead = -1;  // our read end of the child's stdout+stderr pipe
};

// Runs a console program (ffmpeg) as a child with its standard output and
// standard error captured through one pipe, cuts that stream into lines and
// reports each line as it arrives. One child at a time.
class ConsoleRunner {
public:
  static constexpr std::chrono::milliseconds DefaultExitWait{5000};
  static constexpr std::chrono::milliseconds IdleInterval{100};
  // What a child still running after its output ended reports.
  static constexpr uint32_t StillActiveExitCode = 259;

  ConsoleRunner() = default;
  ConsoleRunner(const ConsoleRunner&) = delete;
  ConsoleRunner& operator=(const ConsoleRunner&) = delete;

  // Runs ProgramPath with Parameters split by the Windows command-line rules
  // (base/command_line.h, never a shell). Output lines go to *outputLines (may be null).
  // Returns the exit code (128+signal for a killed child, 259 when still running 5 s after
  // its output ended) or an Error when the child cannot be started. A nested run is refused
  // with an Error.
  Result<uint32_t> RunConsoleProgram(const std::string& programPath, const std::string& parameters,
                                     std::vector<std::string>* outputLines,
                                     const std::string& workingDir,
                                     ConsoleRunObserver* onLine = nullptr);
  bool SendToConsole(std::string_view text);  // at most 3 chars; false when no child
  bool IsRunning() const;
  // The process-wide output observer (the progress window's handler), called in
  // addition to onLine for every run while set.
  void SetOutputObserver(ConsoleRunObserver* observer);
  ConsoleRunObserver* OutputObserver() const { return m_outputObserver; }

  const TRunningChild& RunningChild() const { return m_child; }
  // How long a child may go on after its output ended before the run gives
  // up on it with exit code 259 (tests shorten it).
  void SetExitWait(std::chrono::milliseconds wait) { m_exitWait = wait; }

  // The argv a run of these values starts: ProgramPath first, then the
  // Parameters split by the Windows rules (only blanks give no arguments).
  static std::vector<std::string> BuildArgv(const std::string& programPath,
                                            const std::string& parameters);
  // WorkingDir empty means the folder of this program; if unknown, "/".
  static std::string ResolveWorkingDir(const std::string& workingDir);

private:
  uint32_t ReadUntilEnd(std::vector<std::string>* outputLines, ConsoleRunObserver* onLine);
  void Notify(ConsoleRunObserver* onLine, const std::string& line);
  void NotifyIdle(ConsoleRunObserver* onLine);

  TRunningChild m_child;
  int m_exitWatch = -1;  // a descriptor that becomes readable when the child ends
  bool m_busy = false;   // from the start of a run to its end, child or not
  ConsoleRunObserver* m_outputObserver = nullptr;
  std::chrono::milliseconds m_exitWait = DefaultExitWait;
};

}  // namespace zelmora
