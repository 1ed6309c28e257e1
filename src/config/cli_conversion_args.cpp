#include "config/cli_conversion_args.h"

#include <functional>
#include <map>

#include "core/output_options.h"

namespace zelmora {

namespace {

using Setter = std::function<std::string(TCliConversionArgs&, const std::string&)>;

std::string SetFormat(TCliConversionArgs& a, const std::string& v) {
  if (v == "avi")
    a.Format = TOutputFormat::ofAVI;
  else if (v == "mpg")
    a.Format = TOutputFormat::ofMPG;
  else
    return "--format must be avi or mpg, not '" + v + "'";
  return {};
}

std::string SetIfExists(TCliConversionArgs& a, const std::string& v) {
  static const std::map<std::string, int> policies = {
      {"rename", oeRename}, {"overwrite", oeOverwrite}, {"skip", oeSkip}};
  auto it = policies.find(v);
  if (it == policies.end()) return "--if-exists must be rename, overwrite or skip, not '" + v + "'";
  a.IfExists = it->second;
  return {};
}

std::string SetAudioTrack(TCliConversionArgs& a, const std::string& v) {
  std::optional<int32_t> n = ParseWholeNumber(v);
  if (!n || *n < 0 || v.empty() || v.find_first_not_of("0123456789") != std::string::npos)
    return "--audio-track must be a number (0 for the first track), not '" + v + "'";
  a.AudioTrack = *n;
  return {};
}

std::string NotEmpty(const std::string& option, const std::string& v) {
  return v.empty() ? option + " needs a non-empty value" : std::string();
}

// The options that take a value, per subcommand.
std::map<std::string, Setter> ValueOptions(TCliSubcommand subcommand) {
  std::map<std::string, Setter> options = {
      {"--profile",
       [](auto& a, auto& v) {
         a.Profile = v;
         return NotEmpty("--profile", v);
       }},
      {"--format", SetFormat},
      {"--audio-track", SetAudioTrack},
      {"--out-dir",
       [](auto& a, auto& v) {
         a.OutDir = v;
         return NotEmpty("--out-dir", v);
       }},
      {"--if-exists", SetIfExists},
  };
  if (subcommand == TCliSubcommand::scConvert) {
    options["--list"] = [](auto& a, auto& v) {
      a.Inputs.push_back({v, true});
      return NotEmpty("--list", v);
    };
    options["--error-log"] = [](auto& a, auto& v) {
      a.ErrorLog = v;
      return NotEmpty("--error-log", v);
    };
  }
  if (subcommand == TCliSubcommand::scScript) {
    options["-o"] = [](auto& a, auto& v) {
      a.ScriptFile = v;
      return NotEmpty("-o", v);
    };
    options["--output"] = options["-o"];
  }
  return options;
}

bool SetFlag(TCliSubcommand subcommand, TCliConversionArgs& a, const std::string& arg) {
  if (arg == "--help" || arg == "-h") return a.Help = true;
  if (subcommand != TCliSubcommand::scConvert) return false;
  if (arg == "--keep-dates") return a.KeepDates = true;
  if (arg == "--no-wait") return a.NoWait = true;
  return false;
}

std::string CheckComplete(TCliSubcommand subcommand, const TCliConversionArgs& a) {
  if (a.Inputs.empty()) return "no input file given";
  if (subcommand == TCliSubcommand::scCommand && a.Inputs.size() != 1)
    return "command takes exactly one file";
  if (subcommand == TCliSubcommand::scScript && a.ScriptFile.empty())
    return "no script file given (-o OUT.sh)";
  return {};
}

}  // namespace

TCliConversionArgs ParseCliConversionArgs(TCliSubcommand subcommand,
                                          const std::vector<std::string>& args) {
  TCliConversionArgs a;
  const std::map<std::string, Setter> options = ValueOptions(subcommand);
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size() && a.Error.empty(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      a.Inputs.push_back({arg, false});
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (!SetFlag(subcommand, a, arg)) {
      const size_t eq = arg.find('=');
      const std::string name = arg.substr(0, eq);
      auto it = options.find(name);
      if (it == options.end()) {
        a.Error = "unknown option '" + name + "'";
      } else if (eq != std::string::npos) {
        a.Error = it->second(a, arg.substr(eq + 1));
      } else if (i + 1 < args.size()) {
        a.Error = it->second(a, args[++i]);
      } else {
        a.Error = "option '" + name + "' needs a value";
      }
    }
  }
  if (a.Error.empty() && !a.Help) a.Error = CheckComplete(subcommand, a);
  return a;
}

std::string CliConversionHelp(TCliSubcommand subcommand) {
  static const char* common =
      "  --profile FILE        encoder settings from a profile (after the defaults)\n"
      "  --format avi|mpg      output format\n"
      "  --audio-track N       the audio stream to use, 0 for the first\n"
      "  --out-dir DIR         write outputs to DIR instead of beside their inputs\n"
      "  --if-exists POLICY    rename (default), overwrite or skip an existing output\n";
  switch (subcommand) {
    case TCliSubcommand::scCommand:
      return std::string(
                 "Usage: zelmora-cli command [OPTION]... FILE\n"
                 "Print the ffmpeg parameters of FILE, one line per pass.\n\nOptions:\n") +
             common + "  -h, --help            show this help and exit\n";
    case TCliSubcommand::scConvert:
      return std::string(
                 "Usage: zelmora-cli convert [OPTION]... FILE...\n"
                 "Convert the files one after another.\n\nOptions:\n") +
             common +
             "  --list FILE.lst       convert the files a list file names\n"
             "  --error-log FILE      write the error records to FILE instead of stderr\n"
             "  --keep-dates          give each output its input's access and modification times\n"
             "  --no-wait             leave out the short pauses between files\n"
             "  -h, --help            show this help and exit\n\n"
             "Ctrl+C stops the conversion (ffmpeg is asked to stop, then killed).\n"
             "Exit status: 0 when every file was converted or skipped, 1 when a file\n"
             "failed or the run was stopped, 2 for wrong arguments.\n";
    case TCliSubcommand::scScript:
      return std::string(
                 "Usage: zelmora-cli script -o OUT.sh [OPTION]... FILE...\n"
                 "Write a bash script that makes the conversion's ffmpeg calls.\n\n"
                 "Options:\n"
                 "  -o, --output OUT.sh   the script to write (replaced if it exists)\n") +
             common + "  -h, --help            show this help and exit\n";
  }
  return {};
}

}  // namespace zelmora
