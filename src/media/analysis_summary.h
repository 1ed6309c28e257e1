#pragma once

#include <string>

#include "media/video_file_info.h"

namespace zelmora {

// A few readable lines about one analysed file (the command line's view;
// the full report belongs to the file information window). Unknown values
// are left out rather than shown as zeros.
std::string FormatAnalysisSummary(const TVideoFileInfo& info);

}  // namespace zelmora
