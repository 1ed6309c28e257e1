#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelmora::test {

// What a generated clip contains. The container follows the file name's
// extension; codec options go into `codecArgs` (e.g. {"-c:v", "mpeg4"}),
// otherwise ffmpeg picks its defaults for the container.
struct ClipOptions {
  bool video = true;
  int width = 160;
  int height = 120;
  int rate = 25;
  double duration = 1.0;
  bool audio = true;
  int sampleRate = 44100;
  int channels = 1;
  int frequency = 440;
  std::vector<std::string> codecArgs;
};

// The ffmpeg found on PATH, or "" when there is none.
const std::string& FfmpegPath();
inline bool FfmpegAvailable() {
  return !FfmpegPath().empty();
}

// Runs a program (searched on PATH) with stdin from /dev/null and returns its
// exit status, or -1 when it could not be started or was killed.
int RunProgram(const std::vector<std::string>& argv);

// Generates the clip with ffmpeg's lavfi test sources and copies it to
// dir/name; returns that path, or "" (with a test failure) when ffmpeg fails.
// A clip of the same name and options is generated once per test process.
// Call ZELMORA_SKIP_WITHOUT_FFMPEG() first.
std::string MakeClip(const std::string& dir, const std::string& name,
                     const ClipOptions& options = {});

}  // namespace zelmora::test

#define ZELMORA_SKIP_WITHOUT_FFMPEG()            \
  do {                                           \
    if (!::zelmora::test::FfmpegAvailable()) {   \
      GTEST_SKIP() << "ffmpeg is not installed"; \
    }                                            \
  } while (false)
