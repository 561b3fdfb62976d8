#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <filesystem>

#include "MainWindowProbe.h"
#include "support/TempTree.h"
#include "ui/about/HelpMenu.h"
#include "ui/about/ProductInfo.h"
#include "ui/about/SystemInfoLauncher.h"

namespace folidex::test {

// Records what the about box and the Help menu ask of the desktop.
struct FakeDesktop {
  QList<QUrl> opened;
  QStringList messages;
  bool sysInfoStarts = false;
  int sysInfoStarted = 0;

  AboutActions Actions() {
    return AboutActions{
        .open = [this](const QUrl& target) { opened.append(target); },
        .startSysInfo =
            [this] {
              ++sysInfoStarted;
              return sysInfoStarts;
            },
        .showPlainMessage = [this](QWidget*, const QString& text) { messages.append(text); },
    };
  }
};

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  // Each Help item and each link of the about box opens its own target. Choosing "&About..."
  // again brings the open box to the front instead of opening a second; after "&OK" the next
  // choice opens a new one.
  void HelpItemsOpenTheirTargetsAndOneAboutBox() {
    QWidget window;
    QMenuBar bar(&window);
    const MainMenus menus = BuildMainMenus(bar, window);
    FakeDesktop desktop;
    new HelpMenu(menus, window, "/opt/folidex", desktop.Actions());
    window.show();
    menus.helpWebsite->trigger();
    menus.helpContents->trigger();

    menus.helpAbout->trigger();
    const QPointer<AboutBox> first = window.findChild<AboutBox*>("dlgAbout");
    QVERIFY(first && first->isVisible() && !first->isModal());
    QTest::mouseClick(Named<QLabel>(*first, "Label3"), Qt::LeftButton);
    QTest::mouseClick(Named<QLabel>(*first, "Label5"), Qt::LeftButton);
    const QUrl site("https://folidex.example/");
    QCOMPARE(desktop.opened, QList<QUrl>({site, QUrl::fromLocalFile("/opt/folidex/Folidex.html"),
                                          QUrl("mailto:support@folidex.example?subject=Folidex"), site}));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    menus.helpAbout->trigger();
    QCOMPARE(window.findChildren<AboutBox*>().size(), 1);
    QVERIFY(QTest::qWaitForWindowActive(first));

    QTest::mouseClick(Named<QPushButton>(*first, "cmdOk"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());  // closed and deleted
    menus.helpAbout->trigger();
    QCOMPARE(window.findChildren<AboutBox*>().size(), 1);
    QVERIFY(window.findChild<AboutBox*>()->isVisible());
    QTest::keyClick(window.findChild<AboutBox*>(), Qt::Key_Return);
    QTRY_COMPARE(window.findChildren<AboutBox*>().size(), 0);
  }

  // The help document names captions as the window shows them: without the "&" that marks
  // an access key, and the show/hide button of the advanced options in each of its states.
  void HelpDocumentNamesCaptionsAsTheWindowShowsThem() {
    QFile file(QCoreApplication::applicationDirPath() + "/" + kHelpDocumentName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll()).simplified();
    const QRegularExpression accessKey("<b>[^<]*&amp;\\w");
    QVERIFY2(!help.contains(accessKey), qPrintable(accessKey.match(help).captured()));
    TempTree empty;
    TestWindow test({}, empty.Path());
    auto* showHide = test.probe.Find<QPushButton>("cmdShowHideAdvanceSearch");
    for (int click = 0; click < 3; ++click) {
      QVERIFY2(help.contains("<b>" + showHide->text() + "</b>"), qPrintable(showHide->text()));
      showHide->click();
    }
  }

  // "System Info..." starts the program when there is one; otherwise it says so and the
  // box stays open.
  void SystemInfoTellsWhenThereIsNone() {
    FakeDesktop desktop;
    AboutBox box(desktop.Actions());
    box.show();
    auto* sysInfo = Named<QPushButton>(box, "cmdSysInfo");
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(desktop.messages, QStringList({"System Information Is Unavailable At This Time"}));
    QVERIFY(box.isVisible());
    desktop.sysInfoStarts = true;
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(desktop.sysInfoStarted, 2);
    QCOMPARE(desktop.messages.size(), 1);
  }

  // The launcher finds a known system-information program on PATH, skipping empty entries
  // and files that are not programs, and really starts it; with none on PATH it starts nothing.
  void LauncherStartsTheProgramFoundOnThePath() {
    const QByteArray searchPath = qgetenv("PATH");
    const auto restore = qScopeGuard([&] { qputenv("PATH", searchPath); });
    TempTree folder;
    qputenv("PATH", folder.Path("empty").c_str());
    QVERIFY(!StartSystemInformation());
    const std::string mark = folder.Path("started");
    folder.Write("not a program/gnome-system-monitor", "#!/bin/sh\nexit 1\n");
    const std::string program = folder.Write("with space/hardinfo", "#!/bin/sh\n: > '" + mark + "'\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    qputenv("PATH", ("::" + folder.Path("not a program") + ":" + folder.Path("with space")).c_str());
    QVERIFY(StartSystemInformation());
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(mark), 10000);
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::AboutTest)
#include "AboutTest.moc"
