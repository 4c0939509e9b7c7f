#pragma once
// The picture viewer: an explanation or how-to-make picture, fitted to the screen or at its
// own size, with printing when offered. A click on the picture closes it.
#include <QDialog>
#include <QImage>
#include <string>

class QLabel;
class QToolButton;
class QFrame;

namespace nv {

class TResipiForm3 : public QDialog {
  Q_OBJECT
 public:
  // path: CP932. childName goes into the print job's title.
  TResipiForm3(std::string path, bool fitScreen, bool printable, std::string childName,
               QWidget* parent = nullptr);

  QToolButton* SB_Close = nullptr;
  QToolButton* SB_Print = nullptr;
  QLabel* Image1 = nullptr;

  // "<name>:<file name with its extension replaced by '.'>"
  static std::string jobTitle(const std::string& childName, const std::string& path);
  // Draws the picture on a page of that size: 0.85 of the largest fit, centred.
  static void paintOnPage(QPainter& p, const QImage& picture, QSizeF page);
  void print();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string path_;
  std::string childName_;
  QImage picture_;
  QFrame* panel_ = nullptr;
};

// Loads a viewer picture: a bitmap for ".bmp" in any case, otherwise a JPEG.
QImage loadViewerPicture(const std::string& cp932Path);

}  // namespace nv
