#pragma once
// The Prompt of the program: real message boxes and progress windows.
#include <QMessageBox>

#include "platform/prompt.h"

namespace nv {

// The box's icon, buttons and the answer a clicked button stands for.
QMessageBox::Icon qtIcon(Icon icon);
QMessageBox::StandardButtons qtButtons(Buttons buttons);
// The button that is the default (Enter): the first one, as the classic boxes had it.
QMessageBox::StandardButton qtDefaultButton(Buttons buttons);
// A closed box without a clicked button (Escape, close box) counts as Cancel.
Answer answerOf(QMessageBox::StandardButton button);

// Title bars cut long captions, and many captions carry the message's key sentence: the caption
// is repeated in the box as a bold heading above the text (text alone when there is none).
void setHeadedText(QMessageBox& box, const QString& caption, const QString& text);

class QtPrompt : public Prompt {
 public:
  // Boxes are shown over the active window; plain messages carry the application's display
  // name as their title.
  QtPrompt() = default;

  Answer messageBox(const std::string& text, const std::string& caption, Icon icon,
                    Buttons buttons) override;
  void message(const std::string& text) override;
  // A TGaugeForm, shown at once.
  std::unique_ptr<Progress> progress(const std::string& caption, int64_t minimum,
                                     int64_t maximum) override;
};

}  // namespace nv
