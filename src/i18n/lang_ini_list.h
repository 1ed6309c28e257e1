#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

class TAppStrings;

// One language offered in the options window.
struct TLangIniListItem {
  std::string FileName;  // full path
  std::string DisplayName;
  std::string LangName_InEnglish;
  std::string LangName_Native;
};

// The languages found in the language folder, in the folder listing's order.
class TLangIniList {
public:
  std::string SectionWithDisplayName = "INFO";
  std::string DisplayNameID = "LangName_InEnglish";

  // Adds every "*.<ext>" file directly in dir (a leading "." of ext is
  // ignored) whose display-name key is not empty. A missing folder adds nothing.
  void AddIniFilesFromDir(const std::string& dir, std::string_view ext);

  // The first item whose native name, or whose file name without folder,
  // equals the given text after both are trimmed and upper-cased; nullptr
  // when there is none.
  const TLangIniListItem* GetItemByNativeName(std::string_view nativeName) const;
  const TLangIniListItem* GetItemByShortFileName(std::string_view shortFileName) const;

  const std::vector<TLangIniListItem>& Items() const { return m_items; }

private:
  std::vector<TLangIniListItem> m_items;
};

// A fresh list of the language files in langDir.
TLangIniList PrepareLangIniList(const std::string& langDir);

// The language file for the user's locale: the language code of a locale name
// such as "pt_PT.UTF-8" or "de" mapped to its file ("Portuguese_BR.ini" for
// every Portuguese, "Chinese_Simplified.ini" for every Chinese); "English.ini"
// for a language without a file of its own, "C", "POSIX" and "".
std::string LocaleLanguageFile(std::string_view localeName);
// The locale name that decides the interface language: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty.
std::string UserLocaleName();

// Where the language start-up works. The settings file is read by the layer
// above; it passes the first-start flag and the stored language name in.
struct TLangStartup {
  std::string LangDir;
  bool FirstStart = true;
  std::string StoredLanguageIni;  // MAIN/LanguageIni of the settings file
  std::string LocaleName;         // UserLocaleName() in the program
};

// InitLang: builds the language list, then picks the language. After the first
// start the stored name wins (and is loaded, when it names a file). At first
// start the locale's file is loaded, and remembered in languageIni only when
// it exists. Callers start from SetEN strings.
TLangIniList InitLang(const TLangStartup& startup, TAppStrings& strings, std::string& languageIni);

// The windows that re-label themselves when the language changes, called in
// the order they were added (options, main, progress, about, errors, file
// information, command line, tool information, update check).
class TLanguageObservers {
public:
  void Add(std::function<void()> setLang) { m_setLang.push_back(std::move(setLang)); }
  void NotifyAll() const {
    for (const auto& setLang : m_setLang) setLang();
  }

private:
  std::vector<std::function<void()>> m_setLang;
};

// The language change of the options window: finds the item by the native
// name shown in the list (false, nothing changed, when there is none),
// remembers its file name in languageIni, resets the strings to English, loads
// the file and lets every window re-label itself.
bool ChangeLanguage(std::string_view nativeName, const TLangIniList& list, TAppStrings& strings,
                    std::string& languageIni, const TLanguageObservers& observers);

}  // namespace zelmora
