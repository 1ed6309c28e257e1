#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "base/files.h"
#include "base/text.h"
#include "i18n/language_file.h"
#include "main_window_fixture.h"
#include "screenshots.h"
#include "support/loopback_http_server.h"
#include "ui/form_check_update.h"
#include "ui/qt_text.h"
#include "ui_test_registry.h"

Q_DECLARE_METATYPE(zelmora::TUpdateCheckState)

namespace zelmora {

using test::LoopbackHttpServer;

namespace {

std::string VersionFile(const std::string& version, const std::string& date = "2027-01-15") {
  return "[VersionInfo]\r\nLastVersion=" + version + "\r\nReleaseDate=" + date + "\r\n";
}

TDownloadOptions ShortTimeouts(int totalMs = 2000) {
  TDownloadOptions options;
  options.ConnectTimeoutMs = totalMs;
  options.TotalTimeoutMs = totalMs;
  return options;
}

// The window and what it is made of, answered by a given address.
struct UpdateWindow {
  explicit UpdateWindow(const std::string& url, int timeoutMs = 2000)
      : form(std::make_unique<FormCheckUpdate>(context, desktop, url)) {
    form->SetDownloadOptions(ShortTimeouts(timeoutMs));
  }

  template <typename W>
  W* Find(const char* name) const {
    return form->findChild<W*>(QLatin1String(name));
  }
  QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
  QString Pane() const { return form->Pane()->toPlainText(); }
  QString Latest() const { return Find<QLabel>("lblLatestVersion")->text(); }
  QColor Background() const { return form->Pane()->palette().color(QPalette::Base); }
  QColor Font() const { return form->Pane()->palette().color(QPalette::Text); }
  bool Download() const { return !Button("btnGoToDownloadPage")->isHidden(); }
  bool CheckNow() const { return Button("btnCheckNow")->isEnabled(); }

  // Runs the check and waits for its end.
  bool Check(int waitMs = 8000) {
    QSignalSpy finished(form.get(), &FormCheckUpdate::CheckFinished);
    form->actCheckNowExecute();
    return finished.wait(waitMs);
  }

  AppContext context;
  test::RecordingDesktopServices desktop;
  std::unique_ptr<FormCheckUpdate> form;
};

QColor SystemBackground() {
  return QApplication::palette().color(QPalette::Active, QPalette::Button);
}
QColor SystemFont() {
  return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

}  // namespace

class FormCheckUpdateTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { qRegisterMetaType<TUpdateCheckState>(); }

  void theWindowStartsClearedWithItsDesignLook() {
    UpdateWindow u(test::ClosedPortUrl());
    FormCheckUpdate& form = *u.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Check for updates"));
    QCOMPARE(form.size(), QSize(FormCheckUpdate::DesignWidth, FormCheckUpdate::DesignHeight));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(u.Find<QLabel>("lblUserVersion")->text(), QStringLiteral("1.5"));
    QCOMPARE(u.Button("btnGoToDownloadPage")->toolTip(),
             QStringLiteral("Go to the download page..."));
    QCOMPARE(form.State(), TUpdateCheckState::ucCleared);
    QVERIFY(u.Pane().isEmpty());
    QCOMPARE(u.Background(), SystemBackground());
    QVERIFY(!u.Download());
    QVERIFY(u.CheckNow());
    QVERIFY(form.CheckTimer()->isSingleShot());
    QVERIFY(!form.CheckTimer()->isActive());
  }

  void theServersReplyDecidesTheState_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("font");
    QTest::addColumn<bool>("download");
    const QString noUpdates = QStringLiteral("No updates available.\nYou have the latest version.");
    const QString cannotCheck = QStringLiteral(
        "Unable to retrieve version information.\nPlease try again in a few minutes.");
    const QColor failedBack(0xFA, 0xDA, 0xDA), failedFont(0x4F, 0x0B, 0x0B);
    QTest::newRow("our own version is up to date")
        << QByteArray::fromStdString(test::HttpReply(VersionFile("1.5")))
        << int(TUpdateCheckState::ucUpToDate) << noUpdates << QStringLiteral("1.5")
        << SystemBackground() << SystemFont() << false;
    QTest::newRow("a newer version offers the download with its date")
        << QByteArray::fromStdString(test::HttpReply(VersionFile("1.6")))
        << int(TUpdateCheckState::ucUpdateAvailable)
        << QStringLiteral(
               "A new version is available.\n\nLatestVersion=1.6\nReleaseDate=2027-01-15")
        << QStringLiteral("1.6") << QColor(0xE6, 0xF0, 0xE3) << QColor(0x1D, 0x2F, 0x1A) << true;
    QTest::newRow("1.10 sorts before 1.5 and is no update")
        << QByteArray::fromStdString(test::HttpReply(VersionFile("1.10")))
        << int(TUpdateCheckState::ucServerVersionOlder) << noUpdates << QStringLiteral("1.10")
        << SystemBackground() << SystemFont() << false;
    QTest::newRow("an error page has no version information")
        << QByteArray::fromStdString(
               test::HttpReply("<html><body>Not Found</body></html>", 404, "text/html"))
        << int(TUpdateCheckState::ucNoVersionInfo) << cannotCheck << QString() << failedBack
        << failedFont << false;
    QTest::newRow("a section after the first 1,024 bytes is not seen")
        << QByteArray::fromStdString(
               test::HttpReply(std::string(1100, ';') + "\r\n" + VersionFile("1.6")))
        << int(TUpdateCheckState::ucNoVersionInfo) << cannotCheck << QString() << failedBack
        << failedFont << false;
  }
  void theServersReplyDecidesTheState() {
    QFETCH(QByteArray, reply);
    QFETCH(int, state);
    QFETCH(QString, pane);
    QFETCH(QString, latest);
    QFETCH(QColor, background);
    QFETCH(QColor, font);
    QFETCH(bool, download);
    LoopbackHttpServer server(reply.toStdString());
    UpdateWindow u(server.Url());
    QVERIFY(u.Check());
    QCOMPARE(int(u.form->State()), state);
    QCOMPARE(u.Pane(), pane);
    QCOMPARE(u.Latest(), latest);
    QCOMPARE(u.Background(), background);
    QCOMPARE(u.Font(), font);
    QCOMPARE(u.Download(), download);
    QVERIFY(u.CheckNow());
    QVERIFY(server.LastRequest().find("GET /update/ver.ini ") == 0);
    const QByteArray shot = "update_" + QByteArray::number(state) + ".png";
    test::ShowAndKeepPicture(*u.form, shot.constData());
  }

  void noServerGivesConnectionFailedAndCheckNowAgain() {
    UpdateWindow u(test::ClosedPortUrl());
    QVERIFY(u.Check());
    QCOMPARE(u.form->State(), TUpdateCheckState::ucConnectionFailed);
    QCOMPARE(u.Pane(),
             QStringLiteral("Can not connect to the server.\nPlease try again in a few minutes."));
    QCOMPARE(u.Background(), QColor(0xFA, 0xDA, 0xDA));
    QCOMPARE(u.Font(), QColor(0x4F, 0x0B, 0x0B));
    QVERIFY(!u.Download());
    QVERIFY(u.CheckNow());
    QVERIFY(u.Latest().isEmpty());
    test::ShowAndKeepPicture(*u.form, "update_connection_failed.png");
  }

  void aSilentServerLeavesTheWindowResponsive() {
    LoopbackHttpServer server("", true);
    UpdateWindow u(server.Url(), 1500);
    // A newer version was found before; the next check starts afresh.
    {
      LoopbackHttpServer newer(test::HttpReply(VersionFile("1.6")));
      u.form->SetUpdateUrl(newer.Url());
      QVERIFY(u.Check());
      QVERIFY(u.Download());
    }
    u.form->SetUpdateUrl(server.Url());
    QSignalSpy finished(u.form.get(), &FormCheckUpdate::CheckFinished);
    u.form->ShowCentred();
    QElapsedTimer clock;
    clock.start();
    u.Button("btnCheckNow")->click();
    QVERIFY(clock.elapsed() < 500);  // the click returns at once
    QCOMPARE(u.form->State(), TUpdateCheckState::ucChecking);
    QCOMPARE(u.Pane(), QStringLiteral("Checking available updates.\nPlease wait..."));
    QCOMPARE(u.Background(), SystemBackground());
    QVERIFY(!u.CheckNow());
    QVERIFY(!u.Download());
    QVERIFY(u.Latest().isEmpty());
    test::ShowAndKeepPicture(*u.form, "update_checking.png");
    // A second press while it runs starts nothing.
    u.form->actCheckNowExecute();

    // The event loop keeps turning while the server says nothing.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(50);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, 1000);
    QVERIFY(u.form->CheckRunning());
    QVERIFY(finished.isEmpty());

    QVERIFY(finished.wait(6000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(u.form->State(), TUpdateCheckState::ucConnectionFailed);
    QVERIFY(u.CheckNow());
  }

  void closingOrDestroyingTheWindowDuringARequestIsSafe() {
    LoopbackHttpServer server("", true);
    {
      // Hidden while it runs: the result still arrives, in the hidden window.
      UpdateWindow u(server.Url(), 1000);
      u.form->ShowCentred();
      QSignalSpy finished(u.form.get(), &FormCheckUpdate::CheckFinished);
      u.form->actCheckNowExecute();
      QTest::keyClick(u.form.get(), Qt::Key_Escape);
      QVERIFY(!u.form->isVisible());
      QVERIFY(finished.wait(5000));
      QCOMPARE(u.form->State(), TUpdateCheckState::ucConnectionFailed);
      QVERIFY(!u.form->isVisible());
    }
    // Destroyed while it runs: the request is abandoned well before its
    // time-out, and nothing arrives afterwards.
    UpdateWindow u(server.Url(), 15000);
    u.form->ShowCentred();
    u.form->actCheckNowExecute();
    QTest::qWait(200);
    u.Button("btnClose")->click();
    QVERIFY(!u.form->isVisible());
    QElapsedTimer clock;
    clock.start();
    u.form.reset();
    QVERIFY2(clock.elapsed() < 5000, "the worker stops when asked");
    QTest::qWait(100);  // a posted result would find no window
  }

  void clearingDuringARequestIgnoresItsLateResult() {
    LoopbackHttpServer silent("", true);
    UpdateWindow u(silent.Url(), 800);
    QSignalSpy finished(u.form.get(), &FormCheckUpdate::CheckFinished);
    u.form->actCheckNowExecute();
    u.form->ClearStatus();
    QCOMPARE(u.form->State(), TUpdateCheckState::ucCleared);
    QVERIFY(u.Pane().isEmpty());
    QVERIFY(u.CheckNow());
    QTest::qWait(1500);
    QVERIFY(finished.isEmpty());
    QCOMPARE(u.form->State(), TUpdateCheckState::ucCleared);

    // The next check is a check of its own.
    LoopbackHttpServer server(test::HttpReply(VersionFile("1.5")));
    u.form->SetUpdateUrl(server.Url());
    QVERIFY(u.Check());
    QCOMPARE(u.form->State(), TUpdateCheckState::ucUpToDate);
  }

  void theMainWindowsCommandClearsShowsAndChecksAfterASecond() {
    LoopbackHttpServer server(test::HttpReply(VersionFile("1.7", "soon")));
    test::MainWindowFixture f;
    f.dir.write("zelmora.ini", "[MAIN]\nUpdateUrl=" + server.Url() + "\n");
    MainWindow& w = f.Start();
    w.show();
    FormCheckUpdate* form = w.CheckUpdateWindow();
    QVERIFY(!form->isVisible());
    QSignalSpy finished(form, &FormCheckUpdate::CheckFinished);
    QVERIFY(test::TriggerAction(w, "actCheckUpdate"));
    QVERIFY(form->isVisible());
    QCOMPARE(form->State(), TUpdateCheckState::ucCleared);
    QVERIFY(form->CheckTimer()->isActive());
    QVERIFY(finished.wait(8000));
    QVERIFY(!form->CheckTimer()->isActive());
    QCOMPARE(form->State(), TUpdateCheckState::ucUpdateAvailable);
    QVERIFY(form->Pane()->toPlainText().endsWith(QStringLiteral("ReleaseDate=soon")));

    auto* download = form->findChild<QPushButton*>(QStringLiteral("btnGoToDownloadPage"));
    QVERIFY(download->isVisible());
    download->click();
    QCOMPARE(f.desktop->calls().back(), std::string("open ") + web::kDownloadPage);

    // Asking again clears the last answer before the new check.
    QVERIFY(test::TriggerAction(w, "actCheckUpdate"));
    QCOMPARE(form->State(), TUpdateCheckState::ucCleared);
    QVERIFY(form->Pane()->toPlainText().isEmpty());
    QVERIFY(!download->isVisible());
    QVERIFY(finished.wait(8000));
  }

  void everyTranslationFitsTheFixedWindow() {
    const char* data = std::getenv("ZELMORA_TEST_DATA");
    QVERIFY(data);
    const std::string langDir = std::string(data) + "/../../lang";
    int languages = 0;
    for (const std::string& file : ListFiles(langDir)) {
      if (!EndsWith(file, ".ini")) continue;
      UpdateWindow u(test::ClosedPortUrl());
      u.context.Strings.SetEN();
      QVERIFY(LoadFromFile(u.context.Strings, langDir + "/" + file));
      u.form->SetLang();
      u.form->show();
      QVERIFY(QTest::qWaitForWindowExposed(u.form.get()));
      // Every state's text, the update one with its button shown.
      QVERIFY(u.Check());
      for (const char* name : {"btnCheckNow", "btnClose"}) {
        QPushButton* button = u.Button(name);
        QVERIFY2(button->width() >= button->sizeHint().width(), (file + " " + name).c_str());
      }
      for (const char* name : {"lblUserVersionDesc", "lblLatestVersionDesc"}) {
        QLabel* label = u.Find<QLabel>(name);
        QVERIFY2(label->width() >= label->sizeHint().width(), (file + " " + name).c_str());
      }
      QVERIFY2(!u.form->Pane()->verticalScrollBar()->isVisible(), file.c_str());
      LoopbackHttpServer newer(test::HttpReply(VersionFile("1.6")));
      u.form->SetUpdateUrl(newer.Url());
      QVERIFY(u.Check());
      QPushButton* download = u.Button("btnGoToDownloadPage");
      QVERIFY2(download->width() >= download->sizeHint().width(), file.c_str());
      QVERIFY2(download->geometry().right() < u.Button("btnClose")->geometry().left(),
               file.c_str());
      test::ShowAndKeepPicture(
          *u.form, ("update_available_" + file.substr(0, file.size() - 4) + ".png").c_str());
      ++languages;
    }
    QVERIFY(languages >= 2);
  }

  void aLanguageChangeRetellsTheMessageOnShow() {
    UpdateWindow u(test::ClosedPortUrl());
    QVERIFY(u.Check());
    TCheckUpdateModuleStrings& s = u.context.Strings.CheckUpdate;
    s.Caption = "Aktualizacje";
    s.lblUserVersion = "Twoja wersja:";
    s.btnDownload = "Pobierz...";
    s.GoToDownloadPage = "Strona pobierania";
    s.ConnectionFailed = "Brak połączenia.\\nSpróbuj później.";
    u.form->SetLang();
    QCOMPARE(u.form->windowTitle(), QStringLiteral("Aktualizacje"));
    QCOMPARE(u.Find<QLabel>("lblUserVersionDesc")->text(), QStringLiteral("Twoja wersja:"));
    QCOMPARE(u.Button("btnGoToDownloadPage")->text(), QStringLiteral("Pobierz..."));
    QCOMPARE(u.Button("btnGoToDownloadPage")->toolTip(), QStringLiteral("Strona pobierania"));
    QCOMPARE(u.Pane(), QStringLiteral("Brak połączenia.\nSpróbuj później."));
    QCOMPARE(u.Background(), QColor(0xFA, 0xDA, 0xDA));
  }
};

ZELMORA_UI_TEST(FormCheckUpdateTest);

}  // namespace zelmora

#include "test_form_check_update.moc"
