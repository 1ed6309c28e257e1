// The file-list columns in the settings file: 29 widths, 29 positions, then
// the visibility of the 27 columns that can be hidden.
#include "config/settings_columns.h"

#include <algorithm>

#include "base/ini_document.h"
#include "config/settings_file.h"

namespace zelmora {

namespace {

using enum TFileListColumn;

bool CanBeHidden(TFileListColumn column) {
  return column != colActive && column != colFileName;
}

size_t Index(TFileListColumn column) {
  return static_cast<size_t>(column);
}

std::string KeyOf(TFileListColumn column, const char* suffix) {
  return std::string(ColumnInfo(column).Name) + suffix;
}

}  // namespace

const std::array<TFileListColumn, FileListColumnCount>& SettingsColumnOrder() {
  static constexpr std::array<TFileListColumn, FileListColumnCount> order = {
      colNo,
      colActive,
      colIcon,
      colFileName,
      colDirectory,
      colSize,
      colDuration,
      colStatus,
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
      colVideoScanType,
      colVideoBpp,
      colVideoStreamSize,
      colAudio,
      colAudioCodec,
      colAudioCodecID,
      colAudioProfile,
      colAudioBitrate,
      colAudioChannels,
      colAudioSampling,
      colAudioStreamSize,
  };
  return order;
}

void ReadColumnKeys(const IniDocument& ini, TSettingsRecord& settings) {
  for (TFileListColumn column : SettingsColumnOrder()) {
    TColumnState& state = settings.Columns[Index(column)];
    state.Width = ini.ReadInteger("MAIN", KeyOf(column, "_Width"), state.Width);
  }
  for (TFileListColumn column : SettingsColumnOrder()) {
    TColumnState& state = settings.Columns[Index(column)];
    state.Position = std::clamp(ini.ReadInteger("MAIN", KeyOf(column, "_Position"), state.Position),
                                0, FileListColumnCount - 1);
  }
  for (TFileListColumn column : SettingsColumnOrder()) {
    if (!CanBeHidden(column)) continue;
    TColumnState& state = settings.Columns[Index(column)];
    state.Visible = ini.ReadBool("MAIN", KeyOf(column, "_Visible"), state.Visible);
  }
}

void WriteColumnKeys(IniDocument& ini, const TSettingsRecord& settings) {
  for (TFileListColumn column : SettingsColumnOrder()) {
    ini.WriteInteger("MAIN", KeyOf(column, "_Width"), settings.Columns[Index(column)].Width);
  }
  for (TFileListColumn column : SettingsColumnOrder()) {
    ini.WriteInteger("MAIN", KeyOf(column, "_Position"), settings.Columns[Index(column)].Position);
  }
  for (TFileListColumn column : SettingsColumnOrder()) {
    if (CanBeHidden(column)) {
      ini.WriteBool("MAIN", KeyOf(column, "_Visible"), settings.Columns[Index(column)].Visible);
    }
  }
}

std::vector<TFileListColumn> ColumnDisplayOrder(const TSettingsRecord& settings) {
  std::vector<TFileListColumn> order;
  for (const TFileListColumnInfo& info : FileListColumns()) order.push_back(info.Column);
  for (TFileListColumn column : SettingsColumnOrder()) {
    const auto from = std::find(order.begin(), order.end(), column);
    order.erase(from);
    const int to = std::clamp(settings.Columns[Index(column)].Position, 0, FileListColumnCount - 1);
    order.insert(order.begin() + to, column);
  }
  return order;
}

}  // namespace zelmora
