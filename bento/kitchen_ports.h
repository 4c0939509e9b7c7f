#pragma once
// The windows the kitchen opens but does not own: the rice-ball character, the result
// dialog with its print preview, the recipe book and how-to-make windows, the settings
// dialog and the About box. The kitchen talks to each only through one of these faces;
// without one installed it falls back to the minimal behaviour noted per call.
#include <string>

namespace nv {

class TBentoubakoForm;
struct KitchenSettings;

// The rice ball. Moods 0..3 are grades; kFullMood is the full box.
class RiceBallPort {
 public:
  static constexpr int kFullMood = 10;
  virtual ~RiceBallPort() = default;
  // Creates the window when needed, sets the mood and shows it.
  virtual void show(TBentoubakoForm& kitchen, int mood) = 0;
  // Closes and frees the window when it is open (after an add or removal, before New).
  virtual void close() = 0;
};

// The result dialog ("お弁当の栄養") and the print preview.
class ResultPort {
 public:
  virtual ~ResultPort() = default;
  // The rice-ball button. The dialog may ask the kitchen to New, Open, Save or close
  // (TBentoubakoForm::afterResult). Fallback: nothing.
  virtual void showResult(TBentoubakoForm& kitchen) = 0;
  // "印刷プレビュー(&V)" and Ctrl+P. Fallback: nothing.
  virtual void showPreview(TBentoubakoForm& kitchen) = 0;
};

// The recipe book and the how-to-make windows.
class RecipePort {
 public:
  virtual ~RecipePort() = default;
  // The recipe book on the kitchen (modeless). Fallback: nothing.
  virtual void openBook(TBentoubakoForm& kitchen) = 0;
  virtual void closeBook() = 0;
  // The how-to-make window of a dish ("作り方(&H)"; clicks in browse mode). Fallback: a
  // plain message with the dish name.
  virtual void showHowToMake(TBentoubakoForm& kitchen, const std::string& dishName) = 0;
};

// The lunch-box data builder opened as the settings dialog ("設定(&D)..."): fills from the
// settings, returns true on OK with the edited values in `settings`. Fallback: nothing.
class KitchenSettingsPort {
 public:
  virtual ~KitchenSettingsPort() = default;
  virtual bool edit(TBentoubakoForm& kitchen, KitchenSettings& settings) = 0;
};

// "バージョン情報(&H)...". Fallback: a small box with the program name and version.
class AboutPort {
 public:
  virtual ~AboutPort() = default;
  virtual void showAbout(TBentoubakoForm& kitchen) = 0;
};

struct KitchenPorts {
  RiceBallPort* riceBall = nullptr;
  ResultPort* result = nullptr;
  RecipePort* recipes = nullptr;
  KitchenSettingsPort* settings = nullptr;
  AboutPort* about = nullptr;
};

}  // namespace nv
