// The executable-header reader over arbitrary files: the PE headers with the
// version resource, and the ELF description. Each file is read twice, held in
// memory and read from disk piece by piece; both must tell the same.
#include <string>

#include "fuzz_support.h"
#include "tools/elf_file.h"
#include "tools/pe_file.h"

using namespace zelmora;
using zelmora::fuzz::Require;

namespace {

TPeFile ReadPe(const std::string& path, uint32_t maxMemory) {
  TPeFile pe;
  pe.SetFileName(path);
  pe.MaxMemoryStreamSize = maxMemory;
  pe.GetFileInfo();
  return pe;
}

bool SameVersion(const TPeFile& a, const TPeFile& b) {
  if (a.VersionStrings().has_value() != b.VersionStrings().has_value()) return false;
  if (!a.VersionStrings()) return true;
  return a.VersionStrings()->ProductVersion == b.VersionStrings()->ProductVersion &&
         a.VersionStrings()->FileVersion == b.VersionStrings()->FileVersion &&
         a.VersionStrings()->FileDescription == b.VersionStrings()->FileDescription;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFile scratch("header.bin");
  const std::string& path = scratch.Write(fuzz::AsText(data, size));

  const TPeFile inMemory = ReadPe(path, TPeFile::DefaultMaxMemoryStreamSize);
  const TPeFile fromDisk = ReadPe(path, 0);
  Require(inMemory.IsValidPeFile() == fromDisk.IsValidPeFile(), "PE: same validity");
  Require(inMemory.Bits() == fromDisk.Bits(), "PE: same bits");
  Require(inMemory.InfoStr() == fromDisk.InfoStr(), "PE: same description");
  Require(SameVersion(inMemory, fromDisk), "PE: same version strings");
  // An unknown optional-header magic is a valid file of unknown bitness (0).
  Require(inMemory.Bits() == 0 || inMemory.Bits() == 32 || inMemory.Bits() == 64, "PE: bits");

  const auto elfInMemory = DescribeElfFile(path);
  const auto elfFromDisk = DescribeElfFile(path, 0);
  Require(elfInMemory.has_value() == elfFromDisk.has_value(), "ELF: same validity");
  if (elfInMemory) {
    Require(elfInMemory->Bits == elfFromDisk->Bits, "ELF: same bits");
    Require(elfInMemory->InfoStr == elfFromDisk->InfoStr, "ELF: same description");
  }
  return 0;
}
