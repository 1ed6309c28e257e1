#pragma once

#include <cstdint>
#include <string>

#include "tools/download_text.h"

namespace zelmora {

// Where an update check stands; the window and zelmora-cli render it.
enum class TUpdateCheckState {
  ucCleared,
  ucChecking,
  ucConnectionFailed,    // no reply at all
  ucNoVersionInfo,       // a reply without VersionInfo/LastVersion
  ucUpToDate,            // the server names our version
  ucUpdateAvailable,     // the server's version sorts after ours
  ucServerVersionOlder,  // the server's version sorts before ours
};

struct TRgbColor {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const TRgbColor&, const TRgbColor&) = default;
};

// Colours of the message pane. SystemColors stands for the system's
// button-face background and window-text font; the two colours are used
// otherwise.
struct TStatusColors {
  bool SystemColors = true;
  TRgbColor Background;
  TRgbColor Font;
  friend bool operator==(const TStatusColors&, const TStatusColors&) = default;
};

inline constexpr TStatusColors StatusNone{true, {}, {}};
inline constexpr TStatusColors StatusFailed{false, {0xFA, 0xDA, 0xDA}, {0x4F, 0x0B, 0x0B}};
inline constexpr TStatusColors StatusNoUpdates{true, {}, {}};
inline constexpr TStatusColors StatusUpdateAvailable{false, {0xE6, 0xF0, 0xE3}, {0x1D, 0x2F, 0x1A}};

// How the window shows a state besides the pane's text.
struct TUpdateStateLook {
  TStatusColors Colors;
  bool DownloadVisible = false;
  bool CheckNowEnabled = true;
};
TUpdateStateLook UpdateStateLook(TUpdateCheckState state);

struct TUpdateCheckResult {
  TUpdateCheckState State = TUpdateCheckState::ucCleared;
  std::string LatestVersion;  // VersionInfo/LastVersion, when the reply had one
  std::string ReleaseDate;    // VersionInfo/ReleaseDate, empty when missing
  std::string DownloadedText;
};

// The messages of the CheckUpdate strings, already in display form.
struct TUpdateCheckMessages {
  std::string CheckingUpdates;
  std::string ConnectionFailed;
  std::string CannotCheck;
  std::string NoUpdates;
  std::string UpdatesAvailable;
};

// The pane's text for a state (lines joined with CR LF). An update
// available adds an empty line, "LatestVersion=..." and "ReleaseDate=...".
// A server version older than ours is told like an up-to-date one: there
// is nothing newer to get.
std::string UpdatePaneText(const TUpdateCheckResult& result, const TUpdateCheckMessages& messages);

// Versions compare as strings, byte by byte ("1.10" sorts before "1.5"):
// <0, 0, >0.
int CompareVersionStrings(const std::string& a, const std::string& b);

// The state a downloaded text gives (empty text: the connection failed).
TUpdateCheckResult EvaluateUpdateReply(const std::string& text, const std::string& ownVersion);

// Downloads the version file and evaluates it; blocks for at most the
// options' total time-out, and may run on a worker thread.
TUpdateCheckResult CheckForUpdate(const std::string& url, const std::string& ownVersion,
                                  const TDownloadOptions& options = {});

}  // namespace zelmora
