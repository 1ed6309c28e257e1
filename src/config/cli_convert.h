#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zelmora {

// `zelmora-cli convert [OPTION]... FILE...`: the conversion run, with a
// progress display, Ctrl+C as Abort and the error records on stderr or in
// a file. Returns the exit status.
int RunCliConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zelmora
