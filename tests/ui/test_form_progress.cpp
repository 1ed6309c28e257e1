#include <QCheckBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "base/files.h"
#include "gui_run_harness.h"
#include "support/media_clips.h"
#include "ui/file_dialogs.h"
#include "ui_test_registry.h"

namespace zelmora {
namespace {

QPushButton* AbortButton(FormProgress& form) {
  return form.findChild<QPushButton*>(QStringLiteral("btnAbort"));
}

// Presses the window's button once the run has got going.
void PressAbortAfter(FormProgress& form, int ms, int presses = 1) {
  QTimer::singleShot(ms, &form, [&form, presses] {
    for (int i = 0; i < presses; ++i) QTest::mouseClick(AbortButton(form), Qt::LeftButton);
  });
}

}  // namespace

class FormProgressTest : public QObject {
  Q_OBJECT

private slots:
  void init() { MessageBoxes::setTestMode(true); }

  void richTextLabels_data() {
    QTest::addColumn<QString>("rich");
    QTest::addColumn<QString>("html");
    QTest::newRow("bold stays bold") << "<b>Done</b>"
                                     << "<b>Done</b>";
    QTest::newRow("font colour becomes a coloured span")
        << R"(<font color="#1F6CE0">OK</font>)"
        << R"(<span style="color:#1F6CE0;">OK</span>)";
    QTest::newRow("background colour too") << R"(<font bgcolor="#FFFF00">x</font>)"
                                           << R"(<span style="background-color:#FFFF00;">x</span>)";
    QTest::newRow("a file name with markup characters is text") << "/v/<i>&.webm"
                                                                << "/v/&lt;i&gt;&amp;.webm";
    QTest::newRow("blanks are kept") << "a  b"
                                     << "a&nbsp;&nbsp;b";
  }
  void richTextLabels() {
    QFETCH(QString, rich);
    QFETCH(QString, html);
    QCOMPARE(RichTextToHtml(rich.toStdString()), html);
    AppContext context;
    ConsoleRunner runner;
    AbortController abort(context.ConversionState, runner);
    FormProgress form(context, abort);
    form.SetStatusText(rich.toStdString());
    form.SetOutputFileText(rich.toStdString());
    QCOMPARE(form.StatusHtml(), html);
    QCOMPARE(form.OutputFileHtml(), html);
  }

  void storedSizeOpensCentredOverTheMainWindow() {
    AppContext context;
    ConsoleRunner runner;
    AbortController abort(context.ConversionState, runner);
    QWidget main;
    main.setGeometry(40, 40, 700, 480);
    main.show();
    FormProgress form(context, abort, &main);
    QCOMPARE(form.size(), QSize(FormProgress::DesignWidth, FormProgress::DesignHeight));
    TSettingsRecord settings;
    settings.ProgressWidth = 900;
    settings.ProgressHeight = 500;
    settings.DontShowEncoderOutput = true;
    settings.CloseAfterConversion = false;
    form.LoadSettings(settings);
    form.ShowCentred();
    QCOMPARE(form.size(), QSize(900, 500));
    QVERIFY(form.IsEncoderOutputHidden());
    QVERIFY(!form.IsCloseAfterConversion());
    TSettingsRecord stored;
    form.StoreSettings(stored);
    QVERIFY(stored.HasProgressWindow);
    QCOMPARE(stored.ProgressWidth, 900);
    QCOMPARE(stored.ProgressHeight, 500);
    QVERIFY(stored.DontShowEncoderOutput);
    QVERIFY(!stored.CloseAfterConversion);

    // A size below the minimum (a hand-edited file) is raised to it.
    settings.ProgressWidth = 100;
    settings.ProgressHeight = 0;
    form.LoadSettings(settings);
    QCOMPARE(form.size(), QSize(FormProgress::MinWidth, FormProgress::DesignHeight));

    // Shown again, it is centred over the main window again (the offscreen
    // screen is small: a 900-pixel window would be kept on it instead).
    form.hide();
    main.move(60, 50);
    form.ShowCentred();
    QVERIFY((form.frameGeometry().center() - main.frameGeometry().center()).manhattanLength() <= 4);
  }

  void theButtonClosesTheIdleWindow() {
    AppContext context;
    ConsoleRunner runner;
    AbortController abort(context.ConversionState, runner);
    FormProgress form(context, abort);
    form.ShowCentred();
    QCOMPARE(AbortButton(form)->text(), QStringLiteral("Close"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Conversion"));
    QTest::mouseClick(AbortButton(form), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.IsAbortTimerActive());
    QVERIFY(!context.ConversionState.AbortRequested);
  }

  void aRealEncodeDrivesTheLabelsAndTheBar() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    test::TempDir dir;
    const std::string clip = test::MakeClip(dir.path(), "clip one.webm");
    QVERIFY(!clip.empty());
    test::GuiRunHarness h(test::FfmpegPath());
    QVERIFY(h.list.AddToList(clip, true));
    h.list.Refresh();
    std::vector<int> bar;
    connect(h.progress.findChild<QProgressBar*>(QStringLiteral("pbFile")),
            &QProgressBar::valueChanged, this, [&bar](int value) { bar.push_back(value); });
    QStringList captions;
    connect(&h.progress, &QWidget::windowTitleChanged, this,
            [&captions](const QString& title) { captions << title; });

    const TConversionOutcome outcome = h.Convert();

    QCOMPARE(outcome.ErrorCount, 0);
    QCOMPARE(h.list.Row(0).Status, std::string("Done"));
    QVERIFY(!bar.empty());
    QCOMPARE(bar.back(), 100);
    QCOMPARE(h.progress.ProgressPosition(), 100);
    QVERIFY(FileExists(dir.file("clip one.avi")));
    QCOMPARE(h.progress.InputFileText().toStdString(), clip);
    QVERIFY(h.progress.StatusHtml().contains(QStringLiteral("Done")));
    QVERIFY(h.progress.OutputFileHtml().contains(QStringLiteral("clip&nbsp;one.avi")));
    QVERIFY(h.progress.OutputText().contains(QStringLiteral("Output #0")));
    QCOMPARE(h.progress.windowTitle(), QStringLiteral("Conversion"));
    QCOMPARE(AbortButton(h.progress)->text(), QStringLiteral("Close"));
    // "Close after conversion" is ticked by default.
    QVERIFY(!h.progress.isVisible());
    QVERIFY(!h.errors.isVisible());
    // The grid shows the row's new status.
    const QModelIndex status =
        h.grid.TableModel()->index(0, static_cast<int>(TFileListColumn::colStatus));
    QCOMPARE(status.data().toString(), QStringLiteral("Done"));
  }

  void abortThroughTheWindowStopsTheRunPolitely() {
    test::TempDir dir;
    test::GuiRunHarness h(test::WriteFakeFfmpeg(dir, "progress=3,50 sleep=20000"));
    QVERIFY(h.list.AddToList(dir.write("a.webm", "x"), true));
    QVERIFY(h.list.AddToList(dir.write("b.webm", "x"), true));
    h.list.Refresh();
    h.progress.SetCloseAfterConversion(false);
    // A second press during the grace time changes nothing.
    PressAbortAfter(h.progress, 700, 2);
    QElapsedTimer clock;
    clock.start();

    const TConversionOutcome outcome = h.Convert();

    QVERIFY(outcome.Aborted);
    QVERIFY(!outcome.ForcedAbort);
    QVERIFY2(clock.elapsed() < 2500, "the encoder ended on \"q\" before the grace time");
    QCOMPARE(h.list.Row(0).Status, std::string("Aborted"));
    QCOMPARE(h.list.Row(1).Status, std::string("Ready"));
    QVERIFY(h.progress.StatusHtml().contains(QStringLiteral("Aborted")));
    QVERIFY(h.progress.isVisible());
    QCOMPARE(AbortButton(h.progress)->text(), QStringLiteral("Close"));
    QVERIFY(!h.context.ConversionState.AbortRequested);
    QVERIFY(!h.runner.IsRunning());
    // The grace timer of this abort must not mark a later run as timed out.
    QTest::qWait(2700);
    QVERIFY(!h.context.ConversionState.AbortTimedOut);
  }

  void closingTheWindowDuringARunAborts() {
    test::TempDir dir;
    test::GuiRunHarness h(test::WriteFakeFfmpeg(dir, "progress=3,50 sleep=20000"));
    QVERIFY(h.list.AddToList(dir.write("a.webm", "x"), true));
    h.list.Refresh();
    QTimer::singleShot(600, &h.progress, [&h] { h.progress.close(); });

    const TConversionOutcome outcome = h.Convert();

    QVERIFY(outcome.Aborted);
    QCOMPARE(h.list.Row(0).Status, std::string("Aborted"));
    QVERIFY(!h.progress.isVisible());
  }

  void theWindowsTimerEndsTheGraceTime() {
    test::TempDir dir;
    // An encoder that ignores "q" and goes on for three seconds.
    test::GuiRunHarness h(test::WriteFakeFfmpeg(dir, "ignore-q progress=60,50"));
    QVERIFY(h.list.AddToList(dir.write("a.webm", "x"), true));
    h.list.Refresh();
    PressAbortAfter(h.progress, 300);
    bool timerRan = false;
    QTimer::singleShot(1000, &h.progress, [&] { timerRan = h.progress.IsAbortTimerActive(); });
    QElapsedTimer clock;
    clock.start();

    const TConversionOutcome outcome = h.Convert();

    QVERIFY(timerRan);
    QVERIFY(outcome.ForcedAbort);
    QVERIFY(clock.elapsed() >= 2500);
    QCOMPARE(h.list.Row(0).Status, std::string("Aborted"));
    QVERIFY(!h.progress.IsAbortTimerActive());
    // A forced abort leaves the records in the log without opening it.
    QVERIFY(!h.errors.isVisible());
  }

  void hiddenEncoderOutputShowsPleaseWait() {
    test::TempDir dir;
    test::GuiRunHarness h(test::WriteFakeFfmpeg(dir, "progress=10,60"));
    QVERIFY(h.list.AddToList(dir.write("a.webm", "x"), true));
    h.list.Refresh();
    h.progress.SetEncoderOutputHidden(true);
    QString seen;
    QTimer::singleShot(400, &h.progress, [&] { seen = h.progress.OutputText(); });

    h.Convert();

    QCOMPARE(seen, QStringLiteral("Please wait..."));
  }
};

ZELMORA_UI_TEST(FormProgressTest);

}  // namespace zelmora

#include "test_form_progress.moc"
