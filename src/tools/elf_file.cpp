#include "tools/elf_file.h"

#include <algorithm>
#include <utility>

#include "tools/file_bytes.h"

namespace zelmora {

namespace {

constexpr std::pair<uint16_t, const char*> ElfMachines[] = {
    {3, "Intel 386"},  {8, "MIPS"},    {20, "IBM PowerPC"}, {21, "IBM PowerPC 64"},
    {22, "IBM S/390"}, {40, "ARM"},    {43, "SPARC V9"},    {50, "Intel Itanium 64"},
    {62, "AMD64"},     {183, "ARM64"}, {243, "RISC-V"},     {258, "LoongArch"},
};

constexpr uint16_t EtExec = 2;
constexpr uint16_t EtDyn = 3;
constexpr uint32_t PtDynamic = 2;
constexpr uint32_t PtInterp = 3;
constexpr uint64_t DtSoname = 14;
constexpr uint64_t DtFlags1 = 0x6ffffffb;
constexpr uint64_t Df1Pie = 0x08000000;
constexpr uint16_t MaxProgramHeaders = 4096;

// The parts of the ELF header the description needs.
struct TElfHeader {
  bool Is64 = false;
  bool BigEndian = false;
  uint16_t Type = 0;
  uint16_t Machine = 0;
  uint64_t ProgramHeaders = 0;
  uint16_t ProgramHeaderSize = 0;
  uint16_t ProgramHeaderCount = 0;
};

// Reads an address-sized field: 8 bytes in ELF64, 4 in ELF32.
bool ReadWord(const TFileBytes& f, uint64_t at, const TElfHeader& h, uint64_t& value) {
  if (h.Is64) return f.ReadU64(at, h.BigEndian, value);
  uint32_t v = 0;
  if (!f.ReadU32(at, h.BigEndian, v)) return false;
  value = v;
  return true;
}

bool ReadElfHeader(const TFileBytes& f, TElfHeader& h) {
  unsigned char ident[16];
  if (!f.Read(0, ident, sizeof ident)) return false;
  if (ident[0] != 0x7F || ident[1] != 'E' || ident[2] != 'L' || ident[3] != 'F') return false;
  if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2)) return false;
  h.Is64 = ident[4] == 2;
  h.BigEndian = ident[5] == 2;
  const uint64_t phoffAt = h.Is64 ? 32 : 28;
  const uint64_t phentAt = h.Is64 ? 54 : 42;
  return f.ReadU16(16, h.BigEndian, h.Type) && f.ReadU16(18, h.BigEndian, h.Machine) &&
         ReadWord(f, phoffAt, h, h.ProgramHeaders) &&
         f.ReadU16(phentAt, h.BigEndian, h.ProgramHeaderSize) &&
         f.ReadU16(phentAt + 2, h.BigEndian, h.ProgramHeaderCount);
}

// The dynamic section's flags that tell a PIE executable from a library.
void ReadDynamic(const TFileBytes& f, const TElfHeader& h, uint64_t at, uint64_t size,
                 bool& pieFlag, bool& soname) {
  const uint64_t entrySize = h.Is64 ? 16 : 8;
  for (uint64_t p = at; p + entrySize <= at + size; p += entrySize) {
    uint64_t tag = 0;
    uint64_t value = 0;
    if (!ReadWord(f, p, h, tag) || !ReadWord(f, p + entrySize / 2, h, value) || tag == 0) return;
    if (tag == DtSoname) soname = true;
    if (tag == DtFlags1 && (value & Df1Pie)) pieFlag = true;
  }
}

bool IsPieExecutable(const TFileBytes& f, const TElfHeader& h) {
  bool interp = false;
  bool pieFlag = false;
  bool soname = false;
  const uint16_t count = std::min(h.ProgramHeaderCount, MaxProgramHeaders);
  for (uint16_t i = 0; i < count; ++i) {
    const uint64_t ph = h.ProgramHeaders + uint64_t{h.ProgramHeaderSize} * i;
    uint32_t type = 0;
    uint64_t offset = 0;
    uint64_t size = 0;
    if (!f.ReadU32(ph, h.BigEndian, type)) break;
    if (type == PtInterp) interp = true;
    if (type != PtDynamic) continue;
    const bool read = h.Is64 ? ReadWord(f, ph + 8, h, offset) && ReadWord(f, ph + 32, h, size)
                             : ReadWord(f, ph + 4, h, offset) && ReadWord(f, ph + 16, h, size);
    if (read) ReadDynamic(f, h, offset, size, pieFlag, soname);
  }
  return pieFlag || (interp && !soname);
}

std::string KindText(const TFileBytes& f, const TElfHeader& h) {
  if (h.Type == EtExec) return "Executable";
  if (h.Type == EtDyn) return IsPieExecutable(f, h) ? "Executable" : "Library";
  return {};
}

}  // namespace

std::string ElfMachineName(uint16_t machine) {
  for (const auto& [value, name] : ElfMachines) {
    if (value == machine) return name;
  }
  return "UNKNOWN (" + std::to_string(machine) + ")";
}

std::optional<TElfDescription> DescribeElfFile(const std::string& path,
                                               uint32_t maxMemoryStreamSize) {
  TFileBytes f;
  TElfHeader h;
  if (!f.Open(path, maxMemoryStreamSize) || !ReadElfHeader(f, h)) return std::nullopt;
  TElfDescription d;
  d.Bits = h.Is64 ? 64 : 32;
  d.InfoStr = KindText(f, h);
  d.InfoStr += std::string(" / Linux ELF") + (h.Is64 ? "64" : "32");
  d.InfoStr += " / " + ElfMachineName(h.Machine);
  return d;
}

}  // namespace zelmora
