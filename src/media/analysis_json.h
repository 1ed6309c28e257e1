#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "media/video_file_info.h"

namespace zelmora {

// The analysis records as JSON, keys named exactly after the record fields.
// StreamsStr lists the Str1 of the slots that hold a line; VideoStreams and
// AudioStreams hold the entries of the streams counted (at most 10 and 48).
// Integers are JSON integers, Real fields the shortest text that reads back
// as the same double, strings UTF-8 with JSON escapes.
std::string VideoFileInfoToJson(const TVideoFileInfo& info, int indent = 0);
// An array with one object per record, ending with a line break.
std::string VideoFileInfoListToJson(const std::vector<TVideoFileInfo>& infos);

// A JSON string literal; bytes that are not UTF-8 become U+FFFD (file
// names on Linux need not be UTF-8, JSON text must be).
std::string JsonString(std::string_view text);
// The shortest round-trip text of a double; null when it is not finite.
std::string JsonNumber(double value);

}  // namespace zelmora
