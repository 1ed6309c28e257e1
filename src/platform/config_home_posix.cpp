#include <pwd.h>
#include <unistd.h>

#include "platform/config_home.h"
#include "platform/environment.h"

namespace zelmora {
namespace {

std::string WithoutTrailingSlashes(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

// A login without $HOME (a service, "env -i") still has a home in the
// password database.
std::string PasswordHomeDir() {
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? std::string(entry->pw_dir) : std::string();
}

}  // namespace

std::string ConfigHomeDir(const std::string& xdgConfigHome, const std::string& home) {
  if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
    return WithoutTrailingSlashes(xdgConfigHome);
  std::string base = home.empty() || home.front() != '/' ? PasswordHomeDir() : home;
  base = WithoutTrailingSlashes(base);
  if (base == "/") return "/.config";
  return base + "/.config";
}

std::string UserConfigHomeDir() {
  return ConfigHomeDir(GetEnvironmentVariable("XDG_CONFIG_HOME"), GetEnvironmentVariable("HOME"));
}

}  // namespace zelmora
