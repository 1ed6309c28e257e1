#include "filelist/file_list_actions.h"

#include <algorithm>

#include "base/text.h"

namespace zelmora {

TListActionStates ListActionStates(const TGridInfo& info) {
  const bool rows = info.RowCount > 0;
  TListActionStates s;
  s.actCheckAll = rows && info.CheckedCount < info.RowCount;
  s.actUncheckAll = rows && info.UncheckedCount < info.RowCount;
  s.actInvertSelection = rows;
  s.actCheckSelected = info.SelectedUncheckedCount > 0;
  s.actUncheckSelected = info.SelectedCheckedCount > 0;
  s.actRemoveChecked = info.CheckedCount > 0;
  s.actClearFileList = rows;
  s.actSaveFileList = rows;
  s.actShowHideFileInfo = rows;
  s.actConvert = info.CheckedCount > 0;
  s.actSaveBAT = info.CheckedCount > 0;
  s.actExploreDirectory = info.SelectedCount > 0;
  return s;
}

void FileListModel::SetAllChecked(bool checked, bool selectedOnly) {
  m_events.BeginUpdate();
  for (TFileListRow& row : m_rows) {
    if (!selectedOnly || row.Selected) row.Active = checked;
  }
  InvalidateTotals();
  m_events.EndUpdate();
  Refresh();
}

void FileListModel::actCheckAll() {
  SetAllChecked(true, false);
}
void FileListModel::actUncheckAll() {
  SetAllChecked(false, false);
}
void FileListModel::actCheckSelected() {
  SetAllChecked(true, true);
}
void FileListModel::actUncheckSelected() {
  SetAllChecked(false, true);
}

void FileListModel::actInvertSelection() {
  m_events.BeginUpdate();
  for (TFileListRow& row : m_rows) row.Active = !row.Active;
  InvalidateTotals();
  m_events.EndUpdate();
  Refresh();
}

void FileListModel::RemoveRowsWhere(bool checkedOnly) {
  const uint64_t current = m_currentId;
  if (!checkedOnly) {
    m_rows.clear();
    m_keys.clear();
  } else {
    std::erase_if(m_rows, [this](const TFileListRow& row) {
      if (row.Active) m_keys.erase(row.Key);
      return row.Active;
    });
  }
  RestoreCurrent(current);
  InvalidateTotals();
}

void FileListModel::actRemoveChecked() {
  m_events.BeginUpdate();
  RemoveRowsWhere(GetNgCheckedCount() < RowCount());
  if (m_rows.empty()) m_events.ClearIcons();
  RenumNg();
  m_events.EndUpdate();
  Refresh();
}

void FileListModel::actClearFileList() {
  // The icon store is left as it is: the next rows append after its icons.
  m_events.BeginUpdate();
  RemoveRowsWhere(false);
  m_events.EndUpdate();
  Refresh();
}

namespace {

template <typename T>
int Compare3(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareCells(const TCellValue& a, const TCellValue& b) {
  if (const auto* s = std::get_if<std::string>(&a)) {
    const std::string& t = std::get<std::string>(b);
    const int byText = CompareText(*s, t);
    return byText != 0 ? byText : Compare3(*s, t);
  }
  if (const auto* d = std::get_if<double>(&a)) return Compare3(*d, std::get<double>(b));
  if (const auto* i = std::get_if<int64_t>(&a)) return Compare3(*i, std::get<int64_t>(b));
  if (const auto* c = std::get_if<bool>(&a)) return Compare3(*c, std::get<bool>(b));
  return 0;
}

}  // namespace

bool FileListModel::SortByColumn(TFileListColumn column, bool ascending) {
  if (ColumnInfo(column).Sort == TColumnSort::None) return false;
  m_events.BeginUpdate();
  std::stable_sort(m_rows.begin(), m_rows.end(),
                   [column, ascending](const TFileListRow& a, const TFileListRow& b) {
                     const int order = CompareCells(CellValue(a, column), CellValue(b, column));
                     return ascending ? order < 0 : order > 0;
                   });
  InvalidateTotals();
  m_events.EndUpdate();
  Refresh();
  return true;
}

bool FileListModel::MoveRow(int from, int to) {
  if (!IsValidRowIndex(from) || !IsValidRowIndex(to)) return false;
  if (from == to) return true;
  const auto first = m_rows.begin();
  if (from < to) {
    std::rotate(first + from, first + from + 1, first + to + 1);
  } else {
    std::rotate(first + to, first + from, first + from + 1);
  }
  InvalidateTotals();
  Refresh();
  return true;
}

}  // namespace zelmora
