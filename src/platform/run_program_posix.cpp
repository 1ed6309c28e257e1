#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/program_search.h"
#include "platform/run_program.h"

extern char** environ;

namespace zelmora {
namespace {

std::vector<char*> MakeArgv(const std::vector<std::string>& argv) {
  std::vector<char*> result;
  for (const std::string& arg : argv) result.push_back(const_cast<char*>(arg.c_str()));
  result.push_back(nullptr);
  return result;
}

Error SpawnError(const std::string& program, int code) {
  return Error{code, "Cannot start " + program + ": " + std::strerror(code)};
}

int WaitStatus(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Input from /dev/null, output to outputFd or /dev/null: these helpers never
// talk to the user through the terminal.
void SetUpStandardFiles(posix_spawn_file_actions_t& actions, int outputFd) {
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (outputFd >= 0)
    posix_spawn_file_actions_adddup2(&actions, outputFd, 1);
  else
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
}

Result<pid_t> Spawn(const std::vector<std::string>& argv, bool ownSession, int outputFd = -1) {
  if (argv.empty() || argv[0].empty()) return Error{EINVAL, "No program to start"};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  SetUpStandardFiles(actions, outputFd);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  if (ownSession) posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  std::vector<char*> args = MakeArgv(argv);
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, argv[0].c_str(), &actions, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return SpawnError(argv[0], rc);
  return pid;
}

void ReadAll(int fd, std::string& output) {
  constexpr size_t Cap = 1 << 20;
  char buffer[4096];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    // Past the cap keep reading, so the child never blocks on a full pipe.
    if (output.size() < Cap)
      output.append(buffer, std::min(static_cast<size_t>(n), Cap - output.size()));
  }
}

}  // namespace

Result<int> RunProgramAndWait(const std::vector<std::string>& argv, std::string* output) {
  if (!output) {
    Result<pid_t> pid = Spawn(argv, false);
    if (!pid) return pid.error();
    return WaitStatus(pid.value());
  }
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return ErrnoError("Cannot create a pipe");
  Result<pid_t> pid = Spawn(argv, false, fds[1]);
  close(fds[1]);
  if (!pid) {
    close(fds[0]);
    return pid.error();
  }
  output->clear();
  ReadAll(fds[0], *output);
  close(fds[0]);
  return WaitStatus(pid.value());
}

Status StartDetachedProgram(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return Error{EINVAL, "No program to start"};
  // The shell in the middle would hide a missing program behind its own exit
  // status, so look first.
  if (argv[0].find('/') == std::string::npos ? FindProgramOnPath(argv[0]).empty()
                                             : access(argv[0].c_str(), X_OK) != 0)
    return SpawnError(argv[0], ENOENT);
  // A short-lived shell starts the program in the background and exits, so
  // the program is re-parented to init and its end never leaves a zombie
  // here. The arguments reach it as positional parameters, never parsed.
  std::vector<std::string> helper = {"/bin/sh", "-c", "\"$0\" \"$@\" &"};
  helper.insert(helper.end(), argv.begin(), argv.end());
  Result<pid_t> pid = Spawn(helper, true);
  if (!pid) return pid.error();
  WaitStatus(pid.value());
  return Status::Ok();
}

}  // namespace zelmora
