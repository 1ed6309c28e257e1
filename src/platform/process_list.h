#pragma once

#include <string>
#include <vector>

namespace zelmora {

// This program's process id.
int CurrentProcessId();

// Full path of a process's executable (symbolic links resolved), or "" when
// the process does not exist or may not be inspected.
std::string GetProcessFileName(int processId);

// Process ids of the direct children of parentId that are still alive (not
// zombies).
std::vector<int> ListChildProcesses(int parentId);

// Kills a process outright (SIGKILL); false when that is refused or it has gone.
bool KillProcess(int processId);

// Kills every process of a process group (SIGKILL); false when none was reached.
bool KillProcessGroup(int groupId);

}  // namespace zelmora
