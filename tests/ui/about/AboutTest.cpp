#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "support/TempTree.h"
#include "ui/about/AboutBox.h"
#include "ui/about/HelpMenu.h"
#include "ui/about/ProductInfo.h"
#include "ui/about/SystemInfoLauncher.h"
#include "ui/app/MainWindow.h"

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

// Sets PATH for one test and puts the old value back.
class ScopedSearchPath {
 public:
  explicit ScopedSearchPath(const std::string& path) : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", path.c_str(), 1);
  }
  ~ScopedSearchPath() { setenv("PATH", old_.c_str(), 1); }

 private:
  std::string old_;
};

class AboutTest : public QObject {
  Q_OBJECT

  template <typename T>
  static T* Child(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(name);
    if (!child) qFatal("no child %s", name);
    return child;
  }

 private slots:
  // Each visible Help item and each link of the about box opens its own target; the
  // hidden item stays hidden.
  void ItemsAndLinksOpenTheirTargets() {
    QWidget window;
    QMenuBar bar(&window);
    const MainMenus menus = BuildMainMenus(bar, window);
    FakeDesktop desktop;
    new HelpMenu(menus, window, "/opt/folidex", desktop.Actions());
    QCOMPARE(menus.helpContents->shortcut(), QKeySequence("Ctrl+H"));
    for (const QAction* item : bar.actions().last()->menu()->actions())
      QCOMPARE(item->isVisible(), item->text() != "Report Quirewise bug");
    menus.helpWebsite->trigger();
    menus.helpContents->trigger();

    AboutBox* box = new AboutBox(desktop.Actions());
    const QPointer<AboutBox> guard = box;
    box->show();
    QTest::mouseClick(Child<QLabel>(*box, "Label3"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(*box, "Label5"), Qt::LeftButton);
    const QUrl site("https://folidex.example/");
    QCOMPARE(desktop.opened, QList<QUrl>({site, QUrl::fromLocalFile("/opt/folidex/Folidex.html"),
                                          QUrl("mailto:support@folidex.example?subject=Folidex"), site}));
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_VERIFY(guard.isNull());
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
    AppSettings settings;
    settings.StartupFolder = empty.Path();
    MainWindow window(settings);
    auto* showHide = Child<QPushButton>(window, "cmdShowHideAdvanceSearch");
    for (int click = 0; click < 3; ++click) {
      QVERIFY2(help.contains("<b>" + showHide->text() + "</b>"), qPrintable(showHide->text()));
      showHide->click();
    }
  }

  // Choosing "&About..." again brings the open box to the front instead of opening a
  // second; after "&OK" the next choice opens a new one.
  void AboutOpensOnceWhenChosenTwice() {
    QWidget window;
    QMenuBar bar(&window);
    const MainMenus menus = BuildMainMenus(bar, window);
    FakeDesktop desktop;
    new HelpMenu(menus, window, ".", desktop.Actions());
    window.show();

    menus.helpAbout->trigger();
    const QPointer<AboutBox> first = window.findChild<AboutBox*>("dlgAbout");
    QVERIFY(first && first->isVisible());
    QVERIFY(!first->isModal());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    menus.helpAbout->trigger();
    QCOMPARE(window.findChildren<AboutBox*>().size(), 1);
    QVERIFY(QTest::qWaitForWindowActive(first));

    QTest::mouseClick(Child<QPushButton>(*first, "cmdOk"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());  // closed and deleted
    menus.helpAbout->trigger();
    QCOMPARE(window.findChildren<AboutBox*>().size(), 1);
    QVERIFY(window.findChild<AboutBox*>()->isVisible());
  }

  // "System Info..." starts the program when there is one; otherwise it says so and the
  // box stays open.
  void SystemInfoTellsWhenThereIsNone() {
    FakeDesktop desktop;
    AboutBox box(desktop.Actions());
    box.show();
    QPushButton* sysInfo = Child<QPushButton>(box, "cmdSysInfo");

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
    TempTree folder;
    const std::string mark = folder.Path("started");
    {
      ScopedSearchPath path(folder.Path("empty"));
      QVERIFY(!StartSystemInformation());
    }
    folder.Write("not a program/gnome-system-monitor", "#!/bin/sh\nexit 1\n");
    const std::string program = folder.Write("with space/hardinfo", "#!/bin/sh\n: > '" + mark + "'\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    ScopedSearchPath path("::" + folder.Path("not a program") + ":" + folder.Path("with space"));
    QVERIFY(StartSystemInformation());
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(mark), 10000);
  }
};

}  // namespace folidex::test

QTEST_MAIN(folidex::test::AboutTest)
#include "AboutTest.moc"
