#include "config/cli_convert.h"

#include <unistd.h>

#include "config/cli_convert_view.h"
#include "config/cli_session.h"
#include "core/conversion_run.h"
#include "platform/termination_signals.h"

namespace zelmora {

int RunCliConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TCliConversionArgs parsed;
  if (auto status =
          ParseCliSubcommand(TCliSubcommand::scConvert, "convert", args, parsed, out, err))
    return *status;
  CliSession session;
  std::vector<std::string> files;
  if (int status = PrepareCliSession(parsed, session, err)) return status;
  if (int status = CollectCliInputs(parsed, files, err)) return status;
  AppContext& context = session.Context;
  AbortController abort(context.ConversionState, session.Runner);
  CliConversionView view(out, err, isatty(STDOUT_FILENO) != 0, context.EncoderOutput, abort,
                         WatchTerminationSignals());
  if (!parsed.ErrorLog.empty() && !view.OpenErrorLog(parsed.ErrorLog)) {
    err << CliMessage("cannot write the error log '" + parsed.ErrorLog + "'");
    return 2;
  }
  CliRows rows(files);
  std::unique_ptr<DesktopServices> desktop = MakeSystemDesktopServices();
  ConversionRun run(context, rows, view, session.Runner, abort, *desktop, session.Encoders);
  if (parsed.NoWait) run.SetWait([](std::chrono::milliseconds) {});
  TConversionOutcome outcome =
      run.actConvert({session.Settings, session.Options, session.Resolutions});
  if (outcome.Aborted) err << CliMessage("the conversion was stopped");
  const bool failed = !outcome.ReachedEnd || outcome.Aborted || outcome.ErrorCount > 0;
  return failed ? 1 : 0;
}

}  // namespace zelmora
