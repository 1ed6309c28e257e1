#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/video_file_info.h"
#include "platform/local_time.h"

namespace zelmora {

class TAppStrings;
class MessageView;

struct TColor {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const TColor&, const TColor&) = default;
};

struct TFontParams {
  std::string Name;
  int Size = 0;
  friend bool operator==(const TFontParams&, const TFontParams&) = default;
};

// Directories, file names, tool locations, colours and global options of the
// program. Directories never end with "/". A default-constructed record is
// all zero/empty; InitAppParams gives the start-up values.
struct TAppParams {
  std::string LanguageIni;
  std::string ffmpeg;
  std::string MediaInfoDll;
  std::string ToolsDir;
  std::string LangDir;
  std::string DataDir;
  std::string LastDir;
  std::string IniName;
  std::string LnkShortName;
  std::string FourccTagsFile;
  std::string AudioBitratesTxt;
  std::string ResolutionTxt;
  std::string ProfilesDir;
  std::string LastProfileFile;
  std::string LogDir;
  TColor ColorOK;
  TColor ColorError;
  bool DragAcceptDirectories = false;
  bool OpenFileAfterIconClick = false;
  TFileAnalysis FileAnalysis = TFileAnalysis::faNone;
  TFontParams MonospaceFont;
  bool ScrollProgressToBottom = false;
  bool KeepFileDates = false;
  // An installed program (InstalledMarkerFile beside it) reads its shipped
  // folders from AppDir but writes the settings, the last session, the
  // user's profiles and the bitrate report to ConfigDir, since its own
  // folder belongs to the package manager. A portable one has ConfigDir ==
  // AppDir and ShippedProfilesDir == ProfilesDir.
  bool Installed = false;
  std::string ConfigDir;
  std::string ShippedProfilesDir;
};

// The accepted shared tool builds described by version files.
inline constexpr const char* FFmpegToolVersion = "N-90708-g8daca7697b";
inline constexpr const char* MediaInfoToolVersion = "18.05.0.0";
inline constexpr const char* FFmpegToolFile = "ffmpeg";
inline constexpr const char* MediaInfoToolFile = "libmediainfo.so.0";
inline constexpr const char* FFmpegVersionFile = "ffmpeg.ver";
inline constexpr const char* MediaInfoVersionFile = "MediaInfo.ver";

// "64" on a 64-bit build, "32" on a 32-bit one: the "bits" a version file
// must name to be accepted.
std::string BuildBits();

// The program's folder: the resolved executable's folder, NormalizeDir'd.
std::string AppDir();

// Written by the install beside the binaries; its presence alone matters.
inline constexpr const char* InstalledMarkerFile = "zelmora.installed";
bool IsInstalledProgram(const std::string& appDir);
// $XDG_CONFIG_HOME/zelmora, by default ~/.config/zelmora.
std::string InstalledConfigDir();

// Start-up values for a program living in appDir: installed when the marker
// lies there (writing to InstalledConfigDir()), else portable.
// MonospaceFont gets the last-resort font; the window picks the installed
// one with ChooseMonospaceFont.
void InitAppParams(TAppParams& params, const std::string& appDir);
// The same with the mode given: an empty configDir means portable.
void InitAppParams(TAppParams& params, const std::string& appDir, const std::string& configDir);

// "Fira Mono" 9 when installed, else "Consolas" 10, else "Courier New" 9.
template <typename IsInstalled>
TFontParams ChooseMonospaceFont(IsInstalled&& isInstalled) {
  if (isInstalled("Fira Mono")) return {"Fira Mono", 9};
  if (isInstalled("Consolas")) return {"Consolas", 10};
  return {"Courier New", 9};
}

// Where the tools are looked for beyond the record's own fields.
struct TToolSearch {
  std::string AppDir;                    // the version-file search starts at its parent
  std::string SearchPath;                // a $PATH-style list; ffmpeg is looked for there last
  std::vector<std::string> LibraryDirs;  // folders holding the system's libmediainfo.so.0
};
// AppDir(), $PATH and the dynamic loader's usual folders.
TToolSearch SystemToolSearch();

// Configured file, ToolsDir/FFmpeg/ffmpeg, a version file, ffmpeg on PATH.
// The result (possibly empty) is also stored in params.ffmpeg.
std::string FindFFmpeg(TAppParams& params, const TToolSearch& search);
std::string FindFFmpeg(TAppParams& params);
// Configured file, ToolsDir/MediaInfo/libmediainfo.so.0, a version file,
// the system's library. The result is also stored in params.MediaInfoDll.
std::string FindMediaInfoDll(TAppParams& params, const TToolSearch& search);
std::string FindMediaInfoDll(TAppParams& params);

// Looks for a shared tool described by a version file in "_common" beside
// startDir's folder, then in that parent folder itself. toolName is
// "ffmpeg" or "MediaInfo" (any case); anything else gives "".
std::string FindToolByVersionFile(const std::string& startDir, const std::string& toolName,
                                  const std::string& bits, const std::string& version);
// dir and up to three levels below it, sorted without regard to case; the
// first version file that matches decides (its tool file, or "" when that
// file is missing).
std::string SearchVersionFiles(const std::string& dir, const std::string& versionFileName,
                               const std::string& toolName, const std::string& bits,
                               const std::string& version);

// tempDir + "/Kestrin_Zelmora_YYYY-MM-DD@HH_MM_SS.mmm". Not created here.
std::string MakeLogDirName(const std::string& tempDir, const LocalDateTime& now);
// The same for the system's temporary folder and the current local time.
std::string MakeLogDirName();

// The "FFmpeg not found" warning.
std::string FFmpegMissingText(const TAppStrings& strings);
void ShowFFmpegMissing(MessageView& view, const TAppStrings& strings);

}  // namespace zelmora
