// The list-file reader over arbitrary bytes: the decoding, the line split and
// the path each line names, as the list loader takes them.
#include <string>

#include "base/text.h"
#include "filelist/list_file.h"
#include "fuzz_support.h"

using namespace zelmora;
using zelmora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const std::string& line : SplitLines(DecodeListFileText(fuzz::AsText(data, size)))) {
    if (line.empty()) continue;
    const std::string path = ListLineToPath(line);
    if (line.front() == '/')
      Require(!path.empty() && path.front() == '/', "absolute stays absolute");
    Require(path.find_first_of("\r\n") == std::string::npos, "a path holds no line break");
  }
  return 0;
}
