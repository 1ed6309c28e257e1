#include "tools/pe_file.h"

#include <algorithm>
#include <utility>

#include "base/files.h"
#include "tools/file_bytes.h"

namespace zelmora {

namespace {

constexpr std::pair<uint16_t, const char*> MachineNames[] = {
    {0x0000, "Unknown (0)"},
    {0x014C, "Intel 386"},
    {0x014D, "Intel 486"},
    {0x014E, "Intel 586"},
    {0x0160, "MIPS big-endian"},
    {0x0162, "MIPS little-endian R3000"},
    {0x0166, "MIPS little-endian R4000"},
    {0x0168, "MIPS little-endian R10000"},
    {0x0169, "MIPS little-endian WCE v2"},
    {0x0184, "Alpha_AXP"},
    {0x01A2, "Hitachi SH3 little-endian"},
    {0x01A3, "Hitachi SH3 DSP"},
    {0x01A4, "SH3E little-endian"},
    {0x01A6, "Hitachi SH4 little-endian"},
    {0x01A8, "Hitachi SH5"},
    {0x01C0, "ARM little-endian"},
    {0x01C2, "ARM or Thumb"},
    {0x01D3, "Matsushita AM33"},
    {0x01F0, "IBM PowerPC little-endian"},
    {0x01F1, "IBM PowerPC with floating point support"},
    {0x0200, "Intel Itanium 64"},
    {0x0266, "MIPS16"},
    {0x0284, "ALPHA64"},
    {0x0366, "MIPS with FPU"},
    {0x0466, "MIPS16 with FPU"},
    {0x0520, "Infineon"},
    {0x0CEF, "CEF"},
    {0x0EBC, "EFI byte code"},
    {0x8664, "AMD64"},
    {0x9041, "Mitsubishi M32R little-endian"},
    {0xC0EE, "CEE"},
};

constexpr uint64_t DosHeaderSize = 64;
constexpr uint64_t NewHeaderOffsetField = 60;
constexpr uint64_t FileHeaderSize = 20;
constexpr size_t OptionalHeaderSize32 = 224;
constexpr size_t OptionalHeaderSize64 = 240;

uint32_t LittleU32(const std::vector<uint8_t>& b, size_t at) {
  if (at + 4 > b.size()) return 0;
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
         static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

bool ReadFileHeader(const TFileBytes& bytes, uint64_t at, TImageFileHeader& h) {
  return bytes.ReadU16(at, false, h.Machine) && bytes.ReadU16(at + 2, false, h.NumberOfSections) &&
         bytes.ReadU32(at + 4, false, h.TimeDateStamp) &&
         bytes.ReadU32(at + 8, false, h.PointerToSymbolTable) &&
         bytes.ReadU32(at + 12, false, h.NumberOfSymbols) &&
         bytes.ReadU16(at + 16, false, h.SizeOfOptionalHeader) &&
         bytes.ReadU16(at + 18, false, h.Characteristics);
}

}  // namespace

std::string PeMachineName(uint16_t machine) {
  for (const auto& [value, name] : MachineNames) {
    if (value == machine) return name;
  }
  return "UNKNOWN (" + std::to_string(machine) + ")";
}

void TPeFile::Reset() {
  m_valid = false;
  m_bits = 0;
  m_magicStr.clear();
  m_infoStr.clear();
  m_dosHeader.fill(0);
  m_signature.fill(0);
  m_fileHeader = {};
  m_optionalHeader.clear();
  m_version.reset();
}

void TPeFile::GetFileInfo() {
  Reset();
  if (!FileExists(m_fileName)) return;
  TFileBytes bytes;
  if (!bytes.Open(m_fileName, MaxMemoryStreamSize)) return;
  uint64_t newHeader = 0;
  if (!ReadHeaders(bytes, newHeader)) {
    Reset();  // a half-read file tells nothing
    return;
  }
  BuildInfoStr();
  m_valid = true;
  m_version = ReadVersionResource(bytes, Layout(newHeader));
}

// The "MZ" signature is not examined: only the offset of the new header counts.
bool TPeFile::ReadHeaders(const TFileBytes& bytes, uint64_t& newHeader) {
  if (bytes.Size() < DosHeaderSize || !bytes.Read(0, m_dosHeader.data(), DosHeaderSize))
    return false;
  uint32_t offset = 0;
  bytes.ReadU32(NewHeaderOffsetField, false, offset);
  newHeader = offset;
  if (!bytes.Read(newHeader, m_signature.data(), m_signature.size())) return false;
  if (m_signature != std::array<uint8_t, 4>{'P', 'E', 0, 0}) return false;
  const uint64_t fileHeaderAt = newHeader + m_signature.size();
  uint16_t magic = 0;
  if (!ReadFileHeader(bytes, fileHeaderAt, m_fileHeader) ||
      !bytes.ReadU16(fileHeaderAt + FileHeaderSize, false, magic))
    return false;
  if (magic == OptionalHeaderMagicPe32) {
    m_magicStr = "PE32";
    m_bits = 32;
  } else if (magic == OptionalHeaderMagicPe32Plus) {
    m_magicStr = "PE32+";
    m_bits = 64;
  }
  m_optionalHeader.resize(m_bits == 32 ? OptionalHeaderSize32 : OptionalHeaderSize64);
  if (!bytes.Read(fileHeaderAt + FileHeaderSize, m_optionalHeader.data(),
                  m_optionalHeader.size())) {
    m_optionalHeader.clear();
    return false;
  }
  return true;
}

void TPeFile::BuildInfoStr() {
  const uint16_t flags = m_fileHeader.Characteristics;
  if (flags & ImageFileDll)
    m_infoStr = "Library";
  else if (flags & ImageFileExecutableImage)
    m_infoStr = "Executable";
  if (!m_magicStr.empty()) m_infoStr += " / Win " + m_magicStr;
  if (!m_infoStr.empty()) m_infoStr += " / " + PeMachineName(m_fileHeader.Machine);
}

// The data directories follow the fixed fields, whose length depends on the magic.
TPeLayout TPeFile::Layout(uint64_t newHeader) const {
  TPeLayout layout;
  layout.SectionTableOffset =
      newHeader + m_signature.size() + FileHeaderSize + m_fileHeader.SizeOfOptionalHeader;
  layout.NumberOfSections = m_fileHeader.NumberOfSections;
  if (m_bits == 0) return layout;
  const size_t countAt = m_bits == 32 ? 92 : 108;
  const size_t resourceAt = (m_bits == 32 ? 96 : 112) + 2 * 8;
  constexpr uint32_t ResourceDirectoryIndex = 2;
  if (LittleU32(m_optionalHeader, countAt) <= ResourceDirectoryIndex) return layout;
  layout.ResourceRva = LittleU32(m_optionalHeader, resourceAt);
  layout.ResourceSize = LittleU32(m_optionalHeader, resourceAt + 4);
  return layout;
}

}  // namespace zelmora
