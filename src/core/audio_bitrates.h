#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"

namespace zelmora {

// The lowest and highest valid bitrate (kbit/s) of one audio encoder at one
// sampling rate.
struct TAudioBitrateLimit {
  int SamplingRate = 0;
  const char* Encoder = "";
  int Lowest = 0;
  int Highest = 0;
  bool Accepts(int bitrate) const { return Lowest <= bitrate && bitrate <= Highest; }
};

inline constexpr std::array<int, 6> AudioLimitSamplingRates = {16000, 22050, 24000,
                                                               32000, 44100, 48000};
// The encoders of the table, in column order. The AAC column holds the
// libfdk_aac limits; ffmpeg's own aac encoder is held to the same ones.
inline constexpr std::array<const char*, 6> AudioLimitEncoders = {"libmp3lame", "mp2",   "ac3",
                                                                  "libfdk_aac", "wmav1", "wmav2"};
// The bitrate steps the report has a column for.
inline constexpr std::array<int, 22> AudioBitrateSteps = {8,   16,  24,  32,  40,  48,  56,  64,
                                                          80,  96,  112, 128, 160, 192, 224, 256,
                                                          320, 384, 448, 512, 576, 640};

// All 36 entries, rate by rate, each rate's encoders in column order.
const std::array<TAudioBitrateLimit, 36>& AudioBitrateLimits();

// The entry of an encoder name (lower-cased; "aac" counts as "libfdk_aac")
// at a sampling rate; none for other names or rates.
std::optional<TAudioBitrateLimit> FindAudioBitrateLimit(std::string_view encoder, int samplingRate);

// The report of the table: per rate a "Sampling rate: " line, one line per
// encoder with a column of four characters per step ("-" for invalid ones),
// and an empty line between rates; CR LF line ends.
std::string AudioBitrateReportText();

// Writes the report to the file, replacing it.
Status WriteAudioBitrateReport(const std::string& audioBitratesTxt);

}  // namespace zelmora
