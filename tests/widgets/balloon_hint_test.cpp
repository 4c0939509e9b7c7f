#include "widgets/balloon_hint.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "widgets_test_app.h"

namespace {

TEST(BalloonHint, TheBalloonIsTheOrdinaryHintWidenedByHalfAndTwiceAsHigh) {
  nvtest::widgetsApp();
  nv::THintWindowEx plain;
  nv::TBalloonHintWindow balloon;
  const QString text = QStringLiteral("breakfast: rice");
  const QRect r = plain.calcHintRect(300, text);
  const QRect b = balloon.calcHintRect(300, text);
  EXPECT_EQ(b.width(), r.width() + r.width() / 2);
  EXPECT_EQ(b.height(), 2 * r.height());

  // 120 x 40: ellipse from y 10 down, tail from the bottom-left corner up to half height.
  const QSize size(120, 40);
  const QPainterPath path = nv::TBalloonHintWindow::balloonPath(size);
  EXPECT_TRUE(path.contains(QPointF(60, 25)));    // the ellipse's middle
  EXPECT_FALSE(path.contains(QPointF(2, 5)));     // above the ellipse
  EXPECT_TRUE(path.contains(QPointF(10, 35)));    // inside the tail, outside the ellipse
  EXPECT_FALSE(path.contains(QPointF(115, 37)));  // bottom-right stays outside
  EXPECT_EQ(nv::TBalloonHintWindow::textRect(size), QRect(QPoint(20, 9), QPoint(99, 30)));
}

TEST(BalloonHint, ToolTipsShowTheBalloonWhichKeysDoNotClose) {
  nvtest::widgetsApp();
  nv::BalloonHints hints;
  qApp->installEventFilter(&hints);
  QLabel owner(QStringLiteral("dish"));
  owner.setToolTip(QStringLiteral("lunch: milk"));
  owner.show();

  QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), QPoint(200, 300));
  QApplication::sendEvent(&owner, &help);
  ASSERT_TRUE(hints.window()->isVisible());
  EXPECT_EQ(hints.window()->hintText(), QStringLiteral("lunch: milk"));
  EXPECT_EQ(hints.window()->geometry().bottomLeft(), QPoint(200, 300));

  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(&owner, &key);
  EXPECT_TRUE(hints.window()->isVisible());

  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), QPointF(205, 305),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&owner, &press);
  EXPECT_FALSE(hints.window()->isVisible());
  qApp->removeEventFilter(&hints);
}

}  // namespace
