#include "widgets/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

QToolButton* toolButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text,
                        const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setIcon(parent->style()->standardIcon(icon));
  b->setText(text);
  b->setToolTip(hint);
  b->setAccessibleName(text);
  b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  b->setAutoRaise(true);
  return b;
}

// What the pane shows for a page that is not there (a damaged or partial installation).
QString missingPageHtml(const QString& path) {
  return u"<h2>使い方のページが見つかりません</h2><p>%1</p>"_s.arg(path.toHtmlEscaped());
}

}  // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder) {
  setWindowTitle(u"使い方"_s);
  setAttribute(Qt::WA_DeleteOnClose);

  backButton = toolButton(this, QStyle::SP_ArrowBack, u"戻る"_s, u"前のページに戻ります"_s);
  forwardButton = toolButton(this, QStyle::SP_ArrowForward, u"進む"_s, u"次のページに進みます"_s);
  contentsButton = toolButton(this, QStyle::SP_DirHomeIcon, u"目次"_s, u"目次のページを開きます"_s);
  browserButton = toolButton(this, QStyle::SP_DesktopIcon, u"ブラウザで開く"_s,
                             u"このページをウェブブラウザで開きます"_s);
  findEdit = new QLineEdit(this);
  findEdit->setPlaceholderText(u"ページの中をさがす"_s);
  findEdit->setAccessibleName(u"ページの中をさがす言葉"_s);
  findEdit->setClearButtonEnabled(true);
  findButton = toolButton(this, QStyle::SP_FileDialogContentsView, u"さがす"_s,
                          u"入れた言葉をこのページの中でさがします"_s);
  backButton->setEnabled(false);
  forwardButton->setEnabled(false);

  browser = new QTextBrowser(this);
  browser->setAccessibleName(u"使い方のページ"_s);
  browser->setOpenLinks(true);
  // Pages of the folder open here; addresses on the web go to the desktop's browser.
  browser->setOpenExternalLinks(true);
  browser->setSearchPaths({folder_});

  status = new QLabel(this);
  status->setAccessibleName(u"お知らせ"_s);

  auto* bar = new QHBoxLayout;
  bar->setSpacing(4);
  for (QWidget* w : std::initializer_list<QWidget*>{backButton, forwardButton, contentsButton})
    bar->addWidget(w);
  bar->addSpacing(12);
  bar->addWidget(findEdit, 1);
  bar->addWidget(findButton);
  bar->addSpacing(12);
  bar->addWidget(browserButton);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(bar);
  layout->addWidget(browser, 1);
  layout->addWidget(status);

  connect(backButton, &QToolButton::clicked, browser, &QTextBrowser::backward);
  connect(forwardButton, &QToolButton::clicked, browser, &QTextBrowser::forward);
  connect(contentsButton, &QToolButton::clicked, this,
          [this] { showPage(QString::fromLatin1(kHelpContentsPage)); });
  connect(browserButton, &QToolButton::clicked, this, [this] { openInBrowser(); });
  connect(findButton, &QToolButton::clicked, this, [this] { findNext(); });
  connect(findEdit, &QLineEdit::returnPressed, this, [this] { findNext(); });
  connect(browser, &QTextBrowser::backwardAvailable, backButton, &QWidget::setEnabled);
  connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QWidget::setEnabled);
  connect(browser, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser->documentTitle();
    setWindowTitle(title.isEmpty() ? u"使い方"_s : title);
    showStatus(QString());
  });

  new QShortcut(QKeySequence::Back, this, browser, &QTextBrowser::backward);
  new QShortcut(QKeySequence::Forward, this, browser, &QTextBrowser::forward);
  new QShortcut(QKeySequence::Find, this, this, &HelpWindow::focusSearch);
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

  // A reading size on the screen the window opens on, never larger than it.
  QSize size(880, 680);
  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
}

HelpWindow* HelpWindow::open(QWidget* owner, const QString& page) {
  QWidget* window = owner ? owner->window() : nullptr;
  HelpWindow* help =
      window ? window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  if (!help) help = new HelpWindow(toQ(joinPath(programFolder(), "HTML")), window);
  help->showPage(page);
  help->show();
  help->raise();
  help->activateWindow();
  return help;
}

void HelpWindow::showPage(const QString& page) {
  const qsizetype hash = page.indexOf(u'#');
  const QString file = hash < 0 ? page : page.left(hash);
  const QString path = QDir(folder_).filePath(file);
  if (!QFileInfo(path).isFile()) {
    browser->setHtml(missingPageHtml(QDir::toNativeSeparators(path)));
    setWindowTitle(u"使い方"_s);
    return;
  }
  QUrl url = QUrl::fromLocalFile(path);
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  browser->setSource(url);
}

QUrl HelpWindow::currentUrl() const { return browser->source(); }

bool HelpWindow::openInBrowser() {
  const QUrl url = browser->source();
  if (url.isEmpty()) return false;
  showStatus(QString());
  openWithDesktop(url, this, [this] {
    showStatus(u"ウェブブラウザを開けませんでした。このウィンドウで読めます。"_s);
  });
  return true;
}

bool HelpWindow::findNext() {
  const QString text = findEdit->text();
  if (text.isEmpty()) return false;
  bool found = browser->find(text);
  if (!found) {
    // Once more from the top.
    QTextCursor top = browser->textCursor();
    top.movePosition(QTextCursor::Start);
    browser->setTextCursor(top);
    found = browser->find(text);
  }
  showStatus(found ? QString() : u"「%1」はこのページにありません。"_s.arg(text));
  return found;
}

void HelpWindow::focusSearch() {
  findEdit->setFocus(Qt::ShortcutFocusReason);
  findEdit->selectAll();
}

void HelpWindow::showStatus(const QString& text) {
  status->setText(text);
  status->setVisible(!text.isEmpty());
}

}  // namespace nv
