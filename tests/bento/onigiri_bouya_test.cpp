// The rice-ball window over the kitchen: its pictures, its place and its short life.
#include <QDir>

#include "bento/kitchen_pictures.h"
#include "bento/model/bento_pictures.h"
#include "bento/onigiri_bouya_form.h"
#include "kitchen_fixture.h"
#include "platform/ini.h"

namespace {

class RiceBallWindow : public nvtest::KitchenTest {};

TEST_F(RiceBallWindow, CountdownClosesAndTheNextRequestCreatesAnother) {
  nv::RiceBall ball;
  ports.riceBall = &ball;
  make();
  ball.show(*form, 5);  // not a grade: the best face
  QPointer<nv::TOnigiriBouyaForm> w = ball.window();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->mood(), 5);
  EXPECT_TRUE(w->isVisible());
  // The face shows; the picture's ground around it does not.
  EXPECT_TRUE(w->mask().contains(w->rect().center()));
  EXPECT_FALSE(w->mask().contains(QPoint(0, 0)));
  // About five seconds of ticks, each painted.
  for (int i = 0; i < 12 && w; ++i) {
    w->repaint();
    w->nextFrame();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_FALSE(w);
  EXPECT_EQ(ball.window(), nullptr);
  const nv::Ini ini(form->iniPath());
  EXPECT_GE(ini.readInteger("Onigiri", "Left", -1), 0);
  EXPECT_GT(ini.readInteger("Onigiri", "Bottom", -1), 0);

  ball.show(*form, 10);
  ASSERT_NE(ball.window(), nullptr);
  EXPECT_EQ(ball.window()->mood(), 10);
  // The full face comes with its words below it, inside the window's shape.
  const QImage full = nv::loadBmp(nv::riceBallPicturePath(nv::RiceBallPort::kFullMood, 1));
  ASSERT_FALSE(full.isNull());
  nv::TOnigiriBouyaForm* w10 = ball.window();
  EXPECT_GT(w10->height(), full.height() + 10);
  EXPECT_TRUE(w10->mask().contains(QPoint(w10->width() / 2, w10->height() - 12)));
  if (!qEnvironmentVariable("NV_SHOT_DIR").isEmpty())
    ball.window()->grab().save(
        QDir(qEnvironmentVariable("NV_SHOT_DIR")).filePath(QStringLiteral("riceball-full.png")));
  ball.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ball.window(), nullptr);
}

TEST_F(RiceBallWindow, RememberedPlaceOffTheScreenIsPulledBack) {
  make();
  {
    nv::Ini ini(form->iniPath());
    ini.writeInteger("Onigiri", "Left", 100000);
    ini.writeInteger("Onigiri", "Bottom", 3);
    ini.save();
  }
  nv::RiceBall ball;
  ball.show(*form, 0);
  nv::TOnigiriBouyaForm* w = ball.window();
  ASSERT_NE(w, nullptr);
  const int screenWidth = w->screen()->geometry().width();
  EXPECT_EQ(w->x() + w->width(), screenWidth);
  EXPECT_EQ(w->y(), 0);
}

}  // namespace
