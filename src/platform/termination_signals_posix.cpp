#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

#include "platform/termination_signals.h"

namespace zelmora {
namespace {

// A signal handler can reach nothing but globals: the pipe's write end is
// set once, before the handlers are installed, and only read by them.
volatile sig_atomic_t writeEnd = -1;

void OnTerminationSignal(int signalNumber) {
  int savedErrno = errno;
  unsigned char byte = static_cast<unsigned char>(signalNumber);
  // A full pipe already holds a request to quit; dropping this one is fine.
  [[maybe_unused]] ssize_t ignored = write(writeEnd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

int WatchTerminationSignals() {
  static int readEnd = -1;
  if (readEnd >= 0) return readEnd;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  writeEnd = fds[1];
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) sigaction(signalNumber, &action, nullptr);
  readEnd = fds[0];
  return readEnd;
}

}  // namespace zelmora
