#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <cstdlib>

#include "base/files.h"
#include "main_window_fixture.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

class MainWindowStartTest : public QObject {
  Q_OBJECT

private slots:
  void firstStartHasTheDesignStateAndEnglish() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    QCOMPARE(w.windowTitle(), QStringLiteral("Zelmora 1.5  [64-bit]"));
    QCOMPARE(w.size(), QSize(934, 712));
    QCOMPARE(w.minimumSize(), QSize(650, 400));
    QCOMPARE(f.List("cbOutputExists")->currentText(), QStringLiteral("Rename file"));
    QCOMPARE(f.List("cbAfterConversion")->count(), 3);
    QCOMPARE(f.List("cbAfterConversion")->currentText(), QStringLiteral("Do nothing"));
    QVERIFY(f.Find<QRadioButton>("rbOutDirIsInDir")->isChecked());
    QCOMPARE(f.Find<QLineEdit>("edOutDir")->text().toStdString(), f.desktopDir);
    QVERIFY(!f.Enabled("edOutDir"));
    QVERIFY(w.ConversionSettingsExpanded());
    QVERIFY(!w.actEsc->isEnabled());
    QCOMPARE(f.Find<QLabel>("lblAudioVolume")->text(), QStringLiteral("1.00x"));
    QCOMPARE(f.List("cbProfileNew")->currentText(), QStringLiteral("The last session settings"));
    QVERIFY(DirectoryExists(f.ProgramFile("profiles")));
  }

  void firstStartTakesTheLocalesLanguage() {
    MainWindowFixture f;
    const char* data = std::getenv("ZELMORA_TEST_DATA");
    QVERIFY(data);
    const Result<std::string> german = ReadWholeFile(std::string(data) + "/../../lang/German.ini");
    QVERIFY(german.ok());
    f.dir.write("lang/German.ini", german.value());
    MainWindow& w = f.Start({}, "de_DE.UTF-8");
    QCOMPARE(w.actConvert->text(), ToQ(f.context->Strings.Main.actConvert));
    QVERIFY(w.actConvert->text() != QStringLiteral("Convert checked files"));
    f.Close();
    // The choice is remembered and wins over the locale at the next start.
    MainWindow& again = f.Start({}, "fr_FR.UTF-8");
    QCOMPARE(f.context->AppParams.LanguageIni, std::string("German.ini"));
    QVERIFY(again.actConvert->text() != QStringLiteral("Convert checked files"));
  }

  void closeWritesBothFilesAndTheNextStartRestoresThem() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.setGeometry(40, 50, 800, 600);
    f.List("cbOutputExists")->setCurrentIndex(2);
    f.Find<QRadioButton>("rbOutDir")->click();
    f.Find<QLineEdit>("edOutDir")->setText(QString::fromStdString(f.dir.path()));
    f.Find<QCheckBox>("chKeepDates")->setChecked(true);
    f.Find<QTabWidget>("pcOutputFormat")->setCurrentIndex(1);
    f.List("cbAviVideoCodec")->setCurrentIndex(2);
    f.Find<QSlider>("tbAudioVolume")->setValue(250);
    f.Find<QToolButton>("fpConversionSettings")->click();
    f.Close();
    QVERIFY(FileExists(f.ProgramFile("zelmora.ini")));
    QVERIFY(FileExists(f.ProgramFile("profiles/__Last.ini")));

    MainWindow& again = f.Start();
    QCOMPARE(again.geometry(), QRect(40, 50, 800, 600));
    QCOMPARE(f.List("cbOutputExists")->currentIndex(), 2);
    QVERIFY(f.Find<QRadioButton>("rbOutDir")->isChecked());
    QVERIFY(f.Enabled("edOutDir"));
    QCOMPARE(f.Find<QLineEdit>("edOutDir")->text().toStdString(), f.dir.path());
    QVERIFY(f.Find<QCheckBox>("chKeepDates")->isChecked());
    QCOMPARE(f.Find<QTabWidget>("pcOutputFormat")->currentIndex(), 1);
    QCOMPARE(again.Settings().OutputFormat, TOutputFormat::ofMPG);
    QCOMPARE(f.List("cbAviVideoCodec")->currentIndex(), 2);
    QCOMPARE(again.Settings().Avi.VideoCodec, 2);
    QCOMPARE(f.Find<QLabel>("lblAudioVolume")->text(), QStringLiteral("2.50x"));
    QVERIFY(!again.ConversionSettingsExpanded());
  }

  void storedListIndexesOutsideTheListsShowTheFirstItem() {
    MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\r\nLeft=0\r\ncbOutputExists=7\r\ncbAfterConversion=2\r\n");
    f.Start();
    QCOMPARE(f.List("cbOutputExists")->currentIndex(), 0);
    // Powering off is never carried over from an earlier session.
    QCOMPARE(f.List("cbAfterConversion")->currentIndex(), 0);
    QCOMPARE(f.List("cbAfterConversion")->count(), 3);
  }

  void escClosesOnlyWhenTheSettingsFileSaysSoAndNeverDuringARun() {
    MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\r\nLeft=0\r\nEscExit=1\r\n");
    MainWindow& w = f.Start();
    w.show();
    QVERIFY(w.actEsc->isEnabled());
    w.DisableAll();
    QVERIFY(!w.actEsc->isEnabled());
    w.EnableAll();
    QVERIFY(w.actEsc->isEnabled());
    w.actEsc->trigger();
    QVERIFY(!w.isVisible());

    MainWindowFixture g;
    MainWindow& plain = g.Start();
    plain.DisableAll();
    plain.EnableAll();
    QVERIFY(!plain.actEsc->isEnabled());
  }

  void theFirstArgumentAddsAnExistingFileOnly() {
    MainWindowFixture f;
    const std::string clip = f.dir.write("in put.webm", "x");
    MainWindow& w = f.Start({clip});
    QCOMPARE(w.FileList().RowCount(), 1);
    MainWindow& none = f.Start({f.dir.file("missing.webm")});
    QCOMPARE(none.FileList().RowCount(), 0);
  }

  void everyShortcutTriggersItsAction() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const std::pair<const char*, const char*> table[] = {
        {"actConvert", "Ctrl+E"},
        {"actShowOptions", "F12"},
        {"actMinimizeToTray", "Ctrl+Shift+M"},
        {"actShowProgressWindow", "F8"},
        {"actShowHideFileInfo", "F10"},
        {"actShowHideFormErrors", "F11"},
        {"actAddFiles", "Ctrl+O"},
        {"actAddFolder", "Ctrl+F"},
        {"actCheckAll", "Ctrl+A"},
        {"actInvertSelection", "Ctrl+I"},
        {"actLoadFileList", "Ctrl+Shift+O"},
        {"actSaveFileList", "Ctrl+Shift+S"},
        {"actLoadProfile", "Ctrl+P"},
        {"actSaveProfile", "Ctrl+S"},
        {"actShowCmdLine", "F2"},
        {"actToolsInfo", "Ctrl+Shift+I"},
        {"actHelp", "F1"},
        {"actCheckUpdate", "Ctrl+Shift+U"},
        {"actAbout", "Ctrl+Shift+F1"},
        {"actEsc", "Esc"},
    };
    for (const auto& [name, keys] : table) {
      auto* action = w.findChild<QAction*>(QString::fromLatin1(name));
      QVERIFY2(action, name);
      QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(keys)));
      // Only the key binding is under test here, not what the command does.
      QObject::disconnect(action, &QAction::triggered, &w, nullptr);
      action->setEnabled(true);
      QSignalSpy spy(action, &QAction::triggered);
      QTest::keySequence(&w, action->shortcut());
      QVERIFY2(spy.count() == 1, name);
    }
  }

private:
  static QString ToQ(const std::string& text) { return QString::fromStdString(text); }
};

ZELMORA_UI_TEST(MainWindowStartTest);

}  // namespace zelmora

#include "test_main_window.moc"
