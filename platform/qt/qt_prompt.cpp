#include "platform/qt/qt_prompt.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "platform/qt/gauge_form.h"
#include "platform/qt/qtext.h"

namespace nv {

QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::None:
      return QMessageBox::NoIcon;
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Stop:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton qtDefaultButton(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
      return QMessageBox::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return QMessageBox::Yes;
    case Buttons::RetryCancel:
      return QMessageBox::Retry;
    case Buttons::AbortRetryIgnore:
      return QMessageBox::Abort;
  }
  return QMessageBox::Ok;
}

Answer answerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Retry:
      return Answer::Retry;
    case QMessageBox::Abort:
      return Answer::Abort;
    case QMessageBox::Ignore:
      return Answer::Ignore;
    default:
      return Answer::Cancel;
  }
}

namespace {

// A box sizes itself to its word-wrapped body's minimum, and Japanese may break between any two
// characters: a short sentence would fold after a few of them. The body asks for the width of
// its longest line, up to a readable measure that leaves room on the screen for the icon and
// the frame; a longer text wraps there.
int bodyWidth(const QLabel& body, const QString& text) {
  const QFontMetrics fm(body.font());
  int widest = 0;
  for (const QString& line : text.split(u'\n'))
    widest = std::max(
        widest, fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 10), Qt::TextWordWrap, line).width() +
                    fm.averageCharWidth());
  int limit = 40 * fm.horizontalAdvance(QChar(0x3042));  // forty characters
  if (const QScreen* screen = body.screen())
    limit = std::min(limit, screen->availableGeometry().width() - 160);
  return std::clamp(widest, 0, std::max(limit, 0));
}

}  // namespace

void setHeadedText(QMessageBox& box, const QString& caption, const QString& text) {
  if (caption.trimmed().isEmpty() || caption == text) {
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setInformativeText(QString());
    if (auto* body = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
      body->setMinimumWidth(0);
    return;
  }
  box.setTextFormat(Qt::RichText);
  box.setText(QStringLiteral("<b>") +
              caption.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) +
              QStringLiteral("</b>"));
  box.setInformativeText(text);
  // Data texts (file names, CSV fields) are never markup.
  if (auto* body = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
    body->setTextFormat(Qt::PlainText);
    body->ensurePolished();
    body->setMinimumWidth(bodyWidth(*body, text));
  }
}

Answer QtPrompt::messageBox(const std::string& text, const std::string& caption, Icon icon,
                            Buttons buttons) {
  QMessageBox box(qtIcon(icon), toQ(caption), QString(), qtButtons(buttons),
                  QApplication::activeWindow());
  setHeadedText(box, toQ(caption), toQ(text));
  box.setDefaultButton(qtDefaultButton(buttons));
  box.exec();
  return answerOf(box.standardButton(box.clickedButton()));
}

void QtPrompt::message(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), toQ(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::unique_ptr<Progress> QtPrompt::progress(const std::string& caption, int64_t minimum,
                                             int64_t maximum) {
  auto form = std::make_unique<TGaugeForm>(caption, minimum, maximum);
  form->showNow();
  return form;
}

}  // namespace nv
