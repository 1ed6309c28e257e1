#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class QTableView;

namespace zelmora {

// Draws the grid's lines itself, so that the lines of selected cells follow
// the selection: in the selection colour (so the row reads as one band)
// while the grid has the focus and one row is selected, otherwise in a
// shade of the selection colour, or of the inactive one when the grid has
// no focus, that sets the selected rows apart from each other.
class GridLineDelegate : public QStyledItemDelegate {
public:
  static inline const QColor LineColour{234, 234, 234};
  static inline const QColor SelectionColour{186, 214, 199};
  static inline const QColor InactiveSelectionColour{223, 236, 228};

  explicit GridLineDelegate(QTableView* table);

  void SetLinesShown(bool shown);
  bool LinesShown() const { return m_shown; }
  // The colour of a selected cell's lines.
  static QColor SelectedLineColour(bool focused, bool severalRows);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

private:
  bool SeveralRowsSelected() const;

  QTableView* m_table;
  bool m_shown = true;
};

}  // namespace zelmora
