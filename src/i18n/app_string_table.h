#pragma once

// Building blocks of the interface-string table; used only inside src/i18n.

#include <vector>

#include "i18n/app_strings.h"

// One table row: language-file section, key, the field it fills and its English
// text. A captureless lambda is the field accessor, so every row names a real
// member and a misspelt field fails to compile.
#define ZELMORA_APP_STRING_KEY(group, section, field, key, text)                                   \
  ::zelmora::AppStringEntry {                                                                      \
    section, key, #field, [](::zelmora::TAppStrings& s) -> std::string& { return s.group.field; }, \
        text                                                                                       \
  }

#define ZELMORA_APP_STRING(group, section, field, text) \
  ZELMORA_APP_STRING_KEY(group, section, field, #field, text)

namespace zelmora {

// Each appends its group's rows in field order.
void AppendMainStrings(std::vector<AppStringEntry>& table);
void AppendWindowStrings(std::vector<AppStringEntry>& table);  // every group but Main

}  // namespace zelmora
