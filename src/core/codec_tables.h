#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

class TAppStrings;

// The text each AVI video codec shows in its list, in index order. Entries 8
// and 9 are interface strings, the others fixed.
std::vector<std::string> VideoCodecListTexts(const TAppStrings& strings);
// The same for the audio codec list (entries 0 and 8 are interface strings).
std::vector<std::string> AudioCodecListTexts(const TAppStrings& strings);

// Profile name to list index: upper-cased, the COPY entry's list text taken
// as "COPY", blanks, dots and dashes removed, then compared with the names
// each codec accepts; defResult when nothing matches.
int GetVideoCodecIndexByName(std::string_view codecName, int defResult, const TAppStrings& strings);
int GetAudioCodecIndexByName(std::string_view codecName, int defResult, const TAppStrings& strings);

// List index to the name profiles write; defResult outside the table.
std::string GetVideoCodecIniName(int index, std::string_view defResult);
std::string GetAudioCodecIniName(int index, std::string_view defResult);

// The ffmpeg encoder of an AVI video codec index; "libxvid" for an index
// outside the table.
std::string VideoEncoderName(int videoCodec);

// The ffmpeg encoder of an audio codec index: "auto" for Auto, "" outside the
// table. AAC is "libfdk_aac" when the ffmpeg build offers it, else ffmpeg's
// own "aac" (builds that lack the former are the common case).
std::string AudioEncoderName(int audioCodec, const std::set<std::string>& availableEncoders);

}  // namespace zelmora
