#include "config/cli_script.h"

#include "base/paths.h"
#include "config/cli_convert_view.h"
#include "config/cli_session.h"
#include "core/conversion_run.h"

namespace zelmora {

namespace {

// The export shows nothing but its messages: no progress, no file lines.
class CliScriptView : public CliConversionView {
public:
  CliScriptView(std::ostream& err, const std::vector<std::string>& output, AbortController& abort)
      : CliConversionView(err, err, false, output, abort, -1) {}
  void FileFinished(const TFinishedFile&) override {}
};

// The export never runs anything with side effects; it has nothing to close.
class NoDesktop : public DesktopServices {
public:
  Status OpenDocument(const std::string&) override { return Status::Ok(); }
  Status ShowInFileManager(const std::string&) override { return Status::Ok(); }
  Status PowerOff() override { return Status::Ok(); }
  std::string DesktopDir() override { return {}; }
  Status WriteDesktopLauncher(const std::string&, const DesktopLauncher&) override {
    return Status::Ok();
  }
};

}  // namespace

int RunCliScript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TCliConversionArgs parsed;
  if (auto status = ParseCliSubcommand(TCliSubcommand::scScript, "script", args, parsed, out, err))
    return *status;
  CliSession session;
  std::vector<std::string> files;
  if (int status = PrepareCliSession(parsed, session, err)) return status;
  if (int status = CollectCliInputs(parsed, files, err)) return status;
  AppContext& context = session.Context;
  AbortController abort(context.ConversionState, session.Runner);
  CliScriptView view(err, context.EncoderOutput, abort);
  CliRows rows(files);
  NoDesktop desktop;
  ConversionRun run(context, rows, view, session.Runner, abort, desktop, session.Encoders);
  run.SetWait([](std::chrono::milliseconds) {});  // nothing is encoded between the files
  TConversionOutcome outcome = run.actSaveBAT(
      {session.Settings, session.Options, session.Resolutions}, ExpandFileName(parsed.ScriptFile));
  return outcome.ReachedEnd && !outcome.BatchWriteError ? 0 : 1;
}

}  // namespace zelmora
