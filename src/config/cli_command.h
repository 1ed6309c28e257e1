#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zelmora {

// `zelmora-cli command [OPTION]... FILE`: the ffmpeg parameters of FILE as
// the runner receives them, one line per pass. Returns the exit status.
int RunCliCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zelmora
