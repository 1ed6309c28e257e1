#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "core/app_params.h"
#include "filelist/file_list_columns.h"
#include "i18n/app_strings.h"
#include "media/video_file_info.h"

namespace zelmora {

// One row of the file list: a cell per column, numbers kept as numbers so
// that sorting is numeric; text is made only for display.
struct TFileListRow {
  int64_t No = 0;
  bool Active = false;
  int Icon = -1;  // index in the window's icon store, -1 for none
  std::string FileName;
  std::string Directory;  // no trailing "/" (except the root itself)
  int64_t Size = 0;       // bytes, -1 when it could not be read
  double Duration = 0;    // ms
  std::string Video;
  std::string VideoCodec;
  std::string VideoCodecID;
  std::string VideoProfile;
  int64_t VideoBitrate = 0;  // kbit/s
  int64_t VideoWidth = 0;
  int64_t VideoHeight = 0;
  std::string VideoResolution;
  std::string VideoDisplayAspect;
  double VideoFPS = 0;
  double VideoBpp = 0;
  std::string VideoScanType;
  int64_t VideoStreamSize = 0;
  std::string Audio;
  std::string AudioCodec;
  std::string AudioCodecID;
  std::string AudioProfile;
  int64_t AudioBitrate = 0;  // kbit/s
  int64_t AudioChannels = 0;
  int64_t AudioSampling = 0;  // Hz
  int64_t AudioStreamSize = 0;
  std::string Status;
  std::optional<TColor> StatusColour;  // none: the list's ordinary colour

  bool Selected = false;
  uint64_t Id = 0;  // unique within one list; follows the row when it moves
  std::string Key;  // the canonical path: what makes two rows the same file
};

// Directory + "/" + file name (one "/" also when the folder is the root).
std::string RowFullFileName(const TFileListRow& row);

using TCellValue = std::variant<std::monostate, bool, int64_t, double, std::string>;

// The typed value of a cell: Boolean for the check column, numbers for the
// numeric columns, text for the rest.
TCellValue CellValue(const TFileListRow& row, TFileListColumn column);
// What the grid shows in a cell (empty for the check and icon columns).
std::string CellText(const TFileListRow& row, TFileListColumn column);

// Fills the analysis columns of a row from the record (the cell rules of a
// file analysed on adding). The record's video and audio stream 0 are used.
void FillAnalysisCells(TFileListRow& row, const TVideoFileInfo& info, const TAppStrings& strings);

// The pieces of those rules, exposed for the window and for tests.
std::string VideoSummaryText(const TVideoStreamInfo& video);
std::string AudioCodecText(const TAudioStreamInfo& audio);
std::string AudioSummaryText(const TAudioStreamInfo& audio, const TAppStrings& strings);
std::string ScanTypeText(std::string_view scanType, const TAppStrings& strings);
std::string ResolutionText(int64_t width, int64_t height);

}  // namespace zelmora
