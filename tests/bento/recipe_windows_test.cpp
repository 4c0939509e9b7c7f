// The recipe page window and the picture viewer, offscreen.
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "bento/model/jpeg_picture.h"
#include "bento/resipi_form3.h"
#include "bento/resipi_form4.h"
#include "kitchen_fixture.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_prompt.h"

namespace {

std::vector<std::string> sjList(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* s : utf8) out.push_back(nv::sj(s));
  return out;
}

void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton b, QPoint at) {
  QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), b,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : b, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

std::string bentouFolder() {
  const auto dir = nvtest::distFolder() / "bentou";
  return std::filesystem::exists(dir) ? nv::utf8ToCp932(dir.string()) + "/" : std::string();
}

nv::RecipePage samplePage() {
  return nv::makeRecipePage(
      nv::sj("だいこんサラダ"), sjList({"材料", "だいこん", "レモン汁"}),
      sjList({"量", "50g", "少々"}),
      sjList({"大根を千切りにして、人参はいちょう切りにする。", "きゅうりは輪切りにする。",
              "レモン汁と醤油を混ぜて、*和*あ*える。"}),
      bentouFolder());
}

TEST(RecipePageWindow, SlotsClipboardAndRightClick) {
  nvtest::kitchenApp();
  nv::TResipiForm4 form(samplePage(), nv::sj("たろう"));
  ASSERT_EQ(form.page().methods.size(), 3u);
  EXPECT_TRUE(form.layout().fits);
  EXPECT_EQ(form.layout().fontSize, 14);

  const double s = form.scale();
  const QPoint second(int((282 + 96 * 1.5) * s), int((338 + 48) * s));
  EXPECT_EQ(form.slotAt(second), 1);
  EXPECT_EQ(form.slotAt(QPoint(int(200 * s), int(380 * s))), -1);
  EXPECT_EQ(form.slotAt(QPoint(int((282 + 96 * 3.5) * s), int(380 * s))), -1);

  form.copySteps();
  EXPECT_EQ(nv::fromQ(QApplication::clipboard()->text()),
            nv::sj("1.大根を千切りにして、人参はいちょう切りにする。\r\n"
                   "2.きゅうりは輪切りにする。\r\n"
                   "3.レモン汁と醤油を混ぜて、*和*あ*える。\r\n"));

  // A right click on a slot opens the popup and neither shows the picture nor closes.
  form.show();
  mouse(form.Image1, QEvent::MouseButtonPress, Qt::RightButton, second);
  mouse(form.Image1, QEvent::MouseButtonRelease, Qt::RightButton, second);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.popup->isVisible());
  form.popup->hide();
  // A left click outside the slots closes the page.
  const QPoint away(int(100 * s), int(100 * s));
  mouse(form.Image1, QEvent::MouseButtonPress, Qt::LeftButton, away);
  mouse(form.Image1, QEvent::MouseButtonRelease, Qt::LeftButton, away);
  EXPECT_FALSE(form.isVisible());

  if (const std::string shots = nvtest::shotFolder(); !shots.empty()) {
    form.show();
    form.grab().save(QString::fromStdString(shots + "/recipe_page.png"));
  }
}

TEST(PictureViewer, SizesPrintButtonAndJobTitle) {
  nvtest::kitchenApp();
  const std::string dir = bentouFolder();
  if (dir.empty()) GTEST_SKIP() << "build the dist target";
  const std::string kiso = dir + "setumei/kiso.bmp";
  const QImage picture = nv::loadViewerPicture(kiso);
  ASSERT_FALSE(picture.isNull());

  nv::TResipiForm3 own(kiso, false, false, nv::sj("たろう"));
  EXPECT_EQ(own.Image1->width(), picture.width());
  EXPECT_EQ(own.width(), picture.width() + 2 * 6 + 12);
  EXPECT_TRUE(own.SB_Print->isHidden());

  nv::TResipiForm3 fitted(kiso, true, true, nv::sj("たろう"));
  const int w = QGuiApplication::primaryScreen()->geometry().width() * 4 / 5;
  EXPECT_EQ(fitted.Image1->width(), w);
  EXPECT_EQ(fitted.Image1->height(), picture.height() * w / picture.width());
  EXPECT_FALSE(fitted.SB_Print->isHidden());
  EXPECT_TRUE(fitted.rect().contains(fitted.SB_Print->geometry()));
  EXPECT_EQ(nv::TResipiForm3::jobTitle(nv::sj("たろう"), kiso), nv::sj("たろう:kiso."));
  if (const std::string shots = nvtest::shotFolder(); !shots.empty()) {
    fitted.show();
    fitted.grab().save(QString::fromStdString(shots + "/viewer_kiso.png"));
  }
}

TEST(JpegPicture, DecodesAsQtReadsAndRefusesDamagedFiles) {
  nvtest::kitchenApp();
  const std::string dir = bentouFolder();
  if (dir.empty()) GTEST_SKIP() << "build the dist target";
  const std::string good = nvtest::readBytes(dir + nv::sj("setumei/ごま塩ごはん.jpg"));
  nv::RgbPicture rgb;
  std::string error;
  ASSERT_TRUE(nv::decodeJpeg(good, rgb, error)) << error;
  QImage qt;
  ASSERT_TRUE(qt.loadFromData(reinterpret_cast<const uchar*>(good.data()), int(good.size())));
  ASSERT_EQ(QSize(rgb.width, rgb.height), qt.size());
  for (QPoint at : {QPoint(0, 0), QPoint(qt.width() / 2, qt.height() / 3)}) {
    const QColor c = qt.pixelColor(at);
    const uint8_t* px = rgb.rgb.data() + (size_t(at.y()) * size_t(rgb.width) + size_t(at.x())) * 3;
    EXPECT_NEAR(px[0], c.red(), 6);
    EXPECT_NEAR(px[2], c.blue(), 6);
  }

  // Cut short, garbage, empty, or a header claiming 60000 x 60000 pixels.
  std::string huge = good;
  const size_t sof = huge.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  huge.replace(sof + 5, 4, "\xEA\x60\xEA\x60");
  for (const std::string& bad : {good.substr(0, good.size() / 2),
                                 std::string("not a picture at all"), std::string(), huge}) {
    EXPECT_FALSE(nv::decodeJpeg(bad, rgb, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(rgb.rgb.empty());
  }

  // The viewer reports a damaged how-to-make picture instead of showing an empty one.
  nvtest::TempDir tmp;
  const std::string cut = tmp.file("cut.jpg");
  nvtest::writeBytes(cut, good.substr(0, good.size() / 3));
  EXPECT_TRUE(nv::loadViewerPicture(cut, &error).isNull());
  EXPECT_EQ(error, "Premature end of JPEG file");
  nvtest::ScriptedPrompt prompts;
  prompts.expectBox(nv::cp932ToUtf8(cut) + "\nPremature end of JPEG file",
                    "絵を読み込めませんでした", nv::Icon::Warning);
  EXPECT_FALSE(nv::showPicture(cut, true, true, nv::sj("たろう"), nullptr));

  if (const std::string shots = nvtest::shotFolder(); !shots.empty()) {
    nv::TResipiForm3 viewer(dir + nv::sj("setumei/ごま塩ごはん.jpg"), true, true, nv::sj("たろう"));
    viewer.show();
    viewer.grab().save(QString::fromStdString(shots + "/viewer_jpeg.png"));
  }
}

// Opening a recipe page: the font search, the layout and the drawing of the page.
TEST(RecipePageWindow, OpeningTime) {
  if (!qEnvironmentVariableIsSet("NV_TIMING")) GTEST_SKIP() << "set NV_TIMING";
  nvtest::kitchenApp();
  const nv::RecipePage page = samplePage();
  std::vector<double> ms;
  for (int i = 0; i < 21; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    nv::TResipiForm4 form(page, nv::sj("たろう"));
    ms.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("recipe page open: median %.1f ms (min %.1f, max %.1f)\n", ms[ms.size() / 2],
              ms.front(), ms.back());
  EXPECT_LT(ms[ms.size() / 2], 50.0);
}

}  // namespace
