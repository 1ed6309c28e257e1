#include "i18n/language_file.h"

#include <string>

#include "base/files.h"
#include "base/text.h"
#include "i18n/app_strings.h"

namespace zelmora {

namespace {

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0));
  }
  return Utf16ToUtf8(units);
}

}  // namespace

std::string DecodeLanguageText(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return SanitizeUtf8(bytes.substr(3));
  if (StartsWith(bytes, "\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (StartsWith(bytes, "\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0')) {
    return DecodeUtf16(bytes, bytes[0] == '\0');
  }
  return SanitizeUtf8(bytes);
}

LanguageFile LanguageFile::FromText(std::string_view bytes) {
  LanguageFile file;
  file.Parse(DecodeLanguageText(bytes));
  return file;
}

bool LanguageFile::Load(const std::string& path) {
  m_values.clear();
  if (!FileExists(path)) return false;
  Result<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return false;
  Parse(DecodeLanguageText(bytes.value()));
  return true;
}

void LanguageFile::Parse(std::string_view text) {
  std::string section;
  bool inSection = false;  // keys before the first section belong to none
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Trim(std::string_view(line).substr(1, line.size() - 2));
      inSection = true;
      continue;
    }
    const size_t eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    const std::string key = Trim(std::string_view(line).substr(0, eq));
    if (key.empty()) continue;
    m_values.emplace(AppStringLookupName(section, key),
                     Trim(std::string_view(line).substr(eq + 1)));
  }
}

bool LanguageFile::HasKey(std::string_view section, std::string_view key) const {
  return m_values.count(AppStringLookupName(section, key)) != 0;
}

std::string LanguageFile::Read(std::string_view section, std::string_view key,
                               std::string_view def) const {
  const auto it = m_values.find(AppStringLookupName(section, key));
  return it == m_values.end() ? std::string(def) : it->second;
}

bool LoadFromFile(TAppStrings& strings, const std::string& fileName) {
  LanguageFile file;
  if (!file.Load(fileName)) return false;
  strings.LanguageName = file.Read("INFO", "LangName_InEnglish", "");
  for (const AppStringEntry& entry : AppStringTable()) {
    std::string& field = entry.Of(strings);
    field = file.Read(entry.group, entry.key, field);
  }
  return true;
}

std::string EnglishLanguageFileText() {
  std::string text =
      "; Zelmora language file: the English interface strings.\n"
      "; To translate, copy this file to <Language>.ini in the lang folder, set the two\n"
      "; names below and translate the values. Keep \\n (line break), \\t (tab) and %s\n"
      "; (inserted text) exactly as they are. A missing key shows the English text.\n"
      "\n[INFO]\nLangName_InEnglish=English\nLangName_Native=English\n";
  std::string_view group;
  for (const AppStringEntry& entry : AppStringTable()) {
    if (group != entry.group) {
      group = entry.group;
      text += "\n[" + std::string(group) + "]\n";
    }
    text += std::string(entry.key) + "=" + entry.english + "\n";
  }
  return text;
}

}  // namespace zelmora
