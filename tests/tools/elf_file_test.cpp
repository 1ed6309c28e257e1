#include "tools/elf_file.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <string>

#include "base/files.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

// The processor name this machine's own programs carry.
std::string HostMachineName() {
  utsname name{};
  uname(&name);
  const std::string machine = name.machine;
  if (machine == "x86_64") return "AMD64";
  if (machine == "aarch64") return "ARM64";
  if (machine == "i686" || machine == "i386") return "Intel 386";
  return {};
}

const char* HostFormat() {
  return sizeof(void*) == 8 ? "Linux ELF64" : "Linux ELF32";
}

TEST(ElfFile, DescribesTheRealFfmpegAsAnExecutableAndMediaInfoAsALibrary) {
  const std::string host = HostMachineName();
  if (host.empty()) GTEST_SKIP() << "no expected name for this processor";
  const int bits = sizeof(void*) == 8 ? 64 : 32;
  const std::pair<std::string, std::string> cases[] = {
      {"/usr/bin/ffmpeg", "Executable"},
      {"/usr/lib/x86_64-linux-gnu/libmediainfo.so.0", "Library"},
      {"/usr/lib/aarch64-linux-gnu/libmediainfo.so.0", "Library"},
  };
  int seen = 0;
  for (const auto& [path, kind] : cases) {
    if (!FileExists(path)) continue;
    ++seen;
    std::optional<TElfDescription> d = DescribeElfFile(path);
    ASSERT_TRUE(d) << path;
    EXPECT_EQ(d->Bits, bits) << path;
    EXPECT_EQ(d->InfoStr, kind + " / " + HostFormat() + " / " + host) << path;
    // Read from disk as needed instead of from memory: the same description.
    std::optional<TElfDescription> fromDisk = DescribeElfFile(path, 0);
    ASSERT_TRUE(fromDisk) << path;
    EXPECT_EQ(fromDisk->InfoStr, d->InfoStr) << path;
  }
  if (seen == 0) GTEST_SKIP() << "neither ffmpeg nor libmediainfo is installed";
}

void Put(std::string& b, size_t at, uint64_t v, size_t bytes, bool big) {
  for (size_t i = 0; i < bytes; ++i)
    b[at + (big ? bytes - 1 - i : i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A bare ELF header without program headers.
std::string ElfHeader(bool is64, bool big, uint16_t type, uint16_t machine) {
  std::string b(is64 ? 64 : 52, '\0');
  b.replace(0, 4,
            "\x7F"
            "ELF");
  b[4] = is64 ? 2 : 1;
  b[5] = big ? 2 : 1;
  b[6] = 1;
  Put(b, 16, type, 2, big);
  Put(b, 18, machine, 2, big);
  return b;
}

TEST(ElfFile, BuiltHeadersOfEveryClassAndByteOrder) {
  struct Case {
    const char* name;
    std::string bytes;
    int bits;
    const char* info;
  };
  const Case cases[] = {
      {"a 32-bit big-endian PowerPC executable", ElfHeader(false, true, 2, 20), 32,
       "Executable / Linux ELF32 / IBM PowerPC"},
      {"a 64-bit ARM library without an interpreter", ElfHeader(true, false, 3, 183), 64,
       "Library / Linux ELF64 / ARM64"},
      {"a 32-bit x86 executable", ElfHeader(false, false, 2, 3), 32,
       "Executable / Linux ELF32 / Intel 386"},
      {"an object file has no kind", ElfHeader(true, false, 1, 62), 64, " / Linux ELF64 / AMD64"},
      {"an unknown processor", ElfHeader(true, false, 2, 0x5678), 64,
       "Executable / Linux ELF64 / UNKNOWN (22136)"},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    std::optional<TElfDescription> d = DescribeElfFile(dir.write("bin", c.bytes));
    ASSERT_TRUE(d) << c.name;
    EXPECT_EQ(d->Bits, c.bits) << c.name;
    EXPECT_EQ(d->InfoStr, c.info) << c.name;
  }
}

TEST(ElfFile, AnythingElseIsNoElfFile) {
  std::string badClass = ElfHeader(true, false, 2, 62);
  badClass[4] = 3;
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"the magic alone",
       "\x7F"
       "ELF"},
      {"a header cut short", ElfHeader(true, false, 2, 62).substr(0, 40)},
      {"an unknown class", badClass},
      {"a script", "#!/bin/sh\necho hello\n"},
  };
  test::TempDir dir;
  for (const auto& [name, bytes] : cases)
    EXPECT_FALSE(DescribeElfFile(dir.write("bin", bytes))) << name;
  EXPECT_FALSE(DescribeElfFile(dir.file("missing")));
  EXPECT_FALSE(DescribeElfFile(dir.path())) << "a folder";
}

}  // namespace
}  // namespace zelmora
