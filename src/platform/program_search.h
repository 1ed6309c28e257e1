#pragma once

#include <string>

namespace zelmora {

// The first executable regular file called `name` in the folders of a
// $PATH-style list (":"-separated; an empty entry means the current folder,
// as the shell has it). A name containing "/" is not looked up. "" when not
// found.
std::string FindProgramOnPath(const std::string& name, const std::string& searchPath);
// The same with the process's $PATH.
std::string FindProgramOnPath(const std::string& name);

}  // namespace zelmora
