// The additional parameters, the output extension, the two-pass rule and the
// assembly of the pieces into ffmpeg command lines.
#include "base/command_line.h"
#include "base/text.h"
#include "core/argument_builder.h"
#include "core/settings_rules.h"

namespace zelmora {

namespace {

// The text between the advanced and the additional piece.
std::string MiddleText(const EncoderSettings& settings, int pass) {
  const bool h264 = !IsMpg(settings) && EffectiveVideoCodec(settings) == vcH264;
  if (pass == 0) {
    return h264 && !settings.Avi.DoNotCopyVideo ? std::string(PresetPiece) : " ";
  }
  const std::string passText = "-pass " + std::to_string(pass) + " ";
  return h264 ? std::string(PresetPiece) + passText : " " + passText;
}

std::string CommandLine(const TCommandPieces& p, const std::string& middle,
                        const std::string& inputFile, const std::string& outputFile) {
  return "-y -i " + QuoteArgumentAlways(FfmpegFileName(inputFile)) + " " + p.VC + " " + p.VP + " " +
         p.AC + " " + p.AP + " " + p.ADV + middle + p.ADD + " " +
         QuoteArgumentAlways(FfmpegFileName(outputFile));
}

}  // namespace

std::string GetAdditionalParamsStr(const EncoderSettings& settings) {
  std::string result;
  for (const std::string& line : SplitLines(settings.Advanced.AdditionalParams)) {
    result += " " + line;
  }
  return result;
}

std::string GetExt(const EncoderSettings& settings, bool includeDot) {
  const char* ext = IsMpg(settings) ? "mpg" : "avi";
  return includeDot ? std::string(".") + ext : std::string(ext);
}

bool TwoPassRule(const EncoderSettings& settings) {
  if (IsMpg(settings)) return settings.Mpg.Video2Pass && !settings.Mpg.DoNotCopyVideo;
  return settings.Avi.Video2Pass && !settings.Avi.DoNotCopyVideo &&
         EffectiveVideoCodec(settings) != vcWmv1;
}

std::optional<TCommandPieces> BuildCommandPieces(const BuilderInput& in) {
  TCommandPieces pieces;
  pieces.VC = Trim(GetVideoCodecStr(in));
  pieces.AC = Trim(GetAudioCodecStr(in));
  pieces.ADV = Trim(GetAdvancedParamsStr(in));
  if (pieces.ADV == PieceError) return std::nullopt;
  pieces.ADD = Trim(GetAdditionalParamsStr(in.Settings));
  pieces.VP = Trim(GetVideoParamsStr(in));
  if (pieces.VP == PieceError) return std::nullopt;
  pieces.AP = Trim(GetAudioParamsStr(in));
  if (pieces.AP == PieceError) return std::nullopt;
  return pieces;
}

std::string OnePassCommandLine(const TCommandPieces& pieces, const EncoderSettings& settings,
                               const std::string& inputFile, const std::string& outputFile) {
  return CommandLine(pieces, MiddleText(settings, 0), inputFile, outputFile);
}

std::string TwoPassCommandLine(const TCommandPieces& pieces, const EncoderSettings& settings,
                               const std::string& inputFile, const std::string& outputFile,
                               int pass) {
  return CommandLine(pieces, MiddleText(settings, pass == 2 ? 2 : 1), inputFile, outputFile);
}

std::string FfmpegFileName(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  if (path.front() == '-' || path.find(':') != std::string::npos) return "./" + path;
  return path;
}

}  // namespace zelmora
