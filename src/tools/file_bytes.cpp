#include "tools/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zelmora {

namespace {

bool ReadAt(int fd, uint64_t offset, unsigned char* dest, size_t count) {
  while (count > 0) {
    const ssize_t n = pread(fd, dest, count, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    dest += n;
    offset += static_cast<uint64_t>(n);
    count -= static_cast<size_t>(n);
  }
  return true;
}

uint64_t Decode(const unsigned char* bytes, size_t count, bool bigEndian) {
  uint64_t value = 0;
  for (size_t i = 0; i < count; ++i) {
    const size_t index = bigEndian ? i : count - 1 - i;
    value = (value << 8) | bytes[index];
  }
  return value;
}

}  // namespace

TFileBytes::~TFileBytes() {
  Close();
}

void TFileBytes::Close() {
  if (m_fd >= 0) close(m_fd);
  m_fd = -1;
  m_size = 0;
  m_inMemory = false;
  m_data.clear();
}

bool TFileBytes::Open(const std::string& path, uint64_t maxMemorySize) {
  Close();
  m_fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (m_fd < 0) return false;
  struct stat st {};
  if (fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    Close();
    return false;
  }
  m_size = static_cast<uint64_t>(st.st_size);
  if (m_size > maxMemorySize) return true;
  m_data.resize(static_cast<size_t>(m_size));
  if (m_size > 0 && !ReadAt(m_fd, 0, m_data.data(), m_data.size())) {
    Close();
    return false;
  }
  close(m_fd);
  m_fd = -1;
  m_inMemory = true;
  return true;
}

bool TFileBytes::Read(uint64_t offset, void* dest, size_t count) const {
  if (offset > m_size || count > m_size - offset) return false;
  if (count == 0) return true;
  if (m_inMemory) {
    std::memcpy(dest, m_data.data() + offset, count);
    return true;
  }
  return m_fd >= 0 && ReadAt(m_fd, offset, static_cast<unsigned char*>(dest), count);
}

bool TFileBytes::ReadU16(uint64_t offset, bool bigEndian, uint16_t& value) const {
  unsigned char b[2];
  if (!Read(offset, b, sizeof b)) return false;
  value = static_cast<uint16_t>(Decode(b, sizeof b, bigEndian));
  return true;
}

bool TFileBytes::ReadU32(uint64_t offset, bool bigEndian, uint32_t& value) const {
  unsigned char b[4];
  if (!Read(offset, b, sizeof b)) return false;
  value = static_cast<uint32_t>(Decode(b, sizeof b, bigEndian));
  return true;
}

bool TFileBytes::ReadU64(uint64_t offset, bool bigEndian, uint64_t& value) const {
  unsigned char b[8];
  if (!Read(offset, b, sizeof b)) return false;
  value = Decode(b, sizeof b, bigEndian);
  return true;
}

}  // namespace zelmora
