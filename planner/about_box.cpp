#include "planner/about_box.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

TAboutBox::TAboutBox(const std::string& folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), folder_(folder) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(u"ﾊﾞｰｼﾞｮﾝ情報"_s);
  setFixedSize(kWidth, kHeight);
  openUrl = [this](const QString& url) { openWithDesktop(QUrl(url), this, {}); };
  info_ = readAboutInfo(joinPath(folder, "about.txt"));
  scroller_ = AboutScroller(int(info_.contributors.size()));

  Picture = new QLabel(this);
  Picture->setGeometry(0, 0, kWidth, kHeight);
  Picture->setScaledContents(true);
  Picture->setStyleSheet(QStringLiteral("background: white; border: 2px outset #a0a0a0;"));

  auto text = [this](int x, int y, int w, int h, int pixels, bool bold) {
    auto* l = new QLabel(this);
    l->setGeometry(x, y, w, h);
    QFont f = l->font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    l->setFont(f);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
  };
  // The text sits between the picture's title art and the contributors' list.
  ApplicationTitle = text(16, 122, 280, 26, 20, true);
  Version = text(16, 150, 280, 18, 13, false);
  Maker = text(16, 169, 280, 18, 13, false);
  ProgramLabel = text(16, 188, 70, 18, 13, false);
  ProgramLabel->setText(QStringLiteral("Program :"));
  MailLink = text(86, 188, 220, 18, 13, false);
  MailLink->setTextFormat(Qt::RichText);
  MailLink->setToolTip(u"作者へのメールを書く"_s);
  MailLink->setCursor(Qt::PointingHandCursor);
  connect(MailLink, &QLabel::linkActivated, this, [this] { MailLinkClick(); });

  ProgramIcon = new QToolButton(this);
  ProgramIcon->setGeometry(kWidth - 58, 12, 44, 44);
  ProgramIcon->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  ProgramIcon->setIconSize(QSize(32, 32));
  ProgramIcon->setAutoRaise(true);
  ProgramIcon->setToolTip(u"使い方を表示します"_s);
  ProgramIcon->setAccessibleName(QStringLiteral(u"使い方"));
  connect(ProgramIcon, &QToolButton::clicked, this, &TAboutBox::ProgramIconClick);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setAccessibleName(QStringLiteral(u"協力者"));
  ListBox1->setGeometry(16, kHeight - 113, 270, 4 * 21 + 6);
  ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox1->setFocusPolicy(Qt::NoFocus);
  ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  for (const std::string& line : info_.contributors) ListBox1->addItem(toQ(line));

  CloseBtn = new QPushButton(u"とじる"_s, this);
  CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  CloseBtn->setGeometry(kWidth - 110, kHeight - 50, 92, 34);
  CloseBtn->setStyleSheet(QStringLiteral("background: #00ff00; font-weight: bold;"));
  CloseBtn->setToolTip(u"この窓を閉じます"_s);
  CloseBtn->setDefault(true);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
  CancelBtn = new QPushButton(QStringLiteral("&CANCEL"), this);
  CancelBtn->setGeometry(-200, -200, 10, 10);  // there only for Escape, as a hidden button
  CancelBtn->hide();
  CancelBtn->setAccessibleName(QStringLiteral(u"キャンセル"));
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  Timer2 = new QTimer(this);
  Timer2->setInterval(AboutScroller::kStepMs);
  connect(Timer2, &QTimer::timeout, this, &TAboutBox::Timer2Timer);
  RestTimer = new QTimer(this);
  RestTimer->setSingleShot(true);
  RestTimer->setInterval(AboutScroller::kRestMs);
  connect(RestTimer, &QTimer::timeout, this, [this] {
    scroller_.restart();
    ListBox1->scrollToTop();
    Timer2->start();
  });
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The program's title as its windows show it (the application object carries no display
  // name, which the desktop would append to every window title).
  ApplicationTitle->setText(QStringLiteral("Nuvelta"));
  const std::string picture = joinPath(folder_, "bmp/about.bmp");
  if (fileExists(picture)) Picture->setPixmap(QPixmap(toQ(picture)));
  Version->setText(toQ(aboutVersionText()));
  Maker->setText(toQ(info_.maker));
  const QString mail = toQ(info_.mail).toHtmlEscaped();
  MailLink->setText(QStringLiteral("<a href=\"mail\">%1</a>").arg(mail));
  Timer2->start();
}

void TAboutBox::Timer2Timer() {
  const AboutScroller::Step step = scroller_.step();
  if (QListWidgetItem* item = ListBox1->item(step.top))
    ListBox1->scrollToItem(item, QAbstractItemView::PositionAtTop);
  if (step.restart) {
    // Rest on the last lines, then start again from the top.
    Timer2->stop();
    RestTimer->start();
  }
}

void TAboutBox::MailLinkClick() {
  if (openUrl) openUrl(QString::fromUtf8(aboutMailUrl(info_.mail)));
}

void TAboutBox::ProgramIconClick() {
  const std::string page = joinPath(folder_, "HTML/index.html");
  if (openUrl) openUrl(QUrl::fromLocalFile(toQ(page)).toString());
}

void TAboutBox::done(int result) {
  Timer2->stop();
  RestTimer->stop();
  QDialog::done(result);
}

void TAboutBox::showAbout(const std::string& folder, QWidget* parent) {
  TAboutBox box(folder, parent);
  box.exec();
}

}  // namespace nv
