#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// The sizes offered when no resolution file exists.
const std::vector<std::string>& BuiltInResolutionList();

// The entries of a resolution file's text: every line trimmed; empty lines
// and lines starting with "//" skipped; every other line kept whole, in file
// order. The entry is interpreted only when a conversion needs the size.
std::vector<std::string> ParseResolutionListText(std::string_view content);

// The resolution entries from the file when it can be read, else the
// built-in list (a missing file is no error).
std::vector<std::string> LoadResolutionList(const std::string& resolutionTxt);

}  // namespace zelmora
