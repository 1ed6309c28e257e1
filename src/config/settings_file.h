#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "core/encoder_settings.h"
#include "core/output_options.h"
#include "filelist/column_layout.h"
#include "filelist/file_list_columns.h"
#include "platform/web_addresses.h"

namespace zelmora {

struct TScreenSize {
  int Width = 1920;
  int Height = 1080;
};

// The window state the settings file keeps, exchanged with the windows as
// plain values: the main window fills it from its controls before a save and
// applies it after a load. Before a load it must hold the current values,
// which are the defaults of every key.
struct TSettingsRecord {
  bool Maximized = false;
  int Left = 0;
  int Top = 0;
  int Width = 934;
  int Height = 712;
  OutputOptions Output;
  TOutputFormat OutputFormat = TOutputFormat::ofAVI;  // the active output-format page
  bool GridLines = true;
  bool RowIndicator = true;
  bool GridFooter = true;
  int RowHeight = 20;
  bool AllowRowMoving = true;
  bool AllowColumnMoving = true;
  std::string ListFontName = "Segoe UI";
  int ListFontSize = 8;
  int HeaderHeight = 22;  // follows ListFontSize when read
  bool ConversionSettingsExpanded = true;
  bool EscExit = false;  // read only; set by hand in the file
  // Where the update check asks for the latest version; read only, set by
  // hand in the file to use a mirror (an empty value keeps the product's).
  std::string UpdateUrl = web::kUpdateEndpoint;
  // By TFileListColumn; the design widths, positions and visibility.
  TColumnLayout Columns = DefaultColumnLayout();
  // The progress window's part; written only while that window exists.
  bool HasProgressWindow = false;
  bool DontShowEncoderOutput = false;
  int ProgressLeft = 0;
  int ProgressTop = 0;
  int ProgressWidth = 0;
  int ProgressHeight = 0;
  bool CloseAfterConversion = true;
};

inline constexpr int MinMainWindowWidth = 650;
inline constexpr int MinMainWindowHeight = 400;

// The column names in the order of their keys in the file (which is also the
// order their positions are applied in).
const std::array<TFileListColumn, FileListColumnCount>& SettingsColumnOrder();

// 22 pixels up to a 13-point font, 34 from 14 points on.
int HeaderHeightForFontSize(int fontSize);

// The first-start flag: true unless the file exists and MAIN/Left reads as 0.
bool CheckIniFile(const std::string& iniName);
// MAIN/LanguageIni for the language start-up; empty when missing.
std::string ReadStoredLanguageIni(const std::string& iniName);

// Reads the settings file over the current values (nothing when it does not
// exist): tool paths, language (reset to English and the stored file loaded),
// the window state, the output options, the file-list appearance, the global
// options and the default video codec. search is where missing tools are
// looked for. Returns whether the file was read.
bool LoadSettingsFromIni(const std::string& iniName, AppContext& context, TSettingsRecord& settings,
                         const TScreenSize& screen, const TToolSearch& search);

// Writes MAIN (and PROGRESS while the progress window exists) key by key into
// the existing file, keeping every other line (the hand-edited EscExit,
// MediaInfoDll, ToolsDir and ffmpeg above all), and replaces the file through
// a temporary one. Every failure is swallowed and leaves the previous file
// whole; a file that exists but cannot be read is left alone.
void SaveSettingsToIni(const std::string& iniName, const AppContext& context,
                       const TSettingsRecord& settings);

// What zelmora-cli takes from the settings file, which it never writes: the
// tool paths, DefaultVideoCodec, FileAnalysis, LanguageIni and the output
// options. Its own command-line options are applied afterwards.
OutputOptions LoadCliSettings(const std::string& iniName, AppContext& context,
                              const TToolSearch& search);

// MAIN/UpdateUrl for the update check; the product's address when the key
// is missing or empty.
std::string ReadUpdateUrl(const std::string& iniName);

// The progress window's keys (its own reader, used when that window is made):
// DontShowEncoderOutput, Width, Height, CloseAfterConversion and
// AutoScrollMemoToBottom into params.ScrollProgressToBottom.
void LoadProgressSettings(const std::string& iniName, TSettingsRecord& settings,
                          TAppParams& params);

// The display order the stored positions give: starting from the design
// order, each column (in SettingsColumnOrder) is moved to its position, the
// columns in between shifting by one, as a grid moves a dragged column.
std::vector<TFileListColumn> ColumnDisplayOrder(const TSettingsRecord& settings);

}  // namespace zelmora
