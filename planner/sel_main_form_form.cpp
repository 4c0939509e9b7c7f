#include "planner/sel_main_form_form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "planner/model/start_arguments.h"
#include "planner/start_hints.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "widgets/help_window.h"

using namespace Qt::StringLiterals;

namespace nv {

namespace {
constexpr int kClientWidth = 515, kClientHeight = 365;
constexpr int kPictureButtonWidth = 221, kPictureButtonHeight = 217;

QColor qColorOf(int32_t winColor) {
  const Rgb rgb = rgbOfWinColor(winColor);
  return QColor(rgb.r, rgb.g, rgb.b);
}

QToolButton* pictureButton(QWidget* parent, const QString& caption, const QString& hint,
                           const std::string& picture) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setToolTip(hint);
  b->setAutoRaise(true);
  b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  b->setFixedSize(kPictureButtonWidth, kPictureButtonHeight);
  const QPixmap pixmap(toQ(picture));
  if (!pixmap.isNull()) {
    b->setIcon(QIcon(pixmap));
    // The picture fills the button above its caption, never enlarged.
    b->setIconSize(
        pixmap.size().boundedTo(QSize(kPictureButtonWidth - 8, kPictureButtonHeight - 32)));
  }
  return b;
}

QToolButton* textButton(QWidget* parent, const QString& caption, const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setToolTip(hint);
  return b;
}
// Ends a local event loop when its window closes or is hidden by the program (a spontaneous
// hide is the window system minimising it).
class EndOnHide : public QObject {
 public:
  explicit EndOnHide(QEventLoop& loop) : loop_(loop) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide && !event->spontaneous()) loop_.quit();
    return false;
  }

 private:
  QEventLoop& loop_;
};
}  // namespace

void TSelMainFormForm::showModal(QWidget& window) {
  QEventLoop loop;
  EndOnHide end(loop);
  window.installEventFilter(&end);
  window.setWindowModality(Qt::ApplicationModal);
  window.show();
  if (window.isVisible()) loop.exec();
  window.removeEventFilter(&end);
}

TSelMainFormForm::TSelMainFormForm(const std::string& hostName, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setWindowTitle(QStringLiteral("Nuvelta"));
  setFixedSize(kClientWidth, kClientHeight);

  Panel1 = new QFrame(this);
  Panel1->setGeometry(0, 0, kClientWidth, kClientHeight);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(5);
  Panel1->setAutoFillBackground(true);
  QFont font(u"ＭＳ Ｐゴシック"_s);
  font.setPixelSize(16);
  font.setBold(true);
  Panel1->setFont(font);
  QPalette palette = Panel1->palette();
  palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
  palette.setColor(QPalette::ButtonText, QColor(128, 0, 0));
  Panel1->setPalette(palette);

  Label1 = new QLabel(u"どちらかやりたい方を選んでください。"_s, Panel1);
  Label1->setGeometry(24, 14, 460, 24);

  // FormCreate, in its order: pictures, version, hints, colour, shared objects, name.
  const std::string pictures = joinPath(programFolder(), "BMP");
  SB_DoBD = pictureButton(Panel1, u"ヌヴェルタ(&B)"_s, u"朝食・昼食・夕食の献立を作成します。"_s,
                          joinPath(pictures, "nv.bmp"));
  SB_DoBD->move(24, 46);
  SB_DoBentou = pictureButton(Panel1, u"お弁当箱(&L)"_s, u"お弁当を作ってみましょう。"_s,
                              joinPath(pictures, "bentou.bmp"));
  SB_DoBentou->move(270, 46);
  PopupMenu1 = new QMenu(this);
  MI_PrintBentouData = PopupMenu1->addAction(u"データ印刷"_s);
  MI_ClassSummary = PopupMenu1->addAction(u"クラスのまとめ"_s);
  MI_PrintBentouData->setObjectName("MI_PrintBentouData");
  MI_ClassSummary->setObjectName("MI_ClassSummary");
  SB_DoBentou->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(SB_DoBentou, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { PopupMenu1->popup(SB_DoBentou->mapToGlobal(pos)); });

  L_Version = new QLabel(toQ(programVersionText()), Panel1);
  QFont versionFont = font;
  versionFont.setPixelSize(12);
  versionFont.setBold(false);
  L_Version->setFont(versionFont);
  QPalette versionPalette = L_Version->palette();
  versionPalette.setColor(QPalette::WindowText, Qt::black);
  L_Version->setPalette(versionPalette);
  L_Version->setAttribute(Qt::WA_TranslucentBackground);
  L_Version->setGeometry(70, 325, 250, 18);

  SB_Exit = textButton(Panel1, u"終わる(&X)"_s, u"終了します。"_s);
  SB_Exit->setGeometry(400, 312, 90, 32);
  SB_SetBackColor =
      textButton(Panel1, u"背景色の設定"_s, u"このウィンドウの背景色を変更します。"_s);
  SB_SetBackColor->setGeometry(24, 276, 120, 28);
  SB_SetBackColor->hide();
  SB_BackColor = textButton(Panel1, QString(), u"背景色をの値をコピーします"_s);
  SB_BackColor->setGeometry(150, 276, 160, 28);
  SB_BackColor->hide();

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  ProgramIcon->setGeometry(24, 314, 32, 32);
  ProgramIcon->setCursor(Qt::WhatsThisCursor);
  ProgramIcon->setToolTip(u"使い方を表示します"_s);
  ProgramIcon->installEventFilter(this);

  connect(SB_DoBD, &QToolButton::clicked, this, &TSelMainFormForm::SB_DoBDClick);
  connect(SB_DoBentou, &QToolButton::clicked, this, &TSelMainFormForm::SB_DoBentouClick);
  connect(SB_Exit, &QToolButton::clicked, this, &QWidget::close);
  connect(SB_SetBackColor, &QToolButton::clicked, this, &TSelMainFormForm::SB_SetBackColorClick);
  connect(SB_BackColor, &QToolButton::clicked, this, &TSelMainFormForm::SB_BackColorClick);
  connect(MI_PrintBentouData, &QAction::triggered, this,
          &TSelMainFormForm::MI_PrintBentouDataClick);
  connect(MI_ClassSummary, &QAction::triggered, this, [this] {
    if (hooks.showClassSummary) hooks.showClassSummary();
  });

  StartHints::install();

  iniPath_ = iniFilePath();
  const Ini ini(iniPath_);
  setBackColor(ini.readInteger("StartForm", "BackColor", kDefaultBackColor));

  gunName_ = std::make_unique<TGunName>();
  kojinData_ = std::make_unique<TKojinData>();
  defaultName_ = childNameFromHost(hostName);
  kojinData_->setName(defaultName_);

  // Centred on the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TSelMainFormForm::~TSelMainFormForm() = default;

void TSelMainFormForm::setBackColor(int32_t color) {
  backColor_ = color;
  QPalette palette = Panel1->palette();
  palette.setColor(QPalette::Window, qColorOf(color));
  palette.setColor(QPalette::Button, qColorOf(color));
  Panel1->setPalette(palette);
  SB_BackColor->setText(u"色番号="_s + QString::number(color));
}

QString TSelMainFormForm::lunchBoxMissingText() {
  return u"お弁当箱のゲームはまだ使えません。今は「ヌヴェルタ」で献立を作ってください。"_s;
}

bool TSelMainFormForm::lunchBoxAvailable() {
  if (hooks.startLunchBox) return true;
  tell(lunchBoxMissingText());
  return false;
}

bool TSelMainFormForm::handleArguments(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  for (const StartStep& step : planStartSteps(args)) {
    if (step.kind == StartStep::MenuPlanner) {
      if (hooks.startMenuPlanner) hooks.startMenuPlanner(step.files);
    } else if (lunchBoxAvailable()) {
      hooks.startLunchBox(step.files.front());
    }
  }
  return true;
}

void TSelMainFormForm::SB_DoBDClick() {
  if (!hooks.startMenuPlanner) return;
  hide();
  hooks.startMenuPlanner({});
  close();
}

void TSelMainFormForm::SB_DoBentouClick() {
  // Without the game the screen stays, so the child can still choose the planner.
  if (!lunchBoxAvailable()) return;
  hide();
  hooks.startLunchBox(std::string());
  close();
}

void TSelMainFormForm::SB_SetBackColorClick() {
  int32_t chosen = backColor_;
  if (dialogs().chooseColor(backColor_, chosen)) setBackColor(chosen);
}

void TSelMainFormForm::SB_BackColorClick() {
  QGuiApplication::clipboard()->setText(SB_BackColor->text());
}

void TSelMainFormForm::ProgramIconClick() {
  HelpWindow::open(this, QString::fromLatin1(kHelpContentsPage));
}

void TSelMainFormForm::MI_PrintBentouDataClick() {
  if (hooks.printBentouData) {
    hooks.printBentouData();
  } else {
    tell(lunchBoxMissingText());
  }
}

void TSelMainFormForm::closeEvent(QCloseEvent* event) {
  Ini ini(iniPath_);
  ini.writeInteger("StartForm", "BackColor", backColor_);
  ini.save();
  QWidget::closeEvent(event);
}

bool TSelMainFormForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ProgramIcon && event->type() == QEvent::MouseButtonRelease) {
    ProgramIconClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace nv
