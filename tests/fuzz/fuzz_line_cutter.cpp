// The line cutter fed with arbitrary bytes in arbitrary chunks: the lines
// must not depend on how the pipe happened to cut the stream.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "process/line_cutter.h"

using namespace zelmora;
using zelmora::fuzz::Require;

namespace {

struct Cut {
  std::vector<std::string> entries;
  std::vector<std::string> announced;
};

template <typename FeedAll>
Cut CutStream(FeedAll feedAll) {
  Cut cut;
  LineCutter cutter(&cut.entries, [&](const std::string& line) { cut.announced.push_back(line); });
  feedAll(cutter);
  cutter.Finish();
  return cut;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  // The chunk sizes come from the front, the stream is the rest.
  const size_t chunkSeed = provider.ConsumeIntegral<uint32_t>();
  const std::string stream = provider.ConsumeRemainingBytesAsString();

  const Cut whole = CutStream([&](LineCutter& c) { c.Feed(stream); });
  const Cut chunked = CutStream([&](LineCutter& c) {
    size_t seed = chunkSeed | 1;
    for (size_t at = 0; at < stream.size();) {
      seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
      // Mostly small pieces, now and then one of up to 24 KiB.
      const size_t largest = (seed >> 62) == 0 ? 24576 : 16;
      const size_t length = std::min(stream.size() - at, (seed >> 33) % largest + 1);
      c.Feed(std::string_view(stream).substr(at, length));
      at += length;
    }
  });
  Require(whole.entries == chunked.entries, "the entries do not depend on the chunks");
  Require(whole.announced == chunked.announced, "the announced lines do not depend on the chunks");
  for (const std::string& line : whole.announced) {
    Require(line.find_first_of("\r\n") == std::string::npos, "a line holds no line end");
    // SanitizeUtf8 may widen a byte into three, but never beyond that.
    Require(line.size() <= 3 * LineCutter::MaxLineLength, "a line stays near the limit");
  }
  Require(whole.entries.size() <= whole.announced.size() + 1, "no entry without its line");
  return 0;
}
