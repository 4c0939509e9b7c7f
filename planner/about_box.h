#pragma once
// TAboutBox: "ﾊﾞｰｼﾞｮﾝ情報". The picture, the title and version, the maker with a mail link,
// the usage pages behind the help picture, and the contributors' list scrolling a line a
// second.
#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "planner/model/about_info.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;

namespace nv {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 415, kHeight = 329;

  // folder: the program folder (CP932) holding bmp/about.bmp, about.txt and HTML/.
  explicit TAboutBox(const std::string& folder, QWidget* parent = nullptr);
  ~TAboutBox() override;

  // Opening a URL (the mail link, the usage pages); the desktop's by default.
  std::function<void(const QString&)> openUrl;

  // Shows the box modally (the menu planner's and the kitchen's About command).
  static void showAbout(const std::string& folder, QWidget* parent);

  void Timer2Timer();
  void MailLinkClick();
  void ProgramIconClick();
  const AboutScroller& scroller() const { return scroller_; }

  QLabel *Picture, *ApplicationTitle, *Version, *Maker, *ProgramLabel, *MailLink;
  QToolButton* ProgramIcon;
  QPushButton *CloseBtn, *CancelBtn;
  QListWidget* ListBox1;
  QTimer *Timer2, *RestTimer;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  std::string folder_;
  AboutInfo info_;
  AboutScroller scroller_{0};
};

}  // namespace nv
