#include "pe_builder.h"

#include <cstdio>
#include <string_view>

namespace zelmora::test {

namespace {

constexpr uint32_t PeOffset = 0x80;
constexpr uint32_t SectionRva = 0x1000;
constexpr uint32_t SectionFileOffset = 0x200;

void Put16(std::string& b, size_t at, uint32_t v) {
  if (b.size() < at + 2) b.resize(at + 2, '\0');
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

void Pad4(std::string& b) {
  while (b.size() % 4 != 0) b.push_back('\0');
}

// ASCII/Latin-1 test strings as UTF-16 LE with the terminating zero.
std::string Utf16(std::string_view utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    unsigned c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0xC0 && i + 1 < utf8.size()) c = ((c & 0x1F) << 6) | (utf8[++i] & 0x3F);
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  out.append(2, '\0');
  return out;
}

std::string Block(std::string_view key, const std::string& value, uint16_t valueLength,
                  uint16_t type, const std::string& children) {
  std::string b(6, '\0');
  b += Utf16(key);
  Pad4(b);
  b += value;
  if (!children.empty()) Pad4(b);
  b += children;
  Put16(b, 0, static_cast<uint32_t>(b.size()));
  Put16(b, 2, valueLength);
  Put16(b, 4, type);
  return b;
}

std::string StringEntry(std::string_view name, const std::string& value) {
  const std::string text = Utf16(value);
  std::string b = Block(name, text, static_cast<uint16_t>(text.size() / 2), 1, "");
  Pad4(b);
  return b;
}

std::string VersionBlock(const VersionSpec& v) {
  char key[9];
  std::snprintf(key, sizeof key, "%04x%04x", v.Language, v.CodePage);
  std::string strings = StringEntry("ProductVersion", v.ProductVersion) +
                        StringEntry("FileVersion", v.FileVersion) +
                        StringEntry("FileDescription", v.FileDescription);
  std::string table = Block(v.TableKey.empty() ? key : v.TableKey, "", 0, 1, strings);
  Pad4(table);
  std::string translation(4, '\0');
  Put16(translation, 0, v.Language);
  Put16(translation, 2, v.CodePage);
  std::string var = Block("Translation", translation, 4, 0, "");
  Pad4(var);
  std::string fileInfo = Block("StringFileInfo", "", 0, 1, table);
  Pad4(fileInfo);
  std::string fixed(52, '\0');
  Put32(fixed, 0, 0xFEEF04BD);
  return Block("VS_VERSION_INFO", fixed, 52, 0, fileInfo + Block("VarFileInfo", "", 0, 1, var));
}

// Type 16 -> name 1 -> language -> data entry -> the version block.
std::string ResourceSection(const VersionSpec& v) {
  std::string r(0x58, '\0');
  Put16(r, 0x0E, 1);
  Put32(r, 0x10, 16);
  Put32(r, 0x14, 0x80000000u | 0x18);
  Put16(r, 0x18 + 0x0E, 1);
  Put32(r, 0x28, 1);
  Put32(r, 0x2C, 0x80000000u | 0x30);
  Put16(r, 0x30 + 0x0E, 1);
  Put32(r, 0x40, v.Language);
  Put32(r, 0x44, 0x48);
  const std::string block = VersionBlock(v);
  Put32(r, 0x48, SectionRva + 0x58);
  Put32(r, 0x4C, static_cast<uint32_t>(block.size()));
  r += block;
  Pad4(r);
  return r;
}

}  // namespace

std::string BuildPe(const PeLayout& layout) {
  std::string b(PeOffset, '\0');
  b[0] = 'M';
  b[1] = 'Z';
  Put32(b, 60, PeOffset);
  b += std::string("PE\0\0", 4);
  const size_t fileHeader = b.size();
  const bool plus = layout.Magic == 0x20B;
  const uint32_t optionalSize = layout.Magic == 0x10B ? 224 : 240;
  Put16(b, fileHeader, layout.Machine);
  Put16(b, fileHeader + 2, layout.Version ? 1 : 0);
  Put16(b, fileHeader + 16, optionalSize);
  Put16(b, fileHeader + 18, layout.Characteristics);
  const size_t optional = fileHeader + 20;
  b.resize(optional + optionalSize, '\0');
  Put16(b, optional, layout.Magic);
  Put32(b, optional + (plus ? 108 : 92), 16);
  if (!layout.Version) return b;
  const std::string section = ResourceSection(*layout.Version);
  Put32(b, optional + (plus ? 112 : 96) + 16, SectionRva);
  Put32(b, optional + (plus ? 112 : 96) + 20, static_cast<uint32_t>(section.size()));
  const size_t header = b.size();
  b.resize(header + 40, '\0');
  b.replace(header, 5, ".rsrc");
  Put32(b, header + 8, static_cast<uint32_t>(section.size()));
  Put32(b, header + 12, SectionRva);
  Put32(b, header + 16, static_cast<uint32_t>(section.size()));
  Put32(b, header + 20, SectionFileOffset);
  b.resize(SectionFileOffset, '\0');
  return b + section;
}

}  // namespace zelmora::test
