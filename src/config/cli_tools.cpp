#include "config/cli_tools.h"

#include "base/text.h"
#include "config/settings_file.h"
#include "core/app_context.h"
#include "tools/tools_report.h"

namespace zelmora {

namespace {

constexpr int ToolsLabelWidth = 18;

struct TToolsArgs {
  bool Help = false;
  bool FfmpegGiven = false;
  std::string Ffmpeg;
  bool MediaInfoGiven = false;
  std::string MediaInfo;
  std::string Error;
};

TToolsArgs ParseToolsArgs(const std::vector<std::string>& args) {
  TToolsArgs parsed;
  for (size_t i = 0; i < args.size() && parsed.Error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool ffmpeg = arg == "--ffmpeg";
    if (arg == "--help" || arg == "-h") {
      parsed.Help = true;
    } else if (ffmpeg || arg == "--mediainfo") {
      if (i + 1 >= args.size()) {
        parsed.Error = "option " + arg + " needs a value";
        break;
      }
      (ffmpeg ? parsed.Ffmpeg : parsed.MediaInfo) = args[++i];
      (ffmpeg ? parsed.FfmpegGiven : parsed.MediaInfoGiven) = true;
    } else {
      parsed.Error = "unexpected argument '" + arg + "'";
    }
  }
  return parsed;
}

const char* ToolsUsage() {
  return "Usage: zelmora-cli tools [--ffmpeg PATH] [--mediainfo PATH]\n"
         "Describe the ffmpeg program and the MediaInfo library: path, size, CRC-32,\n"
         "binary type and version. Without options, the tools the program would use.\n";
}

}  // namespace

int RunCliTools(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const TToolsArgs parsed = ParseToolsArgs(args);
  if (parsed.Help) {
    out << ToolsUsage();
    return 0;
  }
  if (!parsed.Error.empty()) {
    err << "zelmora-cli tools: " << parsed.Error << "\n" << ToolsUsage();
    return 2;
  }
  AppContext context;
  TAppParams& params = context.AppParams;
  InitAppParams(params, AppDir());
  LoadCliSettings(params.IniName, context, SystemToolSearch());
  const std::string ffmpeg = parsed.FfmpegGiven ? parsed.Ffmpeg : FindFFmpeg(params);
  const std::string mediaInfo = parsed.MediaInfoGiven ? parsed.MediaInfo : FindMediaInfoDll(params);
  Result<std::string> report = ToolsReport(ffmpeg, mediaInfo, ToolsLabelWidth);
  if (!report) {
    err << "zelmora-cli tools: " << report.error().message << "\n";
    return 1;
  }
  out << ReplaceAll(report.value(), "\r\n", "\n") << "\n";
  return 0;
}

}  // namespace zelmora
