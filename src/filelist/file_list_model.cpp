#include "filelist/file_list_model.h"

#include <algorithm>
#include <memory>

#include "base/files.h"
#include "base/paths.h"
#include "filelist/supported_types.h"

namespace zelmora {

FileListModel::FileListModel(const TAppParams& params, const TAppStrings& strings,
                             FileAnalyzer& analyzer, FileListEvents& events)
    : m_params(params), m_strings(strings), m_analyzer(analyzer), m_events(events) {}

bool FileListModel::IsRowChecked(int row) const {
  return IsValidRowIndex(row) && Row(row).Active;
}

void FileListModel::SetRowStatus(int row, const std::string& text, std::optional<TColor> colour) {
  if (!IsValidRowIndex(row)) return;
  m_rows[static_cast<size_t>(row)].Status = text;
  m_rows[static_cast<size_t>(row)].StatusColour = colour;
  m_events.RowChanged(row);
}

std::string FileListModel::GetNgFullFileName(int row) const {
  return IsValidRowIndex(row) ? zelmora::RowFullFileName(Row(row)) : std::string();
}

std::string FileListModel::GetNgDirectory(int row) const {
  return IsValidRowIndex(row) ? Row(row).Directory : std::string();
}

std::string FileListModel::GetNgShortFileName(int row) const {
  return IsValidRowIndex(row) ? Row(row).FileName : std::string();
}

int FileListModel::GetNgCheckedCount() const {
  return Totals().Grid.CheckedCount;
}

bool FileListModel::IsFileOnList(const std::string& path) const {
  if (path.empty() || m_keys.empty()) return false;
  return m_keys.contains(CanonicalPath(path));
}

void FileListModel::RenumNg() {
  int64_t no = 0;
  for (TFileListRow& row : m_rows) row.No = ++no;
}

TGridInfo FileListModel::GetGridInfo() const {
  return Totals().Grid;
}

bool FileListModel::AddToList(const std::string& path, bool checked) {
  if (!IsSupportedVideoFile(path)) return false;
  const std::string fullPath = ExpandFileName(path);
  std::string key = CanonicalPath(fullPath);
  if (m_keys.contains(key) || !FileExists(fullPath)) return false;

  TFileListRow row;
  row.Id = m_nextId++;
  row.No = RowCount() + 1;
  row.FileName = ExtractFileName(fullPath);
  row.Directory = ExtractFileDir(fullPath);
  row.Active = checked;
  const TFileAnalysis depth = m_params.FileAnalysis;
  if (depth != TFileAnalysis::faNone) {
    // The record is large; a list added without analysis never builds one.
    auto info = std::make_unique<TVideoFileInfo>();
    InitVideoFileInfo(*info);
    m_analyzer.AnalyzeForList(fullPath, depth, *info);
    FillAnalysisCells(row, *info, m_strings);
  }
  row.Size = GetFileSize(fullPath);
  row.Status = m_strings.Main.Ready;
  row.Icon = std::max(m_events.AddIcon(fullPath), -1);
  row.Key = key;
  m_keys.insert(std::move(key));
  const std::string folder = row.Directory;
  m_rows.push_back(std::move(row));
  m_events.AddedFileFolder(folder);
  return true;
}

void FileListModel::SetChecked(int row, bool checked) {
  if (!IsValidRowIndex(row)) return;
  m_rows[static_cast<size_t>(row)].Active = checked;
  InvalidateTotals();
}

void FileListModel::SetSelected(int row, bool selected) {
  if (!IsValidRowIndex(row)) return;
  m_rows[static_cast<size_t>(row)].Selected = selected;
  InvalidateTotals();
}

void FileListModel::SelectOnly(int row) {
  ClearSelection();
  SetSelected(row, true);
  SetCurrentRow(row);
}

void FileListModel::ClearSelection() {
  for (TFileListRow& row : m_rows) row.Selected = false;
  InvalidateTotals();
}

std::vector<int> FileListModel::SelectedRows() const {
  std::vector<int> rows;
  for (int i = 0; i < RowCount(); ++i) {
    if (Row(i).Selected) rows.push_back(i);
  }
  return rows;
}

int FileListModel::CurrentRow() const {
  if (m_currentId == 0) return -1;
  for (int i = 0; i < RowCount(); ++i) {
    if (Row(i).Id == m_currentId) return i;
  }
  return -1;
}

void FileListModel::SetCurrentRow(int row) {
  m_currentId = IsValidRowIndex(row) ? Row(row).Id : 0;
}

void FileListModel::RestoreCurrent(uint64_t id) {
  m_currentId = id;
  if (CurrentRow() < 0) m_currentId = 0;
}

void FileListModel::CalcFooter() {
  m_footer = FooterFromTotals(Totals(), m_strings);
}

void FileListModel::ClearFooter() {
  m_footer = TFileListFooter{};
}

void FileListModel::Refresh() {
  CalcFooter();
  m_events.ListChanged();
}

}  // namespace zelmora
