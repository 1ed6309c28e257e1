#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/encoder_settings.h"

namespace zelmora {

// The zelmora-cli subcommands that convert, export or print command lines.
enum class TCliSubcommand { scCommand, scConvert, scScript };

// One input given on the command line: a video file or a list file.
struct TCliInput {
  std::string Path;
  bool IsListFile = false;
};

// The options of those subcommands, before they are applied.
struct TCliConversionArgs {
  bool Help = false;
  std::string Error;  // a usage error; empty when the arguments are fine
  std::string Profile;
  std::optional<TOutputFormat> Format;
  std::optional<int> AudioTrack;
  std::optional<std::string> OutDir;
  std::optional<int> IfExists;  // TOutputExists
  std::string ErrorLog;
  bool KeepDates = false;
  bool NoWait = false;
  std::string ScriptFile;
  std::vector<TCliInput> Inputs;  // in command-line order
};

// The arguments after the subcommand's name. "--name value" and
// "--name=value" both work; "--" ends the options, so a file may start
// with "-".
TCliConversionArgs ParseCliConversionArgs(TCliSubcommand subcommand,
                                          const std::vector<std::string>& args);

// The --help text of a subcommand.
std::string CliConversionHelp(TCliSubcommand subcommand);

}  // namespace zelmora
