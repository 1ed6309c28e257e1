#include <QAbstractButton>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "main_window_fixture.h"
#include "screenshots.h"
#include "ui/file_dialogs.h"
#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

namespace {

// The window's rectangle of a widget.
QRect InWindow(const QWidget* widget, const QWidget* window) {
  return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// Every visible control of the bottom bar and the toolbar lies inside the
// window, is at least as large as it needs to be, and keeps clear of its
// siblings.
QStringList LayoutFaults(QMainWindow& window, const char* barName) {
  QStringList faults;
  // The other windows have bottom strips of the same name.
  auto* bar = window.findChild<QWidget*>(QString::fromLatin1(barName), Qt::FindDirectChildrenOnly);
  if (!bar) bar = window.centralWidget()->findChild<QWidget*>(QString::fromLatin1(barName));
  if (!bar) return {QStringLiteral("no %1").arg(QString::fromLatin1(barName))};
  QList<QWidget*> controls;
  for (QWidget* w : bar->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->objectName().isEmpty()) continue;
    if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QComboBox*>(w) &&
        !qobject_cast<QLabel*>(w) && !qobject_cast<QLineEdit*>(w))
      continue;
    controls << w;
    const QRect r = InWindow(w, &window);
    if (!window.rect().contains(r))
      faults << QStringLiteral("%1 leaves the window").arg(w->objectName());
    // A list needs room for the item it shows (its popup shows the rest);
    // a field scrolls; everything else its whole text. Fixed design heights
    // may be a pixel below the style's wish without cutting the text.
    QSize needed = w->minimumSizeHint();
    if (auto* list = qobject_cast<QComboBox*>(w))
      needed.setWidth(list->fontMetrics().horizontalAdvance(list->currentText()) + 30);
    if (qobject_cast<QLineEdit*>(w) == nullptr &&
        (w->width() < needed.width() || w->height() + 1 < needed.height()))
      faults << QStringLiteral("%1 is squeezed (%2x%3, needs %4x%5)")
                    .arg(w->objectName())
                    .arg(w->width())
                    .arg(w->height())
                    .arg(needed.width())
                    .arg(needed.height());
  }
  for (int i = 0; i < controls.size(); ++i)
    for (int j = i + 1; j < controls.size(); ++j) {
      if (controls[i]->isAncestorOf(controls[j]) || controls[j]->isAncestorOf(controls[i]))
        continue;
      if (InWindow(controls[i], &window).intersects(InWindow(controls[j], &window)))
        faults << QStringLiteral("%1 overlaps %2")
                      .arg(controls[i]->objectName(), controls[j]->objectName());
    }
  return faults;
}

}  // namespace

class MainWindowLookTest : public QObject {
  Q_OBJECT

private slots:
  void init() { MessageBoxes::setTestMode(true); }

  void theDesignSizeHoldsTwentyFilesWithNothingClipped() {
    MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\r\nLeft=0\r\nFileAnalysis=None\r\n");
    MainWindow& w = f.Start();
    QStringList names;
    for (int i = 1; i <= 20; ++i)
      names << QString::fromStdString(
          f.dir.write("clips/holiday clip " + std::to_string(i) + ".webm", "x"));
    FileDialogs::setNextFileNames(names);
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    w.resize(934, 712);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.FileList().RowCount(), 20);
    QVERIFY(w.ConversionSettingsExpanded());
    w.Grid()->SelectRow(2);
    w.Grid()->Table()->selectionModel()->select(
        QItemSelection(w.Grid()->TableModel()->index(3, 0), w.Grid()->TableModel()->index(4, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    w.Grid()->Table()->setFocus();
    test::KeepPicture(w, "main_20_files.png");
    QCOMPARE(LayoutFaults(w, "pnBottom").join(QStringLiteral("; ")), QString());
    QCOMPARE(LayoutFaults(w, "tbMain").join(QStringLiteral("; ")), QString());
    w.ErrorLogWindow()->AddErrorRecord("1. clip: Error (1)\n");
    w.ErrorLogWindow()->ShowCentred();
    test::KeepPicture(*w.ErrorLogWindow(), "error_log.png");
    w.ProgressWindow()->ShowCentred();
    test::KeepPicture(*w.ProgressWindow(), "progress_idle.png");
  }

  void theMinimumSizeWithTheSettingsCollapsedClipsNothing() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    f.Find<QToolButton>("fpConversionSettings")->click();
    QVERIFY(!w.ConversionSettingsExpanded());
    w.resize(650, 400);
    QTest::qWait(50);
    QCOMPARE(w.size(), QSize(650, 400));
    test::KeepPicture(w, "main_minimum_collapsed.png");
    QCOMPARE(LayoutFaults(w, "pnBottom").join(QStringLiteral("; ")), QString());
    QCOMPARE(LayoutFaults(w, "tbMain").join(QStringLiteral("; ")), QString());
    // The grid keeps room for a few rows above the bottom bar.
    QVERIFY(w.Grid()->height() >= 120);
  }
};

ZELMORA_UI_TEST(MainWindowLookTest);

}  // namespace zelmora

#include "test_main_window_look.moc"
