#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zelmora {

// The tools of this port are ELF files; they are described in the shape of
// the PE description: bits, then "Executable" or "Library", the format and
// the processor ("Executable / Linux ELF64 / AMD64").
struct TElfDescription {
  int Bits = 0;  // 32 or 64
  std::string InfoStr;
};

// The processor name of an ELF e_machine value; names shared with the PE
// table are spelled the same ("Intel 386", "AMD64"); unknown values give
// "UNKNOWN (n)".
std::string ElfMachineName(uint16_t machine);

// None when the file is not a complete ELF header of a known class.
// Position-independent executables are told from libraries by their PIE
// flag, or by an interpreter without a shared-object name.
std::optional<TElfDescription> DescribeElfFile(const std::string& path,
                                               uint32_t maxMemoryStreamSize = 104857600);

}  // namespace zelmora
