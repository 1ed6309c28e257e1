#pragma once

#include <string>
#include <vector>

#include "base/result.h"

namespace zelmora {

// Small helpers for the desktop's own commands (xdg-open, dbus-send,
// systemctl). argv[0] is looked up on $PATH; no argument is ever interpreted
// by a shell. The encoder has its own runner.

// Runs the program and waits for it. Its standard output goes to *output
// when given (at most 1 MB is kept), else it is discarded; standard error is
// discarded. The result is its exit status (128 + signal number when
// killed); an error when it could not be started.
Result<int> RunProgramAndWait(const std::vector<std::string>& argv, std::string* output = nullptr);

// Starts the program in a session of its own and does not wait for it (no
// zombie is left behind); an error when it could not be started.
Status StartDetachedProgram(const std::vector<std::string>& argv);

}  // namespace zelmora
