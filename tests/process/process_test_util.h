#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "process/line_cutter.h"

namespace zelmora::test {

// A transcript from tests/data/process.
inline std::string ReadProcessFixture(const std::string& name) {
  const char* root = std::getenv("ZELMORA_TEST_DATA");
  std::string path = std::string(root != nullptr ? root : "tests/data") + "/process/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "missing fixture " << path;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// What the line cutter made of a stream: the list and every notification.
struct CutResult {
  std::vector<std::string> entries;
  std::vector<std::string> announced;
};

// Feeds bytes in chunks of random size (seeded, 1 to maxChunk bytes), the
// way reads of a pipe deliver them, and finishes the run.
inline CutResult CutInChunks(const std::string& bytes, unsigned seed, size_t maxChunk = 64) {
  CutResult result;
  LineCutter cutter(&result.entries,
                    [&result](const std::string& line) { result.announced.push_back(line); });
  std::mt19937 random(seed);
  std::uniform_int_distribution<size_t> size(1, maxChunk);
  for (size_t pos = 0; pos < bytes.size();) {
    size_t n = std::min(size(random), bytes.size() - pos);
    cutter.Feed(std::string_view(bytes).substr(pos, n));
    pos += n;
  }
  cutter.Finish();
  return result;
}

inline CutResult CutWhole(const std::string& bytes) {
  CutResult result;
  LineCutter cutter(&result.entries,
                    [&result](const std::string& line) { result.announced.push_back(line); });
  cutter.Feed(bytes);
  cutter.Finish();
  return result;
}

}  // namespace zelmora::test
