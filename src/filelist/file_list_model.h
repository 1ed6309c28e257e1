#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/app_params.h"
#include "core/row_source.h"
#include "filelist/file_analyzer.h"
#include "filelist/file_list_columns.h"
#include "filelist/file_list_events.h"
#include "filelist/file_list_row.h"
#include "i18n/app_strings.h"

namespace zelmora {

// Counts over the rows, for the enabled states of the window's commands.
struct TGridInfo {
  int RowCount = 0;
  int CheckedCount = 0;
  int UncheckedCount = 0;
  int SelectedCount = 0;
  int SelectedCheckedCount = 0;
  int SelectedUncheckedCount = 0;
  friend bool operator==(const TGridInfo&, const TGridInfo&) = default;
};

// The footer row: one text per column, empty where nothing is shown.
struct TFileListFooter {
  std::array<std::string, FileListColumnCount> Texts;
  const std::string& Text(TFileListColumn column) const {
    return Texts[static_cast<size_t>(column)];
  }
};

// Sum and count of the positive values only: a row without a value (a file
// without video, a stream whose bitrate is unknown) must not pull the mean
// down.
struct TPositiveMean {
  double Sum = 0;
  int Count = 0;
  void Add(double value) {
    if (value <= 0) return;
    Sum += value;
    ++Count;
  }
};

// What the footer and the enabled states are computed from: the grid counts
// over every row, sums and means over the checked rows.
struct TListTotals {
  TGridInfo Grid;
  int64_t Size = 0;
  double Duration = 0;
  int64_t VideoStreamSize = 0;
  int64_t AudioStreamSize = 0;
  TPositiveMean VideoBitrate, VideoFPS, VideoBpp, AudioBitrate;
  void Add(const TFileListRow& row);
};

TFileListFooter FooterFromTotals(const TListTotals& totals, const TAppStrings& strings);
// Totals over the checked rows and averages over their positive values.
TFileListFooter ComputeFooter(const std::vector<TFileListRow>& rows, const TAppStrings& strings);

// The input files of the program: rows in display order with their cells,
// check marks and selection, the footer, and the list commands. The Qt grid
// shows it through a thin adapter; the conversion run reads it as a
// RowSource. The parameters, strings, analyzer and events must outlive it.
class FileListModel : public RowSource {
public:
  FileListModel(const TAppParams& params, const TAppStrings& strings, FileAnalyzer& analyzer,
                FileListEvents& events);

  // RowSource
  int RowCount() const override { return static_cast<int>(m_rows.size()); }
  bool IsRowChecked(int row) const override;
  std::string RowFullFileName(int row) const override { return GetNgFullFileName(row); }
  void SetRowStatus(int row, const std::string& text,
                    std::optional<TColor> colour = std::nullopt) override;

  // The row itself; the index must be valid.
  const TFileListRow& Row(int row) const { return m_rows[static_cast<size_t>(row)]; }
  const std::vector<TFileListRow>& Rows() const { return m_rows; }
  FileListEvents& Events() { return m_events; }
  const TAppParams& Params() const { return m_params; }

  bool IsValidRowIndex(int row) const { return row >= 0 && row < RowCount(); }
  std::string GetNgFullFileName(int row) const;
  std::string GetNgDirectory(int row) const;
  std::string GetNgShortFileName(int row) const;
  int GetNgCheckedCount() const;
  // True when a row holds this file, however the path reaches it: compared
  // as the file system compares names, after resolving to the canonical path.
  bool IsFileOnList(const std::string& path) const;
  // Writes 1, 2, 3 ... into the number column in display order.
  void RenumNg();
  TGridInfo GetGridInfo() const;

  // Adds one row for a supported, existing file not yet listed; returns
  // whether it did. The window is not told: callers adding many files say
  // so once per batch with Refresh().
  bool AddToList(const std::string& path, bool checked);

  void SetChecked(int row, bool checked);
  void SetSelected(int row, bool selected);
  void SelectOnly(int row);  // also makes it the current row
  void ClearSelection();
  std::vector<int> SelectedRows() const;
  // The row the cursor is on: the one the audio track list, the file
  // information and "open directory" follow; -1 for none.
  int CurrentRow() const;
  void SetCurrentRow(int row);

  void CalcFooter();
  void ClearFooter();
  const TFileListFooter& Footer() const { return m_footer; }
  // Recalculates the footer and tells the window that the list changed.
  void Refresh();

  void actCheckAll();
  void actUncheckAll();
  void actInvertSelection();  // toggles every check mark; the selection stays
  void actCheckSelected();
  void actUncheckSelected();
  void actRemoveChecked();
  void actClearFileList();

  // Orders the rows by a column (stable); false for the icon column, which
  // does not sort. Numbers keep the values they had.
  bool SortByColumn(TFileListColumn column, bool ascending);
  // Moves one row so that it ends up at index `to`.
  bool MoveRow(int from, int to);

private:
  void SetAllChecked(bool checked, bool selectedOnly);
  void RemoveRowsWhere(bool checkedOnly);
  void RestoreCurrent(uint64_t id);
  // Rows appended are added to the totals when they are next needed; every
  // other change counts the list again, once, when the totals are next read.
  // So a batch of added files costs its own rows only, not the whole list.
  const TListTotals& Totals() const;
  void InvalidateTotals() { m_totalsStale = true; }

  const TAppParams& m_params;
  const TAppStrings& m_strings;
  FileAnalyzer& m_analyzer;
  FileListEvents& m_events;
  std::vector<TFileListRow> m_rows;
  std::unordered_set<std::string> m_keys;  // canonical paths of the rows
  TFileListFooter m_footer;
  mutable TListTotals m_totals;
  mutable size_t m_totalledRows = 0;
  mutable bool m_totalsStale = false;
  uint64_t m_nextId = 1;
  uint64_t m_currentId = 0;  // 0: no current row
};

}  // namespace zelmora
