#include "process/abort_controller.h"

#include <thread>

#include "platform/process_list.h"
#include "process/process_control.h"

namespace zelmora {

AbortController::AbortController(TConversionState& state, ConsoleRunner& runner)
    : m_state(state),
      m_runner(runner),
      m_clock([] { return std::chrono::steady_clock::now(); }),
      m_sleep([](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); }) {}

TAbortCommandResult AbortController::Abort() {
  // A second press during the grace time changes nothing.
  if (m_state.AbortRequested) return TAbortCommandResult::acIgnored;
  if (!m_state.Running) return TAbortCommandResult::acCloseWindow;
  // ffmpeg may already have gone; the grace time runs all the same.
  m_runner.SendToConsole(ToOemString("q"));
  m_deadline = m_clock() + GraceTime;
  m_state.AbortRequested = true;
  return TAbortCommandResult::acRequested;
}

void AbortController::GraceTimeElapsed() {
  m_deadline.reset();
  m_state.AbortTimedOut = true;
}

bool AbortController::CheckGraceDeadline() {
  // A deadline left from an abort whose run has ended must not fire in the next run.
  if (m_deadline && !m_state.AbortRequested) m_deadline.reset();
  if (m_deadline && m_clock() >= *m_deadline) GraceTimeElapsed();
  return m_state.AbortTimedOut;
}

void AbortController::ForcedAbortStep(const std::string& ffmpegPath) {
  if (!m_state.AbortTimedOut) return;
  if (m_runner.SendToConsole(ToOemString("q"))) m_sleep(KillDelay);
  TerminateApp(ffmpegPath);
  // The configured file may be a wrapper script that runs the encoder under
  // another name, which the look-up by path never finds. The child we
  // started leads a process group of its own: it goes, with everything it
  // started there.
  const int child = m_runner.RunningChild().ProcessId;
  if (child != 0) KillProcessGroup(child);
}

}  // namespace zelmora
