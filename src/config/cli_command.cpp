#include "config/cli_command.h"

#include "config/cli_session.h"
#include "core/argument_builder.h"
#include "core/conversion_run_files.h"
#include "media/file_analysis.h"

namespace zelmora {

namespace {

// The output the run would write for this input, or none when the run
// would skip it (or finds no free name).
std::optional<std::string> CommandOutput(const CliSession& session, const std::string& input) {
  const OutputOptions& options = session.Options;
  TOutputDecision decision = DecideOutput(
      OutputPathFor(options.OutIn, options.OutDir, input, GetExt(session.Settings, true)), input,
      options.OutputExists);
  if (decision.Action != TOutputAction::oaWrite) return std::nullopt;
  return decision.Output;
}

}  // namespace

int RunCliCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TCliConversionArgs parsed;
  if (auto status =
          ParseCliSubcommand(TCliSubcommand::scCommand, "command", args, parsed, out, err))
    return *status;
  CliSession session;
  std::vector<std::string> files;
  if (int status = PrepareCliSession(parsed, session, err)) return status;
  if (int status = CollectCliInputs(parsed, files, err)) return status;
  AppContext& context = session.Context;
  StreamMessageView messages(err);
  const std::string& ffmpeg = context.AppParams.ffmpeg;
  if (ffmpeg.empty()) {
    ShowFFmpegMissing(messages, context.Strings);
    return 1;
  }
  const std::string input = files[0];
  std::optional<std::string> output = CommandOutput(session, input);
  if (!output) return 0;
  AnalyzeVideoFile(session.Runner, input, ffmpeg, context.AppParams.MediaInfoDll,
                   context.CurrentFileInfo);
  BuilderInput in{session.Settings,       context.CurrentFileInfo,           context.Strings,
                  session.Resolutions,    session.Encoders.Encoders(ffmpeg), messages,
                  context.MinAudioBitrate};
  std::optional<TCommandPieces> pieces = BuildCommandPieces(in);
  if (!pieces) return 1;
  if (!TwoPassRule(session.Settings)) {
    out << OnePassCommandLine(*pieces, session.Settings, input, *output) << "\n";
    return 0;
  }
  for (int pass = 1; pass <= 2; ++pass)
    out << TwoPassCommandLine(*pieces, session.Settings, input, *output, pass) << "\n";
  return 0;
}

}  // namespace zelmora
