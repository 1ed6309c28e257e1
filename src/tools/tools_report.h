#pragma once

#include <string>

#include "base/result.h"

namespace zelmora {

// The block describing one tool file: name, size, CRC-32, the binary type
// (PE or ELF files) and the version strings (files with a version
// resource). Labels are right-aligned to labelWidth (a longer one is
// printed whole), each followed by a blank and its value; lines are joined
// with CR LF, without a final line break. Empty when the file does not
// exist; an error when it exists but cannot be read for the checksum.
Result<std::string> ToolFileReport(const std::string& path, int labelWidth);

// "FFmpeg", its block, a separator, "MediaInfo", its block, a separator
// (CR LF and 83 hyphens). A tool that was not found (empty path) gives an
// empty block.
Result<std::string> ToolsReport(const std::string& ffmpegPath, const std::string& mediaInfoPath,
                                int labelWidth);

}  // namespace zelmora
