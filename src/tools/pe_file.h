#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/version_resource.h"

namespace zelmora {

// The COFF file header that follows the "PE\0\0" signature.
struct TImageFileHeader {
  uint16_t Machine = 0;
  uint16_t NumberOfSections = 0;
  uint32_t TimeDateStamp = 0;
  uint32_t PointerToSymbolTable = 0;
  uint32_t NumberOfSymbols = 0;
  uint16_t SizeOfOptionalHeader = 0;
  uint16_t Characteristics = 0;
};

inline constexpr uint16_t ImageFileExecutableImage = 0x0002;
inline constexpr uint16_t ImageFileDll = 0x2000;
inline constexpr uint16_t OptionalHeaderMagicPe32 = 0x10B;
inline constexpr uint16_t OptionalHeaderMagicPe32Plus = 0x20B;

// The text for a COFF machine value: "Intel 386", "AMD64", ... and
// "UNKNOWN (43620)" for a value the table does not know.
std::string PeMachineName(uint16_t machine);

// Reader of the headers of a Windows executable or library, up to and
// including the optional header, and of its version resource.
class TPeFile {
public:
  static constexpr uint32_t DefaultMaxMemoryStreamSize = 104857600;  // 100 MiB

  void SetFileName(std::string fileName) { m_fileName = std::move(fileName); }
  const std::string& FileName() const { return m_fileName; }
  // Files up to this size are read into memory in one piece.
  uint32_t MaxMemoryStreamSize = DefaultMaxMemoryStreamSize;

  // Reads the headers of FileName; every property is reset first.
  void GetFileInfo();

  bool IsValidPeFile() const { return m_valid; }
  int Bits() const { return m_bits; }
  const std::string& OptionalHeaderMagicStr() const { return m_magicStr; }
  const std::string& InfoStr() const { return m_infoStr; }

  const std::array<uint8_t, 64>& DosHeader() const { return m_dosHeader; }
  const std::array<uint8_t, 4>& PeSignature() const { return m_signature; }
  const TImageFileHeader& FileHeader() const { return m_fileHeader; }
  // 224 bytes for PE32, 240 for PE32+ (and for an unknown magic).
  const std::vector<uint8_t>& OptionalHeader() const { return m_optionalHeader; }
  // The string values of the version resource; none when the file has none.
  const std::optional<TFileVersionStrings>& VersionStrings() const { return m_version; }

private:
  void Reset();
  bool ReadHeaders(const class TFileBytes& bytes, uint64_t& newHeader);
  void BuildInfoStr();
  TPeLayout Layout(uint64_t newHeader) const;

  std::string m_fileName;
  bool m_valid = false;
  int m_bits = 0;
  std::string m_magicStr;
  std::string m_infoStr;
  std::array<uint8_t, 64> m_dosHeader{};
  std::array<uint8_t, 4> m_signature{};
  TImageFileHeader m_fileHeader;
  std::vector<uint8_t> m_optionalHeader;
  std::optional<TFileVersionStrings> m_version;
};

}  // namespace zelmora
