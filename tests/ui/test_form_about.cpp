#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "main_window_fixture.h"
#include "platform/web_addresses.h"
#include "screenshots.h"
#include "ui/form_about.h"
#include "ui/form_options.h"
#include "ui_test_registry.h"

namespace zelmora {

using test::MainWindowFixture;

class FormAboutTest : public QObject {
  Q_OBJECT

private slots:
  void linesAreCentredAndLinksOpenTheirAddresses() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    QVERIFY(test::TriggerAction(w, "actAbout"));
    FormAbout* about = w.AboutWindow();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->size(), about->maximumSize());  // it cannot grow
    const std::pair<const char*, QString> lines[] = {
        {"lblProgramName", QStringLiteral("Zelmora")},
        {"lblVersion", QStringLiteral("Version 1.5")},
        {"lblReleaseDate", QStringLiteral("2018.07.06")},
        {"lblDonation", QStringLiteral("DONATION")},
        {"lblWWW", QString::fromLatin1(web::kHomePage)},
        {"lblFFmpegVersion", QStringLiteral("N-90708-g8daca7697b")},
        {"lblMediaInfoVersion", QStringLiteral("MediaInfo 18.05.0.0")},
    };
    QWidget* panel = about->findChild<QWidget*>(QStringLiteral("pnMain"));
    for (const auto& [name, text] : lines) {
      auto* label = about->findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(label, name);
      QCOMPARE(label->text(), text);
      // The left edge is half the panel's width less half the line's.
      const int expected = panel->width() / 2 - label->sizeHint().width() / 2;
      QVERIFY2(std::abs(label->x() - expected) <= 1, name);
    }
    auto* donation = about->findChild<QLabel*>(QStringLiteral("lblDonation"));
    QCOMPARE(donation->toolTip(), QString::fromLatin1(web::kDonationPage));
    QCOMPARE(donation->font().pointSize(), 9);

    const std::pair<const char*, const char*> links[] = {
        {"lblDonation", web::kDonationPage},
        {"lblWWW", web::kHomePage},
        {"lblWwwFFmpeg", web::kFFmpegProjectPage},
        {"lblWwwMediaInfo", web::kMediaInfoProjectPage},
    };
    for (const auto& [name, address] : links) {
      auto* link = about->findChild<QLabel*>(QString::fromLatin1(name));
      QTest::mouseClick(link, Qt::LeftButton);
      QCOMPARE(f.desktop->calls().back(), std::string("open ") + address);
    }
    QCOMPARE(f.desktop->calls().size(), std::size(links));

    test::KeepPicture(*about, "about.png");
  }

  void escAndTheAboutShortcutCloseTheWindow() {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.show();
    FormAbout* about = w.AboutWindow();
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QStringLiteral("Ctrl+Shift+F1"))}) {
      QVERIFY(test::TriggerAction(w, "actAbout"));
      QApplication::setActiveWindow(about);
      QVERIFY(QTest::qWaitForWindowActive(about));
      QTest::keySequence(about, keys);
      QVERIFY2(!about->isVisible(), qPrintable(keys.toString()));
    }
  }

  void aTranslatedDonationTextIsCentredAgain() {
    MainWindowFixture f;
    f.dir.write("lang/Long.ini",
                "[INFO]\nLangName_InEnglish=Long\nLangName_Native=Long\n[About]\n"
                "Caption=Informationen\nDonation=A MUCH LONGER DONATION TEXT\n");
    MainWindow& w = f.Start();
    FormAbout* about = w.AboutWindow();
    about->ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto* languages = w.OptionsWindow()->findChild<QComboBox*>(QStringLiteral("cbLanguage"));
    QCOMPARE(languages->currentText(), QStringLiteral("Long"));  // the only one, shown first
    emit languages->activated(0);
    QCOMPARE(about->windowTitle(), QStringLiteral("Informationen"));
    auto* donation = about->findChild<QLabel*>(QStringLiteral("lblDonation"));
    QCOMPARE(donation->text(), QStringLiteral("A MUCH LONGER DONATION TEXT"));
    QApplication::processEvents();
    QWidget* panel = about->findChild<QWidget*>(QStringLiteral("pnMain"));
    const int expected = panel->width() / 2 - donation->sizeHint().width() / 2;
    QVERIFY(std::abs(donation->x() - expected) <= 1);
  }
};

ZELMORA_UI_TEST(FormAboutTest);

}  // namespace zelmora

#include "test_form_about.moc"
