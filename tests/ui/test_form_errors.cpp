#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "base/files.h"
#include "gui_run_harness.h"
#include "ui/file_dialogs.h"
#include "ui_test_registry.h"

namespace zelmora {

class FormErrorsTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    MessageBoxes::setTestMode(true);
    MessageBoxes::takeShownWarnings();
  }

  void twoFailedFilesGiveRecordsOneAndTwoAndTheCaption() {
    test::TempDir dir;
    test::GuiRunHarness h(test::WriteFakeFfmpeg(dir, "err=broken\\ stream exit=1"));
    QVERIFY(h.list.AddToList(dir.write("a.webm", "x"), true));
    QVERIFY(h.list.AddToList(dir.write("b.webm", "x"), true));
    h.list.Refresh();

    const TConversionOutcome outcome = h.Convert();

    QCOMPARE(outcome.ErrorCount, 2);
    const QString log = h.errors.Pane()->toPlainText();
    QVERIFY(log.startsWith(QStringLiteral("Error # 1\n----------\nDate & Time: ")));
    QVERIFY(log.contains(QStringLiteral("\nError # 2\n----------\n")));
    QVERIFY(
        log.contains(QStringLiteral("Input file: ") + QString::fromStdString(dir.file("b.webm"))));
    QVERIFY(log.contains(QStringLiteral("ExitCode: 1\n")));
    QVERIFY(log.contains(QStringLiteral("broken stream")));
    QVERIFY(!log.contains(QLatin1Char('\r')));
    QCOMPARE(h.errors.windowTitle(), QStringLiteral("Errors (2)"));
    QVERIFY(h.errors.isVisible());
    // Re-applying the language keeps the run's count in the caption.
    h.errors.SetLang();
    QCOMPARE(h.errors.windowTitle(), QStringLiteral("Errors (2)"));

    // Clearing by hand leaves the numbering alone.
    h.errors.ClearLogAction()->trigger();
    QVERIFY(h.errors.Pane()->toPlainText().isEmpty());
    QCOMPARE(h.context.ConversionState.ErrorCount, 2);

    // The next run starts with the plain caption and an empty log.
    h.errors.Pane()->setPlainText(QStringLiteral("typed by the user"));
    h.list.actUncheckAll();
    h.Convert();
    QCOMPARE(h.errors.windowTitle(), QStringLiteral("Errors"));
    QVERIFY(h.errors.Pane()->toPlainText().isEmpty());
    QCOMPARE(h.context.ConversionState.ErrorCount, 0);
  }

  void aMissingEncoderIsReportedAndTheWindowIsEnabledAgain() {
    test::TempDir dir;
    test::GuiRunHarness h(dir.file("no such ffmpeg"));
    QVERIFY(h.list.AddToList(dir.write("a.webm", "x"), true));
    h.list.Refresh();
    // The main window's part, as it fills the callbacks in.
    QStringList calls;
    GuiConversionView view(
        h.progress, h.errors, &h.grid,
        {[&] { calls << QStringLiteral("DisableAll"); },
         [&] { calls << QStringLiteral("EnableAll"); }, nullptr,
         [&](const std::string& title) { calls << QString::fromStdString(title); }, nullptr});
    ConversionRun run(h.context, h.list, view, h.runner, h.abort, h.desktop, h.encoders);
    run.SetToolSearch({"/nonexistent/zelmora/bin", "", {}});

    const TConversionOutcome outcome = run.actConvert({h.settings, h.options, h.resolutions});

    QVERIFY(!outcome.ReachedEnd);
    QCOMPARE(calls.value(0), QStringLiteral("DisableAll"));
    QVERIFY(calls.contains(QStringLiteral("EnableAll")));
    QVERIFY(calls.last().startsWith(QStringLiteral("Zelmora")));  // the taskbar title
    // Without a warning callback the box comes from the windows' own helper.
    QCOMPARE(MessageBoxes::takeShownWarnings().size(), 1);
    QCOMPARE(h.list.Row(0).Status, std::string("Ready"));
    QVERIFY(!h.progress.isVisible());
  }

  void savingWritesCrLfLines_data() {
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("an empty pane writes an empty file") << QString() << QByteArray();
    QTest::newRow("every line ends with CR LF, the last one too")
        << QStringLiteral("a\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("a final line break adds no empty line")
        << QStringLiteral("a\n") << QByteArray("a\r\n");
    QTest::newRow("blank lines stay") << QStringLiteral("a\n\nb") << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("non-ASCII text is written as UTF-8") << QStringLiteral("Größe: 5 €")
                                                        << QByteArray(
                                                               "Gr\xC3\xB6\xC3\x9F"
                                                               "e: 5 \xE2\x82\xAC\r\n");
  }
  void savingWritesCrLfLines() {
    QFETCH(QString, pane);
    QFETCH(QByteArray, file);
    test::TempDir dir;
    AppContext context;
    FormErrors form(context);
    form.Pane()->setPlainText(pane);
    const std::string target = dir.file("saved log.log");
    FileDialogs::setNextFileName(QString::fromStdString(target));
    form.SaveLogAction()->trigger();
    Result<std::string> written = ReadWholeFile(target);
    QVERIFY(written.ok());
    QCOMPARE(QByteArray::fromStdString(written.value()), file);
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
  }

  void aFailedSaveWarnsAndKeepsTheText() {
    test::TempDir dir;
    AppContext context;
    FormErrors form(context);
    form.AddErrorRecord("Error # 1\n----------\n");
    const std::string target = dir.file("no such folder/Zelmora_Errors.log");
    FileDialogs::setNextFileName(QString::fromStdString(target));
    form.SaveLogAction()->trigger();
    QCOMPARE(MessageBoxes::takeShownWarnings().size(), 1);
    QCOMPARE(form.Text(), std::string("Error # 1\n----------\n"));
    QVERIFY(!FileExists(target));
  }

  void cancellingTheSaveDialogWritesNothing() {
    test::TempDir dir;
    AppContext context;
    FormErrors form(context);
    form.Pane()->setPlainText(QStringLiteral("text"));
    FileDialogs::setNextFileName(QString());
    form.SaveLogAction()->trigger();
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
  }

  void escAndCloseHideTheWindow() {
    AppContext context;
    FormErrors form(context);
    QCOMPARE(form.windowTitle(), QStringLiteral("Errors"));
    QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("btnSaveLog"))->text(),
             QStringLiteral("Save log..."));
    form.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(form.Pane(), Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    form.ToggleVisible();
    QVERIFY(form.isVisible());
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
  }
};

ZELMORA_UI_TEST(FormErrorsTest);

}  // namespace zelmora

#include "test_form_errors.moc"
