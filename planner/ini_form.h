#pragma once
// TIniForm: the splash window shown while the main window is set up: borderless, centred,
// client area 400 x 315, the picture bmp/about.bmp and a maroon panel "　Morivale　".
#include <QWidget>

class QLabel;

namespace nv {

class TIniForm : public QWidget {
  Q_OBJECT
 public:
  explicit TIniForm(QWidget* parent = nullptr);

  QLabel* picture() const { return picture_; }
  QLabel* panel() const { return panel_; }
  // Shows the window centred on the primary screen and paints it at once.
  void showNow();

 private:
  QLabel* picture_;
  QLabel* panel_;
};

}  // namespace nv
