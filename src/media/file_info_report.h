#pragma once

#include <cstdint>
#include <string>

#include "i18n/app_string_groups.h"
#include "media/video_file_info.h"

namespace zelmora {

// Files up to this size get a CRC32 line in the report: 300 MiB.
inline constexpr int64_t InfoReportCrcLimit = 314572800;

// The plain-text report of one file, every line ended by CR LF: heading,
// home page, file, general info, a CRC32 line for files up to 300 MiB, the
// seven general values the window shows, every video and audio stream, the
// probe's data streams and MediaInfo's own text.
//
// shown is the record the window shows (its general values and data-stream
// grid come from it, and its FileName is the file), fresh is the analysis
// made for the report (size, streams, MediaInfo text). programTitle is the
// program's title for the heading ("Zelmora 1.5  [64-bit]").
std::string GetInfoAsText(const TVideoFileInfo& shown, const TVideoFileInfo& fresh,
                          const TFileInfoModuleStrings& strings, const std::string& programTitle);

// The report of a record that is both shown and fresh (zelmora-cli).
std::string GetInfoAsText(const TVideoFileInfo& info, const TFileInfoModuleStrings& strings,
                          const std::string& programTitle);

}  // namespace zelmora
