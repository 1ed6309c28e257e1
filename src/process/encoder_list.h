#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "process/console_runner.h"

namespace zelmora {

// The encoder names in the output of "ffmpeg -hide_banner -encoders": the
// second column of the lines after the "------" rule.
std::set<std::string> ParseEncoderList(const std::vector<std::string>& lines);

// The encoders each ffmpeg build offers, asked once per ffmpeg path (the
// argument builder chooses libfdk_aac only where the build has it).
class EncoderListCache {
public:
  explicit EncoderListCache(ConsoleRunner& runner) : m_runner(runner) {}

  // An empty set when ffmpeg cannot be run; that answer is not remembered,
  // so a later call asks again.
  const std::set<std::string>& Encoders(const std::string& ffmpegPath);
  bool HasEncoder(const std::string& ffmpegPath, const std::string& encoder) {
    return Encoders(ffmpegPath).count(encoder) != 0;
  }

private:
  ConsoleRunner& m_runner;
  std::map<std::string, std::set<std::string>> m_byPath;
  std::set<std::string> m_none;
};

}  // namespace zelmora
