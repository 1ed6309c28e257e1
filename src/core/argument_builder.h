#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/encoder_settings.h"
#include "media/video_file_info.h"
#include "platform/processor_count.h"

namespace zelmora {

class MessageView;

// What the ffmpeg arguments of one input file are made from. The builder
// keeps nothing between calls: every piece is a function of these values.
struct BuilderInput {
  const EncoderSettings& Settings;
  const TVideoFileInfo& Info;  // the analysed input (CurrentFileInfo)
  const TAppStrings& Strings;
  // The resolution entries after Auto and Custom (Advanced.Resolution 2 is
  // the first of them).
  const std::vector<std::string>& Resolutions;
  // The encoder names the ffmpeg build offers (libfdk_aac or not).
  const std::set<std::string>& Encoders;
  // Where a rejected bitrate, frame rate or sampling text is reported.
  MessageView& Messages;
  int MinAudioBitrate = 96;
  int Processors = ProcessorCount();  // as the system reports them
};

// What a piece returns after its message has been shown.
inline constexpr std::string_view PieceError = "ERROR";

// The six pieces, each trimmed, in command-line order.
struct TCommandPieces {
  std::string VC;   // video codec
  std::string VP;   // video parameters
  std::string AC;   // audio codec
  std::string AP;   // audio parameters
  std::string ADV;  // filters, tag and stream mapping
  std::string ADD;  // the user's additional parameters
};

// --- pieces ---------------------------------------------------------------
std::string GetVideoCodecStr(const BuilderInput& in);
std::string GetVideoParamsStr(const BuilderInput& in);  // or "ERROR"
std::string GetAudioCodecStr(const BuilderInput& in);
// The bare encoder of Audio.AudioCodec: "auto" for Auto, "" outside the list.
std::string GetSelectedAudioCodecStr(const BuilderInput& in);
std::string GetAudioParamsStr(const BuilderInput& in);  // or "ERROR"
std::string GetAdvancedParamsStr(const BuilderInput& in);
std::string GetMapParams(const BuilderInput& in);
std::string GetAdditionalParamsStr(const EncoderSettings& settings);
// "avi" or "mpg", with a leading "." when includeDot.
std::string GetExt(const EncoderSettings& settings, bool includeDot);
bool TwoPassRule(const EncoderSettings& settings);

// The pieces in the order the conversion run builds them (VC, AC, ADV, ADD,
// VP, AP), each trimmed; nothing once a piece fails (its message has been
// shown, and later pieces are not built).
std::optional<TCommandPieces> BuildCommandPieces(const BuilderInput& in);

// The ffmpeg parameters of a one-pass conversion and of pass 1 or 2 of a
// two-pass one. Every piece keeps its blanks around it even when empty. The
// file names are quoted so that the runner's splitter gives them back
// exactly, whatever characters they hold.
std::string OnePassCommandLine(const TCommandPieces& pieces, const EncoderSettings& settings,
                               const std::string& inputFile, const std::string& outputFile);
std::string TwoPassCommandLine(const TCommandPieces& pieces, const EncoderSettings& settings,
                               const std::string& inputFile, const std::string& outputFile,
                               int pass);
// A file name as ffmpeg must see it: a relative name that starts with "-"
// (read as an option) or holds ":" (read as a protocol) gets "./" in front.
std::string FfmpegFileName(const std::string& path);

// --- rules and helpers the pieces use ---------------------------------------
inline constexpr double AviBitsPerPixelFactor = 0.3;
inline constexpr double MpgBitsPerPixelFactor = 0.5;
inline constexpr uint16_t FallbackAudioBitrate = 128;
inline constexpr uint16_t FallbackMaxAudioBitrate = 320;
inline constexpr int32_t FallbackVideoBitrate = 800;
inline constexpr std::string_view PresetPiece = " -preset:v faster ";

// Half the processor count (rounded toward zero); a count of 0 or less
// counts as 2, one above 32 as 4.
int HalfProcessorCount(int processorCount);
// Width x bits per pixel (capped at factor) x height x fps / 1000, rounded;
// the source bitrate when a value is missing. Above 65535 it stays 65535.
uint16_t ComputeVideoBitrate(int width, int height, uint16_t sourceBitrate, double bitsPerPixel,
                             double fps, double factor);
// The source video bitrate, lowered to factor bits per pixel when the source
// spends more; 800 when it is unknown.
int32_t CapSourceVideoBitrate(const TVideoFileInfo& info, double factor);
struct TFrameSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TFrameSize&, const TFrameSize&) = default;
};
// "640 x 480 - VGA", "50%" and the like to a size in multiples of 8.
TFrameSize ParseResolutionText(std::string_view text, const TVideoFileInfo& info);
int RoundToMultiple(int value, int multiple);
int RoundUpToEven(int value);
uint16_t ChooseAudioBitrate(uint16_t source, uint16_t defaultBitrate, uint16_t minimum,
                            uint16_t maximum);
// The highest valid bitrate of an encoder at a sampling rate, defaultResult
// for encoders and rates outside the table.
uint16_t LookupMaxAudioBitrate(std::string_view encoder, int samplingRate, uint16_t defaultResult);
// 150 -> "1.50".
std::string VolumeFactorText(int percent);

// The frame size the video parameters are computed for.
TFrameSize TargetSize(const BuilderInput& in);
// The resolution entry chosen by Advanced.Resolution (2 and up); none for
// Auto, Custom and positions past the end of the list.
std::optional<std::string> SelectedResolutionEntry(const BuilderInput& in);
// Advanced.Resolution, with a position past the end of the list (a profile
// written with a longer resolution file) read as Auto.
int EffectiveResolution(const BuilderInput& in);

}  // namespace zelmora
