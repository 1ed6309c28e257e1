#include "tools/version_resource.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "tools/file_bytes.h"

namespace zelmora {

namespace {

constexpr uint32_t ResourceTypeVersion = 16;
constexpr uint32_t SubdirectoryFlag = 0x80000000u;
constexpr uint32_t NameIsStringFlag = 0x80000000u;
constexpr uint32_t MaxVersionBlockSize = 1u << 20;  // real ones are a few KiB

struct TSection {
  uint32_t VirtualSize = 0;
  uint32_t VirtualAddress = 0;
  uint32_t SizeOfRawData = 0;
  uint32_t PointerToRawData = 0;
};

std::vector<TSection> ReadSections(const TFileBytes& bytes, const TPeLayout& layout) {
  std::vector<TSection> sections;
  for (uint16_t i = 0; i < layout.NumberOfSections; ++i) {
    const uint64_t at = layout.SectionTableOffset + 40ull * i;
    TSection s;
    if (!bytes.ReadU32(at + 8, false, s.VirtualSize) ||
        !bytes.ReadU32(at + 12, false, s.VirtualAddress) ||
        !bytes.ReadU32(at + 16, false, s.SizeOfRawData) ||
        !bytes.ReadU32(at + 20, false, s.PointerToRawData))
      break;
    sections.push_back(s);
  }
  return sections;
}

// The file offset of a relative virtual address, when a section's raw data holds it.
bool RvaToOffset(const std::vector<TSection>& sections, uint32_t rva, uint64_t& offset) {
  for (const TSection& s : sections) {
    if (rva >= s.VirtualAddress && rva - s.VirtualAddress < s.SizeOfRawData) {
      offset = uint64_t{s.PointerToRawData} + (rva - s.VirtualAddress);
      return true;
    }
  }
  return false;
}

// The data of the chosen entry of one directory level: the entry with the
// given id, or the first entry when id is negative.
bool FindEntry(const TFileBytes& bytes, uint64_t base, uint32_t dir, int64_t id, uint32_t& data) {
  uint16_t named = 0;
  uint16_t ids = 0;
  if (!bytes.ReadU16(base + dir + 12, false, named) || !bytes.ReadU16(base + dir + 14, false, ids))
    return false;
  for (uint32_t i = 0; i < uint32_t{named} + ids; ++i) {
    const uint64_t entry = base + dir + 16 + 8ull * i;
    uint32_t name = 0;
    if (!bytes.ReadU32(entry, false, name) || !bytes.ReadU32(entry + 4, false, data)) return false;
    if (id < 0 || (!(name & NameIsStringFlag) && name == id)) return true;
  }
  return false;
}

// Type 16, then its first name, then its first language; the leaf gives an RVA.
bool FindVersionData(const TFileBytes& bytes, uint64_t base, uint32_t& rva, uint32_t& size) {
  uint32_t typeDir = 0;
  uint32_t nameDir = 0;
  uint32_t leaf = 0;
  if (!FindEntry(bytes, base, 0, ResourceTypeVersion, typeDir) || !(typeDir & SubdirectoryFlag))
    return false;
  if (!FindEntry(bytes, base, typeDir & ~SubdirectoryFlag, -1, nameDir) ||
      !(nameDir & SubdirectoryFlag))
    return false;
  if (!FindEntry(bytes, base, nameDir & ~SubdirectoryFlag, -1, leaf) || (leaf & SubdirectoryFlag))
    return false;
  return bytes.ReadU32(base + leaf, false, rva) && bytes.ReadU32(base + leaf + 4, false, size);
}

// One block of the version information: length, value length, type (1 for
// text), a UTF-16 key, then the value and the child blocks, each on a
// 32-bit boundary.
struct TVerBlock {
  size_t End = 0;
  std::string Key;
  size_t ValueAt = 0;
  uint16_t ValueLength = 0;
  size_t ChildrenAt = 0;
};

using Bytes = std::vector<uint8_t>;

uint16_t U16(const Bytes& d, size_t at) {
  return at + 2 <= d.size() ? static_cast<uint16_t>(d[at] | d[at + 1] << 8) : 0;
}

size_t Align4(size_t at) {
  return (at + 3) & ~size_t{3};
}

// UTF-16 text from `at` up to a zero or `end`; `at` is left after the zero.
std::string ReadUtf16(const Bytes& d, size_t& at, size_t end) {
  std::u16string text;
  while (at + 2 <= end) {
    const char16_t c = U16(d, at);
    at += 2;
    if (c == 0) break;
    text += c;
  }
  return Utf16ToUtf8(text);
}

bool ParseBlock(const Bytes& d, size_t at, size_t limit, TVerBlock& b) {
  if (at + 6 > limit) return false;
  const uint16_t length = U16(d, at);
  if (length < 6 || at + length > limit) return false;
  b.End = at + length;
  b.ValueLength = U16(d, at + 2);
  const bool text = U16(d, at + 4) == 1;
  size_t p = at + 6;
  b.Key = ReadUtf16(d, p, b.End);
  b.ValueAt = std::min(Align4(p), b.End);
  const size_t valueBytes = text ? size_t{b.ValueLength} * 2 : b.ValueLength;
  b.ChildrenAt = std::min(Align4(std::min(b.ValueAt + valueBytes, b.End)), b.End);
  return true;
}

// The child of `parent` whose key matches (without regard to case).
bool FindChild(const Bytes& d, const TVerBlock& parent, std::string_view key, TVerBlock& child) {
  for (size_t at = parent.ChildrenAt; at < parent.End; at = Align4(child.End)) {
    if (!ParseBlock(d, at, parent.End, child)) return false;
    if (SameText(child.Key, key)) return true;
  }
  return false;
}

// "\VarFileInfo\Translation": language and code page as 8 hexadecimal digits.
std::string FirstTranslation(const Bytes& d, const TVerBlock& root) {
  TVerBlock varInfo;
  TVerBlock translation;
  if (!FindChild(d, root, "VarFileInfo", varInfo) ||
      !FindChild(d, varInfo, "Translation", translation) || translation.ValueLength < 4 ||
      translation.ValueAt + 4 > translation.End)
    return {};
  char key[9];
  std::snprintf(key, sizeof key, "%04x%04x", U16(d, translation.ValueAt),
                U16(d, translation.ValueAt + 2));
  return key;
}

std::string StringValue(const Bytes& d, const TVerBlock& table, std::string_view name) {
  TVerBlock value;
  if (!FindChild(d, table, name, value) || value.ValueLength == 0) return {};
  size_t at = value.ValueAt;
  return ReadUtf16(d, at, value.End);
}

TFileVersionStrings ParseVersionInfo(const Bytes& d) {
  TFileVersionStrings strings;
  TVerBlock root;
  if (!ParseBlock(d, 0, d.size(), root)) return strings;
  const std::string translation = FirstTranslation(d, root);
  TVerBlock fileInfo;
  TVerBlock table;
  if (translation.empty() || !FindChild(d, root, "StringFileInfo", fileInfo) ||
      !FindChild(d, fileInfo, translation, table))
    return strings;
  strings.ProductVersion = StringValue(d, table, "ProductVersion");
  strings.FileVersion = StringValue(d, table, "FileVersion");
  strings.FileDescription = StringValue(d, table, "FileDescription");
  return strings;
}

}  // namespace

std::optional<TFileVersionStrings> ReadVersionResource(const TFileBytes& bytes,
                                                       const TPeLayout& layout) {
  if (layout.ResourceRva == 0) return std::nullopt;
  const std::vector<TSection> sections = ReadSections(bytes, layout);
  uint64_t base = 0;
  uint32_t rva = 0;
  uint32_t size = 0;
  uint64_t offset = 0;
  if (!RvaToOffset(sections, layout.ResourceRva, base) ||
      !FindVersionData(bytes, base, rva, size) || !RvaToOffset(sections, rva, offset))
    return std::nullopt;
  if (size < 6 || size > MaxVersionBlockSize) return std::nullopt;
  Bytes data(size);
  if (!bytes.Read(offset, data.data(), data.size())) return std::nullopt;
  return ParseVersionInfo(data);
}

}  // namespace zelmora
