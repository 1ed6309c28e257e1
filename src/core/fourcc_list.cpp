#include "core/fourcc_list.h"

#include "base/files.h"
#include "base/text.h"

namespace zelmora {

const std::vector<std::string>& BuiltInFourccList() {
  static const std::vector<std::string> list = {"DIV3", "DIV4", "DIV5", "DIVX", "DX50", "DivX",
                                                "FMP4", "M4S2", "MPG4", "X264", "XVID"};
  return list;
}

std::vector<std::string> ParseFourccListText(std::string_view content) {
  std::vector<std::string> tags;
  for (const std::string& rawLine : SplitLines(content)) {
    const std::string line = Trim(rawLine);
    if (line.empty()) continue;
    const size_t blank = line.find_first_of(" \t");
    if (blank == std::string::npos) continue;
    std::string tag = Trim(line.substr(0, blank));
    if (tag.empty() || StartsWith(tag, "//")) continue;
    tags.push_back(std::move(tag));
  }
  return tags;
}

std::vector<std::string> InitFourccList(const std::string& fourccTagsFile) {
  if (!FileExists(fourccTagsFile)) return BuiltInFourccList();
  Result<std::string> content = ReadWholeFile(fourccTagsFile);
  if (!content) return BuiltInFourccList();
  return ParseFourccListText(SanitizeUtf8(content.value()));
}

}  // namespace zelmora
