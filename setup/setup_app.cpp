#include "setup/setup_app.h"

#include <QApplication>

#include "platform/dialogs.h"
#include "platform/prompt.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_prompt.h"
#include "setup/main_form.h"

namespace nv::setup {

int runSetupWindow() {
  QtPrompt qtPrompt;
  ScopedPrompt scopedPrompt(qtPrompt);
  QtDialogs qtDialogs;
  ScopedDialogs scopedDialogs(qtDialogs);
  TMainForm form;
  form.show();
  return QApplication::exec();
}

}  // namespace nv::setup
