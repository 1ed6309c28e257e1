// One checked row of a conversion run: its output name, its analysis, the
// ffmpeg passes and its end.
#include <sys/stat.h>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "core/conversion_run.h"
#include "core/conversion_run_files.h"
#include "core/error_log.h"
#include "core/program_title.h"
#include "media/file_analysis.h"
#include "process/encoder_output_filter.h"

namespace zelmora {

namespace {

// The analysis runs ffmpeg too (the probe), which can take long or hang on
// an odd file. Meanwhile the windows are served and
// Abort works as during the encoding: "q" first, the kill after the grace time.
class AnalysisObserver : public ConsoleRunObserver {
public:
  AnalysisObserver(ConsoleRunner& runner, ProgressView& view, AbortController& abort,
                   const std::string& ffmpeg)
      : m_runner(runner),
        m_previous(runner.OutputObserver()),
        m_view(view),
        m_abort(abort),
        m_ffmpeg(ffmpeg) {
    m_runner.SetOutputObserver(this);
  }
  ~AnalysisObserver() override { m_runner.SetOutputObserver(m_previous); }
  AnalysisObserver(const AnalysisObserver&) = delete;
  AnalysisObserver& operator=(const AnalysisObserver&) = delete;

  void OnLine(int, const std::string&) override { Serve(); }
  void OnIdle() override { Serve(); }

private:
  void Serve() {
    m_view.ProcessEvents();
    if (m_abort.CheckGraceDeadline()) m_abort.ForcedAbortStep(m_ffmpeg);
  }

  ConsoleRunner& m_runner;
  ConsoleRunObserver* m_previous;
  ProgressView& m_view;
  AbortController& m_abort;
  const std::string& m_ffmpeg;
};

}  // namespace

ConversionRun::RowResult ConversionRun::ConvertRow(const ConversionJob& job, int row) {
  TConversionState& state = m_context.ConversionState;
  const TAppStrings& strings = m_context.Strings;
  m_wait(FileWait);
  state.FileNo = ++m_fileCounter;
  m_view.SetFileCounter(state.FileNo, state.FileCount);
  FileJob file;
  file.Row = row;
  file.Input = NormalizeInputPath(m_rows.RowFullFileName(row));
  m_view.SetInputFileText(file.Input);
  m_view.SetStatusColour(std::nullopt);
  std::optional<std::string> output = OutputFileFor(job, file.Input);
  if (!output) return RowResult::rrEnd;
  file.Output = *output;
  if (!state.BatchFileMode) m_rows.SetRowStatus(row, strings.Main.Converting);
  file.Status = strings.Main.Done;
  if (!ApplyExistsPolicy(job, file)) return RowResult::rrNext;
  m_view.SetProgressPosition(0);
  m_view.SetOutputFileText(ConvertingOutputLabel(file.Output));
  m_context.EncoderOutput.clear();
  m_view.SetOutputText("");
  m_view.SetStatusText(strings.Main.PleaseWait);
  m_view.ProcessEvents();
  if (!AnalyzeAndBuild(job, file)) return RowResult::rrEnd;
  RunPasses(job, file);
  FinishFile(file);
  return AbortPending() ? RowResult::rrLeave : RowResult::rrNext;
}

// The output path, its folder made when needed; none (after the message)
// when that folder cannot be made.
std::optional<std::string> ConversionRun::OutputFileFor(const ConversionJob& job,
                                                        const std::string& input) {
  const std::string& dir = job.Options.OutDir;
  if (!job.Options.OutIn) {
    if (!DirectoryExists(dir) && !dir.empty()) (void)CreateDirectories(dir);
    if (!DirectoryExists(dir)) {
      m_view.ShowWarning(ExpandMessageText(m_context.Strings.Main.CantCreateDirectory, dir));
      return std::nullopt;
    }
  }
  return OutputPathFor(job.Options.OutIn, dir, input, GetExt(job.Settings, true));
}

// The if-exists policy; false when the file is not converted.
bool ConversionRun::ApplyExistsPolicy(const ConversionJob& job, FileJob& file) {
  const TAppStrings& strings = m_context.Strings;
  TOutputDecision decision = DecideOutput(file.Output, file.Input, job.Options.OutputExists);
  if (decision.Renamed) file.Status = strings.Main.OK_Renamed;
  if (decision.Overwritten) file.Status = strings.Main.OK_Overwritten;
  if (decision.Action == TOutputAction::oaWrite) {
    file.Output = decision.Output;
    return true;
  }
  // With every numbered name taken nothing can be written for this file.
  file.Status =
      decision.Action == TOutputAction::oaSkip ? strings.Main.Skipped : strings.Main.Error;
  if (!m_context.ConversionState.BatchFileMode) m_rows.SetRowStatus(file.Row, file.Status);
  m_view.SetStatusText(file.Status);
  m_view.SetOutputFileText(SkippedOutputLabel(file.Output));
  m_view.FileFinished(
      {file.Row, file.Input, file.Output, file.Status, decision.Action == TOutputAction::oaSkip});
  return false;
}

// The fresh analysis and the pieces; false when a piece was refused.
bool ConversionRun::AnalyzeAndBuild(const ConversionJob& job, FileJob& file) {
  InitVideoFileInfo(m_context.CurrentFileInfo);
  TVideoFileInfo info;
  InitVideoFileInfo(info);
  {
    AnalysisObserver serving(m_runner, m_view, m_abort, m_ffmpeg);
    AnalyzeVideoFile(m_runner, file.Input, m_ffmpeg, m_context.AppParams.MediaInfoDll, info);
  }
  m_context.CurrentFileInfo = info;
  m_wait(FileWait);
  BuilderInput in{job.Settings,
                  m_context.CurrentFileInfo,
                  m_context.Strings,
                  job.Resolutions,
                  m_encoders.Encoders(m_ffmpeg),
                  m_view,
                  m_context.MinAudioBitrate};
  std::optional<TCommandPieces> pieces = BuildCommandPieces(in);
  if (!pieces) return false;
  file.Pieces = *pieces;
  if (m_script) m_script->AddPieceLines(file.Pieces);
  m_context.ConversionState.TwoPass = TwoPassRule(job.Settings);
  TProgressParams& progress = m_handler.Params();
  progress.ExpectedFrames = info.VideoStreams[0].Frames;
  progress.FfmpegPath = m_ffmpeg;
  progress.ProgramTitle = ProgramTitle();
  progress.ScrollToBottom = m_context.AppParams.ScrollProgressToBottom;
  return true;
}

}  // namespace zelmora
