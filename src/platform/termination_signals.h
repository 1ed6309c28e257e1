#pragma once

namespace zelmora {

// From now on SIGINT, SIGTERM and SIGHUP no longer end the process at once:
// each writes its signal number as one byte to a pipe, whose read end is
// returned (non-blocking, close-on-exec), so the event loop can shut the
// program down the normal way (a logout or Ctrl+C still saves the
// settings). Calling it again returns the same descriptor; -1 on failure.
int WatchTerminationSignals();

}  // namespace zelmora
