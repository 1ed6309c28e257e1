#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include "base/numbers.h"
#include "filelist/add_files.h"
#include "gui_run_harness.h"
#include "ui/file_list_footer_bar.h"
#include "ui/grid_line_delegate.h"
#include "ui_test_registry.h"

namespace zelmora {
namespace {

constexpr int Col(TFileListColumn column) {
  return static_cast<int>(column);
}

QStringList Texts(std::initializer_list<const char*> texts) {
  QStringList list;
  for (const char* text : texts) list << QString::fromUtf8(text);
  return list;
}

// A list and its grid over files in a fresh folder, added without analysis.
struct GridHarness {
  GridHarness() {
    events.SetView(&grid);
    events.OnListChanged = [this] { ++listChanges; };
    grid.resize(900, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
  }
  std::string Add(const std::string& name, const std::string& bytes = "x") {
    const std::string path = dir.write(name, bytes);
    list.AddToList(path, true);
    return path;
  }
  QString Cell(int row, TFileListColumn column) const {
    return grid.TableModel()->index(row, Col(column)).data().toString();
  }
  QStringList Column(TFileListColumn column) const {
    QStringList texts;
    for (int row = 0; row < grid.TableModel()->rowCount(); ++row) texts << Cell(row, column);
    return texts;
  }

  test::TempDir dir;
  AppContext context;
  NullFileAnalyzer analyzer;
  GridFileListEvents events;
  FileListModel list{context.AppParams, context.Strings, analyzer, events};
  test::RecordingDesktopServices desktop;
  FileListView grid{context, list, desktop};
  int listChanges = 0;
};

}  // namespace

class FileListViewTest : public QObject {
  Q_OBJECT

private slots:
  void theGridShowsRowsColumnsAndFooter() {
    GridHarness h;
    h.Add("b clip.webm", std::string(1500, 'x'));
    h.Add("a clip.mp4", std::string(2500, 'x'));
    h.Add("ünïcode.mkv");
    h.list.Refresh();
    QCOMPARE(h.grid.TableModel()->rowCount(), 3);
    QCOMPARE(h.grid.TableModel()->columnCount(), FileListColumnCount);
    QCOMPARE(h.Column(TFileListColumn::colFileName),
             Texts({"b clip.webm", "a clip.mp4", "ünïcode.mkv"}));
    QCOMPARE(h.Column(TFileListColumn::colNo), Texts({"1", "2", "3"}));
    QCOMPARE(h.Column(TFileListColumn::colStatus), Texts({"Ready", "Ready", "Ready"}));
    QCOMPARE(h.Cell(0, TFileListColumn::colDirectory), QString::fromStdString(h.dir.path()));
    const QModelIndex check = h.grid.TableModel()->index(0, Col(TFileListColumn::colActive));
    QCOMPARE(check.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(h.grid.TableModel()->headerData(Col(TFileListColumn::colFileName), Qt::Horizontal,
                                             Qt::DisplayRole),
             QVariant(QStringLiteral(" File")));

    // Design visibility: the detail columns start hidden.
    QVERIFY(h.grid.IsColumnVisible(TFileListColumn::colStatus));
    QVERIFY(!h.grid.IsColumnVisible(TFileListColumn::colVideoCodec));

    FileListFooterBar* footer = h.grid.FooterBar();
    QCOMPARE(footer->CellText(Col(TFileListColumn::colNo)), QStringLiteral("3"));
    QCOMPARE(footer->CellText(Col(TFileListColumn::colActive)), QStringLiteral("3"));
    QCOMPARE(footer->CellText(Col(TFileListColumn::colSize)),
             QString::fromStdString(FormatByteSize(4001)));
    // Each footer text sits under its column, wherever the column is.
    QHeaderView* header = h.grid.Table()->horizontalHeader();
    header->moveSection(header->visualIndex(Col(TFileListColumn::colSize)), 0);
    const QRect sizeCell = footer->CellRect(Col(TFileListColumn::colSize));
    QCOMPARE(sizeCell.width(), header->sectionSize(Col(TFileListColumn::colSize)));
    QCOMPARE(sizeCell.left() - h.grid.Table()->viewport()->geometry().left(),
             header->sectionViewportPosition(Col(TFileListColumn::colSize)));
  }

  void headerClicksSortAndReverse() {
    GridHarness h;
    h.Add("b.webm", "xx");
    h.Add("c.webm", "x");
    h.Add("a.webm", "xxx");
    h.list.Refresh();
    QHeaderView* header = h.grid.Table()->horizontalHeader();
    auto click = [header](TFileListColumn column) {
      const int x = header->sectionViewportPosition(Col(column)) + 5;
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    click(TFileListColumn::colFileName);
    QCOMPARE(h.Column(TFileListColumn::colFileName), Texts({"a.webm", "b.webm", "c.webm"}));
    // Numbers stay with their rows when sorting.
    QCOMPARE(h.Column(TFileListColumn::colNo), Texts({"3", "1", "2"}));
    click(TFileListColumn::colFileName);
    QCOMPARE(h.Column(TFileListColumn::colFileName), Texts({"c.webm", "b.webm", "a.webm"}));
    click(TFileListColumn::colSize);  // numerically, by the bytes
    QCOMPARE(h.Column(TFileListColumn::colFileName), Texts({"c.webm", "b.webm", "a.webm"}));
    click(TFileListColumn::colIcon);  // does not sort
    QCOMPARE(h.Column(TFileListColumn::colFileName), Texts({"c.webm", "b.webm", "a.webm"}));
  }

  void checkMarksToggleAndTheUncheckedRowIsGreyed() {
    GridHarness h;
    h.Add("a.webm");
    h.Add("b.webm");
    h.list.Refresh();
    const int before = h.listChanges;
    const QModelIndex check = h.grid.TableModel()->index(1, Col(TFileListColumn::colActive));
    QVERIFY(h.grid.TableModel()->setData(check, Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!h.list.Row(1).Active);
    QCOMPARE(h.grid.FooterBar()->CellText(Col(TFileListColumn::colActive)), QStringLiteral("1"));
    QVERIFY(h.listChanges > before);  // the window recomputes its enabled states
    QVERIFY(check.data(Qt::BackgroundRole).isValid());
    QVERIFY(!h.grid.TableModel()->index(0, 0).data(Qt::BackgroundRole).isValid());

    // A list command shows in the grid at once.
    h.list.actInvertSelection();
    QCOMPARE(check.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(h.grid.TableModel()
                 ->index(0, Col(TFileListColumn::colActive))
                 .data(Qt::CheckStateRole)
                 .value<Qt::CheckState>(),
             Qt::Unchecked);
  }

  void theSelectionFollowsTheGridAndSurvivesRemovals() {
    GridHarness h;
    for (const char* name : {"a.webm", "b.webm", "c.webm", "d.webm"}) h.Add(name);
    h.list.Refresh();
    QSignalSpy current(&h.grid, &FileListView::CurrentRowChanged);
    h.grid.SelectRow(2);
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.takeFirst().at(0).toInt(), 2);
    QCOMPARE(h.list.GetGridInfo().SelectedCount, 1);
    QVERIFY(h.list.Row(2).Selected);

    // Rows 0 and 1 go; the selected file keeps its selection at its new place.
    h.list.SetChecked(2, false);
    h.list.SetChecked(3, false);
    h.list.actRemoveChecked();
    QCOMPARE(h.grid.TableModel()->rowCount(), 2);
    QCOMPARE(h.grid.SelectedRows(), std::vector<int>{0});
    QCOMPARE(h.Cell(0, TFileListColumn::colFileName), QStringLiteral("c.webm"));
    QCOMPARE(h.Column(TFileListColumn::colNo), Texts({"1", "2"}));
  }

  void draggingARowIndicatorMovesTheRowInTheList() {
    GridHarness h;
    for (const char* name : {"a.webm", "b.webm", "c.webm"}) h.Add(name);
    h.list.Refresh();
    QHeaderView* rows = h.grid.Table()->verticalHeader();
    QVERIFY(rows->sectionsMovable());
    rows->moveSection(0, 2);  // what a drag of the first row's indicator does
    QCOMPARE(h.list.Row(2).FileName, std::string("a.webm"));
    QCOMPARE(h.Column(TFileListColumn::colFileName), Texts({"b.webm", "c.webm", "a.webm"}));
    // The list holds the order; the header keeps one row per place.
    QCOMPARE(rows->logicalIndex(0), 0);
    QCOMPARE(rows->logicalIndex(2), 2);

    TSettingsRecord fixedRows;
    fixedRows.AllowRowMoving = false;
    h.grid.ApplyGridOptions(fixedRows);
    QVERIFY(!rows->sectionsMovable());
  }

  void clickingTheIconOpensTheFileOnlyWhenSwitchedOn() {
    GridHarness h;
    const std::string file = h.Add("a clip.webm");
    h.list.Refresh();
    QTableView* table = h.grid.Table();
    const QRect cell =
        table->visualRect(h.grid.TableModel()->index(0, Col(TFileListColumn::colIcon)));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(h.desktop.calls().empty());
    h.context.AppParams.OpenFileAfterIconClick = true;
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(h.desktop.calls(), std::vector<std::string>{"open " + file});
  }

  void droppedUrisArriveAsLocalPaths() {
    GridHarness h;
    QSignalSpy dropped(&h.grid, &FileListView::FilesDropped);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/videos/$a 'b\".webm")),
                  QUrl::fromLocalFile(QStringLiteral("/videos/ünï/-x.lst")),
                  QUrl(QStringLiteral("https://example.org/clip.webm"))});
    QCOMPARE(DroppedPaths(&mime),
             (std::vector<std::string>{"/videos/$a 'b\".webm", "/videos/ünï/-x.lst"}));
    QWidget* viewport = h.grid.Table()->viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &drop);
    QCOMPARE(dropped.count(), 1);
    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &refused);
    QVERIFY(!refused.isAccepted());
  }

  void columnLayoutRoundTripsThroughTheSettingsRecord() {
    GridHarness h;
    TSettingsRecord settings;
    StateOfColumn(settings, TFileListColumn::colStatus) = {55, 0, true};
    StateOfColumn(settings, TFileListColumn::colDirectory) = {150, 4, false};
    StateOfColumn(settings, TFileListColumn::colVideoFPS) = {60, 5, true};
    // The check and File columns are never hidden, whatever the file says.
    StateOfColumn(settings, TFileListColumn::colFileName).Visible = false;
    h.grid.ApplyColumns(settings);
    QCOMPARE(h.grid.DisplayOrder().front(), TFileListColumn::colStatus);
    QVERIFY(!h.grid.IsColumnVisible(TFileListColumn::colDirectory));
    QVERIFY(h.grid.IsColumnVisible(TFileListColumn::colVideoFPS));
    QVERIFY(h.grid.IsColumnVisible(TFileListColumn::colFileName));
    QCOMPARE(h.grid.ColumnWidth(TFileListColumn::colDirectory), 150);

    TSettingsRecord stored;
    h.grid.StoreColumns(stored);
    QCOMPARE(StateOfColumn(stored, TFileListColumn::colStatus).Width, 55);
    QCOMPARE(StateOfColumn(stored, TFileListColumn::colStatus).Position, 0);
    QCOMPARE(StateOfColumn(stored, TFileListColumn::colDirectory).Width, 150);
    QVERIFY(!StateOfColumn(stored, TFileListColumn::colDirectory).Visible);
    QCOMPARE(ColumnDisplayOrder(stored), h.grid.DisplayOrder());
  }

  void theHeaderPopupTogglesColumns() {
    GridHarness h;
    QHeaderView* header = h.grid.Table()->horizontalHeader();
    emit header->customContextMenuRequested(QPoint(20, 5));
    QMenu* menu = h.grid.HeaderMenu();
    QVERIFY(menu->isVisible());
    QAction* codec = h.grid.ColumnVisibleAction(TFileListColumn::colVideoCodec);
    QCOMPARE(codec->objectName(), QStringLiteral("actColVideoCodecVisible"));
    QCOMPARE(codec->text(), QStringLiteral("Video codec"));
    QVERIFY(menu->actions().contains(codec));
    QVERIFY(!codec->isChecked());
    QVERIFY(h.grid.ColumnVisibleAction(TFileListColumn::colFileName) == nullptr);
    menu->hide();
    codec->trigger();
    QVERIFY(h.grid.IsColumnVisible(TFileListColumn::colVideoCodec));
    // Hidden elsewhere, the toggle follows when a menu opens.
    h.grid.SetColumnVisible(TFileListColumn::colVideoCodec, false);
    QMenu columns;
    h.grid.FillColumnsMenu(&columns);
    QCOMPARE(columns.actions().size(), 27 + 3);  // the toggles and three separators
    emit columns.aboutToShow();
    QVERIFY(!codec->isChecked());
  }

  void addingAFolderReachesTheGridInBatches() {
    GridHarness h;
    constexpr int Files = 1200;
    for (int i = 0; i < Files; ++i)
      h.dir.write("tree/f" + std::to_string(10000 + i) + ".webm", "x");
    QSignalSpy inserted(h.grid.TableModel(), &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(h.grid.TableModel(), &QAbstractItemModel::modelReset);
    QCOMPARE(AddFolder(h.list, h.dir.file("tree")), Files);
    QCOMPARE(h.grid.TableModel()->rowCount(), Files);
    QCOMPARE(resets.count(), 0);
    QVERIFY2(inserted.count() <= Files / 10 + 2, "one insert per batch of ten, not per file");
    QCOMPARE(h.grid.FooterBar()->CellText(Col(TFileListColumn::colNo)),
             QString::fromStdString(FormatThousands(Files)));
  }

  void theLinesOfSelectedRowsFollowTheSelectionAndTheFocus() {
    GridHarness h;
    for (const char* name : {"a.webm", "b.webm", "c.webm"}) h.Add(name);
    h.list.Refresh();
    QTableView* table = h.grid.Table();
    h.grid.activateWindow();
    table->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&h.grid));
    QTRY_VERIFY(table->hasFocus());
    // The colour of the bottom line of a cell in the Size column.
    auto lineAt = [&](int row) {
      const QRect cell =
          table->visualRect(h.grid.TableModel()->index(row, Col(TFileListColumn::colSize)));
      QApplication::processEvents();
      return table->viewport()->grab().toImage().pixel(cell.center().x(), cell.bottom());
    };
    QCOMPARE(lineAt(1), GridLineDelegate::LineColour.rgb());
    h.grid.SelectRow(1);
    QCOMPARE(lineAt(1), GridLineDelegate::SelectionColour.rgb());
    table->selectionModel()->select(
        h.grid.TableModel()->index(2, 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(lineAt(1), GridLineDelegate::SelectionColour.darker(110).rgb());
    QCOMPARE(lineAt(0), GridLineDelegate::LineColour.rgb());
    table->clearFocus();
    QTRY_VERIFY(!table->hasFocus());
    QCOMPARE(lineAt(1), GridLineDelegate::InactiveSelectionColour.darker(110).rgb());
    TSettingsRecord settings;
    settings.GridLines = false;
    h.grid.ApplyGridOptions(settings);
    QVERIFY(lineAt(0) != GridLineDelegate::LineColour.rgb());
  }

private:
  static TColumnState& StateOfColumn(TSettingsRecord& settings, TFileListColumn column) {
    return settings.Columns[static_cast<size_t>(column)];
  }
};

ZELMORA_UI_TEST(FileListViewTest);

}  // namespace zelmora

#include "test_file_list_view.moc"
