// The run as a whole: its start, the walk over the checked rows, the steps
// that always end it and the after-conversion action.
#include "core/conversion_run.h"

#include <thread>

#include "base/text.h"
#include "core/conversion_run_files.h"
#include "core/error_log.h"
#include "core/program_title.h"
#include "process/encoder_output_filter.h"

namespace zelmora {

ConversionRun::ConversionRun(AppContext& context, RowSource& rows, ConversionView& view,
                             ConsoleRunner& runner, AbortController& abort,
                             DesktopServices& desktop, EncoderListCache& encoders)
    : m_context(context),
      m_rows(rows),
      m_view(view),
      m_runner(runner),
      m_abort(abort),
      m_desktop(desktop),
      m_encoders(encoders),
      m_handler(context.EncoderOutput, context.ConversionState, context.Strings, view, abort),
      m_wait([](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); }),
      m_toolSearch(SystemToolSearch()) {}

bool ConversionRun::AbortPending() const {
  const TConversionState& state = m_context.ConversionState;
  return state.AbortRequested || state.AbortTimedOut;
}

void ConversionRun::ShowEncoderOutput(bool scroll) {
  FilterEncoderOutput(m_context.EncoderOutput);
  m_view.SetOutputText(Join(m_context.EncoderOutput, "\n"));
  if (scroll) m_view.ScrollOutputToBottom();
}

// Steps before the first row; false when the run ends at once.
bool ConversionRun::StartRun(const ConversionJob& job) {
  TConversionState& state = m_context.ConversionState;
  TAppParams& params = m_context.AppParams;
  const TAppStrings& strings = m_context.Strings;
  state.AbortTimedOut = false;
  state.AbortRequested = false;
  state.Running = true;
  state.NoVideoProgress = false;
  state.TwoPass = false;
  state.Pass = 0;
  state.FileNo = 0;
  state.ErrorCount = 0;
  m_view.ClearErrorLog();
  params.KeepFileDates = job.Options.KeepFileDates;
  m_view.SetErrorLogCaption(strings.Errors.Caption);
  m_view.DisableAll();
  m_fileCounter = 0;
  m_ffmpeg = FindFFmpeg(params, m_toolSearch);
  if (m_ffmpeg.empty()) {
    ShowFFmpegMissing(m_view, strings);
    return false;
  }
  if (state.BatchFileMode)
    m_script = std::make_unique<BatchScript>(m_ffmpeg, ConsoleRunner::ResolveWorkingDir(""));
  params.LogDir = MakeLogDirName();
  m_view.SetProgressPosition(0);
  m_view.SetAbortCaption(strings.Main.Abort);
  state.FileCount = 0;
  for (int row = 0; row < m_rows.RowCount(); ++row) state.FileCount += m_rows.IsRowChecked(row);
  if (state.FileCount == 0) return false;
  if (!state.BatchFileMode) m_view.ShowProgressWindow();
  const bool noVideo = job.Settings.OutputFormat == TOutputFormat::ofMPG
                           ? job.Settings.Mpg.DoNotCopyVideo
                           : job.Settings.Avi.DoNotCopyVideo;
  state.NoVideoProgress = noVideo && !job.Settings.Audio.DoNotCopyAudio;
  m_view.SetFileProgressVisible(!state.NoVideoProgress);
  return true;
}

TConversionOutcome ConversionRun::actConvert(const ConversionJob& job) {
  TConversionOutcome outcome;
  if (StartRun(job)) {
    RowResult result = RowResult::rrNext;
    for (int row = 0; row < m_rows.RowCount() && result == RowResult::rrNext; ++row) {
      if (m_rows.IsRowChecked(row)) result = ConvertRow(job, row);
    }
    outcome.ReachedEnd = result != RowResult::rrEnd;
    if (outcome.ReachedEnd && m_script) {
      m_script->Finish();
      Status saved = SaveBatchScript(m_batchFileName, *m_script);
      if (!saved) {
        outcome.BatchWriteError = saved.error();
        m_view.ShowWarning(saved.error().message);
      }
    }
  }
  EndOfRun(job, outcome);
  return outcome;
}

TConversionOutcome ConversionRun::actSaveBAT(const ConversionJob& job,
                                             const std::string& fileName) {
  m_batchFileName = fileName;
  m_context.ConversionState.BatchFileMode = true;
  TConversionOutcome outcome = actConvert(job);
  m_context.ConversionState.BatchFileMode = false;
  return outcome;
}

void ConversionRun::EndOfRun(const ConversionJob& job, TConversionOutcome& outcome) {
  TConversionState& state = m_context.ConversionState;
  const TAppStrings& strings = m_context.Strings;
  ShowEncoderOutput(m_context.AppParams.ScrollProgressToBottom);
  m_script.reset();
  state.Running = false;
  m_view.SetAbortCaption(strings.Main.Close);
  m_view.EnableAll();
  // Every file of a run shares the log folder; it goes whatever the last
  // file's settings were.
  ClearLogs(m_context.AppParams.LogDir);
  m_view.SetAppTitle(ProgramTitle());
  m_view.SetProgressCaption(strings.Progress.Caption);
  const bool abortWasRequested = state.AbortRequested;
  state.AbortRequested = false;
  if (m_view.IsCloseAfterConversion()) m_view.HideProgressWindow();
  outcome.Aborted = abortWasRequested || state.AbortTimedOut;
  outcome.ForcedAbort = state.AbortTimedOut;
  outcome.FileCount = state.FileCount;
  outcome.ErrorCount = state.ErrorCount;
  if (outcome.ReachedEnd) AfterConversion(job, abortWasRequested);
}

void ConversionRun::AfterConversion(const ConversionJob& job, bool abortWasRequested) {
  TConversionState& state = m_context.ConversionState;
  if (state.ErrorCount > 0) {
    // After a forced kill the records stay, but the window does not pop up.
    if (!state.AbortTimedOut) m_view.ShowErrorLog();
    m_view.SetErrorLogCaption(ErrorLogCaption(m_context.Strings, state.ErrorCount));
  }
  // Writing a script must never close the program or power off the machine.
  if (state.BatchFileMode) return;
  if (state.FileCount == 0 || abortWasRequested || state.AbortTimedOut || state.ErrorCount > 0)
    return;
  switch (EffectiveAfterConversion(job.Options.AfterConversion)) {
    case acDoNothing:
      return;
    case acCloseWindows:
      m_desktop.PowerOff();
      [[fallthrough]];
    case acCloseApplication:
      m_view.CloseMainWindow();
      return;
  }
}

bool ProgressWindowClosed(AbortController& abort) {
  return abort.Abort() == TAbortCommandResult::acRequested;
}

}  // namespace zelmora
