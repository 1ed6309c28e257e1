#pragma once

#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "process/console_runner.h"

namespace zelmora::test {

inline std::string FakeEncoder() {
  return ZELMORA_FAKE_ENCODER;
}

// Lines and idle calls a run reported, with an optional action per line.
class RecordingObserver : public ConsoleRunObserver {
public:
  std::vector<std::string> lines;
  int idleCalls = 0;
  std::function<void(const std::string&)> onLine;
  std::function<void()> onIdle;

  void OnLine(int, const std::string& line) override {
    lines.push_back(line);
    if (onLine) onLine(line);
  }
  void OnIdle() override {
    ++idleCalls;
    if (onIdle) onIdle();
  }
};

// What the fake encoder's record= command wrote: working folder, then argv.
inline std::vector<std::string> ReadRecord(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::vector<std::string> parts;
  std::string all = text.str();
  for (size_t pos = 0; pos < all.size();) {
    size_t end = all.find('\0', pos);
    parts.push_back(all.substr(pos, end - pos));
    pos = end + 1;
  }
  return parts;
}

inline int CountOpenDescriptors() {
  int count = 0;
  DIR* dir = opendir("/proc/self/fd");
  while (dirent* entry = readdir(dir))
    if (entry->d_name[0] != '.') ++count;
  closedir(dir);
  return count;
}

// Children of this process in any state, zombies included.
inline int CountChildren() {
  int count = 0;
  std::string self = std::to_string(getpid());
  DIR* dir = opendir("/proc");
  while (dirent* entry = readdir(dir)) {
    std::ifstream in(std::string("/proc/") + entry->d_name + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) continue;
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string state, parent;
    fields >> state >> parent;
    if (parent == self) ++count;
  }
  closedir(dir);
  return count;
}

}  // namespace zelmora::test
