#pragma once

#include <chrono>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "core/conversion_view.h"
#include "process/abort_controller.h"

namespace zelmora {

// The conversion run shown on a terminal: one progress line that rewrites
// itself (file n/m, percent, fps, speed, elapsed and remaining time) when
// out is a terminal, otherwise one line per file with its status. Error
// records go to err or to an error-log file. A byte on the signal pipe
// (Ctrl+C, SIGTERM) is the Abort button.
class CliConversionView : public ConversionView {
public:
  CliConversionView(std::ostream& out, std::ostream& err, bool terminal,
                    const std::vector<std::string>& encoderOutput, AbortController& abort,
                    int signalFd);

  // Error records go to this file from now on; false when it cannot be made.
  bool OpenErrorLog(const std::string& fileName);
  bool Interrupted() const { return m_interrupted; }

  void ProcessEvents() override;
  bool IsEncoderOutputHidden() const override { return false; }
  void SetProgressPosition(int percent) override;
  void SetStatusText(const std::string&) override {}
  void SetAppTitle(const std::string&) override {}
  void SetProgressCaption(const std::string&) override {}
  void SetOutputText(const std::string&) override {}
  void ScrollOutputToBottom() override {}
  void ShowWarning(const std::string& text) override;
  void DisableAll() override {}
  void EnableAll() override {}
  void CloseMainWindow() override {}
  void ShowProgressWindow() override {}
  bool IsCloseAfterConversion() const override { return false; }
  void HideProgressWindow() override {}
  void SetAbortCaption(const std::string&) override {}
  void SetFileProgressVisible(bool) override {}
  void SetFileCounter(int fileNo, int fileCount) override;
  void SetInputFileText(const std::string&) override {}
  void SetOutputFileText(const std::string&) override {}
  void SetStatusColour(std::optional<TColor>) override {}
  void FileFinished(const TFinishedFile& file) override;
  void ClearErrorLog() override {}
  void AddErrorRecord(const std::string& recordText) override;
  void SetErrorLogCaption(const std::string&) override {}
  void ShowErrorLog() override {}

private:
  void DrawProgress();
  void ClearProgressLine();

  std::ostream& m_out;
  std::ostream& m_err;
  bool m_terminal;
  const std::vector<std::string>& m_encoderOutput;
  AbortController& m_abort;
  int m_signalFd;
  std::ofstream m_errorLog;
  bool m_useErrorLog = false;
  bool m_interrupted = false;
  int m_fileNo = 0;
  int m_fileCount = 0;
  int m_percent = 0;
  bool m_lineShown = false;
  std::chrono::steady_clock::time_point m_fileStart;
  std::chrono::steady_clock::time_point m_lastDraw;
};

// "1:05" or "1:02:03".
std::string FormatClock(std::chrono::seconds seconds);

// The progress line without its terminal controls.
std::string CliProgressLine(int fileNo, int fileCount, int percent, const std::string& fps,
                            const std::string& speed, std::chrono::seconds elapsed);

}  // namespace zelmora
