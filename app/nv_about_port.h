#pragma once
// The lunch-box kitchen's About command opens the same About box as the menu planner.
#include "bento/bentoubako_form.h"
#include "bento/kitchen_ports.h"
#include "planner/about_box.h"
#include "platform/paths.h"

namespace nv {

class KitchenAbout : public AboutPort {
 public:
  void showAbout(TBentoubakoForm& kitchen) override {
    TAboutBox::showAbout(programFolder(), &kitchen);
  }
};

}  // namespace nv
