#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelmora {

// What ffmpeg's output says about the encoding so far, gathered afresh from
// the whole output on every call.
struct TEncoderProgress {
  // A "Multiple frames in a packet" line is present: nothing is shown.
  bool Stopped = false;
  int32_t Frames = 0;     // frame number of the progress line, 0 if none
  std::string FpsText;    // frames-per-second token
  std::string SpeedText;  // the speed value in its badge (rich text)
  std::string SizeText;   // output size in bold, or the raw number text
  int32_t Percent = 0;    // 0 to 100
};

// Reads the progress fields from the output lines, last line first, so the
// value of the highest line holding a field remains. expectedFrames is the
// frame count of the input's first video stream (0 when not known).
TEncoderProgress ReadEncoderProgress(const std::vector<std::string>& lines,
                                     uint32_t expectedFrames);

// Frames as a percentage of expectedFrames, rounded half to even and kept
// within 0..100; 0 when either is 0.
int32_t ProgressPercent(int32_t frames, uint32_t expectedFrames);

}  // namespace zelmora
