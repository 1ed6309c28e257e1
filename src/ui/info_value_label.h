#pragma once

#include <QLabel>

namespace zelmora {

// A value of the file information window. A long value is cut with an
// ellipsis instead of widening the window (the tooltip has all of it), and
// text() always holds the whole value. As a link it is underlined in the
// link colour and reports a left click.
class InfoValueLabel : public QLabel {
  Q_OBJECT

public:
  explicit InfoValueLabel(QWidget* parent = nullptr);

  void SetValue(const QString& value);
  void MakeLink();
  bool IsLink() const { return m_link; }

  QSize minimumSizeHint() const override;

signals:
  void Clicked();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  bool m_link = false;
};

}  // namespace zelmora
