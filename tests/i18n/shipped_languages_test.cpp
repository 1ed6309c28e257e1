// The language files shipped in lang/ must match the program's own strings:
// English.ini is the generated template, and every translation carries
// exactly the template's keys with the same number of "%s" in each text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "i18n/app_strings.h"
#include "i18n/lang_ini_list.h"
#include "i18n/language_file.h"

namespace zelmora {
namespace {

std::string ShippedLangDir() {
  return JoinPath(ExtractFileDir(ExtractFileDir(ExtractFileDir(ExpandFileName(__FILE__)))), "lang");
}

// "SECTION.key" of every key line, in file order.
std::vector<std::string> KeyLines(const std::string& text) {
  std::vector<std::string> keys;
  std::string section;
  for (const std::string& raw : SplitLines(text)) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    keys.push_back(section + "." + Trim(line.substr(0, line.find('='))));
  }
  return keys;
}

size_t CountPlaceholders(std::string_view text) {
  size_t count = 0;
  for (size_t pos = text.find("%s"); pos != std::string_view::npos; pos = text.find("%s", pos + 2))
    ++count;
  return count;
}

TEST(ShippedLanguages, EnglishIsTheGeneratedTemplate) {
  Result<std::string> english = ReadWholeFile(JoinPath(ShippedLangDir(), "English.ini"));
  ASSERT_TRUE(english.ok()) << "regenerate lang/English.ini with `zelmora-cli strings`";
  EXPECT_EQ(english.value(), EnglishLanguageFileText())
      << "regenerate lang/English.ini with `zelmora-cli strings`";
}

TEST(ShippedLanguages, EveryTranslationHasExactlyTheTemplatesKeys) {
  const std::vector<std::string> templateKeys = KeyLines(EnglishLanguageFileText());
  const TLangIniList list = PrepareLangIniList(ShippedLangDir());
  ASSERT_GE(list.Items().size(), 4u);
  for (const TLangIniListItem& item : list.Items()) {
    Result<std::string> text = ReadWholeFile(item.FileName);
    ASSERT_TRUE(text.ok()) << item.FileName;
    EXPECT_EQ(KeyLines(DecodeLanguageText(text.value())), templateKeys) << item.FileName;
    EXPECT_FALSE(item.LangName_InEnglish.empty()) << item.FileName;
    EXPECT_FALSE(item.LangName_Native.empty()) << item.FileName;
  }
}

TEST(ShippedLanguages, TranslationsKeepThePlaceholdersAndTranslateTheCaptions) {
  for (const char* name : {"Polish.ini", "German.ini", "French.ini"}) {
    TAppStrings strings;
    ASSERT_TRUE(LoadFromFile(strings, JoinPath(ShippedLangDir(), name))) << name;
    EXPECT_NE(strings.Main.actConvert, "Convert checked files") << name;
    EXPECT_EQ(strings.LanguageName + ".ini", name);
    for (const AppStringEntry& entry : AppStringTable()) {
      EXPECT_EQ(CountPlaceholders(entry.Of(strings)), CountPlaceholders(entry.english))
          << name << " " << entry.group << "." << entry.key;
    }
  }
}

}  // namespace
}  // namespace zelmora
