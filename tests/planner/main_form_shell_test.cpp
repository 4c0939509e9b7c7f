// Shell texts, launchers and the hand-over to a running NV.
#include <QEventLoop>
#include <QTemporaryDir>
#include <QWidget>
#include <future>

#include "main_form_fixture.h"
#include "planner/single_instance.h"
#include "platform/qt/shell.h"
#include "platform/qt/shortcuts.h"
#include "scripted_prompt.h"

namespace nvtest {
namespace {

TEST(ShellTest, ErrorTextsByResultCode) {
  EXPECT_EQ(nv::shellErrorText(2), "The specified file was not found.");
  EXPECT_EQ(nv::shellErrorText(31),
            "There is no application associated with the given filename extension.");
  EXPECT_EQ(nv::shellErrorText(0), "The operating system is out of memory or resources.");
  EXPECT_EQ(nv::shellErrorText(33), "");
  EXPECT_EQ(nv::shellErrorText(4), "");
}

TEST(ShellTest, MissingDocumentIsPassedOverSilently) {
  mainFormApp();
  ScriptedPrompt prompt;  // nothing expected
  EXPECT_FALSE(nv::openDocument("/no/such/report.txt"));
  EXPECT_FALSE(nv::openDocumentQuietly("/no/such/index.html"));
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
