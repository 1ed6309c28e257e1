#pragma once

#include <string>

#include "process/console_runner.h"

namespace zelmora {

// While it lives, the windows are served between the lines of the runner's
// child and during its silences, so a probe that takes long (or hangs on an
// odd file) never freezes the window. The observer set before comes back
// at the end.
class ServingObserver : public ConsoleRunObserver {
public:
  explicit ServingObserver(ConsoleRunner& runner);
  ~ServingObserver() override;
  ServingObserver(const ServingObserver&) = delete;
  ServingObserver& operator=(const ServingObserver&) = delete;

  void OnLine(int pid, const std::string& line) override;
  void OnIdle() override;

private:
  ConsoleRunner& m_runner;
  ConsoleRunObserver* m_previous;
};

}  // namespace zelmora
