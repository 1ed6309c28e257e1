#include <unistd.h>

#include "platform/processor_count.h"

namespace zelmora {

int ProcessorCount() {
  long count = sysconf(_SC_NPROCESSORS_ONLN);
  return count < 1 ? 1 : static_cast<int>(count);
}

}  // namespace zelmora
