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
  // With the picture already read (a null one shows nothing).
  TResipiForm3(std::string path, QImage picture, bool fitScreen, bool printable,
               std::string childName, QWidget* parent = nullptr);

  // False when the picture could not be read (error() says why); the caller then shows
  // nothing.
  bool loaded() const { return !picture_.isNull(); }
  const std::string& error() const { return error_; }

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
  void build(bool fitScreen, bool printable);

  std::string path_;
  std::string childName_;
  std::string error_;
  QImage picture_;
  QFrame* panel_ = nullptr;
};

// Loads a viewer picture: a bitmap for ".bmp" in any case, otherwise a JPEG. A null image
// when the file is missing or damaged, with the reason in `error` when given.
QImage loadViewerPicture(const std::string& cp932Path, std::string* error = nullptr);
// The same, decoded on a worker thread while the window thread goes on painting.
QImage loadViewerPictureOffThread(const std::string& cp932Path, std::string* error = nullptr);

// The viewer, shown modally; a picture that cannot be read is reported instead (false).
bool showPicture(const std::string& cp932Path, bool fitScreen, bool printable,
                 const std::string& childName, QWidget* parent);

}  // namespace nv
