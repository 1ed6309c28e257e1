#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zelmora {

// `zelmora-cli tools [--ffmpeg PATH] [--mediainfo PATH]`: the report on the
// ffmpeg and MediaInfo files the program would use (those of the settings
// file and the usual search, unless given). 0, 1 when a tool file cannot be
// read, 2 for arguments it does not take.
int RunCliTools(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zelmora
