#pragma once

#include <array>
#include <string>
#include <string_view>

#include "i18n/app_strings.h"

namespace zelmora {

// The input types the list accepts, upper case, without the dot, in the
// order the "All supported files" filter lists them.
inline constexpr std::array<std::string_view, 77> SupportedVideoExtensions = {
    "WEBM",   "AVI",     "DIVX",  "XVID",   "MPG",    "MPEG", "MPE",  "MP4V", "WMV", "ASF",
    "MP4",    "M4V",     "MOV",   "QT",     "3GP",    "3GPP", "3G2",  "3GP2", "3GA", "MKV",
    "MKA",    "FLV",     "SWF",   "F4V",    "F4P",    "F4A",  "F4B",  "VOB",  "DAT", "RM",
    "RMVB",   "OGM",     "OGV",   "AMV",    "DVR-MS", "DAV",  "M2TS", "MTS",  "WTV", "TS",
    "M2T",    "VIDEO",   "HEVC",  "WAV",    "MP3",    "AC3",  "EAC3", "AAC",  "MPC", "MPA",
    "MP1",    "MP2",     "M4B",   "M4P",    "WMA",    "FLAC", "SHN",  "APE",  "OGG", "OGA",
    "M4A",    "WV",      "AMR",   "AIFF",   "DTS",    "GSM",  "QCP",  "RA",   "VQF", "THD",
    "TRUEHD", "TRUE-HD", "DTSHD", "DTS-HD", "AVS",    "M4R",  "TTA",
};

// The text after the last "." of the file name, upper-cased, is one of the
// supported extensions. A name without a dot is not supported.
bool IsSupportedVideoFile(std::string_view path);

// Filter of the add-files dialog: the common web video types, then every
// supported type ("Title|*.webm;*.mp4|Title|*.webm;*.avi;...").
std::string AddFilesDialogFilter(const TAppStrings& strings);
// Filters of the two list-file dialogs.
std::string OpenFileListDialogFilter(const TAppStrings& strings);
std::string SaveFileListDialogFilter(const TAppStrings& strings);
inline constexpr std::string_view FileListDefaultExt = "lst";

}  // namespace zelmora
