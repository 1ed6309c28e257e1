#include <iostream>
#include <string>
#include <vector>

#include "config/cli_strings.h"
#include "core/app_context.h"
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
    case zelmora::TCliCommand::cliUsageError:
      break;
  }
  std::cerr << "zelmora-cli: " << options.Error << "\n" << zelmora::CliUsageText();
  return zelmora::CliUsageExitCode;
}
