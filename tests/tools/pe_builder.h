#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zelmora::test {

// The string table of a version resource written into a built PE file.
struct VersionSpec {
  std::string ProductVersion = "1.2.3";
  std::string FileVersion = "1.2.3.4";
  std::string FileDescription = "Test tool";
  uint16_t Language = 0x0409;
  uint16_t CodePage = 0x04B0;
  // The string table's key; empty means the translation's own key.
  std::string TableKey;
};

struct PeLayout {
  uint16_t Machine = 0x014C;
  uint16_t Magic = 0x10B;
  uint16_t Characteristics = 0x0002;
  std::optional<VersionSpec> Version;  // adds a ".rsrc" section with it
};

// The bytes of a small PE file: DOS header, "PE\0\0", file header, a full
// optional header of the magic's size, and the resource section when asked.
std::string BuildPe(const PeLayout& layout);

}  // namespace zelmora::test
