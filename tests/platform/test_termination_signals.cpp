#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include "platform/termination_signals.h"

namespace zelmora {
namespace {

TEST(WatchTerminationSignals, TurnsSigtermIntoAByteOnThePipe) {
  int fd = WatchTerminationSignals();
  ASSERT_GE(fd, 0);
  EXPECT_EQ(WatchTerminationSignals(), fd);
  ASSERT_EQ(raise(SIGTERM), 0);  // would end the test program without the watch
  pollfd ready{fd, POLLIN, 0};
  ASSERT_EQ(poll(&ready, 1, 2000), 1);
  unsigned char byte = 0;
  ASSERT_EQ(read(fd, &byte, 1), 1);
  EXPECT_EQ(byte, SIGTERM);
  EXPECT_EQ(read(fd, &byte, 1), -1);  // non-blocking and drained
}

}  // namespace
}  // namespace zelmora
