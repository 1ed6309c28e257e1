#include "i18n/app_strings.h"

#include <string>
#include <unordered_map>

#include "i18n/app_string_table.h"

namespace zelmora {

// The table check below counts fields by size, which holds only while every group
// is a plain run of std::string members.
static_assert(sizeof(TMainModuleStrings) == 176 * sizeof(std::string));
static_assert(sizeof(TErrorsModuleStrings) == 5 * sizeof(std::string));
static_assert(sizeof(TFileInfoModuleStrings) == 58 * sizeof(std::string));
static_assert(sizeof(TOptionsModuleStrings) == 21 * sizeof(std::string));
static_assert(sizeof(TProgressModuleStrings) == 15 * sizeof(std::string));
static_assert(sizeof(TAboutModuleStrings) == 2 * sizeof(std::string));
static_assert(sizeof(TToolsInfoModuleStrings) == 2 * sizeof(std::string));
static_assert(sizeof(TCheckUpdateModuleStrings) == 12 * sizeof(std::string));

namespace {

std::vector<AppStringEntry> BuildTable() {
  std::vector<AppStringEntry> table;
  table.reserve(291);
  AppendMainStrings(table);
  AppendWindowStrings(table);
  return table;
}

const std::unordered_map<std::string, const AppStringEntry*>& LookupIndex() {
  static const auto index = [] {
    std::unordered_map<std::string, const AppStringEntry*> map;
    for (const AppStringEntry& entry : AppStringTable()) {
      map.emplace(AppStringLookupName(entry.group, entry.key), &entry);
    }
    return map;
  }();
  return index;
}

void ReplaceEvery(std::string& s, std::string_view from, std::string_view to) {
  for (size_t pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size())) {
    s.replace(pos, from.size(), to);
  }
}

// Replaces the first "%s" at or after `from`; returns the position just past the
// inserted text, or npos when there was no "%s" left.
size_t ReplaceFirstPlaceholder(std::string& s, size_t from, std::string_view arg) {
  const size_t pos = s.find("%s", from);
  if (pos == std::string::npos) return std::string::npos;
  s.replace(pos, 2, arg);
  return pos + arg.size();
}

}  // namespace

TAppStrings::TAppStrings() {
  SetEN();
}

void TAppStrings::SetEN() {
  LanguageName = "English";
  for (const AppStringEntry& entry : AppStringTable()) entry.Of(*this) = entry.english;
}

const std::string& AppStringEntry::Of(const TAppStrings& strings) const {
  // The accessor only forms a reference; reading through it never writes.
  return member(const_cast<TAppStrings&>(strings));
}

const std::vector<AppStringEntry>& AppStringTable() {
  static const std::vector<AppStringEntry> table = BuildTable();
  return table;
}

const std::vector<std::string_view>& AppStringGroups() {
  static const std::vector<std::string_view> groups = [] {
    std::vector<std::string_view> names;
    for (const AppStringEntry& entry : AppStringTable()) {
      if (names.empty() || names.back() != entry.group) names.emplace_back(entry.group);
    }
    return names;
  }();
  return groups;
}

const AppStringEntry* FindAppStringEntry(std::string_view group, std::string_view key) {
  const auto& index = LookupIndex();
  const auto it = index.find(AppStringLookupName(group, key));
  return it == index.end() ? nullptr : it->second;
}

std::string* FindAppString(TAppStrings& strings, std::string_view group, std::string_view key) {
  const AppStringEntry* entry = FindAppStringEntry(group, key);
  return entry ? &entry->Of(strings) : nullptr;
}

std::string ExpandMessageText(std::string_view text, std::string_view arg1, std::string_view arg2) {
  std::string s(text);
  ReplaceEvery(s, "\\n", "\r\n");
  ReplaceEvery(s, "\\t", "\t");
  const size_t afterArg1 = ReplaceFirstPlaceholder(s, 0, arg1);
  if (afterArg1 != std::string::npos) ReplaceFirstPlaceholder(s, afterArg1, arg2);
  return s;
}

std::string AppStringLookupName(std::string_view group, std::string_view key) {
  std::string name(group);
  name += '\n';
  name += key;
  // Names are ASCII; other letters simply match only themselves.
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return name;
}

}  // namespace zelmora
