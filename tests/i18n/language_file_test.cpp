#include "i18n/language_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "i18n/app_strings.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::string Utf16(std::u16string_view text, bool bigEndian, bool withBom) {
  std::string bytes;
  if (withBom) bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char hi = static_cast<char>(unit >> 8);
    const char lo = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return bytes;
}

struct EncodingCase {
  const char* name;
  std::string bytes;
  std::string expected;
};

TEST(LanguageFile, DecodesEveryEncodingItMeetsIntoTheSameText) {
  const std::u16string text = u"[MAIN]\r\nactConvert=Konwertuj zaznaczone ł\r\n";
  const std::string utf8 = "[MAIN]\r\nactConvert=Konwertuj zaznaczone \xC5\x82\r\n";
  const std::vector<EncodingCase> cases = {
      {"a UTF-8 file without a byte-order mark", utf8, "Konwertuj zaznaczone \xC5\x82"},
      {"a UTF-8 file with its byte-order mark", "\xEF\xBB\xBF" + utf8,
       "Konwertuj zaznaczone \xC5\x82"},
      {"a UTF-16 LE file", Utf16(text, false, true), "Konwertuj zaznaczone \xC5\x82"},
      {"a UTF-16 BE file", Utf16(text, true, true), "Konwertuj zaznaczone \xC5\x82"},
      {"a UTF-16 LE file saved without its mark", Utf16(text, false, false),
       "Konwertuj zaznaczone \xC5\x82"},
      {"a UTF-16 BE file saved without its mark", Utf16(text, true, false),
       "Konwertuj zaznaczone \xC5\x82"},
      {"an 8-bit file whose bad byte becomes a replacement character",
       "[MAIN]\nactConvert=Konwertuj \xB3\n", "Konwertuj \xEF\xBF\xBD"},
      {"a UTF-16 file cut in the middle of a character",
       Utf16(u"[MAIN]\nactConvert=ab", false, true) + "c", "ab"},
  };
  for (const EncodingCase& c : cases) {
    EXPECT_EQ(LanguageFile::FromText(c.bytes).Read("MAIN", "actConvert", "?"), c.expected)
        << c.name;
  }
}

struct ParseCase {
  const char* name;
  const char* text;
  const char* key;
  const char* expected;  // "<default>" when the key must be missing
};

TEST(LanguageFile, ReadsLinesByTheLanguageFileRules) {
  const std::vector<ParseCase> cases = {
      {"key and value are trimmed", "[MAIN]\n   actConvert   =   Go   \n", "actConvert", "Go"},
      {"whole lines are trimmed before the section test", "  \t[MAIN]  \nactConvert=Go\n",
       "actConvert", "Go"},
      {"a key in capitals is found", "[MAIN]\nACTCONVERT=Go\n", "actConvert", "Go"},
      {"a section in small letters is found", "[main]\nactConvert=Go\n", "actConvert", "Go"},
      {"a present empty key is empty", "[MAIN]\nactConvert=\n", "actConvert", ""},
      {"a comment line is not a key", "[MAIN]\n;actConvert=Go\n", "actConvert", "<default>"},
      {"an indented comment line is not a key", "[MAIN]\n   ; actConvert=Go\n", "actConvert",
       "<default>"},
      {"a key before every section belongs to none", "actConvert=Go\n[MAIN]\n", "actConvert",
       "<default>"},
      {"a line without = is skipped", "[MAIN]\nactConvert\nactExit=Bye\n", "actConvert",
       "<default>"},
      {"the first of two equal keys wins", "[MAIN]\nactConvert=One\nACTCONVERT=Two\n", "actConvert",
       "One"},
      {"a repeated section adds to the first",
       "[MAIN]\na=1\n[Errors]\nb=2\n[MAIN]\nactConvert=Go\n", "actConvert", "Go"},
      {"an = inside the value stays", "[MAIN]\nactConvert=a=b\n", "actConvert", "a=b"},
      {"quotes around a value stay", "[MAIN]\nactConvert=\"%s\"\n", "actConvert", "\"%s\""},
      {"escapes stay literal", "[MAIN]\nactConvert=a\\nb\\tc %s\n", "actConvert", "a\\nb\\tc %s"},
      {"CR alone ends a line", "[MAIN]\ractConvert=Go\r", "actConvert", "Go"},
      {"a section header without its bracket opens nothing", "[Errors]\n[MAIN\nactConvert=Go\n",
       "actConvert", "<default>"},
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(LanguageFile::FromText(c.text).Read("MAIN", c.key, "<default>"), c.expected)
        << c.name;
  }
}

TEST(LoadFromFile, AMissingFileChangesNothing) {
  TAppStrings strings;
  strings.Main.actConvert = "kept";
  EXPECT_FALSE(LoadFromFile(strings, "/nonexistent/Polish.ini"));
  EXPECT_EQ(strings.Main.actConvert, "kept");
  EXPECT_EQ(strings.LanguageName, "English");
}

TEST(LoadFromFile, APartialFileTranslatesItsKeysAndSwitchingAwayLeavesNoTrace) {
  test::TempDir dir;
  const std::string partial = dir.write("Partial.ini", "[MAIN]\nACTCONVERT=Konwertuj\n");
  std::string complete = EnglishLanguageFileText();
  complete = complete.substr(0, complete.find("[MAIN]")) + "[MAIN]\nactExit=Ende\n";
  const std::string full = dir.write("Full.ini", complete);

  TAppStrings strings;
  ASSERT_TRUE(LoadFromFile(strings, partial));
  EXPECT_EQ(strings.Main.actConvert, "Konwertuj");
  EXPECT_EQ(strings.LanguageName, "");  // the file has no INFO
  const TAppStrings english;
  for (const AppStringEntry& entry : AppStringTable()) {
    if (&entry.Of(strings) == &strings.Main.actConvert) continue;
    EXPECT_EQ(entry.Of(strings), entry.Of(english)) << entry.group << "." << entry.key;
  }

  strings.SetEN();
  ASSERT_TRUE(LoadFromFile(strings, full));
  EXPECT_EQ(strings.Main.actConvert, english.Main.actConvert);
  EXPECT_EQ(strings.Main.actExit, "Ende");
  EXPECT_EQ(strings.LanguageName, "English");
}

TEST(LoadFromFile, TheEnglishTemplateRestoresEveryString) {
  test::TempDir dir;
  const std::string path = dir.write("English.ini", EnglishLanguageFileText());
  TAppStrings strings;
  for (const AppStringEntry& entry : AppStringTable()) entry.Of(strings) = "x";
  ASSERT_TRUE(LoadFromFile(strings, path));
  for (const AppStringEntry& entry : AppStringTable()) {
    EXPECT_EQ(entry.Of(strings), entry.english) << entry.group << "." << entry.key;
  }
  EXPECT_EQ(strings.LanguageName, "English");
}

// Broken files must neither crash the reader nor make it crawl.
TEST(LoadFromFile, SurvivesBrokenAndHugeFiles) {
  test::TempDir dir;
  std::mt19937 random(8);
  std::string binary(256 * 1024, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  std::string manyKeys = "[MAIN]\n";
  for (int i = 0; i < 100000; ++i) manyKeys += "key" + std::to_string(i) + "=value\n";
  manyKeys += "actConvert=Last\n";
  const std::vector<std::pair<const char*, std::string>> files = {
      {"random binary bytes", binary},
      {"a 10 MB line", "[MAIN]\nactConvert=" + std::string(10 * 1024 * 1024, 'a') + "\n"},
      {"a 10 MB line without =", "[MAIN]\n" + std::string(10 * 1024 * 1024, 'b') + "\n"},
      {"100,000 keys", manyKeys},
      {"only a byte-order mark", "\xFF\xFE"},
      {"an empty file", ""},
  };
  for (const auto& [name, bytes] : files) {
    TAppStrings strings;
    EXPECT_TRUE(LoadFromFile(strings, dir.write("broken.ini", bytes))) << name;
  }
  TAppStrings strings;
  LoadFromFile(strings, dir.write("many.ini", manyKeys));
  EXPECT_EQ(strings.Main.actConvert, "Last");
}

}  // namespace
}  // namespace zelmora
