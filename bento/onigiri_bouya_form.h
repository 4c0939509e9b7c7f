#pragma once
// The rice-ball boy ("おにぎり坊や"): a shaped window floating above the others whose face
// tells the grade of the lunch box or that the box is full. Two pictures alternate every
// 500 ms; the window closes itself after about five seconds and remembers where it stood.
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <string>

#include "bento/kitchen_ports.h"
#include "bento/model/rice_ball.h"

namespace nv {

// "もうはいらないよ": what the full face says.
inline QString fullBoxWords() { return QString::fromUtf8("もうはいらないよ"); }
// The face with the words on a plate below it, on the picture's ground colour.
QImage withSpokenWords(const QImage& face, const QString& words, int fontPixels,
                       const QColor& ground);

class TOnigiriBouyaForm : public QWidget {
  Q_OBJECT
 public:
  // s: the kitchen's scale; iniPath: NV.ini of the position.
  TOnigiriBouyaForm(double s, std::string iniPath, QWidget* parent = nullptr);

  int mood() const { return mood_; }
  const RiceBallCycle& cycle() const { return cycle_; }
  // Loads the pair of the mood, places the window on the screen and shows it.
  void showMood(int mood);
  // One tick of the animation (the timer's work; tests call it).
  void nextFrame();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  double s_;
  std::string iniPath_;
  int mood_ = 1;
  RiceBallCycle cycle_;
  int rememberedBottom_ = kRiceBallDefaultBottom;
  struct Frame {
    QImage image;
    QRegion mask;
  };
  const Frame& shownFrame() const;
  Frame frames_[2];
  QTimer timer_;
  QPoint grab_;
  bool closing_ = false;
};

// The kitchen's and the result dialog's way to the one rice ball.
class RiceBall : public RiceBallPort {
 public:
  ~RiceBall() override { close(); }
  void show(TBentoubakoForm& kitchen, int mood) override;
  void close() override;
  TOnigiriBouyaForm* window() const { return form_; }

 private:
  QPointer<TOnigiriBouyaForm> form_;
};

}  // namespace nv
