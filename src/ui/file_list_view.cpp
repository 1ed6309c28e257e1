#include "ui/file_list_view.h"

#include "ui/grid_line_delegate.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <initializer_list>

#include "filelist/explore_directory.h"
#include "ui/file_list_footer_bar.h"
#include "ui/grid_line_delegate.h"
#include "ui/qt_text.h"

namespace zelmora {

namespace {

constexpr int ColActive = static_cast<int>(TFileListColumn::colActive);
constexpr int ColIcon = static_cast<int>(TFileListColumn::colIcon);

// The grid's look: green-grey selection, a paler one when the window is not
// active (the lines are drawn by GridLineDelegate).
const char* const GridStyle =
    "QTableView { selection-background-color: rgb(186,214,199); selection-color: black; }"
    "QTableView:!active { selection-background-color: rgb(223,236,228); }";

}  // namespace

std::vector<std::string> DroppedPaths(const QMimeData* mime) {
  std::vector<std::string> paths;
  if (mime == nullptr || !mime->hasUrls()) return paths;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) paths.push_back(ToStdString(url.toLocalFile()));
  }
  return paths;
}

bool HasDroppablePaths(const QMimeData* mime) {
  return !DroppedPaths(mime).empty();
}

FileListView::FileListView(AppContext& context, FileListModel& list, DesktopServices& desktop,
                           QWidget* parent)
    : QWidget(parent), m_context(context), m_list(list), m_desktop(desktop) {
  setObjectName("FileListGrid");
  CreateTable();
  CreateColumnActions();
  ConnectTable();
  TSettingsRecord defaults;
  ApplyColumns(defaults);
  ApplyGridOptions(defaults);
}

FileListView::~FileListView() {
  // QWidget's destructor hides the table before deleting it, and the hidden
  // header still emits geometriesChanged: by then this object is only a
  // QWidget, so nothing of the table may reach our slots or filter any more.
  for (QObject* sender : std::initializer_list<QObject*>{
           m_table, m_table->horizontalHeader(), m_table->verticalHeader(),
           m_table->selectionModel(), m_table->horizontalScrollBar()})
    disconnect(sender, nullptr, this, nullptr);
  m_table->viewport()->removeEventFilter(this);
}

void FileListView::CreateTable() {
  m_table = new QTableView(this);
  m_table->setObjectName("FileListTable");
  m_model = new FileListTableModel(m_list, m_context.Strings, this);
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setWordWrap(false);
  m_table->setTextElideMode(Qt::ElideRight);
  m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  m_table->setStyleSheet(QString::fromLatin1(GridStyle));
  m_table->setContextMenuPolicy(Qt::CustomContextMenu);
  m_table->setIconSize(QSize(16, 16));
  m_table->setShowGrid(false);
  m_gridLines = new GridLineDelegate(m_table);
  m_table->setItemDelegate(m_gridLines);

  QHeaderView* header = m_table->horizontalHeader();
  header->setSectionsClickable(true);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(8);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  header->setDefaultAlignment(Qt::AlignCenter);
  QHeaderView* rows = m_table->verticalHeader();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(12);
  rows->setFixedWidth(12);
  rows->setHighlightSections(true);

  m_table->viewport()->setAcceptDrops(true);
  m_table->viewport()->installEventFilter(this);

  m_footer = new FileListFooterBar(m_list, header, this);
  m_footer->setObjectName("FileListFooter");
  m_headerMenu = new QMenu(this);
  m_headerMenu->setObjectName("popColumns");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_table, 1);
  layout->addWidget(m_footer);
}

void FileListView::ConnectTable() {
  QHeaderView* header = m_table->horizontalHeader();
  connect(header, &QHeaderView::sectionClicked, this, &FileListView::HeaderClicked);
  connect(header, &QWidget::customContextMenuRequested, this, &FileListView::HeaderContextMenu);
  connect(header, &QHeaderView::sectionResized, m_footer, qOverload<>(&QWidget::update));
  connect(header, &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
  connect(header, &QHeaderView::geometriesChanged, this, &FileListView::UpdateFooterGeometry);
  connect(m_table->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
          qOverload<>(&QWidget::update));
  connect(m_table->verticalHeader(), &QHeaderView::sectionMoved, this,
          &FileListView::RowSectionMoved);
  connect(m_table, &QAbstractItemView::clicked, this, &FileListView::CellClicked);
  connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { SelectionFromTable(); });
  connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (m_syncing) return;
            m_list.SetCurrentRow(current.isValid() ? current.row() : -1);
            emit CurrentRowChanged(m_list.CurrentRow());
          });
}

// --- list -> grid ---------------------------------------------------------

void FileListView::SyncFromList() {
  const bool wasSyncing = m_syncing;
  m_syncing = true;
  if (!m_model->SyncRows()) ApplySelectionFromList();
  m_syncing = wasSyncing;
  m_footer->update();
}

void FileListView::ListChanged() {
  SyncFromList();
}

void FileListView::RowChanged(int row) {
  if (row >= m_model->rowCount()) SyncFromList();
  m_model->RowChanged(row);
  // During a run the row being worked on stays in view.
  if (m_context.ConversionState.Running && m_list.IsValidRowIndex(row))
    m_table->scrollTo(m_model->index(row, 0));
}

void FileListView::BeginUpdate() {
  if (m_updateDepth++ == 0) m_table->setUpdatesEnabled(false);
}

void FileListView::EndUpdate() {
  if (m_updateDepth == 0) return;
  if (--m_updateDepth == 0) m_table->setUpdatesEnabled(true);
}

void FileListView::ScrollToLastRow() {
  SyncFromList();
  m_table->scrollToBottom();
}

void FileListView::ApplySelectionFromList() {
  QItemSelection selection;
  const std::vector<TFileListRow>& rows = m_list.Rows();
  const int count = static_cast<int>(rows.size());
  for (int first = 0; first < count; ++first) {
    if (!rows[first].Selected) continue;
    int last = first;
    while (last + 1 < count && rows[last + 1].Selected) ++last;
    selection.select(m_model->index(first, 0), m_model->index(last, FileListColumnCount - 1));
    first = last;
  }
  QItemSelectionModel* model = m_table->selectionModel();
  model->select(selection, QItemSelectionModel::ClearAndSelect);
  const int current = m_list.CurrentRow();
  model->setCurrentIndex(current >= 0 ? m_model->index(current, 0) : QModelIndex(),
                         QItemSelectionModel::NoUpdate);
}

// --- grid -> list ---------------------------------------------------------

void FileListView::SelectionFromTable() {
  if (m_syncing) return;
  std::vector<bool> selected(static_cast<size_t>(m_list.RowCount()), false);
  for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
    if (index.row() < m_list.RowCount()) selected[static_cast<size_t>(index.row())] = true;
  for (int row = 0; row < m_list.RowCount(); ++row) {
    if (m_list.Row(row).Selected != selected[static_cast<size_t>(row)])
      m_list.SetSelected(row, selected[static_cast<size_t>(row)]);
  }
  m_syncing = true;
  m_list.Refresh();
  m_syncing = false;
  emit UserChangedList();
}

std::vector<int> FileListView::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void FileListView::SelectRow(int row) {
  if (!m_list.IsValidRowIndex(row)) return;
  SyncFromList();
  m_table->selectionModel()->setCurrentIndex(
      m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  m_table->scrollTo(m_model->index(row, 0));
}

void FileListView::HeaderClicked(int section) {
  if (section < 0 || section >= FileListColumnCount) return;
  const auto column = static_cast<TFileListColumn>(section);
  if (ColumnInfo(column).Sort == TColumnSort::None) return;
  m_sortAscending = section == m_sortColumn ? !m_sortAscending : true;
  m_sortColumn = section;
  QHeaderView* header = m_table->horizontalHeader();
  header->setSortIndicatorShown(true);
  header->setSortIndicator(section, m_sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
  m_list.SortByColumn(column, m_sortAscending);
  emit UserChangedList();
}

void FileListView::CellClicked(const QModelIndex& index) {
  if (!index.isValid() || index.column() != ColIcon) return;
  const std::string file =
      FileOpenedByIconClick(m_list, index.row(), m_context.AppParams.OpenFileAfterIconClick);
  if (!file.empty()) m_desktop.OpenDocument(file);
}

void FileListView::RowSectionMoved(int logical, int oldVisual, int newVisual) {
  (void)logical;
  // The header only lends its dragging: the list holds the order, so the
  // header goes back to one visual row per logical row at once.
  QHeaderView* rows = m_table->verticalHeader();
  {
    const QSignalBlocker blocker(rows);
    rows->moveSection(newVisual, oldVisual);
  }
  if (m_list.MoveRow(oldVisual, newVisual)) emit UserChangedList();
}

bool FileListView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_table->viewport()) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (!HasDroppablePaths(drag->mimeData())) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      std::vector<std::string> paths = DroppedPaths(drop->mimeData());
      if (paths.empty()) return false;
      drop->acceptProposedAction();
      emit FilesDropped(paths);
      return true;
    }
    default:
      return QWidget::eventFilter(watched, event);
  }
}

// --- GridFileListEvents -----------------------------------------------------

int GridFileListEvents::AddIcon(const std::string& fullPath) {
  return m_view != nullptr ? m_view->TableModel()->AddIcon(fullPath) : -1;
}

void GridFileListEvents::ClearIcons() {
  if (m_view != nullptr) m_view->TableModel()->ClearIcons();
}

void GridFileListEvents::AddedFileFolder(const std::string& folder) {
  if (OnAddedFileFolder) OnAddedFileFolder(folder);
}

void GridFileListEvents::UpdateInitialFolders(const std::string& folder) {
  if (OnUpdateInitialFolders) OnUpdateInitialFolders(folder);
}

void GridFileListEvents::ProcessPendingEvents() {
  QApplication::processEvents();
}

void GridFileListEvents::ScrollToLastRow() {
  if (m_view != nullptr) m_view->ScrollToLastRow();
}

void GridFileListEvents::BeginUpdate() {
  if (m_view != nullptr) m_view->BeginUpdate();
}

void GridFileListEvents::EndUpdate() {
  if (m_view != nullptr) m_view->EndUpdate();
}

void GridFileListEvents::ListChanged() {
  if (m_view != nullptr) m_view->ListChanged();
  if (OnListChanged) OnListChanged();
}

void GridFileListEvents::RowChanged(int row) {
  if (m_view != nullptr) m_view->RowChanged(row);
}

}  // namespace zelmora
