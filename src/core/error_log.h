#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/local_time.h"

namespace zelmora {

class TAppStrings;
struct TConversionState;

// One record of the error log as lines without line ends: "Error # n" and
// ten hyphens (only for n > 0), the date and time, the two paths, the
// details (which may span several lines) and a rule of 69 hyphens.
std::vector<std::string> ErrorRecordLines(const std::string& details, const std::string& inputFile,
                                          const std::string& outputFile, int number,
                                          const LocalDateTime& now);

// The same at the current local time, each line ended by "\n".
std::string ErrorRecordText(const std::string& details, const std::string& inputFile,
                            const std::string& outputFile, int number);

// "YYYY-MM-DD / HH:MM:SS": this port has no regional date formats of its own.
std::string ErrorRecordDateTime(const LocalDateTime& date, const LocalDateTime& time);

// What the conversion run writes as the details of a failed ffmpeg run:
// the exit code and the filtered encoder output, each line ended by "\n".
std::string ErrorDetails(uint32_t exitCode, const std::vector<std::string>& encoderOutput);

// The caption of the error log after a run with failures: "Errors (2)".
std::string ErrorLogCaption(const TAppStrings& strings, int errorCount);

// The error log's text, the way the window's pane holds it. Clearing the
// text leaves the numbering alone: the number comes from the run's
// ErrorCount, which only ClearErrorLog (the start of a run) resets.
class ErrorLog {
public:
  void AddErrorRecord(const std::string& details, const std::string& inputFile,
                      const std::string& outputFile, int number);
  void AddRecordText(const std::string& recordText) { m_text += recordText; }
  void Clear() { m_text.clear(); }
  const std::string& Text() const { return m_text; }

private:
  std::string m_text;
};

// The start of a run: no failures counted and an empty log.
void ClearErrorLog(TConversionState& state, ErrorLog& log);

}  // namespace zelmora
