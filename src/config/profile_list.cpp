#include "config/profile_list.h"

#include <algorithm>
#include <set>
#include <utility>

#include "base/files.h"
#include "base/ini_document.h"
#include "base/numbers.h"
#include "base/paths.h"
#include "base/text.h"
#include "config/profile_colors.h"
#include "config/profile_file.h"
#include "i18n/app_strings.h"

namespace zelmora {

namespace {

constexpr TColor FixedItemBackground{236, 244, 238};
constexpr TColor Black{0, 0, 0};
constexpr TColor EqualColorsBackground{51, 51, 51};
constexpr TColor EqualColorsText{230, 230, 230};

// Position of an ASCII tag in the text, ignoring the case of its letters.
size_t FindAsciiText(std::string_view text, std::string_view tag) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower.find(tag);
}

std::string CutBeforeTag(std::string name, std::string_view tag) {
  const size_t pos = FindAsciiText(name, tag);
  if (pos != std::string::npos) name.resize(pos);
  return name;
}

// Profiles write "2.5" whatever the user's locale, so the point is made the
// locale's mark before the locale-aware parse.
double ParseSortIndex(std::string text) {
  if (const size_t dot = text.find('.'); dot != std::string::npos) text[dot] = DecimalSeparator();
  return ParseDecimal(text).value_or(-1);
}

void QuickSort(std::vector<TProfileInfo>& list, int l, int r) {
  int i = l;
  int j = r;
  const double p = list[static_cast<size_t>((l + r) / 2)].SortIndex;
  while (i <= j) {
    while (list[static_cast<size_t>(i)].SortIndex < p) ++i;
    while (list[static_cast<size_t>(j)].SortIndex > p) --j;
    if (i <= j) {
      std::swap(list[static_cast<size_t>(i)], list[static_cast<size_t>(j)]);
      ++i;
      --j;
    }
  }
  if (l < j) QuickSort(list, l, j);
  if (i < r) QuickSort(list, i, r);
}

TProfileSelectorItem EntryItem(const TProfileInfo& info) {
  TProfileSelectorItem item;
  item.Text = ReplaceAll(ReplaceAll(info.DisplayName, "\\n", "\n"), "\\t", "\t");
  item.Background = info.BgColor;
  item.TextColor = info.FontColor;
  if (item.Background == ProfileWhite && item.TextColor == ProfileWhite) {
    item.Background = FixedItemBackground;
    item.TextColor = Black;
  }
  return item;
}

// The "*.ini" files of the folders, the first folder's file winning over a
// later one of the same name, in the order of their names ignoring case.
std::vector<std::string> ProfileFiles(const std::vector<std::string>& dirs) {
  std::vector<std::string> paths;
  std::set<std::string> names;
  for (const std::string& dir : dirs) {
    for (const std::string& name : ListFiles(dir)) {
      if (name.size() > 4 && EndsWithText(name, ".ini") && names.insert(name).second)
        paths.push_back(JoinPath(dir, name));
    }
  }
  std::stable_sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
    return CompareText(ExtractFileName(a), ExtractFileName(b)) < 0;
  });
  return paths;
}

std::vector<TProfileInfo> ListProfiles(const std::vector<std::string>& dirs,
                                       const std::string& lastProfileFile) {
  std::vector<TProfileInfo> list;
  for (const std::string& path : ProfileFiles(dirs)) {
    if (path != lastProfileFile) AP_AddProfile(path, list);
  }
  SortProfiles(list);
  return list;
}

}  // namespace

bool AP_AddProfile(const std::string& fName, std::vector<TProfileInfo>& list) {
  if (!FileExists(fName)) return false;
  IniDocument ini;
  if (!ini.LoadFromFile(fName)) return false;
  if (!SameText(ini.ReadString("MAIN", "AppVer", ""), ProfileAppVer) ||
      !SameText(ini.ReadString("MAIN", "AppName", ""), ProfileAppName)) {
    return false;
  }
  TProfileInfo info;
  info.ShortFileName = ExtractFileName(fName);
  info.FileName = fName;
  std::string name = ini.ReadString("MAIN", "DisplayName", "");
  if (name.empty()) name = ExtractFileNameNoExt(fName);
  info.DisplayName = CutBeforeTag(CutBeforeTag(std::move(name), "[clb="), "[clf=");
  info.SortIndex = ParseSortIndex(ini.ReadString("MAIN", "SortIndex", "-1"));
  info.BgColor = ProfileColorOrWhite(ini.ReadString("MAIN", "BgColor", "#FFFFFF"));
  info.FontColor = ProfileColorOrWhite(ini.ReadString("MAIN", "FontColor", "#FFFFFF"));
  list.push_back(std::move(info));
  return true;
}

std::vector<TProfileInfo> GetProfiles(const std::string& profilesDir,
                                      const std::string& lastProfileFile) {
  return ListProfiles({profilesDir}, lastProfileFile);
}

std::vector<TProfileInfo> GetProfiles(const TAppParams& params) {
  if (!params.Installed || params.ShippedProfilesDir == params.ProfilesDir)
    return GetProfiles(params.ProfilesDir, params.LastProfileFile);
  return ListProfiles({params.ProfilesDir, params.ShippedProfilesDir}, params.LastProfileFile);
}

void SortProfiles(std::vector<TProfileInfo>& list) {
  if (!list.empty()) QuickSort(list, 0, static_cast<int>(list.size()) - 1);
}

std::vector<TProfileSelectorItem> ProfileSelectorItems(const std::vector<TProfileInfo>& list,
                                                       const TAppStrings& strings) {
  std::vector<TProfileSelectorItem> items = {
      {strings.Main.cbProfile_TheLastSessionSettings, FixedItemBackground, Black, false},
      {strings.Main.cbProfile_DefaultSettings, FixedItemBackground, Black, true},
  };
  for (const TProfileInfo& info : list) items.push_back(EntryItem(info));
  for (TProfileSelectorItem& item : items) {
    // Text in the colour of its ground would be invisible.
    if (item.Background == item.TextColor) {
      item.Background = EqualColorsBackground;
      item.TextColor = EqualColorsText;
    }
  }
  return items;
}

TProfileChoice ChooseSelectorItem(int itemIndex, const std::vector<TProfileInfo>& list,
                                  const std::string& profilesDir,
                                  const std::string& lastProfileFile) {
  if (itemIndex == 0) return {TProfileChoice::pcLastSession, lastProfileFile};
  if (itemIndex == 1) return {TProfileChoice::pcDefaults, {}};
  if (itemIndex < 0 || list.empty()) return {};
  size_t entry = static_cast<size_t>(itemIndex - 2);
  if (entry >= list.size()) entry = 0;
  const TProfileInfo& info = list[entry];
  return {TProfileChoice::pcProfileFile,
          info.FileName.empty() ? JoinPath(profilesDir, info.ShortFileName) : info.FileName};
}

bool ApplyProfileChoice(const TProfileChoice& choice, EncoderSettings& settings,
                        const TAppStrings& strings, int defaultVideoCodecIndex) {
  switch (choice.Kind) {
    case TProfileChoice::pcNothing:
      return false;
    case TProfileChoice::pcDefaults:
      SetDefaultParams(settings, defaultVideoCodecIndex, strings);
      return true;
    case TProfileChoice::pcLastSession:
    case TProfileChoice::pcProfileFile:
      return LoadProfile(choice.File, settings, strings, defaultVideoCodecIndex);
  }
  return false;
}

int SelectorItemAfterSave(const std::string& savedFile, const std::string& profilesDir,
                          const std::vector<TProfileInfo>& list) {
  if (!SameText(NormalizeDir(ExtractFileDir(savedFile)), NormalizeDir(profilesDir))) return -1;
  const std::string name = ExtractFileName(savedFile);
  for (size_t i = 0; i < list.size(); ++i) {
    if (SameText(list[i].ShortFileName, name)) return static_cast<int>(i) + 2;
  }
  return 0;
}

void PrepareProfiles(const TAppParams& params, EncoderSettings& settings,
                     const TAppStrings& strings, int defaultVideoCodecIndex) {
  if (!DirectoryExists(params.ProfilesDir)) CreateDirectories(params.ProfilesDir);
  LoadProfile(params.LastProfileFile, settings, strings, defaultVideoCodecIndex);
}

void SaveLastProfile(const TAppParams& params, const EncoderSettings& settings,
                     const TAppStrings& strings) {
  SaveProfile(params.LastProfileFile, settings, strings);  // a failure only loses this session
}

}  // namespace zelmora
