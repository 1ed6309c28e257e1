#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "base/files.h"
#include "core/program_title.h"
#include "main_window_fixture.h"
#include "media/file_analysis.h"
#include "media/file_info_report.h"
#include "process/console_runner.h"
#include "screenshots.h"
#include "support/media_clips.h"
#include "support/scoped_env.h"
#include "ui/form_file_info.h"
#include "ui/info_value_label.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

namespace {

// Two video streams of different sizes and one audio stream.
std::string MakeTwoVideoClip(const std::string& path) {
  const int status =
      test::RunProgram({"ffmpeg", "-v",        "error", "-y",
                        "-f",     "lavfi",     "-i",    "testsrc=size=160x120:rate=25:duration=1",
                        "-f",     "lavfi",     "-i",    "testsrc2=size=320x240:rate=25:duration=1",
                        "-f",     "lavfi",     "-i",    "sine=duration=1",
                        "-map",   "0:v",       "-map",  "1:v",
                        "-map",   "2:a",       "-c:v",  "mpeg4",
                        "-c:a",   "libvorbis", path});
  return status == 0 ? path : std::string();
}

std::string MakeSimpleClip(const std::string& path) {
  const int status = test::RunProgram({"ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                                       "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi",
                                       "-i", "sine=duration=1", "-c:v", "libvpx", "-c:a",
                                       "libvorbis", "-shortest", path});
  return status == 0 ? path : std::string();
}

QString Shown(FormFileInfo* form, const char* key) {
  return form->Value(QString::fromLatin1(key))->text();
}

// The report as the window must give it: the shown record and a fresh analysis.
std::string ExpectedReport(AppContext& context, const TVideoFileInfo& shown) {
  ConsoleRunner runner;
  TVideoFileInfo fresh;
  AnalyzeVideoFile(runner, shown.FileName, FindFFmpeg(context.AppParams),
                   context.AppParams.MediaInfoDll, fresh);
  return GetInfoAsText(shown, fresh, context.Strings.FileInfo, ProgramTitle());
}

void AddFiles(MainWindow& w, const QStringList& files) {
  FileDialogs::setNextFileNames(files);
  QVERIFY(test::TriggerAction(w, "actAddFiles"));
}

}  // namespace

class FormFileInfoTest : public QObject {
  Q_OBJECT

private slots:
  void twoVideoStreamsFillThePanelsAndTheChoosers() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    MainWindow& w = f.Start();
    const std::string clip = MakeTwoVideoClip(f.dir.file("two $'streams é.mkv"));
    QVERIFY(!clip.empty());
    AddFiles(w, {QString::fromStdString(clip)});
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    FormFileInfo* form = w.FileInfoWindow();
    QVERIFY(form->isVisible());
    QCOMPARE(w.FileList().CurrentRow(), 0);  // the first row was selected

    QCOMPARE(Shown(form, "lblFileName"), QStringLiteral("two $'streams é.mkv"));
    QCOMPARE(Shown(form, "lblDirectory"), QString::fromStdString(f.dir.path()));
    QCOMPARE(Shown(form, "lblNumberOfVideoStreams"), QStringLiteral("2"));
    QCOMPARE(Shown(form, "lblNumberOfAudioStreams"), QStringLiteral("1"));
    QCOMPARE(Shown(form, "lblNumberOfDataStreams"), QStringLiteral("3"));
    QVERIFY(Shown(form, "lblFileSize").endsWith(QStringLiteral(" bytes)")));
    QVERIFY(Shown(form, "lblFormat").startsWith(QStringLiteral("Matroska")));
    QCOMPARE(Shown(form, "lblResolution"), QStringLiteral("160 x 120"));
    QCOMPARE(Shown(form, "lblFPS").left(2), QStringLiteral("25"));
    QVERIFY(Shown(form, "lblVideoFrames").startsWith(QStringLiteral("~ ")));
    QVERIFY(form->Value(QStringLiteral("lblVideoBitrate"))->font().bold());
    QVERIFY(!form->Value(QStringLiteral("lblResolution"))->font().bold());
    QCOMPARE(Shown(form, "lblChannels"), QStringLiteral("1"));
    QVERIFY(Shown(form, "lblSamplingRate").endsWith(QStringLiteral(" Hz")));
    QVERIFY(form->VideoStreamChooser()->isEnabled());
    QCOMPARE(form->VideoStreamChooser()->count(), 2);
    QCOMPARE(form->VideoStreamChooser()->currentText(), QStringLiteral("1"));
    // A single audio stream leaves nothing to choose.
    QCOMPARE(form->AudioStreamChooser()->count(), 1);
    QVERIFY(!form->AudioStreamChooser()->isEnabled());

    QTreeWidget* grid = form->DataStreams();
    QCOMPARE(grid->topLevelItemCount(), 3);
    QCOMPARE(grid->topLevelItem(0)->text(0), QStringLiteral("Stream #0:0"));
    QVERIFY(grid->topLevelItem(2)->text(1).startsWith(QStringLiteral("Audio: vorbis")));
    w.show();
    test::KeepPicture(*form, "file_info_two_streams.png");

    // The second stream is described by a fresh analysis.
    form->VideoStreamChooser()->setCurrentIndex(1);
    QCOMPARE(Shown(form, "lblResolution"), QStringLiteral("320 x 240"));
    QCOMPARE(form->VideoStreamChooser()->currentIndex(), 1);
    QCOMPARE(Shown(form, "lblFileName"), QStringLiteral("two $'streams é.mkv"));

    const std::string report = form->GetInfoAsText();
    QCOMPARE(report, ExpectedReport(*f.context, form->ShownInfo()));
    QVERIFY(report.find("\r\nVIDEO STREAM 1\r\n") != std::string::npos);
    QVERIFY(report.find("\r\nVIDEO STREAM 2\r\n") != std::string::npos);
    QVERIFY(report.find("\r\nAUDIO STREAM 1\r\n") != std::string::npos);
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
  }

  void copyAndSaveGiveTheReportAndTheLinksOpen() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    MainWindow& w = f.Start();
    const std::string clip = MakeSimpleClip(f.dir.file("-clip one.webm"));
    QVERIFY(!clip.empty());
    AddFiles(w, {QString::fromStdString(clip)});
    w.show();
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    FormFileInfo* form = w.FileInfoWindow();
    QVERIFY(!form->VideoStreamChooser()->isEnabled());
    QVERIFY(!form->AudioStreamChooser()->isEnabled());
    const std::string expected = ExpectedReport(*f.context, form->ShownInfo());
    QVERIFY(expected.find("\r\nVIDEO STREAM\r\n") != std::string::npos);  // no number
    QVERIFY(expected.find("\r\nCRC32: $") != std::string::npos);

    QVERIFY(form->CopyAction()->isEnabled());
    form->CopyAction()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(expected));

    QCOMPARE(form->ProposedReportName(), clip + "_info.txt");
    FileDialogs::setNextFileName(QString::fromStdString(form->ProposedReportName()));
    form->SaveAction()->trigger();
    Result<std::string> saved = ReadWholeFile(clip + "_info.txt");
    QVERIFY(saved.ok());
    QCOMPARE(saved.value(), expected);
    // A folder that is not there: a warning, and the earlier report stays.
    FileDialogs::setNextFileName(QString::fromStdString(f.dir.file("missing/r.txt")));
    form->SaveAction()->trigger();
    QCOMPARE(MessageBoxes::takeShownWarnings().size(), 1);
    // Cancelling the dialog writes nothing.
    FileDialogs::setNextFileName(QString());
    form->SaveAction()->trigger();
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());

    QTest::mouseClick(form->Value(QStringLiteral("lblFileName")), Qt::LeftButton);
    QTest::mouseClick(form->Value(QStringLiteral("lblDirectory")), Qt::LeftButton);
    const std::vector<std::string> calls = f.desktop->calls();
    QCOMPARE(calls.size(), size_t(2));
    QCOMPARE(calls[0], "open " + clip);
    QCOMPARE(calls[1], "open " + f.dir.path());
  }

  void aReportNameTooLongForTheSystemWarnsAndKeepsTheFile() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    MainWindow& w = f.Start();
    // 255 bytes: the longest name the file system takes, so "_info.txt"
    // cannot be added.
    const std::string clip = MakeSimpleClip(f.dir.file(std::string(250, 'n') + ".webm"));
    QVERIFY(!clip.empty());
    const std::string before = ReadWholeFile(clip).value();
    AddFiles(w, {QString::fromStdString(clip)});
    w.show();
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    FormFileInfo* form = w.FileInfoWindow();
    FileDialogs::setNextFileName(QString::fromStdString(form->ProposedReportName()));
    form->SaveAction()->trigger();
    QCOMPARE(MessageBoxes::takeShownWarnings().size(), 1);
    QCOMPARE(ReadWholeFile(clip).value(), before);
    QVERIFY(form->isVisible());
  }

  void f10TogglesEscHidesAndTheWindowFollowsTheCurrentRow() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    MainWindow& w = f.Start();
    const std::string one = MakeSimpleClip(f.dir.file("one.webm"));
    const std::string two = MakeTwoVideoClip(f.dir.file("two.mkv"));
    QVERIFY(!one.empty() && !two.empty());
    AddFiles(w, {QString::fromStdString(one), QString::fromStdString(two)});
    QCOMPARE(w.actShowHideFileInfo->shortcut(), QKeySequence(Qt::Key_F10));
    FormFileInfo* form = w.FileInfoWindow();
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    QVERIFY(form->isVisible());
    QCOMPARE(Shown(form, "lblFileName"), QStringLiteral("one.webm"));

    w.Grid()->SelectRow(1);
    QCOMPARE(Shown(form, "lblFileName"), QStringLiteral("two.mkv"));
    QCOMPARE(form->VideoStreamChooser()->count(), 2);

    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    QVERIFY(!form->isVisible());
    // Hidden, it does not follow.
    w.Grid()->SelectRow(0);
    QCOMPARE(Shown(form, "lblFileName"), QStringLiteral("two.mkv"));
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    QCOMPARE(Shown(form, "lblFileName"), QStringLiteral("one.webm"));
    // F10 works in the window too, so it closes it while it has the focus.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_F10);
    QVERIFY(!form->isVisible());
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    QTest::keyClick(form, Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QVERIFY(form->minimumWidth() == FormFileInfo::DesignWidth);
    QVERIFY(form->maximumWidth() == FormFileInfo::DesignWidth + FormFileInfo::MaxExtraWidth);
  }

  void withoutFfmpegTheMessageComesAndTheWindowIsEmpty() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    QVERIFY(w.FileList().AddToList(f.dir.write("clip.webm", "not a video"), true));
    w.FileList().Refresh();
    f.context->AppParams.ffmpeg.clear();
    test::ScopedEnv path("PATH", "/nonexistent-zelmora");
    MessageBoxes::takeShownWarnings();
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    const QStringList warnings = MessageBoxes::takeShownWarnings();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].startsWith(QStringLiteral("Could not find FFmpeg encoder!")));
    FormFileInfo* form = w.FileInfoWindow();
    QVERIFY(form->isVisible());
    QVERIFY(Shown(form, "lblFileName").isEmpty());
    QVERIFY(!form->CopyAction()->isEnabled());
    QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("btnSave"))->isEnabled());
  }

  void setLangRelabelsAndKeepsTheShownFile() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    MainWindowFixture f;
    MainWindow& w = f.Start();
    const std::string clip = MakeSimpleClip(f.dir.file("clip.webm"));
    QVERIFY(!clip.empty());
    AddFiles(w, {QString::fromStdString(clip)});
    QVERIFY(test::TriggerAction(w, "actShowHideFileInfo"));
    FormFileInfo* form = w.FileInfoWindow();
    QCOMPARE(form->windowTitle(), QStringLiteral("Video file properties"));
    auto caption = [form](const char* name) {
      return form->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(caption("lblDuration"), QStringLiteral("Duration:"));
    QCOMPARE(caption("lblDataStreams"), QStringLiteral("  Data streams   (FFmpeg)"));
    const QString resolution = Shown(form, "lblResolution");

    TFileInfoModuleStrings& s = f.context->Strings.FileInfo;
    s.Caption = "Eigenschaften";
    s.lblDuration = "Dauer:";
    s.btnCopy = "Kopieren";
    s.actCopy = "In die Zwischenablage";
    s.ColumnTitle_Details = "Einzelheiten";
    w.SetLang();
    QCOMPARE(form->windowTitle(), QStringLiteral("Eigenschaften"));
    QCOMPARE(caption("lblDuration"), QStringLiteral("Dauer:"));
    QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("btnCopy"))->text(),
             QStringLiteral("Kopieren"));
    QCOMPARE(form->CopyAction()->text(), QStringLiteral("In die Zwischenablage"));
    QCOMPARE(form->DataStreams()->headerItem()->text(1), QStringLiteral("Einzelheiten"));
    QCOMPARE(Shown(form, "lblResolution"), resolution);
    QCOMPARE(Shown(form, "lblFileName"), QStringLiteral("clip.webm"));
  }

  void aRefusedAnalysisKeepsToTheShownRecord() {
    if (!test::FfmpegAvailable()) QSKIP("ffmpeg is not installed");
    test::TempDir dir;
    const std::string clip = MakeTwoVideoClip(dir.file("busy.mkv"));
    QVERIFY(!clip.empty());
    AppContext context;
    context.Strings.SetEN();
    InitAppParams(context.AppParams, dir.path());
    ConsoleRunner runner;
    TVideoFileInfo info;
    AnalyzeVideoFile(runner, clip, FindFFmpeg(context.AppParams),
                     FindMediaInfoDll(context.AppParams), info);
    test::RecordingDesktopServices desktop;
    int asked = 0;
    // As while files are being added: no analysis may run.
    FormFileInfo form(context, desktop, [&](const std::string&, TVideoFileInfo&) {
      ++asked;
      return false;
    });
    form.UpdateList(info, 1, 1);
    form.VideoStreamChooser()->setCurrentIndex(1);
    QCOMPARE(asked, 1);
    QCOMPARE(Shown(&form, "lblResolution"), QStringLiteral("320 x 240"));
    QCOMPARE(form.GetInfoAsText(),
             GetInfoAsText(info, info, context.Strings.FileInfo, ProgramTitle()));
    // A number beyond the streams leaves that panel empty.
    form.UpdateList(info, 3, 0);
    QVERIFY(Shown(&form, "lblResolution").isEmpty());
    QVERIFY(Shown(&form, "lblAudioCodec").isEmpty());
    QCOMPARE(form.AudioStreamChooser()->currentIndex(), -1);
    QVERIFY(!Shown(&form, "lblFormat").isEmpty());
  }
};

ZELMORA_UI_TEST(FormFileInfoTest);

}  // namespace zelmora

#include "test_form_file_info.moc"
