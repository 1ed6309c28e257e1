#include <QAction>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <algorithm>

#include "ui/file_list_footer_bar.h"
#include "ui/file_list_view.h"
#include "ui/grid_line_delegate.h"
#include "ui/qt_text.h"

namespace zelmora {

namespace {

int Index(TFileListColumn column) {
  return static_cast<int>(column);
}

// The check and File columns cannot be hidden: without them the list
// cannot be used.
bool CanHide(TFileListColumn column) {
  return !ColumnVisibleActionName(column).empty();
}

}  // namespace

void FileListView::CreateColumnActions() {
  for (const TFileListColumnInfo& info : FileListColumns()) {
    const std::string name = ColumnVisibleActionName(info.Column);
    if (name.empty()) continue;
    auto* action = new QAction(this);
    action->setObjectName(ToQString(name));
    action->setCheckable(true);
    const TFileListColumn column = info.Column;
    connect(action, &QAction::triggered, this, [this, column](bool checked) {
      SetColumnVisible(column, checked);
      emit ColumnVisibilityChanged(column, checked);
    });
    m_columnActions[static_cast<size_t>(Index(column))] = action;
  }
  FillColumnsMenu(m_headerMenu);
  SetLang();
}

QAction* FileListView::ColumnVisibleAction(TFileListColumn column) const {
  return m_columnActions[static_cast<size_t>(Index(column))];
}

std::vector<QAction*> FileListView::ColumnVisibleActions() const {
  std::vector<QAction*> actions;
  for (const std::vector<TFileListColumn>& group : ColumnMenuGroups())
    for (TFileListColumn column : group)
      if (QAction* action = ColumnVisibleAction(column)) actions.push_back(action);
  return actions;
}

void FileListView::FillColumnsMenu(QMenu* menu) {
  bool first = true;
  for (const std::vector<TFileListColumn>& group : ColumnMenuGroups()) {
    if (!first) menu->addSeparator();
    first = false;
    for (TFileListColumn column : group)
      if (QAction* action = ColumnVisibleAction(column)) menu->addAction(action);
  }
  connect(menu, &QMenu::aboutToShow, this, &FileListView::InitColVisibleActions);
}

void FileListView::InitColVisibleActions() {
  if (m_context.UpdatingControls) return;
  for (const TFileListColumnInfo& info : FileListColumns()) {
    if (QAction* action = ColumnVisibleAction(info.Column))
      action->setChecked(IsColumnVisible(info.Column));
  }
}

void FileListView::SetLang() {
  for (const TFileListColumnInfo& info : FileListColumns()) {
    if (QAction* action = ColumnVisibleAction(info.Column)) {
      const QString caption = ToQString(ColumnCaption(info.Column, m_context.Strings));
      action->setText(caption);
      action->setToolTip(caption);
    }
  }
  m_model->HeadersChanged();
  m_footer->update();
}

void FileListView::HeaderContextMenu(const QPoint& pos) {
  InitColVisibleActions();
  m_headerMenu->popup(m_table->horizontalHeader()->mapToGlobal(pos));
}

bool FileListView::IsColumnVisible(TFileListColumn column) const {
  return !m_table->horizontalHeader()->isSectionHidden(Index(column));
}

void FileListView::SetColumnVisible(TFileListColumn column, bool visible) {
  if (!visible && !CanHide(column)) return;
  QHeaderView* header = m_table->horizontalHeader();
  const int section = Index(column);
  if (visible == !header->isSectionHidden(section)) return;
  if (!visible) m_widths[static_cast<size_t>(section)] = header->sectionSize(section);
  header->setSectionHidden(section, !visible);
  if (visible) header->resizeSection(section, std::max(m_widths[static_cast<size_t>(section)], 8));
  if (QAction* action = ColumnVisibleAction(column)) action->setChecked(visible);
  m_footer->update();
}

int FileListView::ColumnWidth(TFileListColumn column) const {
  const int section = Index(column);
  if (!IsColumnVisible(column)) return m_widths[static_cast<size_t>(section)];
  return m_table->horizontalHeader()->sectionSize(section);
}

std::vector<TFileListColumn> FileListView::DisplayOrder() const {
  std::vector<TFileListColumn> order;
  const QHeaderView* header = m_table->horizontalHeader();
  for (int visual = 0; visual < FileListColumnCount; ++visual)
    order.push_back(static_cast<TFileListColumn>(header->logicalIndex(visual)));
  return order;
}

void FileListView::ApplyColumns(const TSettingsRecord& settings) {
  QHeaderView* header = m_table->horizontalHeader();
  const std::vector<TFileListColumn> order = ColumnDisplayOrder(settings);
  for (int visual = 0; visual < static_cast<int>(order.size()); ++visual)
    header->moveSection(header->visualIndex(Index(order[static_cast<size_t>(visual)])), visual);
  for (const TFileListColumnInfo& info : FileListColumns()) {
    const TColumnState& state = settings.Columns[static_cast<size_t>(Index(info.Column))];
    const int width = std::max(state.Width, 8);
    m_widths[static_cast<size_t>(Index(info.Column))] = width;
    SetColumnVisible(info.Column, true);
    header->resizeSection(Index(info.Column), width);
    SetColumnVisible(info.Column, state.Visible);
  }
  InitColVisibleActions();
}

void FileListView::StoreColumns(TSettingsRecord& settings) const {
  const QHeaderView* header = m_table->horizontalHeader();
  for (const TFileListColumnInfo& info : FileListColumns()) {
    TColumnState& state = settings.Columns[static_cast<size_t>(Index(info.Column))];
    state.Width = ColumnWidth(info.Column);
    state.Position = header->visualIndex(Index(info.Column));
    state.Visible = IsColumnVisible(info.Column);
  }
}

bool FileListView::GridLinesShown() const {
  return m_gridLines->LinesShown();
}

void FileListView::ApplyGridOptions(const TSettingsRecord& settings) {
  m_gridLines->SetLinesShown(settings.GridLines);
  QHeaderView* rows = m_table->verticalHeader();
  rows->setVisible(settings.RowIndicator);
  rows->setDefaultSectionSize(std::clamp(settings.RowHeight, 12, 50));
  rows->setSectionsMovable(settings.AllowRowMoving);
  QHeaderView* header = m_table->horizontalHeader();
  header->setSectionsMovable(settings.AllowColumnMoving);
  m_footerVisible = settings.GridFooter;
  m_footer->setVisible(settings.GridFooter);

  QFont font = m_table->font();
  const QString family = ToQString(settings.ListFontName);
  // A font this system lacks keeps the desktop's own family.
  if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) font.setFamily(family);
  font.setPointSize(std::clamp(settings.ListFontSize, 6, 20));
  m_table->setFont(font);
  header->setFont(font);
  m_footer->setFont(font);
  header->setFixedHeight(HeaderHeightForFontSize(std::clamp(settings.ListFontSize, 6, 20)));
  UpdateFooterGeometry();
}

void FileListView::UpdateFooterGeometry() {
  m_footer->SetLeftMargin(m_table->viewport()->geometry().left());
  m_footer->update();
}

}  // namespace zelmora
