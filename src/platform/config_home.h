#pragma once

#include <string>

namespace zelmora {

// The folder below which programs keep their users' settings:
// $XDG_CONFIG_HOME when it is an absolute path (the base-directory rules say
// a relative one is ignored), else $HOME/.config, with $HOME taken from the
// password database when it is unset. Directories never end with "/".
std::string ConfigHomeDir(const std::string& xdgConfigHome, const std::string& home);
// The same for this process's environment.
std::string UserConfigHomeDir();

}  // namespace zelmora
