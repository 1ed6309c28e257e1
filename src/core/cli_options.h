#pragma once

#include <string>
#include <vector>

#include "core/app_params.h"

namespace zelmora {

// cliSubcommand: a command with options of its own (command, convert,
// script, bitrates), which the entry point hands its arguments to.
enum class TCliCommand { cliHelp, cliVersion, cliPaths, cliStrings, cliSubcommand, cliUsageError };

struct TCliOptions {
  TCliCommand Command = TCliCommand::cliUsageError;
  std::string Error;  // why the arguments were refused (cliUsageError only)
};

// Exit status of zelmora-cli for arguments it does not understand.
inline constexpr int CliUsageExitCode = 2;

// The arguments after the program name.
TCliOptions ParseCliArguments(const std::vector<std::string>& args);

// The --help text: every subcommand with one line of description.
std::string CliHelpText();
// The short hint printed to stderr with a usage error.
std::string CliUsageText();

// "name: value" lines of the program's folders, files and tool locations
// ("(not found)" for a missing tool).
std::string AppPathsReport(const std::string& appDir, const TAppParams& params);

}  // namespace zelmora
