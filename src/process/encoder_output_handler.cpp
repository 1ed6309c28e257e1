#include "process/encoder_output_handler.h"

#include "process/encoder_output_filter.h"

namespace zelmora {

EncoderOutputHandler::EncoderOutputHandler(std::vector<std::string>& encoderOutput,
                                           const TConversionState& state,
                                           const TAppStrings& strings, ProgressView& view,
                                           AbortController& abort)
    : m_encoderOutput(encoderOutput),
      m_state(state),
      m_strings(strings),
      m_view(view),
      m_abort(abort) {}

void EncoderOutputHandler::ServeAndAbort() {
  m_view.ProcessEvents();
  if (m_abort.CheckGraceDeadline()) m_abort.ForcedAbortStep(m_params.FfmpegPath);
}

void EncoderOutputHandler::OnLine(int /*pid*/, const std::string& /*line*/) {
  ServeAndAbort();
  bool showOutput = !m_view.IsEncoderOutputHidden();
  if (showOutput) FilterEncoderOutput(m_encoderOutput);
  TProgressDisplay display =
      InterpretEncoderOutput(m_encoderOutput, m_state, m_strings, m_params, showOutput);
  if (display.Stopped) return;
  if (display.Percent > 0) m_view.SetProgressPosition(display.Percent);
  m_view.SetStatusText(display.StatusText);
  if (display.Percent > 0) {
    m_view.RepaintStatus();
    m_view.SetAppTitle(display.AppTitle);
    m_view.SetProgressCaption(display.Caption);
  }
  m_view.SetOutputText(display.PaneText);
  if (display.ScrollPane) m_view.ScrollOutputToBottom();
}

void EncoderOutputHandler::OnIdle() {
  ServeAndAbort();
}

}  // namespace zelmora
