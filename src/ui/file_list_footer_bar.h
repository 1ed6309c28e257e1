#pragma once

#include <QWidget>

class QHeaderView;

namespace zelmora {

class FileListModel;

// The footer row under the grid: the list's footer texts, each drawn under
// its column, following the header's widths, order, hidden columns and
// horizontal scrolling.
class FileListFooterBar : public QWidget {
  Q_OBJECT

public:
  FileListFooterBar(const FileListModel& list, QHeaderView* header, QWidget* parent = nullptr);

  // Room on the left for the row indicator, which the header does not span.
  void SetLeftMargin(int pixels);
  int LeftMargin() const;
  // The text under one logical column (for tests).
  QString CellText(int logicalColumn) const;
  // Where that text is drawn; empty for a hidden column.
  QRect CellRect(int logicalColumn) const;
  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const FileListModel& m_list;
  QHeaderView* m_header;
  int m_leftMargin = 0;
};

}  // namespace zelmora
