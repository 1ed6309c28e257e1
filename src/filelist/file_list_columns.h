#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/app_strings.h"

namespace zelmora {

// The columns of the file list in their default order; the value is the
// column's index in that order.
enum class TFileListColumn {
  colNo,
  colActive,
  colIcon,
  colFileName,
  colDirectory,
  colSize,
  colDuration,
  colVideo,
  colVideoCodec,
  colVideoCodecID,
  colVideoProfile,
  colVideoBitrate,
  colVideoWidth,
  colVideoHeight,
  colVideoResolution,
  colVideoDisplayAspect,
  colVideoFPS,
  colVideoBpp,
  colVideoScanType,
  colVideoStreamSize,
  colAudio,
  colAudioCodec,
  colAudioCodecID,
  colAudioProfile,
  colAudioBitrate,
  colAudioChannels,
  colAudioSampling,
  colAudioStreamSize,
  colStatus,
};

inline constexpr int FileListColumnCount = 29;

enum class TColumnAlign { Left, Center };

// How a click on the header orders the rows by this column.
enum class TColumnSort {
  None,     // the icon column does not sort
  Check,    // by check state
  Numeric,  // by the number the cell holds, not by its display text
  Text,     // alphabetically
};

struct TFileListColumnInfo {
  TFileListColumn Column;
  const char* Name;  // "colNo": also the settings-file key prefix
  int DefaultWidth;
  bool DefaultVisible;
  TColumnAlign Align;
  TColumnSort Sort;
};

const std::array<TFileListColumnInfo, FileListColumnCount>& FileListColumns();
const TFileListColumnInfo& ColumnInfo(TFileListColumn column);
// The column named so (exact name, "colVideoFPS"); nothing for other names.
std::optional<TFileListColumn> FindColumn(std::string_view name);

// Header text in the current language, with its leading blank or unit suffix.
// The check and icon columns have none.
std::string ColumnHeaderText(TFileListColumn column, const TAppStrings& strings);
// Caption of the column's visibility toggle: the plain column text.
std::string ColumnCaption(TFileListColumn column, const TAppStrings& strings);
// "actColVideoFPSVisible"; empty for the check and File columns, which
// cannot be hidden.
std::string ColumnVisibleActionName(TFileListColumn column);

// The visibility toggles as the Columns menus list them: general columns,
// video columns, audio columns, status; a separator goes between groups.
const std::vector<std::vector<TFileListColumn>>& ColumnMenuGroups();

}  // namespace zelmora
