#include "base/paths.h"
#include "platform/environment.h"
#include "platform/temp_dir.h"

namespace zelmora {

std::string TempDir() {
  std::string dir = GetEnvironmentVariable("TMPDIR");
  if (dir.empty()) dir = "/tmp";
  return NormalizeDir(dir);
}

}  // namespace zelmora
