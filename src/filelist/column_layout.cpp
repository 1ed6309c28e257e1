#include "filelist/column_layout.h"

namespace zelmora {

TColumnLayout DefaultColumnLayout() {
  TColumnLayout layout{};
  for (const TFileListColumnInfo& info : FileListColumns()) {
    const auto index = static_cast<int>(info.Column);
    layout[static_cast<size_t>(index)] = {info.DefaultWidth, index, info.DefaultVisible};
  }
  return layout;
}

bool ToggleColumnVisible(TColumnLayout& layout, TFileListColumn column) {
  if (ColumnVisibleActionName(column).empty()) return false;
  StateOf(layout, column).Visible = !StateOf(layout, column).Visible;
  return true;
}

std::string ColumnSettingKey(TFileListColumn column, const char* what) {
  return std::string(ColumnInfo(column).Name) + "_" + what;
}

}  // namespace zelmora
