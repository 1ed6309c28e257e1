#pragma once

#include <string>
#include <vector>

namespace zelmora {

class TAppStrings;

// The entries the main window offers for the encoder settings. Lists that
// start with Auto use the current Auto word; the window rebuilds them when
// the language changes.

// Auto, then 50..500 step 50, 600..1500 step 100, 1750..5000 step 250,
// 5500..10000 step 500, 11000..20000 step 1000 (55 entries).
std::vector<std::string> AviVideoBitrateList(const TAppStrings& strings);
// The AVI entries, then 20500..27000 step 500 (69 entries).
std::vector<std::string> MpgVideoBitrateList(const TAppStrings& strings);
std::vector<std::string> VideoFpsList(const TAppStrings& strings);
std::vector<std::string> VideoAspectList(const TAppStrings& strings);
std::vector<std::string> EncoderThreadsList(const TAppStrings& strings);
std::vector<std::string> AudioBitrateList(const TAppStrings& strings);
std::vector<std::string> AudioSamplingList(const TAppStrings& strings);
std::vector<std::string> AudioChannelsList(const TAppStrings& strings);
std::vector<std::string> InterlacingList(const TAppStrings& strings);
std::vector<std::string> ConvertColorsList();
// "15" to "345" in steps of 15 (23 entries).
std::vector<std::string> RotateValueList();
std::vector<std::string> MpgVideoFormatList(const TAppStrings& strings);
std::vector<std::string> MpegVersionList();
// The first entry of the audio track list; the entries of the selected
// file's audio streams follow it.
std::string AudioTrackAutoEntry(const TAppStrings& strings);
// Auto, Custom, then the resolution entries.
std::vector<std::string> ResolutionChoiceList(const TAppStrings& strings,
                                              const std::vector<std::string>& resolutions);

// What the MPG information label shows for a video format: the fixed DVD
// targets, the "User settings" text for Custom, empty outside the list.
std::string MpgFormatInfoText(int videoFormat, const TAppStrings& strings);

}  // namespace zelmora
