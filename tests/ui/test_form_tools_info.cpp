#include <sys/stat.h>

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include "base/files.h"
#include "main_window_fixture.h"
#include "screenshots.h"
#include "ui/form_check_update.h"
#include "ui/form_tools_info.h"
#include "ui/qt_text.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

namespace {}  // namespace

class FormToolsInfoTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    MessageBoxes::setTestMode(true);
    MessageBoxes::takeShownWarnings();
  }

  void theCommandReportsTheRealFfmpegAndMediaInfo() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.show();
    QVERIFY(test::TriggerAction(w, "actToolsInfo"));
    FormToolsInfo* form = w.ToolsInfoWindow();
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Tools info"));
    QCOMPARE(form->size(), QSize(FormToolsInfo::DesignWidth, FormToolsInfo::DesignHeight));
    QCOMPARE(form->minimumSize(), QSize(FormToolsInfo::MinWidth, FormToolsInfo::MinHeight));
    QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    const std::string& ffmpeg = f.context->AppParams.ffmpeg;
    const std::string& mediaInfo = f.context->AppParams.MediaInfoDll;
    QVERIFY2(!ffmpeg.empty() && !mediaInfo.empty(), "ffmpeg and libmediainfo are installed");
    const QString text = form->Pane()->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("FFmpeg\n        File name: ") + ToQString(ffmpeg)));
    QVERIFY(
        text.contains(QStringLiteral("\nMediaInfo\n        File name: ") + ToQString(mediaInfo)));
    QVERIFY(!text.contains(QLatin1Char('\r')));
    QCOMPARE(text.count(QStringLiteral("       File CRC32: $")), 2);
    // Both are 64-bit ELF files of this machine: one a program, one a library.
    QCOMPARE(text.count(QStringLiteral("      Binary type: 64-bit")), 2);
    QVERIFY(text.endsWith(QString(83, QLatin1Char('-'))));
    QVERIFY(form->Pane()->isReadOnly());
    QVERIFY(QFontInfo(form->Pane()->font()).fixedPitch());
    test::ShowAndKeepPicture(*form, "tools_info.png");

    form->resize(FormToolsInfo::MinWidth, FormToolsInfo::MinHeight);
    test::ShowAndKeepPicture(*form, "tools_info_min.png");
  }

  void eachCommandDescribesTheToolFilesAsTheyAreNow() {
    MainWindowFixture f;
    const std::string tool = f.dir.write("my tools/ffmpeg", "first build");
    ::chmod(tool.c_str(), 0755);
    f.dir.write("zelmora.ini", "[MAIN]\nffmpeg=" + tool + "\n");
    MainWindow& w = f.Start();
    QVERIFY(test::TriggerAction(w, "actToolsInfo"));
    const QString head = QStringLiteral("FFmpeg\n        File name: ") + ToQString(tool) +
                         QStringLiteral("\n        File size: ");
    QVERIFY(
        w.ToolsInfoWindow()->Pane()->toPlainText().startsWith(head + QStringLiteral("11 bytes")));
    // The file is replaced by a bigger build while the program runs.
    f.dir.write("my tools/ffmpeg", std::string(1234567, 'x'));
    QVERIFY(test::TriggerAction(w, "actToolsInfo"));
    const QString after = w.ToolsInfoWindow()->Pane()->toPlainText();
    QVERIFY(after.startsWith(head + QStringLiteral("1 234 567 bytes (")));
    QCOMPARE(after.count(QStringLiteral("FFmpeg\n")), 1);
    // A plain data file has neither a binary type nor version lines.
    QVERIFY(!after.section(QStringLiteral("MediaInfo\n"), 0, 0)
                 .contains(QStringLiteral("Binary type:")));
  }

  void aToolThatCannotBeReadWarnsAndShowsNoReport() {
    MainWindowFixture f;
    // It exists, yet reading it fails; even root cannot read this one.
    f.dir.write("zelmora.ini", "[MAIN]\nffmpeg=/proc/self/mem\n");
    MainWindow& w = f.Start();
    QVERIFY(test::TriggerAction(w, "actToolsInfo"));
    QCOMPARE(MessageBoxes::takeShownWarnings().size(), 1);
    QVERIFY(!w.ToolsInfoWindow()->isVisible());
  }

  void escClosesAndCtrlASelectsTheWholeReport() {
    AppContext context;
    FormToolsInfo form(context);
    form.SetReport("FFmpeg\r\nline two\r\n---");
    QCOMPARE(form.Text(), std::string("FFmpeg\nline two\n---"));
    form.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Pane()->setFocus();
    QTest::keyClick(form.Pane(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(form.Pane()->textCursor().selectedText(),
             QStringLiteral("FFmpeg\u2029line two\u2029---"));
    // Typing into the report changes nothing.
    QTest::keyClicks(form.Pane(), QStringLiteral("zz"));
    QCOMPARE(form.Text(), std::string("FFmpeg\nline two\n---"));
    QTest::keyClick(form.Pane(), Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    form.ShowCentred();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    // The next report replaces the old one whole.
    form.SetReport("MediaInfo");
    QCOMPARE(form.Text(), std::string("MediaInfo"));
  }

  void aLanguageChangeReachesBothToolWindows() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.context->Strings.ToolsInfo.Caption = "Narzędzia";
    f.context->Strings.ToolsInfo.actClose = "Zamknij";
    f.context->Strings.CheckUpdate.Caption = "Aktualizacje";
    f.context->Strings.CheckUpdate.CheckNow = "Sprawdź teraz";
    w.SetLang();
    QCOMPARE(w.ToolsInfoWindow()->windowTitle(), QStringLiteral("Narzędzia"));
    auto* close = w.ToolsInfoWindow()->findChild<QPushButton*>(QStringLiteral("btnClose"));
    QCOMPARE(close->text(), QStringLiteral("Zamknij"));
    QCOMPARE(w.ToolsInfoWindow()->findChild<QAction*>(QStringLiteral("actClose"))->toolTip(),
             QStringLiteral("Zamknij"));
    QCOMPARE(w.CheckUpdateWindow()->windowTitle(), QStringLiteral("Aktualizacje"));
    QCOMPARE(w.CheckUpdateWindow()->findChild<QPushButton*>(QStringLiteral("btnCheckNow"))->text(),
             QStringLiteral("Sprawdź teraz"));
  }
};

ZELMORA_UI_TEST(FormToolsInfoTest);

}  // namespace zelmora

#include "test_form_tools_info.moc"
