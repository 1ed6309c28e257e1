#pragma once

#include <string>
#include <vector>

namespace zelmora::test {

struct SpawnResult {
  int exitCode = -1;   // -1 when the program could not be started or was killed
  std::string output;  // standard output and standard error, interleaved
};

// Runs argv[0] (searched on PATH) with the arguments as given, no shell in
// between, stdin from /dev/null, in workingDir when it is not empty, and
// waits for it.
SpawnResult Spawn(const std::vector<std::string>& argv, const std::string& workingDir = {});

}  // namespace zelmora::test
