#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace zelmora::fuzz {

// A property the harness checks: a broken one ends the run like a crash, so
// libFuzzer keeps the input.
inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

// A file of this process in /dev/shm, for the readers that only take a path.
// It is removed when the process ends normally.
class ScratchFile {
public:
  explicit ScratchFile(const char* name)
      : m_path("/dev/shm/zelmora-fuzz-" + std::to_string(getpid()) + "-" + name) {}
  ~ScratchFile() { unlink(m_path.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& Write(std::string_view bytes) const {
    std::FILE* f = std::fopen(m_path.c_str(), "wb");
    Require(f != nullptr, "scratch file opens");
    Require(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size(), "scratch file written");
    std::fclose(f);
    return m_path;
  }
  const std::string& Path() const { return m_path; }

private:
  std::string m_path;
};

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace zelmora::fuzz
