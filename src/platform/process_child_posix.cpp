#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>

#include "base/paths.h"
#include "platform/child_process.h"

extern char** environ;

namespace zelmora {
namespace {

Error SystemError(int code, const std::string& what) {
  return Error{code, what + ": " + std::strerror(code)};
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

struct Pipe {
  int read = -1;
  int write = -1;
  void Close() {
    CloseFd(read);
    CloseFd(write);
  }
};

bool MakePipe(Pipe& p) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  p.read = fds[0];
  p.write = fds[1];
  return true;
}

// The child gets default handling for every signal we might catch or ignore
// (an ignored SIGPIPE or SIGINT would otherwise survive the exec) and an
// empty signal mask.
void SetChildSignals(posix_spawnattr_t& attr) {
  sigset_t defaults;
  sigemptyset(&defaults);
  for (int sig : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1, SIGUSR2, SIGCHLD,
                  SIGTSTP, SIGTTIN, SIGTTOU})
    sigaddset(&defaults, sig);
  sigset_t mask;
  sigemptyset(&mask);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setsigmask(&attr, &mask);
  posix_spawnattr_setpgroup(&attr, 0);
  posix_spawnattr_setflags(&attr,
                           POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
}

int OpenExitWatch(pid_t pid) {
#ifdef SYS_pidfd_open
  int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (fd >= 0) fcntl(fd, F_SETFD, FD_CLOEXEC);
  return fd;
#else
  (void)pid;
  return -1;
#endif
}

// The program as exec sees it: a relative path with a folder part would be
// taken relative to the child's new working directory, so make it absolute.
std::string ExecPath(const std::string& program) {
  if (program.find('/') == std::string::npos || IsAbsolutePath(program)) return program;
  return ExpandFileName(program);
}

int Spawn(pid_t& pid, const std::vector<std::string>& argv, const std::string& workingDir,
          int stdinFd, int outputFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, stdinFd, 0);
  posix_spawn_file_actions_adddup2(&actions, outputFd, 1);
  posix_spawn_file_actions_adddup2(&actions, outputFd, 2);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  if (!workingDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  SetChildSignals(attr);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  std::string program = ExecPath(argv[0]);
  bool search = program.find('/') == std::string::npos;
  int rc = search ? posix_spawnp(&pid, program.c_str(), &actions, &attr, args.data(), environ)
                  : posix_spawn(&pid, program.c_str(), &actions, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  return rc;
}

}  // namespace

Result<ChildProcess> StartChildProcess(const std::vector<std::string>& argv,
                                       const std::string& workingDir) {
  if (argv.empty() || argv[0].empty()) return Error{ENOENT, "No program to start"};
  Pipe output;
  if (!MakePipe(output)) return SystemError(errno, "Cannot create the output pipe");
  // Without an input pipe the child still runs, reading from /dev/null; it
  // just cannot be asked to quit.
  Pipe input;
  if (!MakePipe(input)) input.read = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (input.write >= 0) fcntl(input.write, F_SETFL, O_NONBLOCK);
  pid_t pid = 0;
  int rc = Spawn(pid, argv, workingDir, input.read, output.write);
  CloseFd(input.read);
  CloseFd(output.write);
  if (rc != 0) {
    output.Close();
    input.Close();
    return SystemError(rc, "Cannot start " + argv[0]);
  }
  ChildProcess child;
  child.Pid = pid;
  child.OutputRead = output.read;
  child.StdinWrite = input.write;
  child.ExitWatch = OpenExitWatch(pid);
  return child;
}

std::optional<size_t> ReadChildOutput(int fd, char* buffer, size_t size, int timeoutMs) {
  pollfd p{fd, POLLIN, 0};
  int ready = poll(&p, 1, timeoutMs);
  if (ready < 0) return errno == EINTR ? std::nullopt : std::optional<size_t>(0);
  if (ready == 0) return std::nullopt;
  for (;;) {
    ssize_t n = read(fd, buffer, size);
    if (n >= 0) return static_cast<size_t>(n);
    if (errno == EINTR) continue;
    if (errno == EAGAIN) return std::nullopt;
    return 0;  // a broken pipe ends the output like its close
  }
}

uint32_t ExitCodeFromStatus(int status) {
  if (WIFSIGNALED(status)) return 128 + static_cast<uint32_t>(WTERMSIG(status));
  if (WIFEXITED(status)) return static_cast<uint32_t>(WEXITSTATUS(status));
  return 1;
}

std::optional<uint32_t> WaitChildExit(const ChildProcess& child, int timeoutMs) {
  int status = 0;
  pid_t done = waitpid(child.Pid, &status, WNOHANG);
  if (done == 0 && timeoutMs > 0) {
    if (child.ExitWatch >= 0) {
      pollfd p{child.ExitWatch, POLLIN, 0};
      poll(&p, 1, timeoutMs);
    } else {
      // No pidfd on this kernel: look again in small steps.
      for (int waited = 0; waited < timeoutMs && done == 0; waited += 10) {
        usleep(10000);
        done = waitpid(child.Pid, &status, WNOHANG);
      }
    }
    if (done == 0) done = waitpid(child.Pid, &status, WNOHANG);
  }
  if (done == child.Pid) return ExitCodeFromStatus(status);
  if (done < 0 && errno == ECHILD) return 1;  // reaped elsewhere: nothing to report
  return std::nullopt;
}

bool WriteChildInput(int fd, std::string_view text) {
  if (fd < 0) return false;
  // Block SIGPIPE for this write and swallow the one a closed pipe raises,
  // so a child that has gone cannot take this program down with it.
  sigset_t pipeSet, oldSet;
  sigemptyset(&pipeSet);
  sigaddset(&pipeSet, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipeSet, &oldSet);
  ssize_t n;
  do {
    n = write(fd, text.data(), text.size());
  } while (n < 0 && errno == EINTR);
  if (n < 0 && errno == EPIPE) {
    timespec zero{0, 0};
    while (sigtimedwait(&pipeSet, nullptr, &zero) < 0 && errno == EINTR) {
    }
  }
  pthread_sigmask(SIG_SETMASK, &oldSet, nullptr);
  return n == static_cast<ssize_t>(text.size());
}

void CloseChildDescriptors(ChildProcess& child) {
  CloseFd(child.OutputRead);
  CloseFd(child.StdinWrite);
  CloseFd(child.ExitWatch);
}

void ReapChildLater(int pid) {
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace zelmora
