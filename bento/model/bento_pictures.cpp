#include "bento/model/bento_pictures.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace nv {
namespace {

std::string riceBallName(int mood, int frame) {
  if (frame != 2) frame = 1;
  if (mood == 10) return cformat("%s%02d.bmp", sj("おなかがいっぱい").c_str(), frame);
  if (mood < 0 || mood > 3) mood = 0;
  return cformat("%s%02d%02d.bmp", sj("おにぎり").c_str(), mood + 1, frame);
}

std::string programBentouFolder() { return joinPath(programFolder(), "bentou"); }

}  // namespace

std::string defaultBentoBmpFolder() { return programBentouFolder() + "/"; }

bool isPictureName(std::string_view name) {
  if (name.empty() || name.find("..") != std::string_view::npos) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (isCp932LeadByte(c) && i + 1 < name.size()) {
      ++i;
      continue;
    }
    if (c == '/' || c == '\\' || c == '\0') return false;
  }
  return true;
}

std::string dishPicturePath(std::string_view bmpFolder, std::string_view dishName) {
  if (!isPictureName(dishName)) return {};
  return joinPath(bmpFolder, std::string(dishName) + ".bmp");
}

std::string dishSmallPicturePath(std::string_view bmpFolder, std::string_view dishName) {
  if (!isPictureName(dishName)) return {};
  return joinPath(bmpFolder, std::string(dishName) + "s.bmp");
}

std::string dishExplanationPath(std::string_view dishName) {
  if (!isPictureName(dishName)) return {};
  return joinPath(programBentouFolder(), "setumei/" + std::string(dishName) + ".jpg");
}

std::string fixedKitchenPicturePath(FixedKitchenPicture which) {
  const char* name = "台所.bmp";
  switch (which) {
    case FixedKitchenPicture::Kitchen:
      name = "台所.bmp";
      break;
    case FixedKitchenPicture::Box:
      name = "弁当箱.bmp";
      break;
    case FixedKitchenPicture::BoxFront:
      name = "弁当箱手前.bmp";
      break;
    case FixedKitchenPicture::Coaster:
      name = "コースター.bmp";
      break;
  }
  return joinPath(programBentouFolder(), "daidokoro/" + sj(name));
}

std::string kitchenPictureRelative(KitchenPicture which) {
  const char* name = "弁当箱.bmp";
  switch (which) {
    case KitchenPicture::Box:
      name = "弁当箱.bmp";
      break;
    case KitchenPicture::BoxFront:
      name = "弁当箱手前.bmp";
      break;
    case KitchenPicture::Exit:
      name = "出口.bmp";
      break;
    case KitchenPicture::Refrigerator:
      name = "冷蔵庫２.bmp";
      break;
    case KitchenPicture::Freezer:
      name = "冷蔵庫１.bmp";
      break;
    case KitchenPicture::RiceCooker:
      name = "おかま.bmp";
      break;
    case KitchenPicture::Cupboard:
      name = "とだな.bmp";
      break;
    case KitchenPicture::Pot:
      name = "なべ.bmp";
      break;
    case KitchenPicture::FryingPan:
      name = "フライパン.bmp";
      break;
    case KitchenPicture::Oven:
      name = "オーブン.bmp";
      break;
  }
  return "daidokoro/" + sj(name);
}

std::string kitchenPicturePath(std::string_view bmpFolder, KitchenPicture which) {
  return joinPath(bmpFolder, kitchenPictureRelative(which));
}

std::string riceBallPicturePath(int mood, int frame) {
  return joinPath(programBentouFolder(), "daidokoro/" + riceBallName(mood, frame));
}

std::string riceBallPrintPicturePath(std::string_view bmpFolder, int grade) {
  return joinPath(bmpFolder, "daidokoro/" + riceBallName(grade, 2));
}

}  // namespace nv
