#include "core/resolution_list.h"

#include "base/files.h"
#include "base/text.h"

namespace zelmora {

const std::vector<std::string>& BuiltInResolutionList() {
  static const std::vector<std::string> list = {
      "128 x 96 - SQCIF",  "176 x 144 - QCIF",   "352 x 288 - CIF",     "704 x 576 - 4CIF",
      "160 x 120 - QQVGA", "320 x 240 - QVGA",   "640 x 480 - VGA",     "800 x 600 - SVGA",
      "1024 x 768 - XGA",  "1600 x 1200 - UXGA", "320 x 200 - CGA",     "640 x 350 - EGA",
      "852 x 480 - HD480", "1280 x 720 - HD720", "1920 x 1080 - HD1080"};
  return list;
}

std::vector<std::string> ParseResolutionListText(std::string_view content) {
  std::vector<std::string> entries;
  for (const std::string& rawLine : SplitLines(content)) {
    std::string line = Trim(rawLine);
    if (line.empty() || StartsWith(line, "//")) continue;
    entries.push_back(std::move(line));
  }
  return entries;
}

std::vector<std::string> LoadResolutionList(const std::string& resolutionTxt) {
  if (!FileExists(resolutionTxt)) return BuiltInResolutionList();
  Result<std::string> content = ReadWholeFile(resolutionTxt);
  if (!content) return BuiltInResolutionList();
  return ParseResolutionListText(SanitizeUtf8(content.value()));
}

}  // namespace zelmora
