#include "core/conversion_run_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "base/paths.h"
#include "core/output_options.h"

namespace zelmora {

std::string NormalizeInputPath(const std::string& path) {
  std::string result;
  result.reserve(path.size());
  for (char c : path) {
    if (c == '/' && !result.empty() && result.back() == '/') continue;
    result += c;
  }
  return result;
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && lstat(path.c_str(), &info) == 0;
}

std::string UniqueFileName(const std::string& fileName, const std::string& separator, int digits) {
  if (!PathExists(fileName)) return fileName;
  std::string ext = ExtractFileExt(fileName);
  std::string base = fileName.substr(0, fileName.size() - ext.size());
  for (int n = 1; n <= 100000; ++n) {
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", digits, n);
    std::string candidate = base + separator + number + ext;
    if (!PathExists(candidate)) return candidate;
  }
  return {};
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat infoA {};
  struct stat infoB {};
  if (stat(a.c_str(), &infoA) == 0 && stat(b.c_str(), &infoB) == 0)
    return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
  return CanonicalPath(a) == CanonicalPath(b);
}

void ClearLogs(const std::string& logDir) {
  if (logDir.empty()) return;
  for (const char* name : TwoPassLogFiles) {
    std::string file = JoinPath(logDir, name);
    if (unlink(file.c_str()) == 0 || !PathExists(file)) continue;
    chmod(file.c_str(), S_IRUSR | S_IWUSR);
    unlink(file.c_str());
  }
  rmdir(logDir.c_str());
}

std::string OutputPathFor(bool outIn, const std::string& outDir, const std::string& input,
                          const std::string& ext) {
  std::string output = outIn ? input : JoinPath(NormalizeDir(outDir), ExtractFileName(input));
  return ChangeFileExt(output, ext);
}

TOutputDecision DecideOutput(const std::string& output, const std::string& input,
                             int outputExists) {
  TOutputDecision decision;
  decision.Output = output;
  if (!PathExists(output)) return decision;
  const TOutputExists policy = EffectiveOutputExists(outputExists);
  if (policy == oeRename || IsSameFile(output, input)) {
    decision.Output = UniqueFileName(output, "_", 3);
    decision.Renamed = true;
    if (decision.Output.empty()) decision.Action = TOutputAction::oaNoFreeName;
  } else if (policy == oeOverwrite) {
    decision.Overwritten = true;
  } else {
    decision.Action = TOutputAction::oaSkip;
  }
  return decision;
}

namespace {

// The folder part with its trailing "/", and the name.
std::pair<std::string, std::string> SplitOutput(const std::string& outputFile) {
  std::string name = ExtractFileName(outputFile);
  return {outputFile.substr(0, outputFile.size() - name.size()), name};
}

}  // namespace

std::string ConvertingOutputLabel(const std::string& outputFile) {
  auto [path, name] = SplitOutput(outputFile);
  return "<b><font bgcolor=\"#696969\" color=\"#FFFFFF\"> " + path + " </font> " + name + "</b>";
}

std::string SkippedOutputLabel(const std::string& outputFile) {
  auto [path, name] = SplitOutput(outputFile);
  return "<font bgcolor=\"#C0C0C0\">" + path + "</font><b>" + name + "</b>";
}

std::string FileStatusLabel(const std::string& status) {
  return "<b>" + status + "</b>";
}

}  // namespace zelmora
