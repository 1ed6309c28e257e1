#pragma once

#include <string>
#include <vector>

#include "core/app_params.h"
#include "i18n/app_strings.h"
#include "media/video_file_info.h"
#include "process/conversion_state.h"

namespace zelmora {

// The process-wide values of the program, created once by the entry point
// and passed by reference. Tests build their own.
struct AppContext {
  TAppParams AppParams;
  TAppStrings Strings;
  TConversionState ConversionState;
  std::vector<std::string> EncoderOutput;
  TVideoFileInfo CurrentFileInfo;
  int DefaultVideoCodecIndex = 0;
  int MinAudioBitrate = 96;
  bool UpdatingControls = false;
};

}  // namespace zelmora
