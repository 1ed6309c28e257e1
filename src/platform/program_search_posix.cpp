#include <unistd.h>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "platform/environment.h"
#include "platform/program_search.h"

namespace zelmora {

std::string FindProgramOnPath(const std::string& name, const std::string& searchPath) {
  if (name.empty() || name.find('/') != std::string::npos || searchPath.empty()) return {};
  for (const std::string& entry : Split(searchPath, ':')) {
    std::string candidate = ExpandFileName(JoinPath(entry.empty() ? "." : entry, name));
    if (FileExists(candidate) && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

std::string FindProgramOnPath(const std::string& name) {
  return FindProgramOnPath(name, GetEnvironmentVariable("PATH"));
}

}  // namespace zelmora
