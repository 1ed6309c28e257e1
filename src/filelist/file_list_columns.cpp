#include "filelist/file_list_columns.h"

namespace zelmora {

namespace {

using enum TFileListColumn;
using A = TColumnAlign;
using S = TColumnSort;

constexpr std::array<TFileListColumnInfo, FileListColumnCount> Columns = {{
    {colNo, "colNo", 40, true, A::Center, S::Numeric},
    {colActive, "colActive", 34, true, A::Center, S::Check},
    {colIcon, "colIcon", 24, true, A::Center, S::None},
    {colFileName, "colFileName", 220, true, A::Left, S::Text},
    {colDirectory, "colDirectory", 180, true, A::Left, S::Text},
    {colSize, "colSize", 70, true, A::Center, S::Numeric},
    {colDuration, "colDuration", 70, true, A::Center, S::Numeric},
    {colVideo, "colVideo", 120, true, A::Left, S::Text},
    {colVideoCodec, "colVideoCodec", 80, false, A::Center, S::Text},
    {colVideoCodecID, "colVideoCodecID", 80, false, A::Center, S::Text},
    {colVideoProfile, "colVideoProfile", 80, false, A::Center, S::Text},
    {colVideoBitrate, "colVideoBitrate", 80, false, A::Center, S::Numeric},
    {colVideoWidth, "colVideoWidth", 80, false, A::Center, S::Numeric},
    {colVideoHeight, "colVideoHeight", 80, false, A::Center, S::Numeric},
    {colVideoResolution, "colVideoResolution", 80, false, A::Center, S::Text},
    {colVideoDisplayAspect, "colVideoDisplayAspect", 80, false, A::Center, S::Text},
    {colVideoFPS, "colVideoFPS", 80, false, A::Center, S::Numeric},
    {colVideoBpp, "colVideoBpp", 80, false, A::Center, S::Numeric},
    {colVideoScanType, "colVideoScanType", 80, false, A::Center, S::Text},
    {colVideoStreamSize, "colVideoStreamSize", 80, false, A::Center, S::Numeric},
    {colAudio, "colAudio", 120, true, A::Left, S::Text},
    {colAudioCodec, "colAudioCodec", 80, false, A::Center, S::Text},
    {colAudioCodecID, "colAudioCodecID", 80, false, A::Center, S::Text},
    {colAudioProfile, "colAudioProfile", 80, false, A::Center, S::Text},
    {colAudioBitrate, "colAudioBitrate", 80, false, A::Center, S::Numeric},
    {colAudioChannels, "colAudioChannels", 80, false, A::Center, S::Numeric},
    {colAudioSampling, "colAudioSampling", 80, false, A::Center, S::Numeric},
    {colAudioStreamSize, "colAudioStreamSize", 80, false, A::Center, S::Numeric},
    {colStatus, "colStatus", 90, true, A::Center, S::Text},
}};

// The interface string that names a column; the File column's string is
// "colFile", the check column has none.
const std::string* ColumnString(TFileListColumn column, const TAppStrings& strings) {
  const TMainModuleStrings& m = strings.Main;
  switch (column) {
    case colNo:
      return &m.colNo;
    case colActive:
      return nullptr;
    case colIcon:
      return &m.colIcon;
    case colFileName:
      return &m.colFile;
    case colDirectory:
      return &m.colDirectory;
    case colSize:
      return &m.colSize;
    case colDuration:
      return &m.colDuration;
    case colVideo:
      return &m.colVideo;
    case colVideoCodec:
      return &m.colVideoCodec;
    case colVideoCodecID:
      return &m.colVideoCodecID;
    case colVideoProfile:
      return &m.colVideoProfile;
    case colVideoBitrate:
      return &m.colVideoBitrate;
    case colVideoWidth:
      return &m.colVideoWidth;
    case colVideoHeight:
      return &m.colVideoHeight;
    case colVideoResolution:
      return &m.colVideoResolution;
    case colVideoDisplayAspect:
      return &m.colVideoDisplayAspect;
    case colVideoFPS:
      return &m.colVideoFPS;
    case colVideoBpp:
      return &m.colVideoBpp;
    case colVideoScanType:
      return &m.colVideoScanType;
    case colVideoStreamSize:
      return &m.colVideoStreamSize;
    case colAudio:
      return &m.colAudio;
    case colAudioCodec:
      return &m.colAudioCodec;
    case colAudioCodecID:
      return &m.colAudioCodecID;
    case colAudioProfile:
      return &m.colAudioProfile;
    case colAudioBitrate:
      return &m.colAudioBitrate;
    case colAudioChannels:
      return &m.colAudioChannels;
    case colAudioSampling:
      return &m.colAudioSampling;
    case colAudioStreamSize:
      return &m.colAudioStreamSize;
    case colStatus:
      return &m.colStatus;
  }
  return nullptr;
}

}  // namespace

const std::array<TFileListColumnInfo, FileListColumnCount>& FileListColumns() {
  return Columns;
}

const TFileListColumnInfo& ColumnInfo(TFileListColumn column) {
  return Columns[static_cast<size_t>(column)];
}

std::optional<TFileListColumn> FindColumn(std::string_view name) {
  for (const TFileListColumnInfo& info : Columns) {
    if (name == info.Name) return info.Column;
  }
  return std::nullopt;
}

std::string ColumnHeaderText(TFileListColumn column, const TAppStrings& strings) {
  switch (column) {
    case colActive:
    case colIcon:
      return {};
    case colFileName:
    case colDirectory:
      return " " + *ColumnString(column, strings);
    case colVideoBitrate:
    case colAudioBitrate:
      return *ColumnString(column, strings) + " [kbit/s]";
    case colAudioSampling:
      return *ColumnString(column, strings) + " [Hz]";
    default:
      return *ColumnString(column, strings);
  }
}

std::string ColumnCaption(TFileListColumn column, const TAppStrings& strings) {
  const std::string* text = ColumnString(column, strings);
  return text ? *text : std::string();
}

std::string ColumnVisibleActionName(TFileListColumn column) {
  if (column == colActive || column == colFileName) return {};
  std::string_view name = ColumnInfo(column).Name;
  name.remove_prefix(3);  // "col"
  return "actCol" + std::string(name) + "Visible";
}

const std::vector<std::vector<TFileListColumn>>& ColumnMenuGroups() {
  static const std::vector<std::vector<TFileListColumn>> groups = {
      {colNo, colIcon, colDirectory, colSize, colDuration},
      {colVideo, colVideoCodec, colVideoCodecID, colVideoProfile, colVideoBitrate, colVideoWidth,
       colVideoHeight, colVideoResolution, colVideoDisplayAspect, colVideoFPS, colVideoScanType,
       colVideoBpp, colVideoStreamSize},
      {colAudio, colAudioProfile, colAudioCodec, colAudioCodecID, colAudioBitrate, colAudioChannels,
       colAudioSampling, colAudioStreamSize},
      {colStatus},
  };
  return groups;
}

}  // namespace zelmora
