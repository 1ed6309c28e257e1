#pragma once

#include <string>

#include "base/result.h"
#include "core/encoder_settings.h"

namespace zelmora {

class TAppStrings;

// What the MAIN section of a profile must name for the profile list to offer it.
inline constexpr const char* ProfileAppName = "Zelmora";
inline constexpr const char* ProfileAppVer = "1.5";

// Writes every encoder setting to the profile, key by key: a file that exists
// keeps its other keys and lines (DisplayName, SortIndex and the colours are
// written by hand), and it is replaced through a temporary file, so a failed
// save leaves the previous file whole. "Auto" (in the current language) is
// written as empty.
Status SaveProfile(const std::string& presetFile, const EncoderSettings& settings,
                   const TAppStrings& strings);

// Reads a profile over the settings: a missing key keeps the current value
// (except VideoCodec, Xvid, and AudioCodec, Auto), out-of-range values are
// brought into range key by key, and AppName/AppVer are not checked, so any
// profile can be loaded. False, with the settings untouched, when the file
// does not exist or cannot be read.
bool LoadProfile(const std::string& presetFile, EncoderSettings& settings,
                 const TAppStrings& strings, int defaultVideoCodecIndex);

}  // namespace zelmora
