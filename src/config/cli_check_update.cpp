#include "config/cli_check_update.h"

#include "base/text.h"
#include "config/settings_file.h"
#include "config/update_check_messages.h"
#include "core/app_context.h"
#include "core/program_title.h"

namespace zelmora {

namespace {

const char* CheckUpdateUsage() {
  return "Usage: zelmora-cli check-update [--url URL]\n"
         "Ask the update address (MAIN/UpdateUrl of the settings file, or the\n"
         "product's) for the latest version. Exit status: 0 up to date, 10 update\n"
         "available, 1 the check failed.\n";
}

// The URL of --url, when given; false for arguments it does not take.
bool ParseArgs(const std::vector<std::string>& args, std::string& url, bool& help,
               std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      help = true;
    } else if (args[i] == "--url" && i + 1 < args.size()) {
      url = args[++i];
    } else if (StartsWith(args[i], "--url=")) {
      url = args[i].substr(6);
    } else {
      error = args[i] == "--url" ? "option --url needs a value"
                                 : "unexpected argument '" + args[i] + "'";
      return false;
    }
  }
  return true;
}

}  // namespace

int CheckUpdateExitCode(TUpdateCheckState state) {
  switch (state) {
    case TUpdateCheckState::ucUpToDate:
    case TUpdateCheckState::ucServerVersionOlder:
      return CheckUpdateUpToDateExitCode;
    case TUpdateCheckState::ucUpdateAvailable:
      return CheckUpdateAvailableExitCode;
    default:
      return CheckUpdateFailedExitCode;
  }
}

int RunCliCheckUpdate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return RunCliCheckUpdate(args, out, err, TDownloadOptions{});
}

int RunCliCheckUpdate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const TDownloadOptions& options) {
  std::string url;
  bool help = false;
  std::string error;
  if (!ParseArgs(args, url, help, error)) {
    err << "zelmora-cli check-update: " << error << "\n" << CheckUpdateUsage();
    return 2;
  }
  if (help) {
    out << CheckUpdateUsage();
    return 0;
  }
  AppContext context;
  InitAppParams(context.AppParams, AppDir());
  LoadCliSettings(context.AppParams.IniName, context, SystemToolSearch());  // the language
  if (url.empty()) url = ReadUpdateUrl(context.AppParams.IniName);
  const TUpdateCheckResult result = CheckForUpdate(url, ProgramVersion, options);
  out << ReplaceAll(UpdatePaneText(result, UpdateCheckMessages(context.Strings)), "\r\n", "\n")
      << "\n";
  return CheckUpdateExitCode(result.State);
}

}  // namespace zelmora
