#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zelmora {

class TFileBytes;

// The string values of a version resource, of its first translation.
struct TFileVersionStrings {
  std::string ProductVersion;
  std::string FileVersion;
  std::string FileDescription;
};

// Where a PE file keeps its sections and its resource directory.
struct TPeLayout {
  uint64_t SectionTableOffset = 0;
  uint16_t NumberOfSections = 0;
  uint32_t ResourceRva = 0;  // 0 when the file has no resource directory
  uint32_t ResourceSize = 0;
};

// Reads the version resource (type 16, the first name and language) from
// the resource section; none when there is no such resource or it is
// unreadable. Values missing from the string table of the first entry of
// "\VarFileInfo\Translation" are empty.
std::optional<TFileVersionStrings> ReadVersionResource(const TFileBytes& bytes,
                                                       const TPeLayout& layout);

}  // namespace zelmora
