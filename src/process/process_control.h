#pragma once

#include <string>
#include <string_view>

namespace zelmora {

// Text for a console program's input or a script. This system writes UTF-8
// everywhere, so it is the text itself.
std::string ToOemString(std::string_view text);

// Kills (SIGKILL) every direct child of this program whose executable is
// appPath; both paths are compared with symbolic links resolved. A path
// without a folder is looked up on $PATH, else taken from the current
// folder. True when at least one child was killed. A program of the same
// name that this program did not start is never touched.
bool TerminateApp(const std::string& appPath);

}  // namespace zelmora
