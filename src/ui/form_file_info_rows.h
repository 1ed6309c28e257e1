#pragma once

#include <string>

#include "i18n/app_string_groups.h"
#include "media/file_info_texts.h"

namespace zelmora::file_info_rows {

// One row of a panel of the file information window: the caption label's
// name (its interface string's key), that string, and the value text it shows.
template <typename Texts>
struct RowSpec {
  const char* Key;
  std::string TFileInfoModuleStrings::*Caption;
  std::string Texts::*Value;
  bool Bold;
};

using S = TFileInfoModuleStrings;
using G = TGeneralInfoTexts;
using V = TVideoStreamTexts;
using A = TAudioStreamTexts;

inline constexpr RowSpec<G> General[] = {
    {"lblFileSize", &S::lblFileSize, &G::FileSize, false},
    {"lblDuration", &S::lblDuration, &G::Duration, false},
    {"lblOverallBitrate", &S::lblOverallBitrate, &G::OverallBitrate, false},
    {"lblFormat", &S::lblFormat, &G::Format, false},
    {"lblEncodedApplication", &S::lblEncodedApplication, &G::EncodedApplication, false},
    {"lblNumberOfDataStreams", &S::lblNumberOfDataStreams, &G::NumberOfDataStreams, false},
    {"lblNumberOfVideoStreams", &S::lblNumberOfVideoStreams, &G::NumberOfVideoStreams, false},
    {"lblNumberOfAudioStreams", &S::lblNumberOfAudioStreams, &G::NumberOfAudioStreams, false},
};

inline constexpr RowSpec<V> Video[] = {
    {"lblVideoCodec", &S::lblVideoCodec, &V::Codec, false},
    {"lblVideoProfile", &S::lblVideoProfile, &V::Profile, false},
    {"lblVideoBitrate", &S::lblVideoBitrate, &V::Bitrate, true},
    {"lblResolution", &S::lblResolution, &V::Resolution, false},
    {"lblDisplayAspectRatio", &S::lblDisplayAspectRatio, &V::DisplayAspect, false},
    {"lblFPS", &S::lblFPS, &V::FPS, false},
    {"lblScanType", &S::lblScanType, &V::ScanType, false},
    {"lblPixelFormat", &S::lblPixelFormat, &V::PixelFormat, false},
    {"lblBitsPerPixel", &S::lblBitsPerPixel, &V::BitsPerPixel, true},
    {"lblVideoFrames", &S::lblVideoFrames, &V::Frames, false},
    {"lblVideoStreamSize", &S::lblVideoStreamSize, &V::StreamSize, false},
    {"lblVideoEncodedLibrary", &S::lblVideoEncodedLibrary, &V::EncodedLibrary, false},
    {"lblVideoStreamIndex", &S::lblVideoStreamIndex, &V::StreamIndex, false},
};

inline constexpr RowSpec<A> Audio[] = {
    {"lblAudioCodec", &S::lblAudioCodec, &A::Codec, false},
    {"lblAudioProfile", &S::lblAudioProfile, &A::Profile, false},
    {"lblAudioBitrate", &S::lblAudioBitrate, &A::Bitrate, true},
    {"lblChannels", &S::lblChannels, &A::Channels, false},
    {"lblSamplingRate", &S::lblSamplingRate, &A::SamplingRate, false},
    {"lblBitsPerSample", &S::lblBitsPerSample, &A::BitsPerSample, false},
    {"lblAudioFrames", &S::lblAudioFrames, &A::Samples, false},
    {"lblVideoDelay", &S::lblVideoDelay, &A::VideoDelay, false},
    {"lblAudioLanguage", &S::lblAudioLanguage, &A::Language, false},
    {"lblAudioStreamSize", &S::lblAudioStreamSize, &A::StreamSize, false},
    {"lblAudioEncodedLibrary", &S::lblAudioEncodedLibrary, &A::EncodedLibrary, false},
    {"lblAudioStreamIndex", &S::lblAudioStreamIndex, &A::StreamIndex, false},
};

}  // namespace zelmora::file_info_rows
