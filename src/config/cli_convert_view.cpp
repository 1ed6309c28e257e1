#include "config/cli_convert_view.h"

#include <unistd.h>

#include <cstdio>

#include "config/cli_session.h"
#include "process/encoder_progress.h"
#include "process/rich_text.h"

namespace zelmora {

namespace {

std::string PlainText(const std::string& richText) {
  std::string text;
  for (const TRichTextRun& run : ParseRichText(richText)) text += run.Text;
  return text;
}

}  // namespace

std::string FormatClock(std::chrono::seconds seconds) {
  const long long s = seconds.count() < 0 ? 0 : seconds.count();
  char text[32];
  if (s >= 3600)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
  else
    std::snprintf(text, sizeof text, "%lld:%02lld", s / 60, s % 60);
  return text;
}

std::string CliProgressLine(int fileNo, int fileCount, int percent, const std::string& fps,
                            const std::string& speed, std::chrono::seconds elapsed) {
  std::string line = "[" + std::to_string(fileNo) + "/" + std::to_string(fileCount) + "] " +
                     std::to_string(percent) + "%";
  if (!fps.empty()) line += "  fps " + fps;
  if (!speed.empty()) line += "  speed " + speed;
  line += "  elapsed " + FormatClock(elapsed);
  // The remaining time follows from the share done so far.
  if (percent > 0 && percent < 100)
    line +=
        "  left " + FormatClock(std::chrono::seconds(elapsed.count() * (100 - percent) / percent));
  return line;
}

CliConversionView::CliConversionView(std::ostream& out, std::ostream& err, bool terminal,
                                     const std::vector<std::string>& encoderOutput,
                                     AbortController& abort, int signalFd)
    : m_out(out),
      m_err(err),
      m_terminal(terminal),
      m_encoderOutput(encoderOutput),
      m_abort(abort),
      m_signalFd(signalFd) {}

bool CliConversionView::OpenErrorLog(const std::string& fileName) {
  m_errorLog.open(fileName, std::ios::binary | std::ios::trunc);
  m_useErrorLog = m_errorLog.is_open();
  return m_useErrorLog;
}

void CliConversionView::ProcessEvents() {
  char signalByte = 0;
  while (m_signalFd >= 0 && read(m_signalFd, &signalByte, 1) == 1) {
    m_interrupted = true;
    m_abort.Abort();
  }
  if (m_terminal && std::chrono::steady_clock::now() - m_lastDraw > std::chrono::milliseconds(250))
    DrawProgress();
}

void CliConversionView::SetProgressPosition(int percent) {
  m_percent = percent;
}

void CliConversionView::SetFileCounter(int fileNo, int fileCount) {
  m_fileNo = fileNo;
  m_fileCount = fileCount;
  m_percent = 0;
  m_fileStart = std::chrono::steady_clock::now();
}

void CliConversionView::DrawProgress() {
  if (m_fileNo == 0) return;
  m_lastDraw = std::chrono::steady_clock::now();
  TEncoderProgress progress = ReadEncoderProgress(m_encoderOutput, 0);
  auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(m_lastDraw - m_fileStart);
  m_out << "\r"
        << CliProgressLine(m_fileNo, m_fileCount, m_percent, progress.FpsText,
                           PlainText(progress.SpeedText), elapsed)
        << "\x1b[K" << std::flush;
  m_lineShown = true;
}

void CliConversionView::ClearProgressLine() {
  if (!m_lineShown) return;
  m_out << "\r\x1b[K" << std::flush;
  m_lineShown = false;
}

void CliConversionView::ShowWarning(const std::string& text) {
  ClearProgressLine();
  m_err << CliMessage(text) << std::flush;
}

void CliConversionView::FileFinished(const TFinishedFile& file) {
  ClearProgressLine();
  m_out << "[" << m_fileNo << "/" << m_fileCount << "] " << file.Status << ": " << file.Input;
  if (!file.Output.empty()) m_out << " -> " << file.Output;
  m_out << "\n" << std::flush;
}

void CliConversionView::AddErrorRecord(const std::string& recordText) {
  if (m_useErrorLog) {
    m_errorLog << recordText << std::flush;
    return;
  }
  ClearProgressLine();
  m_err << recordText << std::flush;
}

}  // namespace zelmora
