#include <sys/stat.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "base/files.h"
#include "gui_run_harness.h"
#include "main_window_fixture.h"
#include "support/media_clips.h"
#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

class MainWindowCommandsTest : public QObject {
  Q_OBJECT

private slots:
  void stayOnTopOffLeavesTheOtherWindowsOnTop() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.actStayOnTop->trigger();
    QVERIFY(w.StaysOnTop());
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.actStayOnTop->isChecked());
    w.actStayOnTop->trigger();
    QVERIFY(!w.StaysOnTop());
    QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(w.ProgressWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.ErrorLogWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
  }

  void theTrayCommandHidesAndRestoresWithItsCaption() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.show();
    w.InitControls();
    QCOMPARE(w.actShowHideMainWindow->text(), QStringLiteral("Minimize to system tray"));
    w.actShowHideMainWindow->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.actShowHideMainWindow->text(), QStringLiteral("Show main window"));
    w.actShowHideMainWindow->trigger();
    QVERIFY(w.isVisible());
    QCOMPARE(w.actShowHideMainWindow->text(), QStringLiteral("Minimize to system tray"));
  }

  void aLanguageChangeRelabelsTheListsAndKeepsTypedValues() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.List("cbAviVideoBitrate")->setEditText(QStringLiteral("1500"));
    f.List("cbAviVideoFPS")->setEditText(QStringLiteral("29.97"));
    f.List("cbAudioChannels")->setCurrentIndex(0);
    f.List("cbAviVideoCodec")->setCurrentIndex(vcCopy);
    f.context->Strings.Main.Auto = "Automatisch";
    f.context->Strings.Main.cbAviVideoCodec_Copy = "KOPIE";
    f.context->Strings.Main.cbAfterConversion_CloseWindows = "Rechner aus";
    w.SetLang();
    QCOMPARE(f.List("cbAviVideoBitrate")->itemText(0), QStringLiteral("Automatisch"));
    QCOMPARE(f.List("cbAviVideoBitrate")->currentText(), QStringLiteral("1500"));
    QCOMPARE(f.List("cbAviVideoFPS")->currentText(), QStringLiteral("29.97"));
    QCOMPARE(f.List("cbAviVideoAspect")->currentText(), QStringLiteral("Automatisch"));
    QCOMPARE(w.Settings().Avi.VideoAspect, std::string("Automatisch"));
    QCOMPARE(f.List("cbAudioChannels")->currentText(), QStringLiteral("Automatisch"));
    QCOMPARE(f.List("cbAviVideoCodec")->currentText(), QStringLiteral("KOPIE"));
    QCOMPARE(w.Settings().Avi.VideoCodec, int(vcCopy));
    QCOMPARE(f.List("cbAfterConversion")->count(), 3);
    QCOMPARE(f.List("cbAfterConversion")->itemText(2), QStringLiteral("Rechner aus"));
  }

  void theOutputFolderCommandsFollowTheRadioButton() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    QVERIFY(!w.actBrowseOutDir->isEnabled());
    f.Find<QRadioButton>("rbOutDir")->click();
    QVERIFY(w.actBrowseOutDir->isEnabled());
    const std::string chosen = f.dir.mkdir("out");
    FileDialogs::setNextDirectory(QString::fromStdString(chosen));
    w.actBrowseOutDir->trigger();
    QCOMPARE(f.Find<QLineEdit>("edOutDir")->text().toStdString(), chosen);
    FileDialogs::setNextDirectory(QString());  // cancelled: nothing changes
    w.actBrowseOutDir->trigger();
    QCOMPARE(f.Find<QLineEdit>("edOutDir")->text().toStdString(), chosen);
    w.actExploreOutDir->trigger();
    QCOMPARE(f.desktop->calls().back(), "open " + chosen);
  }

  void exploringARowWhoseFolderIsGoneWarns() {
    MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\r\nLeft=0\r\nFileAnalysis=None\r\n");
    MainWindow& w = f.Start();
    const std::string file = f.dir.write("gone/a.webm", "x");
    FileDialogs::setNextFileNames({QString::fromStdString(file)});
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    w.Grid()->SelectRow(0);
    QVERIFY(w.actExploreDirectory->isEnabled());
    QVERIFY(w.actExploreDirectory->text().contains(QString::fromStdString(f.dir.file("gone"))));
    w.actExploreDirectory->trigger();
    QCOMPARE(f.desktop->calls().back(), "show " + file);
    QVERIFY(RemoveTree(f.dir.file("gone")).ok());
    w.actExploreDirectory->trigger();
    const QStringList warnings = MessageBoxes::takeShownWarnings();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].endsWith(QStringLiteral("\" does not exists!")));
  }

  void closingDuringARunAbortsItAndClosesAfterwards() {
    MainWindowFixture f;
    const std::string ffmpeg = test::WriteFakeFfmpeg(f.dir, "sleep=8000 exit=0");
    f.dir.write("zelmora.ini",
                "[MAIN]\r\nLeft=0\r\nFileAnalysis=None\r\nffmpeg=" + ffmpeg + "\r\n");
    MainWindow& w = f.Start();
    w.show();
    FileDialogs::setNextFileNames({QString::fromStdString(f.dir.write("in.webm", "x"))});
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    bool closedDuringRun = false;
    QTimer::singleShot(1000, &w, [&] {
      closedDuringRun = !w.close();  // refused while the run goes on
    });
    const auto started = std::chrono::steady_clock::now();
    QVERIFY(test::TriggerAction(w, "actConvert"));
    QVERIFY(closedDuringRun);
    QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(7));
    QVERIFY(!w.isVisible());
    QVERIFY(FileExists(f.ProgramFile("zelmora.ini")));
    QVERIFY(w.FileList().Row(0).Status != f.context->Strings.Main.Done);
  }

  void abortThroughTheProgressWindowEndsTheRunAndRestoresTheWindow() {
    MainWindowFixture f;
    const std::string ffmpeg = test::WriteFakeFfmpeg(f.dir, "progress=3,50 sleep=20000");
    f.dir.write("zelmora.ini",
                "[MAIN]\r\nLeft=0\r\nFileAnalysis=None\r\nffmpeg=" + ffmpeg + "\r\n");
    MainWindow& w = f.Start();
    w.show();
    FileDialogs::setNextFileNames({QString::fromStdString(f.dir.write("a.webm", "x")),
                                   QString::fromStdString(f.dir.write("b.webm", "x"))});
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    bool disabledDuringRun = false;
    QTimer::singleShot(800, &w, [&] {
      disabledDuringRun = !w.actConvert->isEnabled() && !w.actAddFiles->isEnabled();
      auto* abort = w.ProgressWindow()->findChild<QPushButton*>(QStringLiteral("btnAbort"));
      QTest::mouseClick(abort, Qt::LeftButton);
    });
    const auto started = std::chrono::steady_clock::now();
    QVERIFY(test::TriggerAction(w, "actConvert"));
    QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(4));
    QVERIFY(disabledDuringRun);
    QCOMPARE(w.FileList().Row(0).Status, std::string("Aborted"));
    QCOMPARE(w.FileList().Row(1).Status, std::string("Ready"));
    QVERIFY(w.isVisible());
    QVERIFY(w.actConvert->isEnabled());
    QVERIFY(w.actAddFiles->isEnabled());
    QVERIFY(!f.context->ConversionState.AbortRequested);
  }

  void aSlowProbeWhileAddingKeepsTheWindowServed() {
    MainWindowFixture f;
    // An ffmpeg whose every call takes 1.5 s, as on a file it chokes on.
    const std::string ffmpeg = f.dir.write(
        "slow-bin/ffmpeg",
        "#!/bin/sh\nsleep 1.5\necho 'At least one output file must be specified' >&2\nexit 1\n");
    chmod(ffmpeg.c_str(), 0755);
    f.dir.write("zelmora.ini",
                "[MAIN]\r\nLeft=0\r\nFileAnalysis=Full\r\nffmpeg=" + ffmpeg + "\r\n");
    MainWindow& w = f.Start();
    w.show();
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &w, [&] { ++ticks; });
    timer.start(100);
    bool convertOffMeanwhile = false;
    QTimer::singleShot(700, &w, [&] { convertOffMeanwhile = !w.actConvert->isEnabled(); });
    // MediaInfo reads nothing from an empty file, so it goes to the probe.
    FileDialogs::setNextFileNames({QString::fromStdString(f.dir.write("odd.webm", ""))});
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    QCOMPARE(w.FileList().RowCount(), 1);
    QVERIFY2(ticks >= 5, "the window was not served while the file was probed");
    QVERIFY(convertOffMeanwhile);
    QVERIFY(w.actConvert->isEnabled());
  }

  void theScriptExportWritesAShellScript() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\r\nLeft=0\r\nFileAnalysis=None\r\n");
    MainWindow& w = f.Start();
    FileDialogs::setNextFileNames({QString::fromStdString(f.dir.write("in.webm", "x"))});
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    const std::string script = f.dir.file("convert me.sh");
    FileDialogs::setNextFileName(QString::fromStdString(script));
    QVERIFY(test::TriggerAction(w, "actSaveBAT"));
    QVERIFY(FileExists(script));
    QVERIFY(ReadWholeFile(script).value().find("ffmpeg") != std::string::npos);
    QVERIFY(!f.context->ConversionState.BatchFileMode);
    QVERIFY(w.actSaveBAT->isEnabled());
  }
};

ZELMORA_UI_TEST(MainWindowCommandsTest);

}  // namespace zelmora

#include "test_main_window_commands.moc"
