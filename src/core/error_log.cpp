#include "core/error_log.h"

#include <cstdio>

#include "base/text.h"
#include "i18n/app_strings.h"
#include "process/conversion_state.h"

namespace zelmora {

std::string ErrorRecordDateTime(const LocalDateTime& date, const LocalDateTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d / %02d:%02d:%02d", date.Year, date.Month,
                date.Day, time.Hour, time.Minute, time.Second);
  return text;
}

std::vector<std::string> ErrorRecordLines(const std::string& details, const std::string& inputFile,
                                          const std::string& outputFile, int number,
                                          const LocalDateTime& now) {
  std::vector<std::string> lines;
  if (number > 0) {
    lines.push_back("Error # " + std::to_string(number));
    lines.push_back(std::string(10, '-'));
  }
  lines.push_back("Date & Time: " + ErrorRecordDateTime(now, now));
  lines.push_back("Input file: " + inputFile);
  lines.push_back("Output file: " + outputFile);
  // A details text ending in a line break leaves one empty line, as the
  // window's pane would show it.
  std::string text = ReplaceAll(details, "\r\n", "\n");
  for (const std::string& line : Split(text, '\n')) lines.push_back(line);
  lines.push_back(std::string(69, '-'));
  return lines;
}

std::string ErrorRecordText(const std::string& details, const std::string& inputFile,
                            const std::string& outputFile, int number) {
  std::string text;
  for (const std::string& line :
       ErrorRecordLines(details, inputFile, outputFile, number, LocalTimeNow())) {
    text += line + "\n";
  }
  return text;
}

std::string ErrorDetails(uint32_t exitCode, const std::vector<std::string>& encoderOutput) {
  std::string details = "ExitCode: " + std::to_string(exitCode) + "\n";
  for (const std::string& line : encoderOutput) details += line + "\n";
  return details;
}

std::string ErrorLogCaption(const TAppStrings& strings, int errorCount) {
  return strings.Main.Errors + " (" + std::to_string(errorCount) + ")";
}

void ErrorLog::AddErrorRecord(const std::string& details, const std::string& inputFile,
                              const std::string& outputFile, int number) {
  m_text += ErrorRecordText(details, inputFile, outputFile, number);
}

void ClearErrorLog(TConversionState& state, ErrorLog& log) {
  state.ErrorCount = 0;
  log.Clear();
}

}  // namespace zelmora
