#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "i18n/app_string_groups.h"
#include "media/video_file_info.h"

namespace zelmora {

// The value texts of the file information window. The window's labels and
// the report are filled from these same functions, so they always agree.

struct TGeneralInfoTexts {
  std::string FileName;   // the name part of the path
  std::string Directory;  // the folder part, "//" collapsed
  std::string FileSize;   // "1.18 MB (1 234 567 bytes)"
  std::string Duration;
  std::string OverallBitrate;  // "1 234 kbit/s", also for 0
  std::string Format;          // "webm (WebM)", or the format alone
  std::string EncodedApplication;
  std::string NumberOfDataStreams;
  std::string NumberOfVideoStreams;
  std::string NumberOfAudioStreams;
};

struct TVideoStreamTexts {
  std::string Codec;      // with " (ID: ...)" when the identifier is known
  std::string CodecOnly;  // the report's form, without the identifier
  std::string Profile;
  std::string Bitrate;  // empty when not known
  std::string Resolution;
  std::string DisplayAspect;
  std::string FPS;  // two decimals
  std::string ScanType;
  std::string PixelFormat;
  std::string BitsPerPixel;  // three decimals, empty when not known
  std::string Frames;        // "~ 1 234"
  std::string StreamSize;    // "1.00 MB (75%)", empty when not known
  std::string EncodedLibrary;
  std::string StreamIndex;
};

struct TAudioStreamTexts {
  std::string Codec;
  std::string CodecOnly;
  std::string Profile;
  std::string Bitrate;  // "128 kbit/s  CBR", empty when not known
  std::string Channels;
  std::string SamplingRate;   // "44 100 Hz", empty when not known
  std::string BitsPerSample;  // empty when 0
  std::string Samples;        // "~ 44 100"
  std::string VideoDelay;     // "0 ms"
  std::string Language;
  std::string StreamSize;
  std::string EncodedLibrary;
  std::string StreamIndex;
};

// One row of the data-stream grid.
struct TDataStreamRow {
  std::string Stream;
  std::string Details;
  friend bool operator==(const TDataStreamRow&, const TDataStreamRow&) = default;
};

// A stream chooser of the window: the items "1" ... n (n capped at the
// record's entries), the index of the requested number (-1 when it names
// no stream) and whether the user may choose (only with two streams or more).
struct TStreamChooser {
  std::vector<std::string> Items;
  int Selected = -1;
  bool Enabled = false;
};
TStreamChooser VideoStreamChooser(const TVideoFileInfo& info, int number);
TStreamChooser AudioStreamChooser(const TVideoFileInfo& info, int number);

TGeneralInfoTexts GeneralInfoTexts(const TVideoFileInfo& info);

// number is 1-based; a negative number counts as 1; 0 or a number beyond the
// file's streams (or beyond the record's entries) gives empty texts.
TVideoStreamTexts VideoStreamTexts(const TVideoFileInfo& info, int number,
                                   const TFileInfoModuleStrings& strings);
TAudioStreamTexts AudioStreamTexts(const TVideoFileInfo& info, int number);

// A probe line cut at its second ":": "Stream #0:1(eng)" and "Audio: ...".
// Without two ":" the Stream cell is empty and Details holds the line.
TDataStreamRow SplitDataStreamLine(std::string_view line);
// One row per probe line the record holds.
std::vector<TDataStreamRow> DataStreamRows(const TVideoFileInfo& info);

// "  Data streams   (FFmpeg)": the grid's heading in the window.
std::string DataStreamsHeading(const TFileInfoModuleStrings& strings);

}  // namespace zelmora
