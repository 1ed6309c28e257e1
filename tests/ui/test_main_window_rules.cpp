#include <QCheckBox>
#include <QLabel>
#include <QMimeData>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include "base/files.h"
#include "main_window_fixture.h"
#include "support/media_clips.h"
#include "ui/form_progress.h"
#include "ui/profile_selector.h"
#include "ui/settings_panel.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

namespace {

void Drop(MainWindow& window, const QStringList& paths) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  mime.setUrls(urls);
  // Qt delivers a drop only where the drag entered first.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
}

}  // namespace

class MainWindowRulesTest : public QObject {
  Q_OBJECT

private slots:
  void withoutRowsTheListCommandsAreOff() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    for (QAction* action : {w.actConvert, w.actSaveBAT, w.actRemoveChecked, w.actSaveFileList,
                            w.actClearFileList, w.actInvertSelection, w.actShowHideFileInfo,
                            w.actExploreDirectory, w.actCheckAll, w.actUncheckAll})
      QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(w.actAddFiles->isEnabled());
    QVERIFY(!f.Control("btnConvert")->isEnabled());
  }

  void allRowsCheckedLeaveOnlyUncheckAll() {
    MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\r\nLeft=0\r\nFileAnalysis=None\r\n");
    MainWindow& w = f.Start();
    Drop(w, {QString::fromStdString(f.dir.write("a.webm", "x")),
             QString::fromStdString(f.dir.write("b.mp4", "x"))});
    QCOMPARE(w.FileList().RowCount(), 2);
    QVERIFY(!w.actCheckAll->isEnabled());
    QVERIFY(w.actUncheckAll->isEnabled());
    QVERIFY(w.actConvert->isEnabled());
    QVERIFY(f.Control("btnConvert")->isEnabled());
    w.actUncheckAll->trigger();
    QVERIFY(w.actCheckAll->isEnabled());
    QVERIFY(!w.actConvert->isEnabled());
  }

  void aviCopyKeepsOnlyTheVideoTag() {
    MainWindowFixture f;
    f.Start();
    f.List("cbAviVideoCodec")->setCurrentIndex(vcCopy);
    for (const char* name :
         {"cbAviVideoBitrate", "cbAviVideoFPS", "cbAviVideoAspect", "cbResolution", "edCropTop",
          "edCropRight", "chConvertColors", "chBrightness", "chSaturation", "chFlipHorizontal",
          "chFlipVertical", "chNegative", "chRotate"})
      QVERIFY2(!f.Enabled(name), name);
    QVERIFY(f.Enabled("chVideoFourcc"));
    QVERIFY(!f.Enabled("cbVideoTag"));
    f.Find<QCheckBox>("chVideoFourcc")->setChecked(true);
    QVERIFY(f.Enabled("cbVideoTag"));
  }

  void mpgPalDvdTurnsTheAudioOff() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.Find<QTabWidget>("pcOutputFormat")->setCurrentIndex(1);
    f.List("cbMpgVideo")->setCurrentIndex(mfPalDvd);
    QCOMPARE(w.Settings().Mpg.VideoFormat, int(mfPalDvd));
    for (const char* name :
         {"cbAudioCodec", "cbAudioBitrate", "cbAudioSampling", "cbAudioChannels", "tbAudioVolume",
          "cbAudioTrackNo", "chAudioDontCopy", "cbMpgVideoBitrate", "cbMpegVersion"})
      QVERIFY2(!f.Enabled(name), name);
    QCOMPARE(f.Find<QLabel>("lblMpgInfo")->text(),
             QStringLiteral("MPEG-2 / 720 x 576 / 25 fps / AC3"));
    f.List("cbMpgVideo")->setCurrentIndex(mfCustom);
    QVERIFY(f.Enabled("cbAudioCodec"));
    QVERIFY(f.Enabled("cbMpegVersion"));
  }

  void noAudioDisablesDeinterlacingToo() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    QVERIFY(f.Enabled("cbInterlacing"));
    f.Find<QCheckBox>("chAudioDontCopy")->setChecked(true);
    QVERIFY(w.Settings().Audio.DoNotCopyAudio);
    QVERIFY(!f.Enabled("cbInterlacing"));
    QVERIFY(!f.Enabled("cbAudioCodec"));
  }

  void sliderLabels() {
    QCOMPARE(SettingsPanel::VolumeText(100), QStringLiteral("1.00x"));
    QCOMPARE(SettingsPanel::VolumeText(250), QStringLiteral("2.50x"));
    QCOMPARE(SettingsPanel::VolumeText(1), QStringLiteral("0.01x"));
    QCOMPARE(SettingsPanel::TenthsText(2), QStringLiteral("0.2"));
    QCOMPARE(SettingsPanel::TenthsText(10), QStringLiteral("1"));
    QCOMPARE(SettingsPanel::TenthsText(-15), QStringLiteral("-1.5"));
  }

  void resolutionColours() {
    QCOMPARE(ResolutionItemLook(1, "Custom").Background, (TColor{91, 91, 91}));
    QVERIFY(ResolutionItemLook(1, "Custom").Bold);
    QCOMPARE(ResolutionItemLook(5, "1280x720 (16:9)").Background, (TColor{67, 126, 90}));
    QCOMPARE(ResolutionItemLook(5, "800x600 (4:3)").Background, (TColor{232, 193, 193}));
    QCOMPARE(ResolutionItemLook(5, "64:3 odd").Background, (TColor{248, 248, 248}));
    QCOMPARE(ResolutionItemLook(5, "50% 16:9").Background, (TColor{251, 244, 198}));
    QVERIFY(!ResolutionItemLook(5, "640x480").Bold);
  }

  void aSavedProfileIsListedAndChosen() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.List("cbAviVideoCodec")->setCurrentIndex(vcH264);
    FileDialogs::setNextFileName(QString::fromStdString(f.ProgramFile("profiles/Mine.ini")));
    QVERIFY(test::TriggerAction(w, "actSaveProfile"));
    QCOMPARE(f.List("cbProfileNew")->currentText(), QStringLiteral("Mine"));
    w.actSetDefaultEncoderSettings->trigger();
    QCOMPARE(w.Settings().Avi.VideoCodec, int(vcXvid));
    QCOMPARE(f.List("cbProfileNew")->currentIndex(), 1);
    f.List("cbProfileNew")->setCurrentIndex(2);
    QCOMPARE(w.Settings().Avi.VideoCodec, int(vcH264));
    QCOMPARE(f.List("cbAviVideoCodec")->currentIndex(), int(vcH264));
  }

  void droppingAFolderAndAListFileAddsTheirFiles() {
    MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\r\nLeft=0\r\nFileAnalysis=None\r\n");
    MainWindow& w = f.Start();
    f.dir.write("folder/one.webm", "x");
    f.dir.write("folder/sub/two.mkv", "x");
    f.dir.write("folder/notes.txt", "x");
    const std::string listed = f.dir.write("elsewhere/three $'x.webm", "x");
    const std::string list = f.dir.write("files.lst", listed + "\r\n");
    Drop(w, {QString::fromStdString(f.dir.file("folder")), QString::fromStdString(list)});
    QCOMPARE(w.FileList().RowCount(), 3);
    QVERIFY(w.FileList().IsFileOnList(listed));
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
  }

  void aRealConversionThroughTheWindow() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    MainWindow& w = f.Start();
    const std::string clip = f.dir.file("clip one.webm");
    QCOMPARE(test::RunProgram({"ffmpeg", "-v", "error", "-f", "lavfi", "-i",
                               "testsrc=size=160x120:rate=25:duration=3", "-f", "lavfi", "-i",
                               "sine=duration=3", "-c:v", "libvpx", "-c:a", "libvorbis",
                               "-shortest", clip}),
             0);
    FileDialogs::setNextFileNames({QString::fromStdString(clip)});
    QVERIFY(test::TriggerAction(w, "actAddFiles"));
    QCOMPARE(w.FileList().RowCount(), 1);
    // ZELMORA_SCREENSHOT_DIR=... keeps pictures of the windows for a look.
    const QString shots = qEnvironmentVariable("ZELMORA_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
      w.show();
      QTimer::singleShot(400, &w, [&] {
        w.grab().save(shots + QStringLiteral("/main_converting.png"));
        w.ProgressWindow()->grab().save(shots + QStringLiteral("/progress_converting.png"));
      });
    }
    QVERIFY(test::TriggerAction(w, "actConvert"));
    if (!shots.isEmpty()) w.grab().save(shots + QStringLiteral("/main_done.png"));
    QCOMPARE(QString::fromStdString(w.FileList().Row(0).Status), QStringLiteral("Done"));
    QCOMPARE(w.ProgressWindow()->ProgressPosition(), 100);
    QVERIFY(FileExists(f.dir.file("clip one.avi")));
    QVERIFY(w.actConvert->isEnabled());
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
  }
};

ZELMORA_UI_TEST(MainWindowRulesTest);

}  // namespace zelmora

#include "test_main_window_rules.moc"
