#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/app_string_groups.h"

namespace zelmora {

// Every text the program itself shows. It starts out English; a language file
// overlays it. Windows copy what they need from here whenever the language changes
// and never keep texts of their own. Texts keep "\n", "\t" and "%s" literally, as
// language files write them; ExpandMessageText turns them into display form.
class TAppStrings {
public:
  TAppStrings();

  // Back to the built-in English texts (Main.btnStayOnTop stays empty: that toolbar
  // button shows only its icon).
  void SetEN();

  TMainModuleStrings Main;
  TErrorsModuleStrings Errors;
  TFileInfoModuleStrings FileInfo;
  TOptionsModuleStrings Options;
  TProgressModuleStrings Progress;
  TAboutModuleStrings About;
  TToolsInfoModuleStrings ToolsInfo;
  TCheckUpdateModuleStrings CheckUpdate;
  std::string LanguageName;  // English name of the loaded language
};

// One interface string: where it lives in a language file, which field holds it
// and its English text. The table is what SetEN, the language-file reader and a
// translator's template all walk, so the three can never disagree.
struct AppStringEntry {
  const char* group;  // language-file section: "MAIN", "Errors", "FileInfo", ...
  const char* key;    // language-file key
  const char* field;  // field name; differs from key only for Main.chKeepDates/KeepDates
  std::string& (*member)(TAppStrings&);
  std::string english;

  std::string& Of(TAppStrings& strings) const { return member(strings); }
  const std::string& Of(const TAppStrings& strings) const;
};

// All interface strings, group by group in the order of TAppStrings, each group
// in field order.
const std::vector<AppStringEntry>& AppStringTable();

// The language-file sections in table order ("MAIN", "Errors", ..., "CheckUpdate").
const std::vector<std::string_view>& AppStringGroups();

// The entry of a section and key, both matched without regard to letter case;
// nullptr when there is none.
const AppStringEntry* FindAppStringEntry(std::string_view group, std::string_view key);
// The look-up name of a section and key: both ASCII upper-cased, joined by a
// line break (never part of a name), so "A"+"BC" and "AB"+"C" differ.
std::string AppStringLookupName(std::string_view group, std::string_view key);

// The field of a section and key (matched without regard to case); nullptr when
// there is none.
std::string* FindAppString(TAppStrings& strings, std::string_view group, std::string_view key);

// The display form of an interface string: every "\n" (backslash, n) becomes
// CR LF and every "\t" a tab; then the first "%s" is replaced by arg1, and after
// that the first "%s" of the result by arg2. An empty argument just removes its
// "%s". Nothing else is touched. The second "%s" is looked for after the inserted
// arg1, so an argument that itself contains "%s" (a file name may) never captures
// arg2 and the second argument still lands at the second place.
std::string ExpandMessageText(std::string_view text, std::string_view arg1 = {},
                              std::string_view arg2 = {});

}  // namespace zelmora
