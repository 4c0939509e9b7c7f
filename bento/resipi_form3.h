#pragma once
// The picture viewer: an explanation or how-to-make picture, fitted to the screen or at its
// own size (never larger than the screen), with printing when offered. The buttons sit on a
// strip below the picture, so they never cover a part of it. A click on the picture closes it.
#include <QDialog>
#include <QImage>
#include <string>

class QFrame;
class QLabel;
class QPrinter;
class QToolButton;

namespace nv {

class TResipiForm3 : public QDialog {
  Q_OBJECT
 public:
  // path: CP932. childName goes into the print job's title; caption (CP932) is the window's
  // title (empty: the picture's file name without its extension). available: the free area
  // of the screen the window is sized for (empty: the screen's).
  TResipiForm3(std::string path, bool fitScreen, bool printable, std::string childName,
               QWidget* parent = nullptr, const std::string& caption = {}, QSize available = {});
  // With the picture already read (a null one shows nothing).
  TResipiForm3(std::string path, QImage picture, bool fitScreen, bool printable,
               std::string childName, QWidget* parent = nullptr, const std::string& caption = {},
               QSize available = {});

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
  // Prints after the printer set-up; says "印刷しました" only when the page was printed,
  // "印刷できませんでした。" when the printer could not take it.
  void print();
  // The printer print() uses (not owned); by default the program's.
  void setPrinter(QPrinter* printer) { printer_ = printer; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build(bool fitScreen, bool printable, const std::string& caption, QSize available);

  std::string path_;
  std::string childName_;
  std::string error_;
  QImage picture_;
  QFrame* panel_ = nullptr;
  QPrinter* printer_ = nullptr;
};

// Loads a viewer picture: a bitmap for ".bmp" in any case, otherwise a JPEG. A null image
// when the file is missing or damaged, with the reason in `error` when given.
QImage loadViewerPicture(const std::string& cp932Path, std::string* error = nullptr);
// The same, decoded on a worker thread while the window thread goes on painting.
QImage loadViewerPictureOffThread(const std::string& cp932Path, std::string* error = nullptr);

// The free area of the screen a window on `parent` shows on (the primary screen's without one).
QSize availableScreenSize(const QWidget* parent);

// The viewer, shown modally; a picture that cannot be read is reported instead (false).
bool showPicture(const std::string& cp932Path, bool fitScreen, bool printable,
                 const std::string& childName, QWidget* parent, const std::string& caption = {});

}  // namespace nv
