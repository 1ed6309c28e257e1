#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "core/app_context.h"
#include "filelist/file_list_events.h"
#include "filelist/file_list_model.h"
#include "platform/desktop_services.h"

class QAction;
class QFileIconProvider;
class QMenu;
class QMimeData;
class QTableView;

namespace zelmora {

class FileListFooterBar;
class GridLineDelegate;

// The file list as Qt sees it: one Qt row per list row, one Qt column per
// TFileListColumn (logical index = the column's value). Display texts come
// from the list's own cell rules; the row count is cached so that rows the
// list appended are announced to the view in one insert per batch.
class FileListTableModel : public QAbstractTableModel {
  Q_OBJECT

public:
  FileListTableModel(FileListModel& list, const TAppStrings& strings, QObject* parent = nullptr);
  ~FileListTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Brings the view up to the list: appended rows are inserted, any other
  // change of the row count resets; every cell is marked changed. Returns
  // true when the rows were only appended to (selections stay valid).
  bool SyncRows();
  void RowChanged(int row);
  void HeadersChanged();

  // The icon store: each added file's small icon, by index.
  int AddIcon(const std::string& fullPath);
  void ClearIcons();
  int IconCount() const { return static_cast<int>(m_icons.size()); }

  FileListModel& List() { return m_list; }

private:
  FileListModel& m_list;
  const TAppStrings& m_strings;
  int m_rowCount = 0;
  std::vector<uint64_t> m_ids;  // the rows the view knows, by id
  QList<QIcon> m_icons;
  std::unique_ptr<QFileIconProvider> m_iconProvider;
  QHash<QString, QIcon> m_iconsBySuffix;  // files of one type share one icon
};

// The grid of input files: the table, the footer row aligned with its
// columns, the header's column popup and the column-visibility toggles.
// User edits (check marks, selection, sorting, moved rows) go into the list,
// which then tells the window through its FileListEvents.
class FileListView : public QWidget {
  Q_OBJECT

public:
  FileListView(AppContext& context, FileListModel& list, DesktopServices& desktop,
               QWidget* parent = nullptr);
  ~FileListView() override;

  QTableView* Table() const { return m_table; }
  // The header's right-click popup of column toggles.
  QMenu* HeaderMenu() const { return m_headerMenu; }
  FileListTableModel* TableModel() const { return m_model; }
  FileListFooterBar* FooterBar() const { return m_footer; }

  // --- settings ---------------------------------------------------------
  // Width, display position and visibility of every column.
  void ApplyColumns(const TSettingsRecord& settings);
  void StoreColumns(TSettingsRecord& settings) const;
  // GridLines, RowIndicator, GridFooter, RowHeight, AllowRowMoving,
  // AllowColumnMoving, ListFontName/ListFontSize and HeaderHeight.
  void ApplyGridOptions(const TSettingsRecord& settings);
  bool GridLinesShown() const;
  bool IsColumnVisible(TFileListColumn column) const;
  void SetColumnVisible(TFileListColumn column, bool visible);
  int ColumnWidth(TFileListColumn column) const;  // also of a hidden column
  // Logical columns in display order (hidden ones included).
  std::vector<TFileListColumn> DisplayOrder() const;

  // --- column-visibility toggles ----------------------------------------
  // "actColNoVisible" ...; null for the check and File columns.
  QAction* ColumnVisibleAction(TFileListColumn column) const;
  // Every toggle, in the menu's order.
  std::vector<QAction*> ColumnVisibleActions() const;
  // Adds the toggles (general, video, audio, status, separated) to a menu
  // that runs InitColVisibleActions whenever it opens.
  void FillColumnsMenu(QMenu* menu);
  // The check marks of the toggles from the columns' visibility (nothing
  // while the updating-controls flag is raised).
  void InitColVisibleActions();

  // Header texts and toggle captions in the current language.
  void SetLang();

  // --- what the list tells the grid (through GridFileListEvents) ---------
  void ListChanged();
  void RowChanged(int row);
  void BeginUpdate();
  void EndUpdate();
  void ScrollToLastRow();

  // The rows selected in the table, in ascending order.
  std::vector<int> SelectedRows() const;
  // Selects this row alone and makes it the current row.
  void SelectRow(int row);

signals:
  // The current row changed (a valid row or -1): the audio track list, the
  // preview and the file information follow it.
  void CurrentRowChanged(int row);
  // The user changed check marks, the selection, the order or clicked the
  // grid: the window recomputes its enabled states.
  void UserChangedList();
  // A column was shown or hidden by a toggle.
  void ColumnVisibilityChanged(TFileListColumn column, bool visible);
  // text/uri-list items dropped on the grid, as local paths.
  void FilesDropped(const std::vector<std::string>& paths);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void CreateTable();
  void CreateColumnActions();
  void ConnectTable();
  void ApplySelectionFromList();
  void SelectionFromTable();
  void HeaderClicked(int section);
  void HeaderContextMenu(const QPoint& pos);
  void CellClicked(const QModelIndex& index);
  void RowSectionMoved(int logical, int oldVisual, int newVisual);
  void UpdateFooterGeometry();
  void SyncFromList();

  AppContext& m_context;
  FileListModel& m_list;
  DesktopServices& m_desktop;
  QTableView* m_table = nullptr;
  FileListTableModel* m_model = nullptr;
  FileListFooterBar* m_footer = nullptr;
  QMenu* m_headerMenu = nullptr;
  std::array<QAction*, FileListColumnCount> m_columnActions{};
  std::array<int, FileListColumnCount> m_widths{};  // kept while a column is hidden
  int m_updateDepth = 0;
  bool m_syncing = false;  // selection changes made by the grid itself
  int m_sortColumn = -1;
  bool m_sortAscending = true;
  bool m_footerVisible = true;
  GridLineDelegate* m_gridLines = nullptr;
};

// The list's events routed to the grid and to the window. The list is made
// before the grid, so the grid is attached afterwards; without one the
// events only reach the callbacks.
class GridFileListEvents : public FileListEvents {
public:
  void SetView(FileListView* view) { m_view = view; }

  std::function<void()> OnListChanged;  // after the grid is up to date
  std::function<void(const std::string&)> OnAddedFileFolder;
  std::function<void(const std::string&)> OnUpdateInitialFolders;

  int AddIcon(const std::string& fullPath) override;
  void ClearIcons() override;
  void AddedFileFolder(const std::string& folder) override;
  void UpdateInitialFolders(const std::string& folder) override;
  void ProcessPendingEvents() override;  // QApplication::processEvents
  void ScrollToLastRow() override;
  void BeginUpdate() override;
  void EndUpdate() override;
  void ListChanged() override;
  void RowChanged(int row) override;

private:
  FileListView* m_view = nullptr;
};

// The local paths of a text/uri-list drop (other items are left out).
std::vector<std::string> DroppedPaths(const QMimeData* mime);
bool HasDroppablePaths(const QMimeData* mime);

}  // namespace zelmora
