#pragma once

#include <string>
#include <vector>

namespace zelmora {

// Tidies ffmpeg's captured output: removes empty lines, ffmpeg's banner and
// a fixed set of harmless warnings, and repairs the banner line that runs
// straight into the first progress line.
void FilterEncoderOutput(std::vector<std::string>& encoderOutput);

// Whether FilterEncoderOutput removes this (non-empty) line.
bool IsIgnorableEncoderLine(const std::string& line);

}  // namespace zelmora
