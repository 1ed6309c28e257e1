#pragma once

#include <string>
#include <vector>

#include "i18n/app_strings.h"
#include "process/abort_controller.h"
#include "process/console_runner.h"
#include "process/conversion_state.h"
#include "process/progress_display.h"
#include "process/progress_view.h"

namespace zelmora {

// The progress window's output handler: after every completed output line
// it serves the window, carries out a pending forced abort, tidies the
// captured output and shows what the output says about the encoding. It
// ignores the line it is given and re-reads the whole output each time, so
// it shows the same whether called once or after each of many lines.
class EncoderOutputHandler : public ConsoleRunObserver {
public:
  EncoderOutputHandler(std::vector<std::string>& encoderOutput, const TConversionState& state,
                       const TAppStrings& strings, ProgressView& view, AbortController& abort);

  // Set by the conversion run for each file.
  TProgressParams& Params() { return m_params; }
  const TProgressParams& Params() const { return m_params; }

  // conev: called by the runner after every completed line.
  void OnLine(int pid, const std::string& line) override;
  // While the child is silent: events and the forced abort still happen.
  void OnIdle() override;

private:
  void ServeAndAbort();

  std::vector<std::string>& m_encoderOutput;
  const TConversionState& m_state;
  const TAppStrings& m_strings;
  ProgressView& m_view;
  AbortController& m_abort;
  TProgressParams m_params;
};

}  // namespace zelmora
