#pragma once

#include <array>
#include <string>

#include "filelist/file_list_columns.h"

namespace zelmora {

// Width, place and visibility of one column, as the settings file keeps them
// ("colNo_Width", "colNo_Position", "colNo_Visible").
struct TColumnState {
  int Width = 0;
  int Position = 0;  // index in display order
  bool Visible = true;
  friend bool operator==(const TColumnState&, const TColumnState&) = default;
};

using TColumnLayout = std::array<TColumnState, FileListColumnCount>;

// The default widths and visibility, every column at its default place.
TColumnLayout DefaultColumnLayout();

inline TColumnState& StateOf(TColumnLayout& layout, TFileListColumn column) {
  return layout[static_cast<size_t>(column)];
}
inline const TColumnState& StateOf(const TColumnLayout& layout, TFileListColumn column) {
  return layout[static_cast<size_t>(column)];
}

// A column-visibility toggle; the check and File columns always stay shown.
// Returns whether the column changed.
bool ToggleColumnVisible(TColumnLayout& layout, TFileListColumn column);

// The settings key of a column's value: ColumnSettingKey(colNo, "Width") is
// "colNo_Width".
std::string ColumnSettingKey(TFileListColumn column, const char* what);

}  // namespace zelmora
