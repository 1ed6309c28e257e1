#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace zelmora {

// An INI file read and written key by key. Section and key names are matched
// without regard to case. Writing a key updates its line in place, appends a
// missing key at the end of its section and a missing section at the end of
// the file; every other line (comments, keys written by hand) is kept.
class IniDocument {
public:
  static constexpr size_t MaxValueLength = 2047;

  IniDocument();
  ~IniDocument();
  IniDocument(const IniDocument& other);
  IniDocument& operator=(const IniDocument& other);

  // Reads the file; a missing or unreadable file gives an empty document and
  // an error. A UTF-8 or UTF-16 (LE/BE) byte-order mark selects the
  // encoding, otherwise UTF-8 (invalid bytes become U+FFFD).
  Status LoadFromFile(const std::string& path);
  void LoadFromText(std::string_view bytes);
  // UTF-8 without byte-order mark, LF line ends, through a temporary file.
  Status SaveToFile(const std::string& path) const;
  std::string Text() const;

  bool SectionExists(std::string_view section) const;
  bool KeyExists(std::string_view section, std::string_view key) const;
  // Section names in file order (first spelling of each).
  std::vector<std::string> Sections() const;
  // Key names of a section in file order (first occurrence of each).
  std::vector<std::string> Keys(std::string_view section) const;

  // Keys before the first section header belong to the section "".

  // Value of the first occurrence: trimmed, one pair of surrounding double or
  // single quotes removed, cut to MaxValueLength characters.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // Decimal or "0x" hexadecimal; missing or unparsable gives def.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  int64_t ReadInt64(std::string_view section, std::string_view key, int64_t def) const;
  // True for any integer other than 0; missing or unparsable gives def.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  // Written as it is; a value that reading would change (surrounding blanks
  // or quotes) is enclosed in double quotes, line breaks become blanks.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int64_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);  // "1"/"0"

  void EraseKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace zelmora
