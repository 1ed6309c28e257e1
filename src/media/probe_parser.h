#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "media/video_file_info.h"

namespace zelmora {

// Reading what `ffmpeg -i FILE` prints about its input: the "Duration:" line
// and one "Stream #" line per stream. Pure functions of the text, so every
// layout ffmpeg has used can be tested without running it.

// Fills the duration, start and first bitrate estimate from a line that
// contains "Duration:"; other lines change nothing.
void ParseProbeDurationLine(std::string_view line, TVideoFileInfo& info);

// Keeps a stream line in the next free slot of StreamsStr (at most 63 are
// kept). `count` is the number of stream lines seen so far. Returns whether
// the line was a stream line.
bool CollectProbeStreamLine(std::string_view line, size_t& count, TVideoFileInfo& info);

// Interprets the kept stream lines slot by slot into the video and audio
// entries and their counts.
void InterpretProbeStreams(TVideoFileInfo& info);

// The whole probe: every line in order (duration and stream lines), then
// the stream slots.
void ApplyProbeOutput(const std::vector<std::string>& lines, TVideoFileInfo& info);

// The stream number after "#" and ":" as the probe keeps it: only the
// first digit ("#0:12" gives 1). 0 when there is none.
uint8_t ProbeStreamIndex(std::string_view line);

// The probe's parameters: "-i " and the file name, always quoted (a double
// quote in the name is escaped). A relative name is made absolute first, so
// that ffmpeg never reads a name such as "pipe:0" as a protocol.
std::string ProbeParameters(const std::string& fileName);

}  // namespace zelmora
