#include "ui/file_list_footer_bar.h"

#include <QHeaderView>
#include <QPainter>

#include "filelist/file_list_model.h"
#include "ui/qt_text.h"

namespace zelmora {

FileListFooterBar::FileListFooterBar(const FileListModel& list, QHeaderView* header,
                                     QWidget* parent)
    : QWidget(parent), m_list(list), m_header(header) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FileListFooterBar::SetLeftMargin(int pixels) {
  m_leftMargin = pixels;
}

int FileListFooterBar::LeftMargin() const {
  // The header sits right of the row indicator inside the grid, which
  // starts where this bar starts; its place is always the current one.
  const QWidget* table = m_header->parentWidget();
  if (table != nullptr && table->parentWidget() == parentWidget())
    return m_header->geometry().left() + table->geometry().left() - geometry().left();
  return m_leftMargin;
}

QString FileListFooterBar::CellText(int logicalColumn) const {
  if (logicalColumn < 0 || logicalColumn >= FileListColumnCount) return {};
  return ToQString(m_list.Footer().Texts[static_cast<size_t>(logicalColumn)]);
}

QRect FileListFooterBar::CellRect(int logicalColumn) const {
  if (m_header->isSectionHidden(logicalColumn)) return {};
  const int x = LeftMargin() + m_header->sectionViewportPosition(logicalColumn);
  return QRect(x, 0, m_header->sectionSize(logicalColumn), height());
}

QSize FileListFooterBar::sizeHint() const {
  return QSize(100, fontMetrics().height() + 8);
}

void FileListFooterBar::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  const QPalette& pal = palette();
  painter.fillRect(rect(), pal.color(QPalette::Window).darker(103));
  painter.setPen(pal.color(QPalette::Mid));
  painter.drawLine(0, 0, width(), 0);
  // The cells scroll with the grid but never spill into the row indicator
  // or under the vertical scroll bar.
  const QRect area(LeftMargin(), 0, m_header->viewport()->width(), height());
  painter.setClipRect(area);
  const QColor grid = pal.color(QPalette::Midlight);
  for (int visual = 0; visual < m_header->count(); ++visual) {
    const int logical = m_header->logicalIndex(visual);
    const QRect cell = CellRect(logical);
    if (cell.isEmpty() || !cell.intersects(area)) continue;
    painter.setPen(grid);
    painter.drawLine(cell.right(), 2, cell.right(), height() - 2);
    const QString text = CellText(logical);
    if (text.isEmpty()) continue;
    painter.setPen(pal.color(QPalette::WindowText));
    const auto column = static_cast<TFileListColumn>(logical);
    const Qt::Alignment align = ColumnInfo(column).Align == TColumnAlign::Left
                                    ? (Qt::AlignLeft | Qt::AlignVCenter)
                                    : Qt::AlignCenter;
    const QRect inner = cell.adjusted(3, 1, -3, -1);
    painter.drawText(inner, static_cast<int>(align),
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
  }
}

}  // namespace zelmora
