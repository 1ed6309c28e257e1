#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace zelmora {

class TAppStrings;

// A language file read whole: the text decoded by its byte-order mark, every
// line trimmed, ";" lines and blank lines skipped, "[name]" opening a section,
// "key=value" lines kept with key and value trimmed. Section and key names are
// matched without regard to letter case; the first occurrence of a key wins.
// Values are taken as they stand (no quotes removed, no length cap), so a
// translation keeps its "\n", "\t" and "%s" exactly.
class LanguageFile {
public:
  LanguageFile() = default;
  static LanguageFile FromText(std::string_view bytes);

  // false when the file is missing or unreadable (the document stays empty).
  bool Load(const std::string& path);

  bool HasKey(std::string_view section, std::string_view key) const;
  std::string Read(std::string_view section, std::string_view key, std::string_view def) const;
  size_t KeyCount() const { return m_values.size(); }

private:
  void Parse(std::string_view utf8Text);

  std::unordered_map<std::string, std::string> m_values;  // "SECTION\nKEY" -> value
};

// Decodes a language file to UTF-8: a UTF-8, UTF-16 LE or UTF-16 BE byte-order
// mark selects the encoding; without one the bytes are UTF-8. A file without a
// mark whose first two bytes hold one NUL is UTF-16 saved without a mark (no
// 8-bit text contains NUL) and is decoded as such. Invalid sequences become
// U+FFFD.
std::string DecodeLanguageText(std::string_view bytes);

// TAppStrings.LoadFromFile: overlays the strings with a language file. A
// missing or unreadable file changes nothing. Otherwise LanguageName becomes
// INFO/LangName_InEnglish (empty when missing) and every field is read from its
// section with its current text as default. Nothing is reset first: callers
// call SetEN before, so keys the file lacks show English, not the previous
// language. Returns whether the file was read.
bool LoadFromFile(TAppStrings& strings, const std::string& fileName);

// The complete English language file: INFO, then every section and key in
// table order with its English text. What "English.ini" holds and what a
// translator starts from.
std::string EnglishLanguageFileText();

}  // namespace zelmora
