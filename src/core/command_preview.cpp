#include "core/command_preview.h"

#include "base/command_line.h"
#include "base/text.h"

namespace zelmora {

namespace {

std::string PieceOrEmpty(std::string piece) {
  piece = Trim(piece);
  return piece == PieceError ? std::string() : piece;
}

bool UsesPreset(const EncoderSettings& settings) {
  return settings.OutputFormat == TOutputFormat::ofAVI && settings.Avi.VideoCodec == vcH264 &&
         !settings.Avi.DoNotCopyVideo;
}

bool PreviewTwoPass(const EncoderSettings& settings) {
  return settings.OutputFormat == TOutputFormat::ofMPG ? settings.Mpg.Video2Pass
                                                       : settings.Avi.Video2Pass;
}

}  // namespace

std::string ReduceTripleBlanks(const std::string& text) {
  return ReplaceAll(text, "   ", " ");
}

std::string PreviewInputText(const std::string& fileName) {
  return QuoteArgumentAlways(FfmpegFileName(fileName));
}

std::string BuildCommandPreview(const BuilderInput& in, const std::string& inputText) {
  const std::string vc = Trim(GetVideoCodecStr(in));
  const std::string vp = PieceOrEmpty(GetVideoParamsStr(in));
  const std::string ac = Trim(GetAudioCodecStr(in));
  const std::string ap = PieceOrEmpty(GetAudioParamsStr(in));
  const std::string adv = PieceOrEmpty(GetAdvancedParamsStr(in));
  const std::string add = Trim(GetAdditionalParamsStr(in.Settings));
  const std::string head = std::string("-y -i ") + InputFilePlaceholder + " " + vc + " " + vp +
                           " " + ac + " " + ap + " " + adv;
  const std::string preset(PresetPiece);
  std::string text;
  if (!PreviewTwoPass(in.Settings)) {
    text = UsesPreset(in.Settings) ? head + preset + add + "  " + OutputFilePlaceholder
                                   : head + " " + add + " " + OutputFilePlaceholder;
  } else {
    auto passLine = [&](int pass) {
      std::string passText = " -pass " + std::to_string(pass) + " ";
      if (UsesPreset(in.Settings)) passText += preset;
      return head + passText + add + " " + OutputFilePlaceholder;
    };
    text = passLine(1) + "\n\n" + passLine(2);
  }
  return ReplaceAll(ReduceTripleBlanks(text), InputFilePlaceholder, inputText);
}

}  // namespace zelmora

#include <chrono>
#include <thread>

#include "core/app_context.h"
#include "media/file_analysis.h"

namespace zelmora {

std::string BuildSelectionPreview(AppContext& context, ConsoleRunner& runner,
                                  const EncoderSettings& settings,
                                  const std::vector<std::string>& resolutions,
                                  const std::set<std::string>& encoders, MessageView& messages,
                                  const std::string& selectedFile) {
  const std::string ffmpeg = FindFFmpeg(context.AppParams);
  std::string inputText = InputFilePlaceholder;
  InitVideoFileInfo(context.CurrentFileInfo);
  if (!selectedFile.empty()) {
    AnalyzeVideoFile(runner, selectedFile, ffmpeg, context.AppParams.MediaInfoDll,
                     context.CurrentFileInfo);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    inputText = PreviewInputText(selectedFile);
  }
  BuilderInput in{settings, context.CurrentFileInfo, context.Strings, resolutions, encoders,
                  messages, context.MinAudioBitrate};
  return BuildCommandPreview(in, inputText);
}

}  // namespace zelmora
