#include <QCheckBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <cstdlib>

#include "base/files.h"
#include "main_window_fixture.h"
#include "screenshots.h"
#include "support/media_clips.h"
#include "support/scoped_env.h"
#include "ui/file_list_footer_bar.h"
#include "ui/form_about.h"
#include "ui/form_errors.h"
#include "ui/form_options.h"
#include "ui/form_progress.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

namespace {

template <typename W>
W* In(QWidget* window, const char* name) {
  return window->findChild<W*>(QString::fromLatin1(name));
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A shipped language file copied into the test's program folder.
bool CopyLanguage(MainWindowFixture& f, const char* name) {
  const char* data = std::getenv("ZELMORA_TEST_DATA");
  if (data == nullptr) return false;
  const Result<std::string> text = ReadWholeFile(std::string(data) + "/../../lang/" + name);
  if (!text.ok()) return false;
  f.dir.write(std::string("lang/") + name, text.value());
  return true;
}

// What the user's choice of a list item does.
void Choose(QComboBox* list, const QString& text) {
  const int index = list->findText(text);
  QVERIFY2(index >= 0, qPrintable(text));
  list->setCurrentIndex(index);
  emit list->activated(index);
}

// The first installed family other than the grid's, for a visible change.
QString OtherFamily(const QString& current) {
  for (const QString& family : QFontDatabase::families())
    if (family.compare(current, Qt::CaseInsensitive) != 0) return family;
  return current;
}

}  // namespace

class FormOptionsTest : public QObject {
  Q_OBJECT

private slots:
  void everyChangeTakesEffectAtOnceAndComesBackAtTheNextStart() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    const std::string clip = test::MakeClip(f.dir.path(), "row one.webm");
    QVERIFY(!clip.empty());
    QVERIFY(w.FileList().AddToList(clip, true));
    w.FileList().Refresh();
    QVERIFY(test::TriggerAction(w, "actShowOptions"));
    FormOptions* o = w.OptionsWindow();
    QVERIFY(o->isVisible());
    QTableView* table = w.Grid()->Table();

    // What the window shows first is the grid's and the settings' state.
    QCOMPARE(In<QSpinBox>(o, "edFileListFontSize")->value(), 8);
    QCOMPARE(In<QSpinBox>(o, "edFileListRowHeight")->value(), 20);
    QCOMPARE(In<QComboBox>(o, "cbFileListFont")->currentText(), table->font().family());
    QCOMPARE(In<QComboBox>(o, "cbDefaultVideoCodec")->currentText(), QStringLiteral("Xvid"));
    QCOMPARE(In<QComboBox>(o, "cbFileListFileAnalysis")->currentText(), QStringLiteral("Full"));
    QVERIFY(In<QCheckBox>(o, "chFileListIconClickOpen")->isChecked());

    const QString family = OtherFamily(table->font().family());
    In<QComboBox>(o, "cbFileListFont")->setCurrentText(family);
    QCOMPARE(table->font().family(), family);
    QCOMPARE(table->horizontalHeader()->font().family(), family);
    In<QSpinBox>(o, "edFileListFontSize")->setValue(14);
    QCOMPARE(table->font().pointSize(), 14);
    QCOMPARE(table->horizontalHeader()->height(), 34);
    QCOMPARE(table->font().family(), family);
    In<QSpinBox>(o, "edFileListFontSize")->setValue(13);
    QCOMPARE(table->horizontalHeader()->height(), 22);
    In<QSpinBox>(o, "edFileListRowHeight")->setValue(31);
    QCOMPARE(table->rowHeight(0), 31);  // the existing row too
    In<QCheckBox>(o, "chFileListGridLines")->setChecked(false);
    QVERIFY(!w.Grid()->GridLinesShown());
    In<QCheckBox>(o, "chFileListFooter")->setChecked(false);
    QVERIFY(w.Grid()->FooterBar()->isHidden());
    In<QCheckBox>(o, "chFileListRowIndicator")->setChecked(false);
    QVERIFY(table->verticalHeader()->isHidden());
    In<QCheckBox>(o, "chFileListAllowRowMoving")->setChecked(false);
    QVERIFY(!table->verticalHeader()->sectionsMovable());
    In<QCheckBox>(o, "chFileListAllowColumnMoving")->setChecked(false);
    QVERIFY(!table->horizontalHeader()->sectionsMovable());
    In<QCheckBox>(o, "chFileListIconClickOpen")->setChecked(false);
    QVERIFY(!f.context->AppParams.OpenFileAfterIconClick);
    In<QComboBox>(o, "cbDefaultVideoCodec")->setCurrentText(QStringLiteral("H.264"));
    QCOMPARE(f.context->DefaultVideoCodecIndex, 2);
    In<QComboBox>(o, "cbFileListFileAnalysis")->setCurrentIndex(1);
    QCOMPARE(f.context->AppParams.FileAnalysis, TFileAnalysis::faQuick);
    f.Close();

    const std::string ini = ReadWholeFile(f.ProgramFile("zelmora.ini")).value();
    for (const char* line :
         {"GridLines=0", "RowIndicator=0", "GridFooter=0", "RowHeight=31", "AllowRowMoving=0",
          "AllowColumnMoving=0", "ListFontSize=13", "FileAnalysis=Quick",
          "OpenFileAfterIconClick=0", "DefaultVideoCodec=H.264"})
      QVERIFY2(ini.find(line) != std::string::npos, line);
    QVERIFY(ini.find("ListFontName=" + family.toStdString()) != std::string::npos);

    MainWindow& again = f.Start();
    QTableView* restored = again.Grid()->Table();
    QCOMPARE(restored->font().family(), family);
    QCOMPARE(restored->font().pointSize(), 13);
    QCOMPARE(restored->verticalHeader()->defaultSectionSize(), 31);
    QVERIFY(!again.Grid()->GridLinesShown());
    QVERIFY(restored->verticalHeader()->isHidden());
    QCOMPARE(f.context->DefaultVideoCodecIndex, 2);
    again.OptionsWindow()->ShowCentred();
    FormOptions* shown = again.OptionsWindow();
    QCOMPARE(In<QComboBox>(shown, "cbFileListFont")->currentText(), family);
    QCOMPARE(In<QSpinBox>(shown, "edFileListRowHeight")->value(), 31);
    QVERIFY(!In<QCheckBox>(shown, "chFileListFooter")->isChecked());
    QVERIFY(!In<QCheckBox>(shown, "chFileListAllowColumnMoving")->isChecked());
    QCOMPARE(In<QComboBox>(shown, "cbDefaultVideoCodec")->currentText(), QStringLiteral("H.264"));
    QCOMPARE(In<QComboBox>(shown, "cbFileListFileAnalysis")->currentText(),
             QStringLiteral("Quick"));
  }

  void showingTheWindowAgainReloadsWhatChangedMeanwhile() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    FormOptions* o = w.OptionsWindow();
    o->ShowCentred();
    o->actCloseExecute();
    f.context->DefaultVideoCodecIndex = 2;
    f.context->AppParams.FileAnalysis = TFileAnalysis::faNone;
    f.context->AppParams.OpenFileAfterIconClick = false;
    o->ShowCentred();
    QCOMPARE(In<QComboBox>(o, "cbDefaultVideoCodec")->currentText(), QStringLiteral("H.264"));
    QCOMPARE(In<QComboBox>(o, "cbFileListFileAnalysis")->currentText(), QStringLiteral("None"));
    QVERIFY(!In<QCheckBox>(o, "chFileListIconClickOpen")->isChecked());
    // Reloading is no change: the values stay as they were.
    QCOMPARE(f.context->AppParams.FileAnalysis, TFileAnalysis::faNone);
  }

  void theDefaultCodecLeavesTheAviPageAloneUntilDefaultSettings() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.List("cbAviVideoCodec")->setCurrentIndex(2);  // H.264
    In<QComboBox>(w.OptionsWindow(), "cbDefaultVideoCodec")
        ->setCurrentText(QStringLiteral("H.264"));
    In<QComboBox>(w.OptionsWindow(), "cbDefaultVideoCodec")->setCurrentText(QStringLiteral("Xvid"));
    QCOMPARE(f.context->DefaultVideoCodecIndex, 0);
    QCOMPARE(f.List("cbAviVideoCodec")->currentIndex(), 2);
    QCOMPARE(w.Settings().Avi.VideoCodec, 2);
    QVERIFY(test::TriggerAction(w, "actSetDefaultEncoderSettings"));
    QCOMPARE(f.List("cbAviVideoCodec")->currentIndex(), 0);
  }

  void choosingALanguageRelabelsEveryWindowAtOnce() {
    MainWindowFixture f;
    QVERIFY(CopyLanguage(f, "German.ini"));
    // A file that translates one caption only.
    f.dir.write("lang/Partial.ini",
                "[INFO]\nLangName_InEnglish=Partial\nLangName_Native=Teilweise\n"
                "[main]\nACTCONVERT=Nur dies\n");
    MainWindow& w = f.Start();
    FormOptions* o = w.OptionsWindow();
    QComboBox* languages = In<QComboBox>(o, "cbLanguage");
    QCOMPARE(languages->count(), 2);
    QVERIFY(languages->findText(QStringLiteral("Deutsch")) >= 0);
    In<QComboBox>(o, "cbFileListFileAnalysis")->setCurrentIndex(2);

    Choose(languages, QStringLiteral("Deutsch"));
    const TAppStrings& s = f.context->Strings;
    QCOMPARE(f.context->AppParams.LanguageIni, std::string("German.ini"));
    QVERIFY(w.actConvert->text() != QStringLiteral("Convert checked files"));
    QCOMPARE(w.actConvert->text(), Q(s.Main.actConvert));
    QCOMPARE(w.ProgressWindow()->windowTitle(), QStringLiteral("Konvertierung"));
    QCOMPARE(w.ErrorLogWindow()->windowTitle(), Q(s.Errors.Caption));
    QVERIFY(w.ErrorLogWindow()->windowTitle() != QStringLiteral("Errors"));
    QCOMPARE(o->windowTitle(), QStringLiteral("Optionen"));
    QCOMPARE(In<QPushButton>(o, "btnCreateShortcutOnDesktop")->text(),
             QStringLiteral("Verknüpfung auf dem Desktop erstellen"));
    QCOMPARE(In<QComboBox>(o, "cbFileListFileAnalysis")->currentText(), QStringLiteral("Keine"));
    QCOMPARE(f.context->AppParams.FileAnalysis, TFileAnalysis::faNone);
    QCOMPARE(w.AboutWindow()->windowTitle(), Q(s.About.Caption));
    QCOMPARE(In<QLabel>(w.AboutWindow(), "lblDonation")->text(), Q(s.About.Donation));
    if (test::KeepingPictures()) {
      o->ShowCentred();
      test::KeepPicture(*o, "options_german.png");
      test::KeepPicture(*w.AboutWindow(), "about_german.png");
    }

    // Nothing of the first language stays behind the second one.
    Choose(languages, QStringLiteral("Teilweise"));
    QCOMPARE(w.actConvert->text(), QStringLiteral("Nur dies"));
    QCOMPARE(w.actExit->text(), QStringLiteral("Exit"));
    QCOMPARE(w.ProgressWindow()->windowTitle(), QStringLiteral("Conversion"));
    QCOMPARE(o->windowTitle(), QStringLiteral("Options"));
    QCOMPARE(In<QComboBox>(o, "cbFileListFileAnalysis")->currentText(), QStringLiteral("None"));

    Choose(languages, QStringLiteral("Deutsch"));
    f.Close();
    MainWindow& again = f.Start();
    QCOMPARE(f.context->AppParams.LanguageIni, std::string("German.ini"));
    QCOMPARE(In<QComboBox>(again.OptionsWindow(), "cbLanguage")->currentText(),
             QStringLiteral("Deutsch"));
    QCOMPARE(again.OptionsWindow()->windowTitle(), QStringLiteral("Optionen"));
  }

  void withoutALanguageFolderOnlyEnglishIsOffered() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    QComboBox* languages = In<QComboBox>(w.OptionsWindow(), "cbLanguage");
    QCOMPARE(languages->count(), 1);
    QCOMPARE(languages->currentText(), QStringLiteral("English"));
    QCOMPARE(f.context->AppParams.LanguageIni, std::string());
  }

  void theDesktopLauncherIsWrittenOnce() {
    MainWindowFixture f;
    const std::string icon = f.dir.write("zelmora.svg", "<svg/>");
    MainWindow& w = f.Start();
    f.desktop->writeLaunchers = true;
    auto* button = In<QPushButton>(w.OptionsWindow(), "btnCreateShortcutOnDesktop");
    button->click();
    button->click();
    const std::string file = f.desktopDir + "/Zelmora.desktop";
    QCOMPARE(f.desktop->calls().size(), size_t{1});
    QCOMPARE(f.desktop->calls().front(), "launcher " + file);
    const std::string text = ReadWholeFile(file).value();
    QVERIFY(text.find("\nIcon=" + icon + "\n") != std::string::npos);
    QVERIFY(text.find("\nExec=\"" + f.dir.file("zelmora") + "\"\n") != std::string::npos);
    QVERIFY(text.find("\nPath=" + f.dir.path() + "\n") != std::string::npos);
    QVERIFY(text.find("\nComment=Zelmora 1.5  [64-bit]\n") != std::string::npos);
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
  }

  void anInstalledProgramsLauncherNamesTheThemeIconAndFailuresStaySilent() {
    MainWindowFixture f;
    test::TempDir config;
    test::ScopedEnv home("XDG_CONFIG_HOME", config.path().c_str());
    f.dir.write("zelmora.installed", "");
    MainWindow& w = f.Start();
    QVERIFY(f.context->AppParams.Installed);
    f.desktop->nextStatus = Status(Error{30, "read-only desktop"});
    auto* button = In<QPushButton>(w.OptionsWindow(), "btnCreateShortcutOnDesktop");
    button->click();
    QVERIFY(MessageBoxes::takeShownWarnings().isEmpty());
    QCOMPARE(f.desktop->launchers.size(), size_t{1});
    QCOMPARE(f.desktop->launchers.front().Icon, std::string("zelmora"));
    // A launcher the user already has is left as it is.
    f.desktop->nextStatus = Status::Ok();
    f.dir.write("Desktop/Zelmora.desktop", "mine");
    button->click();
    QCOMPARE(f.desktop->launchers.size(), size_t{1});
    QCOMPARE(ReadWholeFile(f.desktopDir + "/Zelmora.desktop").value(), std::string("mine"));
  }

  void escAndTheOptionsShortcutCloseTheWindow() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.show();
    FormOptions* o = w.OptionsWindow();
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_F12)}) {
      QVERIFY(test::TriggerAction(w, "actShowOptions"));
      QApplication::setActiveWindow(o);
      QVERIFY(QTest::qWaitForWindowActive(o));
      QTest::keySequence(o, keys);
      QVERIFY2(!o->isVisible(), qPrintable(keys.toString()));
    }
    QCOMPARE(In<QPushButton>(o, "btnClose")->text(), QStringLiteral("Close"));
    if (test::KeepingPictures()) {
      o->ShowCentred();
      test::KeepPicture(*o, "options.png");
    }
  }
};

ZELMORA_UI_TEST(FormOptionsTest);

}  // namespace zelmora

#include "test_form_options.moc"
