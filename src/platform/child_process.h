#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace zelmora {

// A console child with its standard output and standard error on one pipe
// and its standard input on another. Descriptors are -1 when absent.
struct ChildProcess {
  int Pid = 0;
  int OutputRead = -1;  // our end of the child's stdout+stderr
  int StdinWrite = -1;  // our end of the child's stdin (non-blocking)
  int ExitWatch = -1;   // readable once the child has ended (pidfd), or -1
};

// Starts argv[0] (looked up on $PATH when it has no "/") with argv as its
// arguments, in workingDir, in a process group of its own (a Ctrl+C at the
// terminal reaches only this program), with default signal handling and no
// descriptor inherited but the three standard ones. No shell is involved.
Result<ChildProcess> StartChildProcess(const std::vector<std::string>& argv,
                                       const std::string& workingDir);

// Waits at most timeoutMs for output. Returns the number of bytes read into
// buffer; 0 when the output has ended (every writer closed it); nullopt when
// nothing came within the time.
std::optional<size_t> ReadChildOutput(int fd, char* buffer, size_t size, int timeoutMs);

// Waits at most timeoutMs for the child to end and reaps it. Returns its exit
// code (128 + signal number when a signal ended it), or nullopt when it is
// still running.
std::optional<uint32_t> WaitChildExit(const ChildProcess& child, int timeoutMs);

// One write to the child's standard input; false when it fails (for example
// because the child has closed it). Never raises SIGPIPE.
bool WriteChildInput(int fd, std::string_view text);

// Closes our descriptors of the child (not the process itself).
void CloseChildDescriptors(ChildProcess& child);

// Hands a child that is still running to a background waiter, so its end
// never leaves a zombie.
void ReapChildLater(int pid);

// The exit code of a waitpid status: the exit status, or 128 + the signal.
uint32_t ExitCodeFromStatus(int status);

}  // namespace zelmora
