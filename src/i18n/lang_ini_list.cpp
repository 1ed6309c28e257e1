#include "i18n/lang_ini_list.h"

#include <algorithm>
#include <utility>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "i18n/app_strings.h"
#include "i18n/language_file.h"
#include "platform/environment.h"

namespace zelmora {

namespace {

// The language files a locale's language code leads to. Languages that share
// one file (every Portuguese, every Chinese, the Norwegian variants, the
// languages written with Croatian letters) list each of their codes.
constexpr std::pair<std::string_view, std::string_view> LocaleFiles[] = {
    {"ar", "Arabic.ini"},     {"bg", "Bulgarian.ini"},     {"zh", "Chinese_Simplified.ini"},
    {"cs", "Czech.ini"},      {"da", "Danish.ini"},        {"de", "German.ini"},
    {"el", "Greek.ini"},      {"es", "Spanish.ini"},       {"fi", "Finnish.ini"},
    {"fr", "French.ini"},     {"he", "Hebrew.ini"},        {"iw", "Hebrew.ini"},
    {"hu", "Hungarian.ini"},  {"is", "Icelandic.ini"},     {"it", "Italian.ini"},
    {"ja", "Japanese.ini"},   {"ko", "Korean.ini"},        {"nl", "Dutch.ini"},
    {"no", "Norwegian.ini"},  {"nb", "Norwegian.ini"},     {"nn", "Norwegian.ini"},
    {"pl", "Polish.ini"},     {"pt", "Portuguese_BR.ini"}, {"ro", "Romanian.ini"},
    {"ru", "Russian.ini"},    {"hr", "Croatian.ini"},      {"sr", "Croatian.ini"},
    {"bs", "Croatian.ini"},   {"sk", "Slovak.ini"},        {"sq", "Albanian.ini"},
    {"sv", "Swedish.ini"},    {"th", "Thai.ini"},          {"tr", "Turkish.ini"},
    {"uk", "Ukrainian.ini"},  {"be", "Belarusian.ini"},    {"sl", "Slovenian.ini"},
    {"et", "Estonian.ini"},   {"lv", "Latvian.ini"},       {"lt", "Lithuanian.ini"},
    {"vi", "Vietnamese.ini"},
};

bool SameTrimmedText(std::string_view a, std::string_view b) {
  return UpperCase(Trim(a)) == UpperCase(Trim(b));
}

}  // namespace

void TLangIniList::AddIniFilesFromDir(const std::string& dir, std::string_view ext) {
  if (!DirectoryExists(dir)) return;
  if (StartsWith(ext, ".")) ext.remove_prefix(1);
  const std::string suffix = "." + std::string(ext);
  for (const std::string& name : ListFiles(dir)) {
    // The mask matches as the reference platform's does: without regard to case.
    if (name.size() <= suffix.size() || !EndsWithText(name, suffix)) continue;
    LanguageFile file;
    const std::string path = JoinPath(dir, name);
    if (!file.Load(path)) continue;
    TLangIniListItem item;
    item.DisplayName = file.Read(SectionWithDisplayName, DisplayNameID, "");
    if (item.DisplayName.empty()) continue;
    item.FileName = path;
    item.LangName_InEnglish = file.Read(SectionWithDisplayName, "LangName_InEnglish", "");
    item.LangName_Native = file.Read(SectionWithDisplayName, "LangName_Native", "");
    m_items.push_back(std::move(item));
  }
}

const TLangIniListItem* TLangIniList::GetItemByNativeName(std::string_view nativeName) const {
  for (const TLangIniListItem& item : m_items) {
    if (SameTrimmedText(item.LangName_Native, nativeName)) return &item;
  }
  return nullptr;
}

const TLangIniListItem* TLangIniList::GetItemByShortFileName(std::string_view shortFileName) const {
  for (const TLangIniListItem& item : m_items) {
    if (SameTrimmedText(ExtractFileName(item.FileName), shortFileName)) return &item;
  }
  return nullptr;
}

TLangIniList PrepareLangIniList(const std::string& langDir) {
  TLangIniList list;
  list.SectionWithDisplayName = "INFO";
  list.DisplayNameID = "LangName_InEnglish";
  list.AddIniFilesFromDir(langDir, "ini");
  return list;
}

std::string LocaleLanguageFile(std::string_view localeName) {
  // "pt_PT.UTF-8@euro": the language code is what comes before "_", "." or "@".
  const std::string code = LowerCase(localeName.substr(0, localeName.find_first_of("_.@")));
  for (const auto& [language, file] : LocaleFiles) {
    if (code == language) return std::string(file);
  }
  return "English.ini";
}

std::string UserLocaleName() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::string value = GetEnvironmentVariable(name);
    if (!value.empty()) return value;
  }
  return {};
}

TLangIniList InitLang(const TLangStartup& startup, TAppStrings& strings, std::string& languageIni) {
  TLangIniList list = PrepareLangIniList(startup.LangDir);
  if (!startup.FirstStart) {
    languageIni = startup.StoredLanguageIni;
    if (!languageIni.empty()) LoadFromFile(strings, JoinPath(startup.LangDir, languageIni));
    return list;
  }
  const std::string fileName = LocaleLanguageFile(startup.LocaleName);
  const std::string path = JoinPath(startup.LangDir, fileName);
  if (FileExists(path)) languageIni = fileName;
  LoadFromFile(strings, path);
  return list;
}

bool ChangeLanguage(std::string_view nativeName, const TLangIniList& list, TAppStrings& strings,
                    std::string& languageIni, const TLanguageObservers& observers) {
  const TLangIniListItem* item = list.GetItemByNativeName(nativeName);
  if (!item) return false;
  languageIni = ExtractFileName(item->FileName);
  strings.SetEN();
  LoadFromFile(strings, item->FileName);
  observers.NotifyAll();
  return true;
}

}  // namespace zelmora
