#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/process_list.h"

namespace zelmora {
namespace {

struct ProcStat {
  char state = '?';
  int parent = 0;
};

// /proc/PID/stat: "pid (comm) state ppid ...". The command name may hold
// blanks and parentheses, so the fields are read after its last ")".
bool ReadProcStat(int pid, ProcStat& stat) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(in, text)) return false;
  size_t close = text.rfind(')');
  if (close == std::string::npos) return false;
  std::istringstream fields(text.substr(close + 1));
  return static_cast<bool>(fields >> stat.state >> stat.parent);
}

int ParsePid(const char* name) {
  char* end = nullptr;
  long value = std::strtol(name, &end, 10);
  return (end != name && *end == '\0' && value > 0) ? static_cast<int>(value) : 0;
}

}  // namespace

int CurrentProcessId() {
  return static_cast<int>(getpid());
}

std::string GetProcessFileName(int processId) {
  if (processId <= 0) return {};
  std::string link = "/proc/" + std::to_string(processId) + "/exe";
  std::string buffer(4096, '\0');
  ssize_t n = readlink(link.c_str(), buffer.data(), buffer.size());
  if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return {};
  buffer.resize(static_cast<size_t>(n));
  return buffer;
}

std::vector<int> ListChildProcesses(int parentId) {
  std::vector<int> children;
  DIR* dir = opendir("/proc");
  if (dir == nullptr) return children;
  while (dirent* entry = readdir(dir)) {
    int pid = ParsePid(entry->d_name);
    ProcStat stat;
    if (pid == 0 || !ReadProcStat(pid, stat)) continue;
    if (stat.parent == parentId && stat.state != 'Z' && stat.state != 'X') children.push_back(pid);
  }
  closedir(dir);
  return children;
}

bool KillProcess(int processId) {
  return processId > 0 && kill(static_cast<pid_t>(processId), SIGKILL) == 0;
}

bool KillProcessGroup(int groupId) {
  return groupId > 0 && kill(-static_cast<pid_t>(groupId), SIGKILL) == 0;
}

}  // namespace zelmora
