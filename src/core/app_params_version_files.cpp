// The search for shared tool copies described by version files
// ("ffmpeg.ver", "MediaInfo.ver") in "_common" beside the program's folder.

#include <algorithm>

#include "base/files.h"
#include "base/ini_document.h"
#include "base/paths.h"
#include "base/text.h"
#include "core/app_params.h"

namespace zelmora {
namespace {

constexpr int MaxSearchDepth = 3;

struct ToolFiles {
  std::string versionFile;
  std::string toolFile;
};

bool ToolFilesOf(const std::string& toolName, ToolFiles& files) {
  std::string upper = UpperCase(toolName);
  if (upper == "FFMPEG") {
    files = {FFmpegVersionFile, FFmpegToolFile};
  } else if (upper == "MEDIAINFO") {
    files = {MediaInfoVersionFile, MediaInfoToolFile};
  } else {
    return false;
  }
  return true;
}

void CollectDirectories(const std::string& dir, int depth, std::vector<std::string>& dirs) {
  dirs.push_back(dir);
  if (depth == MaxSearchDepth) return;
  for (const std::string& child : ListSubdirectories(dir))
    CollectDirectories(JoinPath(dir, child), depth + 1, dirs);
}

bool VersionFileMatches(const std::string& file, const std::string& toolName,
                        const std::string& bits, const std::string& version) {
  IniDocument ini;
  if (!ini.LoadFromFile(file) || !ini.SectionExists("MAIN")) return false;
  return UpperCase(ini.ReadString("MAIN", "tool", "")) == UpperCase(toolName) &&
         UpperCase(ini.ReadString("MAIN", "bits", "")) == UpperCase(bits) &&
         UpperCase(ini.ReadString("MAIN", "ver", "")) == UpperCase(version);
}

// The parent of the normalized folder; the folder itself when it has none.
std::string ParentDir(const std::string& startDir) {
  std::string dir = NormalizeDir(startDir);
  size_t slash = dir.rfind(PathDelim);
  if (slash == std::string::npos) return dir;
  return slash == 0 ? std::string(1, PathDelim) : dir.substr(0, slash);
}

}  // namespace

std::string SearchVersionFiles(const std::string& dir, const std::string& versionFileName,
                               const std::string& toolName, const std::string& bits,
                               const std::string& version) {
  ToolFiles tool;
  if (!ToolFilesOf(toolName, tool)) return {};
  std::vector<std::string> dirs;
  CollectDirectories(NormalizeDir(dir), 0, dirs);
  std::stable_sort(dirs.begin(), dirs.end(), [](const std::string& a, const std::string& b) {
    return CompareText(a, b) < 0;
  });
  for (const std::string& candidate : dirs) {
    for (const std::string& name : ListFiles(candidate)) {
      if (name != versionFileName) continue;
      if (!VersionFileMatches(JoinPath(candidate, name), toolName, bits, version)) continue;
      // The first matching description decides, even when its tool is gone.
      std::string toolPath = JoinPath(candidate, tool.toolFile);
      return FileExists(toolPath) ? toolPath : std::string();
    }
  }
  return {};
}

std::string FindToolByVersionFile(const std::string& startDir, const std::string& toolName,
                                  const std::string& bits, const std::string& version) {
  ToolFiles tool;
  if (!ToolFilesOf(toolName, tool)) return {};
  std::string base = ParentDir(startDir);
  std::string found =
      SearchVersionFiles(JoinPath(base, "_common"), tool.versionFile, toolName, bits, version);
  if (found.empty()) found = SearchVersionFiles(base, tool.versionFile, toolName, bits, version);
  return found;
}

}  // namespace zelmora
