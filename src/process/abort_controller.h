#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "process/console_runner.h"
#include "process/conversion_state.h"

namespace zelmora {

// What the Abort command did.
enum class TAbortCommandResult {
  acIgnored,      // an abort is already under way
  acCloseWindow,  // no run in progress: the button's "Close" role
  acRequested,    // "q" sent, grace time started
};

// The abort of a conversion, shared by the window and the command line:
// first a polite "q" on ffmpeg's standard input, then, once the grace time
// has passed, a forced kill of the encoder.
class AbortController {
public:
  static constexpr std::chrono::milliseconds GraceTime{2500};
  static constexpr std::chrono::milliseconds KillDelay{500};
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  using Sleep = std::function<void(std::chrono::milliseconds)>;

  AbortController(TConversionState& state, ConsoleRunner& runner);

  // The Abort command (button, window close, Ctrl+C at the terminal).
  TAbortCommandResult Abort();
  // The end of the grace time (the window's one-shot timer calls it).
  void GraceTimeElapsed();
  // For event pumps without a timer: ends the grace time once its deadline
  // has passed. True while AbortTimedOut is set.
  bool CheckGraceDeadline();
  bool GraceTimePending() const { return m_deadline.has_value(); }
  // The output handler's forced-abort step: while AbortTimedOut is set, "q"
  // once more, a short wait when that write went through, then every child
  // running ffmpegPath is killed.
  void ForcedAbortStep(const std::string& ffmpegPath);

  // Tests replace the clock and the sleep.
  void SetClock(Clock clock) { m_clock = std::move(clock); }
  void SetSleep(Sleep sleep) { m_sleep = std::move(sleep); }

private:
  TConversionState& m_state;
  ConsoleRunner& m_runner;
  Clock m_clock;
  Sleep m_sleep;
  std::optional<std::chrono::steady_clock::time_point> m_deadline;
};

}  // namespace zelmora
