#pragma once
// TKondateButton: a dish picture button of the main window (flat, picture above the caption,
// caption and hint = dish name). A click, or "編集して追加する(&V)..." of its pop-up menu, asks
// for the dish with the editing step; "そのまま追加する(&A)" asks for it as it is. From the
// keyboard, Enter or Space asks as a click does, the menu key opens the pop-up menu, and the
// arrows, Home and End ask the panel to move the focus; a focused button wears a clear frame.
#include <QToolButton>
#include <string>

namespace nv {

class TKondateButton : public QToolButton {
  Q_OBJECT
 public:
  // Texts CP932. size: width = height in pixels; fontPoints: the caption's font size.
  TKondateButton(const std::string& category, const std::string& dishName, int size, int fontPoints,
                 QWidget* parent = nullptr);

  const std::string& category() const { return category_; }
  const std::string& dishName() const { return dishName_; }

  // The picture of a dish: program folder + "bmp/" + dish + ".bmp" (this fixed folder, not
  // the configurable picture folder). CP932.
  static std::string picturePath(const std::string& dishName);
  // Loads the picture when the file exists, fitted into the space above the caption.
  void loadGlyph();

  // The pop-up menu's two choices (also used by tests).
  void requestAdd(bool direct) { emit addRequested(this, direct); }

 signals:
  void addRequested(nv::TKondateButton* button, bool direct);
  // An arrow, Home or End key (Qt::Key) pressed on the focused button.
  void stepRequested(nv::TKondateButton* button, int key);
  void focused(nv::TKondateButton* button);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void showMenu(const QPoint& pos);

  std::string category_;
  std::string dishName_;
  int fontPoints_;
};

}  // namespace nv
