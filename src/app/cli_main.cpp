#include <iostream>
#include <string>
#include <vector>

#include "config/cli_bitrates.h"
#include "config/cli_check_update.h"
#include "config/cli_command.h"
#include "config/cli_convert.h"
#include "config/cli_script.h"
#include "config/cli_strings.h"
#include "config/cli_tools.h"
#include "core/app_context.h"
#include "core/cli_analyze.h"
#include "core/cli_options.h"
#include "core/program_title.h"
#include "platform/utf8_locale.h"

namespace {

int RunPaths(zelmora::AppContext& context) {
  std::string appDir = zelmora::AppDir();
  zelmora::InitAppParams(context.AppParams, appDir);
  zelmora::FindFFmpeg(context.AppParams);
  zelmora::FindMediaInfoDll(context.AppParams);
  std::cout << zelmora::AppPathsReport(appDir, context.AppParams);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  zelmora::SetUpUtf8CType();
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (zelmora::IsAnalyzeCommand(args))
    return zelmora::RunAnalyzeCommand(args, std::cout, std::cerr);
  // Subcommands with options of their own parse the rest themselves.
  using Subcommand = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);
  const std::pair<const char*, Subcommand> subcommands[] = {
      {"command", zelmora::RunCliCommand},
      {"convert", zelmora::RunCliConvert},
      {"script", zelmora::RunCliScript},
      {"bitrates", zelmora::RunCliBitrates},
      {"tools", zelmora::RunCliTools},
      {"check-update", zelmora::RunCliCheckUpdate},
  };
  for (const auto& [name, run] : subcommands) {
    if (!args.empty() && args[0] == name)
      return run(std::vector<std::string>(args.begin() + 1, args.end()), std::cout, std::cerr);
  }
  zelmora::TCliOptions options = zelmora::ParseCliArguments(args);
  zelmora::AppContext context;
  switch (options.Command) {
    case zelmora::TCliCommand::cliHelp:
      std::cout << zelmora::CliHelpText();
      return 0;
    case zelmora::TCliCommand::cliVersion:
      std::cout << zelmora::ProgramTitle() << "\n";
      return 0;
    case zelmora::TCliCommand::cliPaths:
      return RunPaths(context);
    case zelmora::TCliCommand::cliStrings:
      return zelmora::RunCliStrings(std::cout);
    case zelmora::TCliCommand::cliSubcommand:  // dispatched above
    case zelmora::TCliCommand::cliUsageError:
      break;
  }
  std::cerr << "zelmora-cli: " << options.Error << "\n" << zelmora::CliUsageText();
  return zelmora::CliUsageExitCode;
}
