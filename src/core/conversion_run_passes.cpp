// The ffmpeg passes of one file, the record of a failed one and the end of
// the file.
#include "base/files.h"
#include "base/text.h"
#include "core/conversion_run.h"
#include "core/conversion_run_files.h"
#include "core/error_log.h"
#include "process/encoder_output_filter.h"

namespace zelmora {

namespace {

// What a run reports when ffmpeg could not even be started: the shell's
// "cannot execute" code, so the row and the record still say what happened.
constexpr uint32_t NotStartedExitCode = 127;
// What a pass reports whose output ffmpeg could not finish writing although
// it exited with 0: the code ffmpeg gives any other failed write.
constexpr uint32_t UnfinishedOutputExitCode = 1;

// ffmpeg 5 exits with 0 when writing the end of the output fails (a full
// disk, a vanished folder on a network share), after lines such as
// "Error writing trailer of /out/clip.avi: No space left on device".
// The file it leaves is cut short, so that is a failure.
bool ReportsUnfinishedOutput(const std::vector<std::string>& encoderOutput) {
  for (const std::string& line : encoderOutput)
    if (line.find("Error writing trailer of ") != std::string::npos ||
        line.find("Error closing file ") != std::string::npos)
      return true;
  return false;
}

}  // namespace

std::optional<uint32_t> ConversionRun::RunPass(const std::string& parameters,
                                               const std::string& workDir) {
  m_context.EncoderOutput.clear();
  Result<uint32_t> result = m_runner.RunConsoleProgram(
      m_ffmpeg, parameters, &m_context.EncoderOutput, workDir, &m_handler);
  if (result && result.value() == 0 && ReportsUnfinishedOutput(m_context.EncoderOutput))
    return UnfinishedOutputExitCode;
  if (result) return result.value();
  m_context.EncoderOutput.push_back(result.error().message);
  return NotStartedExitCode;
}

void ConversionRun::RunPasses(const ConversionJob& job, FileJob& file) {
  TConversionState& state = m_context.ConversionState;
  TAppParams& params = m_context.AppParams;
  const std::string& errorText = m_context.Strings.Main.Error;
  std::vector<std::string> parameters;
  if (state.TwoPass) {
    if (!CreateDirectories(params.LogDir)) params.LogDir.clear();
    for (int pass = 1; pass <= 2; ++pass)
      parameters.push_back(
          TwoPassCommandLine(file.Pieces, job.Settings, file.Input, file.Output, pass));
  } else {
    parameters.push_back(OnePassCommandLine(file.Pieces, job.Settings, file.Input, file.Output));
  }
  if (m_script) {
    m_script->AddFileCalls(state.FileNo, file.Pieces, parameters);
    return;
  }
  if (params.KeepFileDates) file.Dates = ReadFileDates(file.Input);
  const std::string workDir = state.TwoPass ? params.LogDir : std::string();
  for (size_t i = 0; i < parameters.size() && !AbortPending(); ++i) {
    state.Pass = static_cast<int>(i) + 1;
    file.LastExitCode = *RunPass(parameters[i], workDir);
    if (file.LastExitCode == 0) continue;
    const std::string code = std::to_string(file.LastExitCode);
    file.Status = state.TwoPass ? errorText + " = " + code : errorText + " (" + code + ")";
    RecordFailure(file, file.LastExitCode);
    if (!state.TwoPass && params.ScrollProgressToBottom) m_view.ScrollOutputToBottom();
    break;  // a failed first pass skips the second
  }
}

void ConversionRun::RecordFailure(const FileJob& file, uint32_t exitCode) {
  TConversionState& state = m_context.ConversionState;
  ++state.ErrorCount;
  FilterEncoderOutput(m_context.EncoderOutput);
  m_view.SetOutputText(Join(m_context.EncoderOutput, "\n"));
  m_view.AddErrorRecord(ErrorRecordText(ErrorDetails(exitCode, m_context.EncoderOutput), file.Input,
                                        file.Output, state.ErrorCount));
}

void ConversionRun::FinishFile(FileJob& file) {
  const TConversionState& state = m_context.ConversionState;
  const TAppParams& params = m_context.AppParams;
  const bool aborted = AbortPending();
  if (aborted)
    file.Status = m_context.Strings.Main.Aborted;
  else
    m_view.SetProgressPosition(100);
  const bool success = !aborted && file.LastExitCode == 0;
  const TColor colour = success ? params.ColorOK : params.ColorError;
  m_view.SetStatusColour(colour);
  m_view.SetStatusText(FileStatusLabel(file.Status));
  if (!state.BatchFileMode) m_rows.SetRowStatus(file.Row, file.Status, colour);
  m_view.FileFinished({file.Row, file.Input, file.Output, file.Status, success});
  // An export leaves every existing file alone, empty ones included.
  if (state.BatchFileMode) return;
  if (FileExists(file.Output) && GetFileSize(file.Output) == 0) (void)RemoveFile(file.Output);
  if (params.KeepFileDates && file.Dates && FileExists(file.Output))
    (void)WriteFileDates(file.Output, *file.Dates);
}

}  // namespace zelmora
