#include "ui/grid_line_delegate.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QPainter>
#include <QTableView>

namespace zelmora {

GridLineDelegate::GridLineDelegate(QTableView* table) : QStyledItemDelegate(table), m_table(table) {
  // The lines of selected cells depend on the focus.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (old == m_table || now == m_table) m_table->viewport()->update();
  });
}

void GridLineDelegate::SetLinesShown(bool shown) {
  m_shown = shown;
  m_table->viewport()->update();
}

QColor GridLineDelegate::SelectedLineColour(bool focused, bool severalRows) {
  if (!focused) return InactiveSelectionColour.darker(110);
  return severalRows ? SelectionColour.darker(110) : SelectionColour;
}

bool GridLineDelegate::SeveralRowsSelected() const {
  const QItemSelectionModel* selection = m_table->selectionModel();
  if (!selection) return false;
  int rows = 0;
  for (const QItemSelectionRange& range : selection->selection()) {
    rows += range.height();
    if (rows > 1) return true;
  }
  return false;
}

void GridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  if (!m_shown) return;
  const bool selected = option.state & QStyle::State_Selected;
  const QColor colour =
      selected ? SelectedLineColour(m_table->hasFocus(), SeveralRowsSelected()) : LineColour;
  painter->save();
  painter->setPen(colour);
  const QRect& r = option.rect;
  painter->drawLine(r.bottomLeft(), r.bottomRight());
  painter->drawLine(r.topRight(), r.bottomRight());
  painter->restore();
}

}  // namespace zelmora
