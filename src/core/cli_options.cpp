#include "core/cli_options.h"

#include <cstdio>

#include "core/program_title.h"

namespace zelmora {
namespace {

struct CliCommandInfo {
  const char* name;
  TCliCommand command;
  const char* description;
};

constexpr CliCommandInfo CliCommands[] = {
    {"--help", TCliCommand::cliHelp, "Show this help and exit."},
    {"--version", TCliCommand::cliVersion, "Print the program title and exit."},
    {"paths", TCliCommand::cliPaths,
     "Print the program's folders and files and where ffmpeg and MediaInfo were found."},
    {"strings", TCliCommand::cliStrings,
     "Print the English language file, the template for a new translation."},
    {"analyze", TCliCommand::cliSubcommand,
     "Analyse video files with the ffmpeg probe and MediaInfo (see analyze --help)."},
    {"command", TCliCommand::cliSubcommand,
     "Print the ffmpeg parameters of a file, one line per pass (see command --help)."},
    {"convert", TCliCommand::cliSubcommand, "Convert files to AVI or MPG (see convert --help)."},
    {"script", TCliCommand::cliSubcommand,
     "Write a bash script that makes the conversion's ffmpeg calls (see script --help)."},
    {"tools", TCliCommand::cliSubcommand,
     "Print version, bitness, size and CRC-32 of the ffmpeg program and the MediaInfo library."},
    {"check-update", TCliCommand::cliSubcommand,
     "Ask the update server whether a newer version exists (exit 0, 10 or 1)."},
    {"bitrates", TCliCommand::cliSubcommand,
     "Print the valid audio bitrates of each encoder and sampling rate."},
};

std::string ReportLine(const char* name, const std::string& value) {
  char label[32];
  std::snprintf(label, sizeof label, "%-18s", (std::string(name) + ":").c_str());
  return label + value + "\n";
}

std::string OrNotFound(const std::string& path) {
  return path.empty() ? "(not found)" : path;
}

}  // namespace

TCliOptions ParseCliArguments(const std::vector<std::string>& args) {
  if (args.empty()) return {TCliCommand::cliUsageError, "no command given"};
  std::string first = args[0] == "-h" ? "--help" : args[0];
  for (const CliCommandInfo& info : CliCommands) {
    if (first != info.name) continue;
    if (args.size() > 1)
      return {TCliCommand::cliUsageError, "unexpected argument '" + args[1] + "' after " + first};
    return {info.command, {}};
  }
  return {TCliCommand::cliUsageError, "unknown command '" + args[0] + "'"};
}

std::string CliHelpText() {
  std::string text = ProgramTitle() + "\n\nUsage: zelmora-cli <command>\n\nCommands:\n";
  for (const CliCommandInfo& info : CliCommands) {
    char line[256];
    std::snprintf(line, sizeof line, "  %-12s %s\n", info.name, info.description);
    text += line;
  }
  return text;
}

std::string CliUsageText() {
  return "Usage: zelmora-cli <command>\nTry 'zelmora-cli --help' for the list of commands.\n";
}

std::string AppPathsReport(const std::string& appDir, const TAppParams& params) {
  std::string text;
  text += ReportLine("AppDir", appDir);
  text += ReportLine("ToolsDir", params.ToolsDir);
  text += ReportLine("LangDir", params.LangDir);
  text += ReportLine("DataDir", params.DataDir);
  text += ReportLine("ProfilesDir", params.ProfilesDir);
  text += ReportLine("ConfigDir", params.ConfigDir);
  text += ReportLine("IniName", params.IniName);
  text += ReportLine("LastProfileFile", params.LastProfileFile);
  text += ReportLine("FourccTagsFile", params.FourccTagsFile);
  text += ReportLine("ResolutionTxt", params.ResolutionTxt);
  text += ReportLine("AudioBitratesTxt", params.AudioBitratesTxt);
  text += ReportLine("ffmpeg", OrNotFound(params.ffmpeg));
  text += ReportLine("MediaInfoDll", OrNotFound(params.MediaInfoDll));
  return text;
}

}  // namespace zelmora
