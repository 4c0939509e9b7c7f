// The help window over the usage pages: each help page opens, every topic link leads to a
// page and a place that exist, the history goes back and forward, a missing page says so,
// and the search inside a page finds, wraps and reports what it cannot find.
#include "widgets/help_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>

#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "temp_dir.h"
#include "widgets_test_app.h"

using namespace Qt::StringLiterals;

namespace nvtest {
namespace {

const QString kPages = QStringLiteral(NV_TEST_DATA_DIR "/HTML");

QString pageText(const QString& file) {
  QFile f(QDir(kPages).filePath(file));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
  return QString::fromUtf8(f.readAll());
}

TEST(HelpWindow, EachHelpPageOpensWithItsTitle) {
  widgetsApp();
  nv::HelpWindow help(kPages);
  for (const char* page : {nv::kHelpContentsPage, nv::kHelpTopicsPage, nv::kHelpHowToPage}) {
    SCOPED_TRACE(page);
    help.showPage(QString::fromLatin1(page));
    EXPECT_EQ(help.currentUrl().fileName(), QString::fromLatin1(page));
    EXPECT_FALSE(help.browser->documentTitle().isEmpty());
    EXPECT_EQ(help.windowTitle(), help.browser->documentTitle());
    EXPECT_GT(help.browser->toPlainText().size(), 200);
  }
}

// A topic that leads nowhere is a dead end for a child: every link of the topic and help
// pages names a page of the folder and, with "#", a place that page has.
TEST(HelpWindow, EveryTopicLinkLeadsToAPageAndPlaceThatExist) {
  const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)(?:#([^\"]+))?\""));
  int links = 0;
  for (const char* page : {nv::kHelpTopicsPage, nv::kHelpHowToPage}) {
    auto it = link.globalMatch(pageText(QString::fromLatin1(page)));
    while (it.hasNext()) {
      const auto m = it.next();
      SCOPED_TRACE(m.captured(0).toStdString());
      ++links;
      ASSERT_TRUE(QFile::exists(QDir(kPages).filePath(m.captured(1))));
      if (m.hasCaptured(2)) {
        EXPECT_TRUE(pageText(m.captured(1)).contains(u"id=\""_s + m.captured(2) + u'"'));
      }
    }
  }
  EXPECT_GT(links, 20);

  // The window goes to the place: the contents page scrolls down to the lunch-box game.
  widgetsApp();
  nv::HelpWindow help(kPages);
  help.resize(700, 500);
  help.show();
  help.showPage(QStringLiteral("index.html#bentou"));
  QApplication::processEvents();
  EXPECT_EQ(help.currentUrl().fragment(), QStringLiteral("bentou"));
  EXPECT_GT(help.browser->verticalScrollBar()->value(), 0);
}

TEST(HelpWindow, BackAndForwardFollowThePagesSeen) {
  widgetsApp();
  nv::HelpWindow help(kPages);
  EXPECT_FALSE(help.backButton->isEnabled());
  help.showPage(QString::fromLatin1(nv::kHelpContentsPage));
  help.showPage(QString::fromLatin1(nv::kHelpTopicsPage));
  EXPECT_TRUE(help.backButton->isEnabled());
  EXPECT_FALSE(help.forwardButton->isEnabled());
  help.backButton->click();
  EXPECT_EQ(help.currentUrl().fileName(), QString::fromLatin1(nv::kHelpContentsPage));
  EXPECT_TRUE(help.forwardButton->isEnabled());
  help.forwardButton->click();
  EXPECT_EQ(help.currentUrl().fileName(), QString::fromLatin1(nv::kHelpTopicsPage));
  help.contentsButton->click();
  EXPECT_EQ(help.currentUrl().fileName(), QString::fromLatin1(nv::kHelpContentsPage));
}

TEST(HelpWindow, AMissingPageSaysSoInThePane) {
  widgetsApp();
  TempDir dir;
  nv::HelpWindow help(nv::toQ(dir.path()));
  help.showPage(QString::fromLatin1(nv::kHelpTopicsPage));
  EXPECT_TRUE(help.browser->toPlainText().contains(u"使い方のページが見つかりません"));
  EXPECT_TRUE(help.browser->toPlainText().contains(QStringLiteral("topics.html")));
}

TEST(HelpWindow, SearchFindsWrapsAndSaysWhatItCannotFind) {
  widgetsApp();
  nv::HelpWindow help(kPages);
  help.showPage(QString::fromLatin1(nv::kHelpHowToPage));
  EXPECT_FALSE(help.findNext());  // nothing typed
  help.findEdit->setText(u"目次"_s);
  ASSERT_TRUE(help.findNext());
  const int first = help.browser->textCursor().position();
  int wrapped = -1;
  // Past the last place the search starts from the top again.
  for (int i = 0; i < 20 && wrapped != first; ++i) {
    ASSERT_TRUE(help.findNext());
    wrapped = help.browser->textCursor().position();
  }
  EXPECT_EQ(wrapped, first);
  help.findEdit->setText(u"ぴよぴよ"_s);
  EXPECT_FALSE(help.findNext());
  EXPECT_TRUE(help.status->text().contains(u"ぴよぴよ"_s));
}

TEST(HelpWindow, OneWindowPerOwnerAtTheAskedPage) {
  widgetsApp();
  TempDir dir;
  const std::string previous = nv::programFolder();
  nv::setProgramFolder(NV_TEST_DATA_DIR);
  QWidget owner;
  nv::HelpWindow* first = nv::HelpWindow::open(&owner, QString::fromLatin1(nv::kHelpContentsPage));
  nv::HelpWindow* again = nv::HelpWindow::open(&owner, QString::fromLatin1(nv::kHelpHowToPage));
  EXPECT_EQ(first, again);
  EXPECT_EQ(first->parentWidget(), &owner);
  EXPECT_TRUE(first->isWindow());
  EXPECT_EQ(again->currentUrl().fileName(), QString::fromLatin1(nv::kHelpHowToPage));
  nv::setProgramFolder(previous);
}

// Pictures for a person to look at; only when NV_SHOT_DIR names a folder.
TEST(HelpWindow, Screenshots) {
  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  widgetsApp();
  nv::HelpWindow help(kPages);  // at the size it takes on the screen of the run
  help.show();
  const QSize screen = help.screen()->geometry().size();
  const QString suffix = QStringLiteral("_%1x%2.png").arg(screen.width()).arg(screen.height());
  const struct {
    const char* page;
    const char* file;
  } shotsOf[] = {{nv::kHelpContentsPage, "help_contents"},
                 {nv::kHelpTopicsPage, "help_topics"},
                 {nv::kHelpHowToPage, "help_howto"}};
  for (const auto& s : shotsOf) {
    help.showPage(QString::fromLatin1(s.page));
    if (s.page == nv::kHelpTopicsPage) {
      help.findEdit->setText(u"レシピ"_s);
      help.findNext();
    }
    QApplication::processEvents();
    EXPECT_TRUE(help.grab().save(QDir(shots).filePath(QString::fromLatin1(s.file) + suffix)));
  }
}

}  // namespace
}  // namespace nvtest
