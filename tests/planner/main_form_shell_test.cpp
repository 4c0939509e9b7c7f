// Shell texts, launchers and the hand-over to a running NV.
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <future>

#include "main_form_fixture.h"
#include "planner/single_instance.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"
#include "platform/qt/shortcuts.h"
#include "scripted_prompt.h"

namespace nvtest {
namespace {

TEST(ShellTest, ErrorTextsByResultCode) {
  EXPECT_EQ(nv::cp932ToUtf8(nv::shellErrorText(31)),
            "このファイルを開くプログラムが見つかりません。");
  EXPECT_EQ(nv::cp932ToUtf8(nv::shellErrorText(2)), "ファイルが見つかりません。");
  EXPECT_EQ(nv::shellErrorText(33), "");
  EXPECT_EQ(nv::shellErrorText(4), "");
}

TEST(ShellTest, MissingDocumentIsPassedOverSilently) {
  mainFormApp();
  ScriptedPrompt prompt;  // nothing expected
  EXPECT_FALSE(nv::openDocument("/no/such/report.txt"));
}

// An opener that finds no program: its complaints go to the nv.shell log, not the terminal,
// and the child is told in Japanese. One that opens the document says nothing.
TEST(ShellTest, TheOpenersWordsGoToTheLogAndItsFailureToTheChild) {
  mainFormApp();
  QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  const std::string report = nv::pathFromQ(bin.filePath(QStringLiteral("report.txt")));
  {
    QFile r(nv::toQ(report));
    ASSERT_TRUE(r.open(QIODevice::WriteOnly));
  }
  auto opener = [&](const char* script) {
    QFile f(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(script);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
  static QStringList logged;
  logged.clear();
  QLoggingCategory::setFilterRules(QStringLiteral("nv.shell=true"));
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
        if (QString::fromLatin1(context.category) == QStringLiteral("nv.shell")) logged << text;
      });
  auto waitFor = [](const std::function<bool()>& done, int tries = 500) {
    for (int i = 0; i < tries && !done(); ++i) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(5);
    }
  };
  {
    opener("#!/bin/sh\necho 'www-browser: not found' >&2\nexit 3\n");
    ScriptedPrompt prompt;
    prompt.expectMessage("このファイルを開くプログラムが見つかりません。\n" +
                         nv::cp932ToUtf8(report));
    EXPECT_TRUE(nv::openDocument(report));
    waitFor([&] { return prompt.allSatisfied(); });
    EXPECT_TRUE(logged.join(u'\n').contains(QStringLiteral("www-browser: not found")));
  }
  {
    opener("#!/bin/sh\nexit 0\n");
    ScriptedPrompt prompt;  // nothing expected
    logged.clear();
    EXPECT_TRUE(nv::openDocument(report));
    waitFor([] { return false; }, 60);  // the opener has long ended by then
  }
  qInstallMessageHandler(previous);
  QLoggingCategory::setFilterRules(QString());
  qputenv("PATH", path);
}

TEST(ShortcutTest, LauncherQuotesTheProgramPath) {
  const QString t = nv::desktopEntryText(QStringLiteral("NV"), QStringLiteral("/opt/a b/$x/NV"));
  EXPECT_TRUE(t.startsWith(QStringLiteral("[Desktop Entry]\n")));
  EXPECT_TRUE(t.contains(QStringLiteral("Name=NV\n")));
  EXPECT_TRUE(t.contains(QStringLiteral("Exec=\"/opt/a b/\\\\$x/NV\" %f\n"))) << t.toStdString();
  EXPECT_TRUE(t.contains(QStringLiteral("Path=/opt/a b/$x\n")));
  // A line break in the name cannot add keys.
  EXPECT_FALSE(nv::desktopEntryText(QStringLiteral("a\nExec=evil"), QStringLiteral("/p"))
                   .contains(QStringLiteral("\nExec=evil")));
}

// The picture the launcher names is the one the distribution ships (names are case-sensitive).
TEST(ShortcutTest, LauncherIconIsInTheDistribution) {
  const QString dist =
      QFileInfo(QStringLiteral(NV_TOOL_PATH)).dir().filePath(QStringLiteral("../dist"));
  if (!QFileInfo::exists(dist + QStringLiteral("/BMP"))) GTEST_SKIP() << "build the dist target";
  const QString t = nv::desktopEntryText(QStringLiteral("NV"), dist + QStringLiteral("/NV"));
  const qsizetype at = t.indexOf(QStringLiteral("\nIcon="));
  ASSERT_GE(at, 0);
  const QString icon = t.mid(at + 6, t.indexOf(u'\n', at + 1) - at - 6);
  EXPECT_TRUE(QFileInfo::exists(icon)) << icon.toStdString();
}

TEST(ShortcutTest, WritesAnExecutableLauncher) {
  mainFormApp();
  QTemporaryDir dir;
  ASSERT_TRUE(nv::writeLauncher(dir.filePath(QStringLiteral("sub")), QStringLiteral("NV.desktop"),
                                QStringLiteral("NV")));
  QFile f(dir.filePath(QStringLiteral("sub/NV.desktop")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().startsWith("[Desktop Entry]"));
  EXPECT_TRUE(f.permissions() & QFileDevice::ExeOwner);
  EXPECT_FALSE(nv::writeLauncher(QString(), QStringLiteral("NV.desktop"), QStringLiteral("NV")));
}

TEST(SingleInstanceTest, SecondStartRestoresTheRunningWindow) {
  mainFormApp();
  const QString name = QStringLiteral("nv-test-%1").arg(QCoreApplication::applicationPid());
  nv::SingleInstance nobody(name);
  EXPECT_FALSE(nobody.handOver(200));

  QWidget window;
  window.showMinimized();
  nv::SingleInstance running(name);
  ASSERT_TRUE(running.listen(&window));
  // The second start runs in its own thread; this one serves it.
  auto second =
      std::async(std::launch::async, [name] { return nv::SingleInstance(name).handOver(3000); });
  while (second.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_TRUE(second.get());
  EXPECT_EQ(running.answered(), 1);
  EXPECT_FALSE(window.isMinimized());
}

}  // namespace
}  // namespace nvtest
