#include "core/cli_analyze.h"

#include <ostream>

#include "base/files.h"
#include "core/app_params.h"
#include "core/cli_options.h"
#include "media/analysis_json.h"
#include "base/text.h"
#include "core/program_title.h"
#include "i18n/app_strings.h"
#include "media/file_info_report.h"
#include "media/file_analysis.h"
#include "process/console_runner.h"

namespace zelmora {
namespace {

constexpr const char* AnalyzeName = "analyze";

bool IsGlobalOption(const std::string& arg) {
  return arg == "--ffmpeg" || arg == "--mediainfo";
}

// "--name value" or "--name=value"; true when `arg` was this option.
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
               std::string& value, std::string& error) {
  const std::string& arg = args[i];
  if (arg.rfind(name + "=", 0) == 0) {
    value = arg.substr(name.size() + 1);
    return true;
  }
  if (arg != name) return false;
  if (i + 1 >= args.size()) {
    error = "option " + name + " needs a value";
  } else {
    value = args[++i];
  }
  return true;
}

bool ParseDepth(const std::string& text, TAnalyzeDepth& depth) {
  if (text == "full")
    depth = TAnalyzeDepth::adFull;
  else if (text == "add")
    depth = TAnalyzeDepth::adAdd;
  else if (text == "quick")
    depth = TAnalyzeDepth::adQuick;
  else if (text == "none")
    depth = TAnalyzeDepth::adNone;
  else
    return false;
  return true;
}

// One option at args[i]; false when it is none of ours.
bool ParseOption(const std::vector<std::string>& args, size_t& i, TAnalyzeOptions& o) {
  std::string depth;
  if (TakeValue(args, i, "--ffmpeg", o.Ffmpeg, o.Error)) {
    o.FfmpegGiven = true;
  } else if (TakeValue(args, i, "--mediainfo", o.MediaInfo, o.Error)) {
    o.MediaInfoGiven = true;
  } else if (TakeValue(args, i, "--depth", depth, o.Error)) {
    if (o.Error.empty() && !ParseDepth(depth, o.Depth))
      o.Error = "unknown depth '" + depth + "' (full, add, quick or none)";
  } else if (args[i] == "--json") {
    o.Json = true;
  } else if (args[i] == "--help" || args[i] == "-h") {
    o.Help = true;
  } else {
    return false;
  }
  return true;
}

struct AnalyzeTools {
  std::string ffmpeg;
  std::string mediaInfo;
};

// A tool given on the command line is used as it is, even when missing
// (then the tool is absent); otherwise the program's own search finds it.
AnalyzeTools ResolveTools(const TAnalyzeOptions& o) {
  AnalyzeTools tools{o.Ffmpeg, o.MediaInfo};
  if (o.FfmpegGiven && o.MediaInfoGiven) return tools;
  TAppParams params;
  InitAppParams(params, AppDir());
  if (!o.FfmpegGiven) tools.ffmpeg = FindFFmpeg(params);
  if (!o.MediaInfoGiven) tools.mediaInfo = FindMediaInfoDll(params);
  return tools;
}

TVideoFileInfo AnalyzeOne(TAnalyzeDepth depth, ConsoleRunner& runner, const std::string& file,
                          const AnalyzeTools& tools) {
  TVideoFileInfo info;
  switch (depth) {
    case TAnalyzeDepth::adFull:
      AnalyzeVideoFile(runner, file, tools.ffmpeg, tools.mediaInfo, info);
      break;
    case TAnalyzeDepth::adAdd:
      AnalyzeAddedFile(TFileAnalysis::faFull, runner, file, tools.ffmpeg, tools.mediaInfo, info);
      break;
    case TAnalyzeDepth::adQuick:
      AnalyzeAddedFile(TFileAnalysis::faQuick, runner, file, tools.ffmpeg, tools.mediaInfo, info);
      break;
    case TAnalyzeDepth::adNone:
      AnalyzeAddedFile(TFileAnalysis::faNone, runner, file, tools.ffmpeg, tools.mediaInfo, info);
      break;
  }
  return info;
}

// The file information report, as the window would save it, with the
// terminal's line ends.
std::string InfoReport(const TVideoFileInfo& info) {
  const TAppStrings strings;  // English: the CLI reads no language file here
  return ReplaceAll(GetInfoAsText(info, strings.FileInfo, ProgramTitle()), "\r\n", "\n");
}

}  // namespace

bool IsAnalyzeCommand(const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (IsGlobalOption(args[i])) {
      ++i;
    } else if (args[i].rfind("--ffmpeg=", 0) != 0 && args[i].rfind("--mediainfo=", 0) != 0) {
      return args[i] == AnalyzeName;
    }
  }
  return false;
}

TAnalyzeOptions ParseAnalyzeArguments(const std::vector<std::string>& args) {
  TAnalyzeOptions o;
  bool named = false;
  bool filesOnly = false;
  for (size_t i = 0; i < args.size() && o.Error.empty(); ++i) {
    const std::string& arg = args[i];
    if (filesOnly) {
      o.Files.push_back(arg);
    } else if (arg == "--") {
      filesOnly = true;
    } else if (ParseOption(args, i, o)) {
      continue;
    } else if (arg.size() > 1 && arg[0] == '-') {
      o.Error = "unknown option '" + arg + "' (write -- before file names that begin with -)";
    } else if (!named) {
      named = arg == AnalyzeName;
      if (!named) o.Error = "unknown command '" + arg + "'";
    } else {
      o.Files.push_back(arg);
    }
  }
  if (o.Error.empty() && !named) o.Error = "no command given";
  if (o.Error.empty() && !o.Help && o.Files.empty()) o.Error = "no file to analyze";
  return o;
}

std::string AnalyzeUsageText() {
  return "Usage: zelmora-cli [--ffmpeg PATH] [--mediainfo PATH] analyze\n"
         "                  [--depth full|add|quick|none] [--json] [--] FILE...\n"
         "  full   the ffmpeg probe and the MediaInfo pass (default)\n"
         "  add    what adding the file to the list does: MediaInfo, then the full\n"
         "         analysis when MediaInfo lacks the video bitrate or frame rate\n"
         "  quick  MediaInfo alone\n"
         "  none   name and size only\n"
         "  --ffmpeg and --mediainfo use exactly the file given (no search).\n";
}

int RunAnalyzeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TAnalyzeOptions options = ParseAnalyzeArguments(args);
  if (options.Help) {
    out << AnalyzeUsageText();
    return 0;
  }
  if (!options.Error.empty()) {
    err << "zelmora-cli analyze: " << options.Error << "\n" << AnalyzeUsageText();
    return CliUsageExitCode;
  }
  AnalyzeTools tools = ResolveTools(options);
  ConsoleRunner runner;
  std::vector<TVideoFileInfo> infos;
  int status = 0;
  for (const std::string& file : options.Files) {
    // The analysis itself never complains; the command line should.
    if (!FileExists(file)) {
      err << "zelmora-cli analyze: cannot read '" << file << "': not a regular file\n";
      status = 1;
    }
    infos.push_back(AnalyzeOne(options.Depth, runner, file, tools));
    if (!options.Json) out << (infos.size() > 1 ? "\n" : "") << InfoReport(infos.back());
  }
  if (options.Json) out << VideoFileInfoListToJson(infos);
  return status;
}

}  // namespace zelmora
