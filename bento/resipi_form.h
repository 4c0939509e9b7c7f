#pragma once
// TResipiForm: the recipe book, a book-shaped window over the kitchen. Its left page holds
// the four topics of making a lunch box; its right page the buttons of one grouping of the
// game's dishes (by how they are made, where they go, where they are kept, their first
// sound). A group button opens that group's dishes across both pages, each a click away from
// its recipe.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "bento/model/recipe_book.h"

class QFrame;
class QLabel;
class QToolButton;

namespace nv {

class ReizoukoHost;
class TReizouko;

class TResipiForm : public QWidget {
  Q_OBJECT
 public:
  // host: opens a dish's recipe when one of the book's cells is clicked. screenWidth: the
  // width the book is sized for (0: the screen's).
  TResipiForm(const TDaidokoro& data, BookLists lists, ReizoukoHost& host,
              std::string pictureFolder, int fontPixels, std::string childName,
              QWidget* parent = nullptr, int screenWidth = 0);
  ~TResipiForm() override;

  BookGrouping grouping() const { return grouping_; }
  double scale() const { return s_; }
  const std::vector<QToolButton*>& groupButtons() const { return BunruiButtons; }
  TReizouko* dishView() const { return view_.get(); }

  void L_TukurikataClick();
  // A group button's click: that group's dishes in place of the buttons.
  void openGroup(size_t index);
  void SB_ModoruClick();
  // 0..2 the points of making a lunch box, 3 the six basic food groups.
  void showTopic(int topic);

  QLabel* L_Point = nullptr;
  QLabel* L_Tukurikata = nullptr;
  QLabel* L_Shurui = nullptr;
  QToolButton* SB_Eiyou = nullptr;
  QToolButton* SB_Eisei = nullptr;
  QToolButton* SB_Ajituke = nullptr;
  QToolButton* SB_Kiso = nullptr;
  QToolButton* SB_Close = nullptr;
  QToolButton* SB_Modoru = nullptr;
  QFrame* Bevel1 = nullptr;
  QFrame* Bevel2 = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildGroupButtons();
  void setBrowsing(bool on);
  std::vector<QToolButton*> topics() const;

  const TDaidokoro& data_;
  BookLists lists_;
  ReizoukoHost& host_;
  std::string pictureFolder_;
  int fontPixels_;
  std::string childName_;
  BookGrouping grouping_ = BookGrouping::Category;
  double s_ = 1;
  QImage background_;
  std::vector<QToolButton*> BunruiButtons;
  std::unique_ptr<TReizouko> view_;
  QPoint grab_;
};

}  // namespace nv
