#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/app_params.h"
#include "core/encoder_settings.h"

namespace zelmora {

class TAppStrings;

// One entry of the profile selector.
struct TProfileInfo {
  std::string ShortFileName;  // file name without folder
  std::string DisplayName;
  double SortIndex = -1;
  TColor BgColor{255, 255, 255};
  TColor FontColor{255, 255, 255};
  std::string FileName;  // full path (the list may gather several folders)
};

// Appends the profile when the file exists and names this program and version
// in MAIN/AppName and MAIN/AppVer (any case). The display name is
// MAIN/DisplayName or the file name without extension, cut before a "[clb="
// or "[clf=" tag; SortIndex is read with "." as the decimal mark whatever the
// locale (-1 when missing or unreadable); colours are white when unreadable.
bool AP_AddProfile(const std::string& fName, std::vector<TProfileInfo>& list);

// Every "*.ini" directly in the profiles folder but "__Last.ini" (its full
// path, lastProfileFile, compared exactly), in the order of their paths
// ignoring case, then sorted by SortIndex with SortProfiles.
std::vector<TProfileInfo> GetProfiles(const std::string& profilesDir,
                                      const std::string& lastProfileFile);

// The profile list of the program: the profiles folder alone when portable;
// when installed, the shipped profiles and the user's own together, a user's
// profile hiding a shipped one of the same file name (it was saved over it).
std::vector<TProfileInfo> GetProfiles(const TAppParams& params);

// The profile list's quicksort on SortIndex. It is not stable, and entries with
// equal indexes end where this exact procedure leaves them, as users of the
// shipped profiles have always seen them.
void SortProfiles(std::vector<TProfileInfo>& list);

// One item of the profile selector, with the colours it is drawn in.
struct TProfileSelectorItem {
  std::string Text;  // "\n" and "\t" of the display name expanded
  TColor Background;
  TColor TextColor;
  bool Bold = false;
};

// The two fixed items ("The last session settings", "Encoder default
// settings"), then one item per list entry, so item k + 2 is entry k.
std::vector<TProfileSelectorItem> ProfileSelectorItems(const std::vector<TProfileInfo>& list,
                                                       const TAppStrings& strings);

// What choosing a selector item does.
struct TProfileChoice {
  enum TKind { pcNothing, pcLastSession, pcDefaults, pcProfileFile } Kind = pcNothing;
  std::string File;  // the profile to load (pcLastSession, pcProfileFile)
};
// Item 0 the last session's profile, item 1 the default settings, item n >= 2
// the profile of entry n - 2 (entry 0 when n - 2 is past the end; nothing for
// an empty list or no selection): its FileName, else its name in profilesDir.
TProfileChoice ChooseSelectorItem(int itemIndex, const std::vector<TProfileInfo>& list,
                                  const std::string& profilesDir,
                                  const std::string& lastProfileFile);
// actLoadSelectedProfile: carries out the choice; never fails loudly.
// Returns whether the settings changed.
bool ApplyProfileChoice(const TProfileChoice& choice, EncoderSettings& settings,
                        const TAppStrings& strings, int defaultVideoCodecIndex);

// The selector item to show after a profile was saved as savedFile: the entry
// of that file name (ignoring case) + 2, or 0 when the list lacks it; -1
// when the file lies outside the profiles folder (the selector stays as it is).
int SelectorItemAfterSave(const std::string& savedFile, const std::string& profilesDir,
                          const std::vector<TProfileInfo>& list);

// Start-up: the profiles folder is made when missing (errors ignored) and the
// last session's settings are loaded when there are any.
void PrepareProfiles(const TAppParams& params, EncoderSettings& settings,
                     const TAppStrings& strings, int defaultVideoCodecIndex);
// Close: the current settings go to "__Last.ini"; errors are ignored.
void SaveLastProfile(const TAppParams& params, const EncoderSettings& settings,
                     const TAppStrings& strings);

}  // namespace zelmora
