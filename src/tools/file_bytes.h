#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zelmora {

// Read-only random access to a file's bytes for the header readers: a file
// up to a size limit is held in memory in one piece, a larger one is read
// from disk as needed, so a huge file never costs its size in memory.
class TFileBytes {
public:
  TFileBytes() = default;
  ~TFileBytes();
  TFileBytes(const TFileBytes&) = delete;
  TFileBytes& operator=(const TFileBytes&) = delete;

  // False when the file cannot be opened or read.
  bool Open(const std::string& path, uint64_t maxMemorySize);
  uint64_t Size() const { return m_size; }
  bool InMemory() const { return m_inMemory; }
  // Copies `count` bytes at `offset`; false when the file is too short.
  bool Read(uint64_t offset, void* dest, size_t count) const;
  // Little- or big-endian unsigned values; false when out of range.
  bool ReadU16(uint64_t offset, bool bigEndian, uint16_t& value) const;
  bool ReadU32(uint64_t offset, bool bigEndian, uint32_t& value) const;
  bool ReadU64(uint64_t offset, bool bigEndian, uint64_t& value) const;

private:
  void Close();

  int m_fd = -1;
  uint64_t m_size = 0;
  bool m_inMemory = false;
  std::vector<unsigned char> m_data;
};

}  // namespace zelmora
