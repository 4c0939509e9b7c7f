#include "platform/qt/qt_prompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "platform/qt/gauge_form.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets_test_app.h"

using nv::sj;

TEST(QtPrompt, MapsIconsButtonsAndAnswers) {
  EXPECT_EQ(nv::qtIcon(nv::Icon::Stop), QMessageBox::Critical);
  EXPECT_EQ(nv::qtIcon(nv::Icon::Question), QMessageBox::Question);
  EXPECT_EQ(nv::qtIcon(nv::Icon::None), QMessageBox::NoIcon);
  EXPECT_EQ(nv::qtButtons(nv::Buttons::YesNoCancel),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(nv::qtButtons(nv::Buttons::AbortRetryIgnore),
            QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
  EXPECT_EQ(nv::qtDefaultButton(nv::Buttons::RetryCancel), QMessageBox::Retry);
  EXPECT_EQ(nv::qtDefaultButton(nv::Buttons::YesNoCancel), QMessageBox::Yes);
  EXPECT_EQ(nv::answerOf(QMessageBox::Ignore), nv::Answer::Ignore);
  EXPECT_EQ(nv::answerOf(QMessageBox::No), nv::Answer::No);
  EXPECT_EQ(nv::answerOf(QMessageBox::NoButton), nv::Answer::Cancel);  // closed without a click
}

// Clicks a button of the message box that is about to open and records what it showed.
struct BoxClicker {
  QString title, text, body;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;

  void arm(QMessageBox::StandardButton click) {
    nvtest::whenModal([this, click](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      body = box->informativeText();
      icon = box->icon();
      buttons = box->standardButtons();
      defaultButton = box->standardButton(box->defaultButton());
      box->button(click)->click();
    });
  }
};

TEST(QtPrompt, ShowsARealBoxAndReturnsTheClickedAnswer) {
  nvtest::widgetsApp();
  nv::QtPrompt prompt;
  BoxClicker clicker;
  clicker.arm(QMessageBox::No);
  nv::Answer a = prompt.messageBox(sj("C:/献立/表.nvu"), sj("保存しますか？"), nv::Icon::Stop,
                                   nv::Buttons::YesNoCancel);
  EXPECT_EQ(a, nv::Answer::No);
  EXPECT_EQ(clicker.title, QStringLiteral("保存しますか？"));
  EXPECT_EQ(clicker.text, QStringLiteral("<b>保存しますか？</b>"));  // the heading
  EXPECT_EQ(clicker.body, QStringLiteral("C:/献立/表.nvu"));
  EXPECT_EQ(clicker.icon, QMessageBox::Critical);
  EXPECT_EQ(clicker.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(clicker.defaultButton, QMessageBox::Yes);

  QApplication::setApplicationDisplayName(QStringLiteral("Nuvelta"));
  clicker.arm(QMessageBox::Ok);
  prompt.message(sj("献立を追加しました"));
  EXPECT_EQ(clicker.title, QStringLiteral("Nuvelta"));
  EXPECT_EQ(clicker.text, QStringLiteral("献立を追加しました"));
  EXPECT_EQ(clicker.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// The caption heading is escaped; a box without a caption shows its text alone.
TEST(QtPrompt, CaptionHeadingIsPlainTextAndOptional) {
  nvtest::widgetsApp();
  QMessageBox box;
  nv::setHeadedText(box, QStringLiteral("<i>a</i> & b"), QStringLiteral("<b>x</b>"));
  EXPECT_EQ(box.text(), QStringLiteral("<b>&lt;i&gt;a&lt;/i&gt; &amp; b</b>"));
  auto* body = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->textFormat(), Qt::PlainText);
  nv::setHeadedText(box, QString(), QStringLiteral("only"));
  EXPECT_EQ(box.text(), QStringLiteral("only"));
  EXPECT_EQ(box.textFormat(), Qt::PlainText);
}

// Japanese breaks between any two characters, so a box sized to its body's minimum would fold a
// short sentence after a few characters: it stays on one line, and a long one still wraps on
// the screen.
TEST(QtPrompt, BodyKeepsAShortSentenceOnOneLineAndWrapsALongOne) {
  nvtest::widgetsApp();
  const QString caption = QStringLiteral("読み込めません");
  const QString shortText =
      QStringLiteral("追加献立のデータではないファイルは追加献立ファイルにできません");
  QString longText;
  for (int i = 0; i < 8; ++i) longText += shortText;
  for (const QString& text : {shortText, longText}) {
    QMessageBox box(nv::qtIcon(nv::Icon::Stop), caption, QString(), QMessageBox::Ok);
    nv::setHeadedText(box, caption, text);
    box.show();
    QApplication::processEvents();
    auto* body = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    ASSERT_NE(body, nullptr);
    // The height the body takes at its width against that of one line.
    const int height = body->heightForWidth(body->width()), oneLine = body->heightForWidth(1 << 16);
    if (text == shortText) {
      EXPECT_EQ(height, oneLine) << "folded at " << body->width() << " px";
    } else {
      EXPECT_GT(height, oneLine);
      EXPECT_LE(box.frameGeometry().width(), box.screen()->availableGeometry().width());
    }
  }
}

TEST(QtPrompt, ProgressIsAShownGaugeWindowClosedWithItsObject) {
  nvtest::widgetsApp();
  nv::QtPrompt prompt;
  std::unique_ptr<nv::Progress> p = prompt.progress(sj("読み込み中"), 0, 200);
  auto* form = dynamic_cast<nv::TGaugeForm*>(p.get());
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("読み込み中"));
  p->setPosition(50);
  EXPECT_EQ(form->gauge()->value(), 50);
  QPointer<QWidget> watch(form);
  p.reset();
  EXPECT_TRUE(watch.isNull());
}
