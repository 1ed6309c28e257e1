#include "core/app_params.h"

#include "base/files.h"
#include "base/paths.h"
#include "core/message_view.h"
#include "i18n/app_strings.h"
#include "platform/config_home.h"
#include "platform/environment.h"
#include "platform/executable_path.h"
#include "platform/program_search.h"
#include "platform/system_library.h"
#include "platform/temp_dir.h"
#include "platform/web_addresses.h"

namespace zelmora {
namespace {

// The configured file, made absolute against the current folder, when it exists.
std::string ExistingConfiguredFile(const std::string& configured) {
  if (configured.empty()) return {};
  std::string full = ExpandFileName(configured);
  return FileExists(full) ? full : std::string();
}

std::string ExistingFile(const std::string& path) {
  return FileExists(path) ? path : std::string();
}

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

std::string Padded(int value, size_t width) {
  std::string text = std::to_string(value);
  return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

}  // namespace

std::string BuildBits() {
  return std::to_string(sizeof(void*) * 8);
}

std::string AppDir() {
  return NormalizeDir(ExtractFileDir(ExecutablePath()));
}

bool IsInstalledProgram(const std::string& appDir) {
  return !appDir.empty() && FileExists(JoinPath(NormalizeDir(appDir), InstalledMarkerFile));
}

std::string InstalledConfigDir() {
  return JoinPath(UserConfigHomeDir(), "zelmora");
}

void InitAppParams(TAppParams& params, const std::string& appDir) {
  InitAppParams(params, appDir, IsInstalledProgram(appDir) ? InstalledConfigDir() : std::string());
}

void InitAppParams(TAppParams& params, const std::string& appDir, const std::string& configDir) {
  params = TAppParams{};
  std::string dir = NormalizeDir(appDir);
  params.Installed = !configDir.empty();
  params.ConfigDir = params.Installed ? NormalizeDir(configDir) : dir;
  params.ToolsDir = JoinPath(dir, "tools");
  params.ffmpeg = JoinPath(JoinPath(params.ToolsDir, "FFmpeg"), FFmpegToolFile);
  params.MediaInfoDll = JoinPath(JoinPath(params.ToolsDir, "MediaInfo"), MediaInfoToolFile);
  params.LangDir = JoinPath(dir, "lang");
  params.DataDir = JoinPath(dir, "data");
  // An installed program folder is not the user's to write in, so the file
  // dialogs of an installed program start in the home folder instead.
  const std::string home = GetEnvironmentVariable("HOME");
  params.LastDir = params.Installed && DirectoryExists(home) ? NormalizeDir(home) : dir;
  params.IniName = JoinPath(params.ConfigDir, "zelmora.ini");
  params.FourccTagsFile = JoinPath(params.DataDir, "fourcc_video_tags.txt");
  params.AudioBitratesTxt =
      JoinPath(params.Installed ? params.ConfigDir : params.DataDir, "audio_bitrates.txt");
  params.ResolutionTxt = JoinPath(params.DataDir, "resolutions.txt");
  params.ShippedProfilesDir = JoinPath(dir, "profiles");
  params.ProfilesDir = JoinPath(params.ConfigDir, "profiles");
  params.LastProfileFile = JoinPath(params.ProfilesDir, "__Last.ini");
  params.ColorOK = {0x1F, 0x6C, 0xE0};
  params.ColorError = {0xE2, 0x35, 0x1D};
  params.DragAcceptDirectories = true;
  params.OpenFileAfterIconClick = true;
  params.FileAnalysis = TFileAnalysis::faFull;
  params.MonospaceFont = ChooseMonospaceFont([](const char*) { return false; });
  params.ScrollProgressToBottom = true;
  params.KeepFileDates = false;
}

TToolSearch SystemToolSearch() {
  return {AppDir(), GetEnvironmentVariable("PATH"), SystemLibraryDirs()};
}

std::string FindFFmpeg(TAppParams& params, const TToolSearch& search) {
  std::string found = ExistingConfiguredFile(params.ffmpeg);
  if (found.empty())
    found = ExistingFile(JoinPath(JoinPath(params.ToolsDir, "FFmpeg"), FFmpegToolFile));
  // Beside an installed program lie the system's folders, not shared tools.
  if (found.empty() && !params.Installed)
    found = FindToolByVersionFile(search.AppDir, "ffmpeg", BuildBits(), FFmpegToolVersion);
  if (found.empty()) found = FindProgramOnPath(FFmpegToolFile, search.SearchPath);
  params.ffmpeg = found;
  return found;
}

std::string FindFFmpeg(TAppParams& params) {
  return FindFFmpeg(params, SystemToolSearch());
}

std::string FindMediaInfoDll(TAppParams& params, const TToolSearch& search) {
  std::string found = ExistingConfiguredFile(params.MediaInfoDll);
  if (found.empty())
    found = ExistingFile(JoinPath(JoinPath(params.ToolsDir, "MediaInfo"), MediaInfoToolFile));
  if (found.empty() && !params.Installed)
    found = FindToolByVersionFile(search.AppDir, "MediaInfo", BuildBits(), MediaInfoToolVersion);
  if (found.empty()) found = FindLibraryInDirs(MediaInfoToolFile, search.LibraryDirs);
  params.MediaInfoDll = found;
  return found;
}

std::string FindMediaInfoDll(TAppParams& params) {
  std::string found = FindMediaInfoDll(params, SystemToolSearch());
  // The loader may know folders of its own (/etc/ld.so.conf).
  if (found.empty()) found = params.MediaInfoDll = FindSystemLibrary(MediaInfoToolFile);
  return found;
}

std::string MakeLogDirName(const std::string& tempDir, const LocalDateTime& now) {
  std::string name = "Kestrin_Zelmora_" + Padded(now.Year, 4) + "-" + TwoDigits(now.Month) + "-" +
                     TwoDigits(now.Day) + "@" + TwoDigits(now.Hour) + "_" + TwoDigits(now.Minute) +
                     "_" + TwoDigits(now.Second) + "." + Padded(now.Millisecond, 3);
  std::string dir = NormalizeDir(tempDir);
  if (dir.empty()) return name;
  return dir.back() == PathDelim ? dir + name : dir + PathDelim + name;
}

std::string MakeLogDirName() {
  return MakeLogDirName(TempDir(), LocalTimeNow());
}

std::string FFmpegMissingText(const TAppStrings& strings) {
  return ExpandMessageText(strings.Main.FFmpegNotExists, web::kDownloadArchiveName,
                           web::kProductName);
}

void ShowFFmpegMissing(MessageView& view, const TAppStrings& strings) {
  view.ShowWarning(FFmpegMissingText(strings));
}

}  // namespace zelmora
