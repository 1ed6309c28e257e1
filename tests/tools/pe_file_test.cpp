#include "tools/pe_file.h"

#include <gtest/gtest.h>

#include <random>

#include "pe_builder.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::BuildPe;
using test::PeLayout;
using test::VersionSpec;

struct HeaderCase {
  const char* name;
  PeLayout layout;
  bool valid;
  int bits;
  const char* magic;
  const char* info;
};

TPeFile Examine(const std::string& path, uint32_t maxMemory = TPeFile::DefaultMaxMemoryStreamSize) {
  TPeFile pe;
  pe.SetFileName(path);
  pe.MaxMemoryStreamSize = maxMemory;
  pe.GetFileInfo();
  return pe;
}

TEST(PeFile, DescribesTheHeadersOfBuiltFiles) {
  const HeaderCase cases[] = {
      {"a 32-bit executable",
       {0x014C, 0x10B, 0x0002, {}},
       true,
       32,
       "PE32",
       "Executable / Win PE32 / Intel 386"},
      {"a 64-bit library",
       {0x8664, 0x20B, 0x2000 | 0x0002, {}},
       true,
       64,
       "PE32+",
       "Library / Win PE32+ / AMD64"},
      {"a library without the executable flag",
       {0x014C, 0x10B, 0x2000, {}},
       true,
       32,
       "PE32",
       "Library / Win PE32 / Intel 386"},
      {"64-bit ARM is not in the table",
       {0xAA64, 0x20B, 0x0002, {}},
       true,
       64,
       "PE32+",
       "Executable / Win PE32+ / UNKNOWN (43620)"},
      {"neither flag still names the format",
       {0x01C2, 0x10B, 0x0000, {}},
       true,
       32,
       "PE32",
       " / Win PE32 / ARM or Thumb"},
      {"an unknown magic and no flags leave the text empty",
       {0x014C, 0x0107, 0x0000, {}},
       true,
       0,
       "",
       ""},
      {"an unknown magic of an executable",
       {0x0000, 0x0107, 0x0002, {}},
       true,
       0,
       "",
       "Executable / Unknown (0)"},
  };
  test::TempDir dir;
  for (const HeaderCase& c : cases) {
    const std::string path = dir.write("tool.exe", BuildPe(c.layout));
    // From memory and read from disk as needed: the same result.
    for (uint32_t maxMemory : {TPeFile::DefaultMaxMemoryStreamSize, 0u}) {
      TPeFile pe = Examine(path, maxMemory);
      EXPECT_EQ(pe.IsValidPeFile(), c.valid) << c.name;
      EXPECT_EQ(pe.Bits(), c.bits) << c.name;
      EXPECT_EQ(pe.OptionalHeaderMagicStr(), c.magic) << c.name;
      EXPECT_EQ(pe.InfoStr(), c.info) << c.name;
      EXPECT_EQ(pe.FileHeader().Machine, c.layout.Machine) << c.name;
      EXPECT_EQ(pe.OptionalHeader().size(), c.bits == 32 ? 224u : 240u) << c.name;
    }
  }
}

TEST(PeFile, FilesCutShortOrWithoutTheSignatureAreNotValid) {
  const std::string full = BuildPe({0x8664, 0x20B, 0x0002, {}});
  std::string badSignature = full;
  badSignature[0x81] = 'X';
  std::string farOffset = full;
  farOffset[61] = '\x7F';  // the new header would lie beyond the end
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"63 bytes: shorter than the DOS header", full.substr(0, 63)},
      {"the DOS header alone", full.substr(0, 64)},
      {"the signature cut short", full.substr(0, 0x82)},
      {"no room for the magic", full.substr(0, 0x80 + 4 + 20 + 1)},
      {"the optional header one byte short", full.substr(0, full.size() - 1)},
      {"PX instead of PE", badSignature},
      {"the offset points past the end", farOffset},
      {"a text file", std::string(300, 'a')},
  };
  test::TempDir dir;
  for (const auto& [name, bytes] : cases) {
    for (uint32_t maxMemory : {TPeFile::DefaultMaxMemoryStreamSize, 0u}) {
      TPeFile pe = Examine(dir.write("cut.exe", bytes), maxMemory);
      EXPECT_FALSE(pe.IsValidPeFile()) << name;
      EXPECT_EQ(pe.Bits(), 0) << name;
      EXPECT_EQ(pe.InfoStr(), "") << name;
      EXPECT_FALSE(pe.VersionStrings()) << name;
    }
  }
  EXPECT_FALSE(Examine(dir.file("missing.exe")).IsValidPeFile());
}

TEST(PeFile, ReadingAgainForgetsThePreviousFile) {
  test::TempDir dir;
  TPeFile pe;
  pe.SetFileName(dir.write("a.dll", BuildPe({0x8664, 0x20B, 0x2000, VersionSpec{}})));
  pe.GetFileInfo();
  ASSERT_TRUE(pe.IsValidPeFile());
  pe.SetFileName(dir.write("b.txt", "not a program"));
  pe.GetFileInfo();
  EXPECT_FALSE(pe.IsValidPeFile());
  EXPECT_EQ(pe.OptionalHeaderMagicStr(), "");
  EXPECT_FALSE(pe.VersionStrings());
}

TEST(PeMachineName, KnowsTheTableAndNamesOtherValuesInDecimal) {
  EXPECT_EQ(PeMachineName(0x014C), "Intel 386");
  EXPECT_EQ(PeMachineName(0x8664), "AMD64");
  EXPECT_EQ(PeMachineName(0xC0EE), "CEE");
  EXPECT_EQ(PeMachineName(0x0000), "Unknown (0)");
  EXPECT_EQ(PeMachineName(0xAA64), "UNKNOWN (43620)");
  EXPECT_EQ(PeMachineName(0xFFFF), "UNKNOWN (65535)");
}

struct VersionCase {
  const char* name;
  VersionSpec layout;
  const char* product;
  const char* file;
  const char* description;
};

TEST(PeFile, ReadsTheVersionStringsOfTheFirstTranslation) {
  VersionSpec german{"5.1", "5.1.0.7", "Videokodierer f\xC3\xBCr alle", 0x0407, 0x04E4, ""};
  VersionSpec upperKey = german;
  upperKey.TableKey = "040704E4";
  VersionSpec otherTable = german;
  otherTable.TableKey = "040904b0";
  const VersionCase cases[] = {
      {"English, Unicode", VersionSpec{}, "1.2.3", "1.2.3.4", "Test tool"},
      {"German, non-ASCII description", german, "5.1", "5.1.0.7", "Videokodierer f\xC3\xBCr alle"},
      {"the table key in upper case", upperKey, "5.1", "5.1.0.7", "Videokodierer f\xC3\xBCr alle"},
      {"a table of another translation gives empty values", otherTable, "", "", ""},
      {"empty values", VersionSpec{"", "", "", 0x0409, 0x04B0, ""}, "", "", ""},
  };
  test::TempDir dir;
  for (const VersionCase& c : cases) {
    for (uint16_t magic : {uint16_t{0x10B}, uint16_t{0x20B}}) {
      TPeFile pe = Examine(dir.write("v.dll", BuildPe({0x014C, magic, 0x2000, c.layout})));
      ASSERT_TRUE(pe.VersionStrings()) << c.name;
      EXPECT_EQ(pe.VersionStrings()->ProductVersion, c.product) << c.name;
      EXPECT_EQ(pe.VersionStrings()->FileVersion, c.file) << c.name;
      EXPECT_EQ(pe.VersionStrings()->FileDescription, c.description) << c.name;
    }
  }
}

TEST(PeFile, AFileWithoutAResourceSectionHasNoVersionStrings) {
  test::TempDir dir;
  TPeFile pe = Examine(dir.write("plain.exe", BuildPe({})));
  EXPECT_TRUE(pe.IsValidPeFile());
  EXPECT_FALSE(pe.VersionStrings());
}

TEST(PeFile, ABrokenResourceSectionGivesNoVersionStrings) {
  std::string bytes = BuildPe({0x014C, 0x10B, 0x0002, VersionSpec{}});
  test::TempDir dir;
  std::string noVersionType = bytes;
  noVersionType[0x200 + 0x10] = 24;  // a manifest instead of the version
  EXPECT_FALSE(Examine(dir.write("a.exe", noVersionType)).VersionStrings());
  std::string loop = bytes;
  loop[0x200 + 0x14] = 0;  // the type entry points at the root itself
  EXPECT_FALSE(Examine(dir.write("b.exe", loop)).VersionStrings());
  EXPECT_FALSE(Examine(dir.write("c.exe", bytes.substr(0, 0x200 + 0x60))).VersionStrings());
  EXPECT_TRUE(Examine(dir.write("c.exe", bytes.substr(0, 0x200 + 0x60))).IsValidPeFile());
}

TEST(PeFile, DamagedHeadersAndResourcesNeverReadOutOfBounds) {
  const std::string original = BuildPe({0x8664, 0x20B, 0x2000, VersionSpec{}});
  std::mt19937 random(20261209);
  std::uniform_int_distribution<size_t> position(0, original.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  test::TempDir dir;
  const std::string path = dir.file("damaged.dll");
  for (int round = 0; round < 400; ++round) {
    std::string bytes = original;
    for (int i = 0; i < 6; ++i) bytes[position(random)] = static_cast<char>(byte(random));
    dir.write("damaged.dll", bytes);
    // Whatever the damage, the reader answers (the sanitizer build checks the reads).
    for (uint32_t maxMemory : {TPeFile::DefaultMaxMemoryStreamSize, 0u}) {
      TPeFile pe = Examine(path, maxMemory);
      if (!pe.IsValidPeFile()) {
        EXPECT_FALSE(pe.VersionStrings());
      }
    }
  }
}

}  // namespace
}  // namespace zelmora
