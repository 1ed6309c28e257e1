#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "core/argument_builder.h"
#include "core/batch_script.h"
#include "core/conversion_view.h"
#include "core/file_dates.h"
#include "core/output_options.h"
#include "core/row_source.h"
#include "platform/desktop_services.h"
#include "process/abort_controller.h"
#include "process/console_runner.h"
#include "process/encoder_list.h"
#include "process/encoder_output_handler.h"

namespace zelmora {

// What the run works from besides the rows: the settings, the output
// options and the resolution entries of the settings panel.
struct ConversionJob {
  const EncoderSettings& Settings;
  const OutputOptions& Options;
  const std::vector<std::string>& Resolutions;
};

// How a run ended.
struct TConversionOutcome {
  bool ReachedEnd = false;   // the loop ran to its end (no early exit)
  bool Aborted = false;      // Abort was pressed
  bool ForcedAbort = false;  // ... and ffmpeg had to be killed
  int FileCount = 0;
  int ErrorCount = 0;
  std::optional<Error> BatchWriteError;  // the script could not be written
};

// The "Convert checked files" command and, in batch-file mode, the script
// export. The run walks the checked rows top to bottom: it analyses each
// input, decides the output name by the if-exists policy, builds the ffmpeg
// arguments, runs ffmpeg once or twice, records failures and shows it all
// through the view. Everything it uses is handed in, so a test can build
// one over a fake encoder and a recording view.
class ConversionRun {
public:
  using Wait = std::function<void(std::chrono::milliseconds)>;
  static constexpr std::chrono::milliseconds FileWait{150};

  ConversionRun(AppContext& context, RowSource& rows, ConversionView& view, ConsoleRunner& runner,
                AbortController& abort, DesktopServices& desktop, EncoderListCache& encoders);

  // actConvert.
  TConversionOutcome actConvert(const ConversionJob& job);
  // actSaveBAT after its save dialog: the run in batch-file mode, writing
  // the script to fileName. BatchFileMode is cleared again whatever happens.
  TConversionOutcome actSaveBAT(const ConversionJob& job, const std::string& fileName);

  // The 150 ms pauses before each file and after each analysis (tests and
  // the benchmark may replace them).
  void SetWait(Wait wait) { m_wait = std::move(wait); }
  // Where ffmpeg is looked for beyond the configured file.
  void SetToolSearch(TToolSearch search) { m_toolSearch = std::move(search); }

private:
  enum class RowResult { rrNext, rrLeave, rrEnd };
  // The file being worked on.
  struct FileJob {
    int Row = 0;
    std::string Input;
    std::string Output;
    std::string Status;
    TCommandPieces Pieces;
    std::optional<FileDates> Dates;
    uint32_t LastExitCode = 0;
  };

  bool StartRun(const ConversionJob& job);
  RowResult ConvertRow(const ConversionJob& job, int row);
  std::optional<std::string> OutputFileFor(const ConversionJob& job, const std::string& input);
  bool ApplyExistsPolicy(const ConversionJob& job, FileJob& file);
  bool AnalyzeAndBuild(const ConversionJob& job, FileJob& file);
  void RunPasses(const ConversionJob& job, FileJob& file);
  std::optional<uint32_t> RunPass(const std::string& parameters, const std::string& workDir);
  void RecordFailure(const FileJob& file, uint32_t exitCode);
  void FinishFile(FileJob& file);
  void EndOfRun(const ConversionJob& job, TConversionOutcome& outcome);
  void AfterConversion(const ConversionJob& job, bool abortWasRequested);
  bool AbortPending() const;
  void ShowEncoderOutput(bool scroll);

  AppContext& m_context;
  RowSource& m_rows;
  ConversionView& m_view;
  ConsoleRunner& m_runner;
  AbortController& m_abort;
  DesktopServices& m_desktop;
  EncoderListCache& m_encoders;
  EncoderOutputHandler m_handler;
  Wait m_wait;
  TToolSearch m_toolSearch;

  // Per run.
  std::string m_ffmpeg;
  std::string m_batchFileName;
  std::unique_ptr<BatchScript> m_script;
  int m_fileCounter = 0;
};

// FormClose of the progress window: closing it during a run aborts the run
// exactly as the Abort button does. True when that started an abort.
bool ProgressWindowClosed(AbortController& abort);

}  // namespace zelmora
