#include "i18n/lang_ini_list.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "i18n/app_strings.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::string LanguageText(const char* english, const char* native, const char* convert) {
  return std::string("[INFO]\nLangName_InEnglish=") + english + "\nLangName_Native=" + native +
         "\n[MAIN]\nactConvert=" + convert + "\n";
}

class LangFolder : public ::testing::Test {
protected:
  void SetUp() override {
    dir.write("Polish.ini", LanguageText("Polish", "Polski", "Konwertuj"));
    dir.write("French.ini", LanguageText("French", "Français", "Convertir"));
    dir.write("Shouty.INI", LanguageText("Shouty", "SHOUTY", "CONVERT"));
    dir.write("NoInfo.ini", "[MAIN]\nactConvert=Hidden\n");
    dir.write("Readme.txt", LanguageText("Readme", "Readme", "x"));
    dir.write("sub/Inner.ini", LanguageText("Inner", "Inner", "x"));
  }

  test::TempDir dir;
};

TEST_F(LangFolder, ListsLanguageFilesWithANameDirectlyInTheFolder) {
  for (const char* ext : {"ini", ".ini"}) {
    TLangIniList list;
    list.AddIniFilesFromDir(dir.path(), ext);
    std::vector<std::string> names;
    for (const TLangIniListItem& item : list.Items()) names.push_back(item.DisplayName);
    EXPECT_EQ(names, (std::vector<std::string>{"French", "Polish", "Shouty"})) << ext;
  }
  const TLangIniList list = PrepareLangIniList(dir.path());
  ASSERT_EQ(list.Items().size(), 3u);
  EXPECT_EQ(list.Items()[1].FileName, dir.file("Polish.ini"));
  EXPECT_EQ(list.Items()[1].LangName_Native, "Polski");
  EXPECT_TRUE(PrepareLangIniList(dir.file("missing")).Items().empty());
}

TEST_F(LangFolder, FindsItemsByNativeNameAndFileNameIgnoringCaseAndBlanks) {
  const TLangIniList list = PrepareLangIniList(dir.path());
  struct Case {
    const char* name;
    const TLangIniListItem* found;
    const char* expected;  // LangName_InEnglish, or nullptr for none
  };
  const std::vector<Case> cases = {
      {"native name as shown", list.GetItemByNativeName("Polski"), "Polish"},
      {"native name in capitals with blanks", list.GetItemByNativeName("  POLSKI "), "Polish"},
      {"native name with a non-ASCII capital", list.GetItemByNativeName("FRANÇAIS"), "French"},
      {"unknown native name", list.GetItemByNativeName("Deutsch"), nullptr},
      {"native name of a file without INFO", list.GetItemByNativeName(""), nullptr},
      {"file name in small letters", list.GetItemByShortFileName("polish.ini"), "Polish"},
      {"file name with blanks", list.GetItemByShortFileName(" shouty.ini "), "Shouty"},
      {"file name that is not listed", list.GetItemByShortFileName("NoInfo.ini"), nullptr},
  };
  for (const Case& c : cases) {
    if (c.expected == nullptr) {
      EXPECT_EQ(c.found, nullptr) << c.name;
    } else {
      ASSERT_NE(c.found, nullptr) << c.name;
      EXPECT_EQ(c.found->LangName_InEnglish, c.expected) << c.name;
    }
  }
}

TEST(LocaleLanguageFile, MapsTheLanguageCodeWhateverTheCountry) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"pt_PT.UTF-8", "Portuguese_BR.ini"},
      {"pt_BR.UTF-8", "Portuguese_BR.ini"},
      {"ca_ES.UTF-8", "English.ini"},
      {"zh_TW.UTF-8", "Chinese_Simplified.ini"},
      {"de_AT@euro", "German.ini"},
      {"pl", "Polish.ini"},
      {"fr_CA", "French.ini"},
      {"nb_NO.UTF-8", "Norwegian.ini"},
      {"sr_RS@latin", "Croatian.ini"},
      {"en_GB.UTF-8", "English.ini"},
      {"C", "English.ini"},
      {"POSIX", "English.ini"},
      {"C.UTF-8", "English.ini"},
      {"", "English.ini"},
      {"PL_pl", "Polish.ini"},
  };
  for (const auto& [locale, file] : cases) EXPECT_EQ(LocaleLanguageFile(locale), file) << locale;
}

TEST(UserLocaleName, TakesTheFirstOfLcAllLcMessagesAndLangThatIsSet) {
  struct Case {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"pl_PL.UTF-8", "de_DE", "fr_FR", "pl_PL.UTF-8"},
      {"", "de_DE", "fr_FR", "de_DE"},
      {"", "", "fr_FR", "fr_FR"},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    setenv("LC_ALL", c.lcAll, 1);
    setenv("LC_MESSAGES", c.lcMessages, 1);
    setenv("LANG", c.lang, 1);
    EXPECT_EQ(UserLocaleName(), c.expected);
  }
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  unsetenv("LANG");
}

TEST_F(LangFolder, StartsInTheLocalesLanguageOnlyAtFirstStart) {
  struct Case {
    const char* name;
    bool firstStart;
    const char* stored;
    const char* locale;
    const char* languageIni;
    const char* actConvert;
  };
  const std::string english = TAppStrings().Main.actConvert;
  const std::vector<Case> cases = {
      {"first start on a Polish system", true, "French.ini", "pl_PL.UTF-8", "Polish.ini",
       "Konwertuj"},
      {"first start with no file for the locale", true, "", "de_DE.UTF-8", "", nullptr},
      {"first start on a Catalan system without English.ini", true, "", "ca_ES", "", nullptr},
      {"later start with a stored language", false, "French.ini", "pl_PL", "French.ini",
       "Convertir"},
      {"later start without a stored language", false, "", "pl_PL", "", nullptr},
      {"later start with a stored file that is gone", false, "Gone.ini", "pl_PL", "Gone.ini",
       nullptr},
      {"a stored file without INFO still loads", false, "NoInfo.ini", "", "NoInfo.ini", "Hidden"},
  };
  for (const Case& c : cases) {
    TAppStrings strings;
    std::string languageIni;
    const TLangIniList list =
        InitLang({dir.path(), c.firstStart, c.stored, c.locale}, strings, languageIni);
    EXPECT_EQ(list.Items().size(), 3u) << c.name;
    EXPECT_EQ(languageIni, c.languageIni) << c.name;
    EXPECT_EQ(strings.Main.actConvert, c.actConvert ? c.actConvert : english) << c.name;
  }
}

TEST_F(LangFolder, FirstStartOnAnUnknownLanguageTakesEnglishIni) {
  dir.write("English.ini", LanguageText("English", "English", "Convert!"));
  TAppStrings strings;
  std::string languageIni;
  InitLang({dir.path(), true, "", "ca_ES.UTF-8"}, strings, languageIni);
  EXPECT_EQ(languageIni, "English.ini");
  EXPECT_EQ(strings.Main.actConvert, "Convert!");
}

TEST_F(LangFolder, ChangingTheLanguageRelabelsEveryWindowInOrder) {
  const TLangIniList list = PrepareLangIniList(dir.path());
  TAppStrings strings;
  std::string languageIni = "Polish.ini";
  std::vector<std::string> calls;
  TLanguageObservers observers;
  observers.Add([&] { calls.push_back("options:" + strings.Main.actConvert); });
  observers.Add([&] { calls.push_back("main:" + strings.Main.actConvert); });

  EXPECT_FALSE(ChangeLanguage("Klingon", list, strings, languageIni, observers));
  EXPECT_EQ(languageIni, "Polish.ini");
  EXPECT_TRUE(calls.empty());

  strings.Main.actExit = "left over from the previous language";
  ASSERT_TRUE(ChangeLanguage(" français", list, strings, languageIni, observers));
  EXPECT_EQ(languageIni, "French.ini");
  EXPECT_EQ(strings.LanguageName, "French");
  EXPECT_EQ(strings.Main.actExit, TAppStrings().Main.actExit);
  EXPECT_EQ(calls, (std::vector<std::string>{"options:Convertir", "main:Convertir"}));
}

}  // namespace
}  // namespace zelmora
