#include "tools/update_check.h"

#include "base/ini_document.h"

namespace zelmora {

TUpdateStateLook UpdateStateLook(TUpdateCheckState state) {
  switch (state) {
    case TUpdateCheckState::ucChecking:
      return {StatusNone, false, false};
    case TUpdateCheckState::ucConnectionFailed:
    case TUpdateCheckState::ucNoVersionInfo:
      return {StatusFailed, false, true};
    case TUpdateCheckState::ucUpToDate:
    case TUpdateCheckState::ucServerVersionOlder:
      return {StatusNoUpdates, false, true};
    case TUpdateCheckState::ucUpdateAvailable:
      return {StatusUpdateAvailable, true, true};
    case TUpdateCheckState::ucCleared:
      break;
  }
  return {StatusNone, false, true};
}

std::string UpdatePaneText(const TUpdateCheckResult& result, const TUpdateCheckMessages& messages) {
  switch (result.State) {
    case TUpdateCheckState::ucChecking:
      return messages.CheckingUpdates;
    case TUpdateCheckState::ucConnectionFailed:
      return messages.ConnectionFailed;
    case TUpdateCheckState::ucNoVersionInfo:
      return messages.CannotCheck;
    case TUpdateCheckState::ucUpToDate:
    case TUpdateCheckState::ucServerVersionOlder:
      return messages.NoUpdates;
    case TUpdateCheckState::ucUpdateAvailable:
      return messages.UpdatesAvailable + "\r\n\r\nLatestVersion=" + result.LatestVersion +
             "\r\nReleaseDate=" + result.ReleaseDate;
    case TUpdateCheckState::ucCleared:
      break;
  }
  return {};
}

int CompareVersionStrings(const std::string& a, const std::string& b) {
  // std::string compares chars as unsigned code units, as wanted here.
  const int order = a.compare(b);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

TUpdateCheckResult EvaluateUpdateReply(const std::string& text, const std::string& ownVersion) {
  TUpdateCheckResult result;
  result.DownloadedText = text;
  if (text.empty()) {
    result.State = TUpdateCheckState::ucConnectionFailed;
    return result;
  }
  IniDocument ini;
  ini.LoadFromText(text);
  constexpr std::string_view Section = "VersionInfo";
  result.LatestVersion = ini.ReadString(Section, "LastVersion", "");
  if (!ini.SectionExists(Section) || result.LatestVersion.empty()) {
    result.State = TUpdateCheckState::ucNoVersionInfo;
    return result;
  }
  result.ReleaseDate = ini.ReadString(Section, "ReleaseDate", "");
  const int order = CompareVersionStrings(result.LatestVersion, ownVersion);
  result.State = order == 0  ? TUpdateCheckState::ucUpToDate
                 : order > 0 ? TUpdateCheckState::ucUpdateAvailable
                             : TUpdateCheckState::ucServerVersionOlder;
  return result;
}

TUpdateCheckResult CheckForUpdate(const std::string& url, const std::string& ownVersion,
                                  const TDownloadOptions& options) {
  return EvaluateUpdateReply(DownloadText(url, options), ownVersion);
}

}  // namespace zelmora
