#pragma once

namespace zelmora {

// Number of processors online; at least 1.
int ProcessorCount();

}  // namespace zelmora
