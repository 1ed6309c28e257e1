#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QPalette>

#include "ui/file_list_view.h"
#include "ui/qt_text.h"

namespace zelmora {

namespace {

TFileListColumn ColumnOf(int section) {
  return static_cast<TFileListColumn>(section);
}

Qt::Alignment AlignmentOf(TFileListColumn column) {
  return ColumnInfo(column).Align == TColumnAlign::Left ? (Qt::AlignLeft | Qt::AlignVCenter)
                                                        : Qt::AlignCenter;
}

}  // namespace

FileListTableModel::FileListTableModel(FileListModel& list, const TAppStrings& strings,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_strings(strings) {
  m_rowCount = list.RowCount();
  for (const TFileListRow& row : list.Rows()) m_ids.push_back(row.Id);
}

FileListTableModel::~FileListTableModel() = default;

int FileListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rowCount;
}

int FileListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : FileListColumnCount;
}

QVariant FileListTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !m_list.IsValidRowIndex(index.row())) return {};
  const TFileListRow& row = m_list.Row(index.row());
  const TFileListColumn column = ColumnOf(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(CellText(row, column));
    case Qt::CheckStateRole:
      if (column != TFileListColumn::colActive) return {};
      return row.Active ? Qt::Checked : Qt::Unchecked;
    case Qt::DecorationRole:
      if (column != TFileListColumn::colIcon || row.Icon < 0 || row.Icon >= m_icons.size())
        return {};
      return m_icons[row.Icon];
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(AlignmentOf(column));
    case Qt::ToolTipRole:
      if (column == TFileListColumn::colFileName || column == TFileListColumn::colDirectory)
        return ToQString(CellText(row, column));
      return {};
    case Qt::BackgroundRole:
      // Unchecked rows are set off like a disabled control.
      if (!row.Active) return QApplication::palette().brush(QPalette::Button);
      return {};
    case Qt::ForegroundRole:
      if (column == TFileListColumn::colStatus && row.StatusColour)
        return QColor(row.StatusColour->r, row.StatusColour->g, row.StatusColour->b);
      if (!row.Active) return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
      return {};
    default:
      return {};
  }
}

bool FileListTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || ColumnOf(index.column()) != TFileListColumn::colActive ||
      !m_list.IsValidRowIndex(index.row()))
    return false;
  m_list.SetChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), FileListColumnCount - 1));
  // The footer and the window's enabled states follow the check mark.
  m_list.Refresh();
  return true;
}

Qt::ItemFlags FileListTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (ColumnOf(index.column()) == TFileListColumn::colActive) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

QVariant FileListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    // The row indicator carries no text: the rows have their own numbers.
    return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
  }
  if (section < 0 || section >= FileListColumnCount) return {};
  const TFileListColumn column = ColumnOf(section);
  if (role == Qt::DisplayRole) return ToQString(ColumnHeaderText(column, m_strings));
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(AlignmentOf(column));
  return {};
}

bool FileListTableModel::SyncRows() {
  const std::vector<TFileListRow>& rows = m_list.Rows();
  const int count = static_cast<int>(rows.size());
  bool appended = count >= m_rowCount;
  for (int i = 0; appended && i < m_rowCount; ++i) appended = rows[i].Id == m_ids[i];
  if (appended) {
    if (count > m_rowCount) {
      beginInsertRows({}, m_rowCount, count - 1);
      for (int i = m_rowCount; i < count; ++i) m_ids.push_back(rows[i].Id);
      m_rowCount = count;
      endInsertRows();
    }
  } else if (count == m_rowCount) {
    // Same rows in another order (sorted, moved): the cells are redrawn.
    for (int i = 0; i < count; ++i) m_ids[i] = rows[i].Id;
  } else {
    beginResetModel();
    m_ids.clear();
    for (const TFileListRow& row : rows) m_ids.push_back(row.Id);
    m_rowCount = count;
    endResetModel();
    return false;
  }
  if (count > 0) emit dataChanged(index(0, 0), index(count - 1, FileListColumnCount - 1));
  return appended;
}

void FileListTableModel::RowChanged(int row) {
  if (row < 0 || row >= m_rowCount) return;
  emit dataChanged(index(row, 0), index(row, FileListColumnCount - 1));
}

void FileListTableModel::HeadersChanged() {
  emit headerDataChanged(Qt::Horizontal, 0, FileListColumnCount - 1);
}

int FileListTableModel::AddIcon(const std::string& fullPath) {
  const QFileInfo info(ToQString(fullPath));
  const QString suffix = info.suffix().toLower();
  auto cached = m_iconsBySuffix.constFind(suffix);
  QIcon icon;
  if (cached != m_iconsBySuffix.constEnd()) {
    icon = *cached;
  } else {
    if (!m_iconProvider) m_iconProvider = std::make_unique<QFileIconProvider>();
    icon = m_iconProvider->icon(info);
    m_iconsBySuffix.insert(suffix, icon);
  }
  if (icon.isNull()) return -1;
  m_icons.push_back(icon);
  return static_cast<int>(m_icons.size()) - 1;
}

void FileListTableModel::ClearIcons() {
  m_icons.clear();
}

}  // namespace zelmora
