#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// The tags offered when no FourCC file exists.
const std::vector<std::string>& BuiltInFourccList();

// The tags of a FourCC file's text. Each line holds a tag, a blank and a
// description: lines are trimmed, the text before the first blank (or tab)
// is the tag; a line without any blank, an empty tag and a tag starting
// with "//" add nothing.
std::vector<std::string> ParseFourccListText(std::string_view content);

// The FourCC list from the file when it can be read, else the built-in list.
std::vector<std::string> InitFourccList(const std::string& fourccTagsFile);

}  // namespace zelmora
