#include "process/process_control.h"

#include "base/paths.h"
#include "platform/process_list.h"
#include "platform/program_search.h"

namespace zelmora {

std::string ToOemString(std::string_view text) {
  return std::string(text);
}

bool TerminateApp(const std::string& appPath) {
  if (appPath.empty()) return false;
  std::string target = appPath;
  if (target.find('/') == std::string::npos) {
    std::string found = FindProgramOnPath(target);
    target = found.empty() ? ExpandFileName(target) : found;
  }
  target = CanonicalPath(target);
  bool killed = false;
  for (int pid : ListChildProcesses(CurrentProcessId())) {
    std::string exe = GetProcessFileName(pid);
    if (!exe.empty() && CanonicalPath(exe) == target && KillProcess(pid)) killed = true;
  }
  return killed;
}

}  // namespace zelmora
