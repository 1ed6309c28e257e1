#include "process/encoder_list.h"

#include <sstream>

#include "base/text.h"

namespace zelmora {

// The listing looks like this (ffmpeg 5.1):
//   Encoders:
//    V..... = Video
//    ...
//    ------
//    V....D a64multi             Multicolor charset for Commodore 64 (codec a64_multi)
std::set<std::string> ParseEncoderList(const std::vector<std::string>& lines) {
  std::set<std::string> names;
  bool inList = false;
  for (const std::string& line : lines) {
    std::string text = Trim(line);
    if (!inList) {
      inList = StartsWith(text, "------");
      continue;
    }
    std::istringstream fields(text);
    std::string flags, name;
    if (fields >> flags >> name && flags.size() == 6) names.insert(name);
  }
  return names;
}

const std::set<std::string>& EncoderListCache::Encoders(const std::string& ffmpegPath) {
  auto known = m_byPath.find(ffmpegPath);
  if (known != m_byPath.end()) return known->second;
  std::vector<std::string> lines;
  Result<uint32_t> exitCode =
      m_runner.RunConsoleProgram(ffmpegPath, "-hide_banner -encoders", &lines, {});
  if (!exitCode || exitCode.value() != 0) return m_none;
  return m_byPath.emplace(ffmpegPath, ParseEncoderList(lines)).first->second;
}

}  // namespace zelmora
