#include <QCheckBox>
#include <QPlainTextEdit>

#include "main_window_fixture.h"
#include "screenshots.h"
#include "support/media_clips.h"
#include "ui/form_cmd_line.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

namespace {

std::string MakeClip(const std::string& path) {
  const int status = test::RunProgram({"ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                                       "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi",
                                       "-i", "sine=duration=1", "-c:v", "libvpx", "-c:a",
                                       "libvorbis", "-shortest", path});
  return status == 0 ? path : std::string();
}

QString Preview(MainWindow& w) {
  return w.CmdLineWindow()->Pane()->toPlainText();
}

}  // namespace

class FormCmdLineTest : public QObject {
  Q_OBJECT

private slots:
  void f2TogglesAndWithoutARowShowsThePlaceholders() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    FormCmdLine* form = w.CmdLineWindow();
    QCOMPARE(w.actShowCmdLine->shortcut(), QKeySequence(Qt::Key_F2));
    QVERIFY(!form->isVisible());
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("FFmpeg command-line parameters"));
    QVERIFY(Preview(w).startsWith(QStringLiteral("-y -i <input_file> ")));
    QVERIFY(Preview(w).endsWith(QStringLiteral(" <output_file>")));
    QVERIFY(!Preview(w).contains(QStringLiteral("   ")));
    QVERIFY(form->Pane()->isReadOnly());
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(form->minimumSize(), QSize(FormCmdLine::MinWidth, FormCmdLine::MinHeight));
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    QVERIFY(!form->isVisible());
    // F2 works from the window itself, and Esc closes it.
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_F2);
    QVERIFY(!form->isVisible());
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    QTest::keyClick(form, Qt::Key_Escape);
    QVERIFY(!form->isVisible());
  }

  void thePreviewFollowsTheCurrentRowWhileItShows() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    MainWindow& w = f.Start();
    const std::string one = MakeClip(f.dir.file("one clip.webm"));
    const std::string two = MakeClip(f.dir.file("two \"quoted\" $x.webm"));
    QVERIFY(!one.empty() && !two.empty());
    FileDialogs::setNextFileNames({QString::fromStdString(one), QString::fromStdString(two)});
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    w.Grid()->SelectRow(0);
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    const QString quotedOne =
        QStringLiteral("-y -i \"") + QString::fromStdString(one) + QLatin1Char('"');
    QVERIFY2(Preview(w).startsWith(quotedOne), qPrintable(Preview(w)));

    w.Grid()->SelectRow(1);
    QVERIFY2(Preview(w).contains(QStringLiteral("two \\\"quoted\\\" $x.webm")),
             qPrintable(Preview(w)));
    QVERIFY(!Preview(w).contains(QString::fromStdString(one)));
    test::KeepPicture(*w.CmdLineWindow(), "cmd_line.png");

    // Hidden, it is not rebuilt; shown again, it is built for the current row.
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    w.Grid()->SelectRow(0);
    QVERIFY(!Preview(w).contains(QString::fromStdString(one)));
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    QVERIFY(Preview(w).startsWith(quotedOne));
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
  }

  void twoPassSettingsShowTwoLinesAfterTheNextOpening() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    QVERIFY(!Preview(w).contains(QStringLiteral("-pass")));
    f.Find<QCheckBox>("chAviVideo2Pass")->setChecked(true);
    // The settings changed: the text waits for the next opening.
    QVERIFY(!Preview(w).contains(QStringLiteral("-pass")));
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    QVERIFY(test::TriggerAction(w, "actShowCmdLine"));
    const QStringList lines = Preview(w).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].contains(QStringLiteral(" -pass 1 ")));
    QVERIFY(lines[1].isEmpty());
    QVERIFY(lines[2].contains(QStringLiteral(" -pass 2 ")));
  }

  void setLangRelabelsTheCaption() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.context->Strings.Main.CommandLineInfo = "Befehlszeile";
    w.SetLang();
    QCOMPARE(w.CmdLineWindow()->windowTitle(), QStringLiteral("Befehlszeile"));
  }
};

ZELMORA_UI_TEST(FormCmdLineTest);

}  // namespace zelmora

#include "test_form_cmd_line.moc"
