#pragma once

#include <cstddef>
#include <string>

#include "media/video_file_info.h"

namespace zelmora {

// Stream kinds of the MediaInfo interface.
enum class MediaInfoStreamKind { General = 0, Video, Audio, Text, Other, Image, Menu };
constexpr int MediaInfoStreamKindCount = 7;

// One file opened by MediaInfo: its text report and its parameters by name.
// The library session implements it; tests answer from a table.
class MediaInfoSource {
public:
  virtual ~MediaInfoSource() = default;
  // The standard (not the complete) text report.
  virtual std::string Inform() = 0;
  // A parameter's value as text; unknown parameters, missing streams and
  // empty values all give "".
  virtual std::string Get(MediaInfoStreamKind kind, size_t streamNumber,
                          const std::string& parameter) = 0;
};

// The MediaInfo pass over an opened file: the report, the stream counts and
// the general, video and audio parameters. Text fields are always written,
// numeric fields only when MediaInfo's text reads as a number. Fields the
// probe alone knows (FileName, FileSize, Seconds, Start, StreamsStr, Exists,
// StreamIndex, PixelFormat, CodecFF) are not touched.
void ReadMediaInfoParameters(MediaInfoSource& source, TVideoFileInfo& info);

// "6.95 KiB (37%)": size text "6.95 KB" and percentage 37. Without "(" the
// whole text is the size and the percentage stays as it was.
void ParseMediaInfoSizeText(const std::string& text, std::string& sizeText, uint8_t& percent);

}  // namespace zelmora
