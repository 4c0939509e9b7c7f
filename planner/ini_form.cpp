#include "planner/ini_form.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

TIniForm::TIniForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setFixedSize(400, 315);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  picture_ = new QLabel(this);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setStyleSheet(QStringLiteral("background: white;"));
  const std::string path = joinPath(programFolder(), "bmp/about.bmp");
  if (fileExists(path)) {
    QPixmap pm(toQ(path));
    if (!pm.isNull())
      picture_->setPixmap(pm.scaled(400, 265, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
  layout->addWidget(picture_, 1);

  panel_ = new QLabel(u"　Morivale　"_s, this);
  panel_->setAlignment(Qt::AlignCenter);
  panel_->setFixedHeight(50);
  panel_->setAutoFillBackground(true);
  QPalette pal = panel_->palette();
  pal.setColor(QPalette::Window, QColor(128, 0, 0));
  pal.setColor(QPalette::WindowText, Qt::white);
  panel_->setPalette(pal);
  QFont f = panel_->font();
  f.setBold(true);
  f.setPointSize(18);
  panel_->setFont(f);
  layout->addWidget(panel_);
}

void TIniForm::showNow() {
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace nv
