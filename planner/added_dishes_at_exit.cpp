#include "planner/added_dishes_at_exit.h"

#include "core/converted_file.h"
#include "core/kondate_data.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/documents_folder.h"
#include "platform/qt/prompt_texts.h"
#include "platform/result.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

bool saveAddedDishesAtExit(TKondateData& dishes, std::string& addPath, std::string_view dataPath) {
  if (!dishes.modified() || showResult(dishes.writeAddFile(addPath, &prompt()), prompt()))
    return true;
  for (;;) {
    const Answer a =
        ask(u"追加した献立が保存されていません。\n\n「はい」：別のファイルに保存します\n"
            u"「いいえ」：保存しないで終了します（追加した献立は失われます）\n"
            u"「キャンセル」：終了しません"_s,
            u"追加した献立を保存しますか？"_s, Icon::Warning, Buttons::YesNoCancel);
    if (a == Answer::No) return true;
    if (a != Answer::Yes) return false;
    FileRequest request = fileRequest(u"献立ファイル(*.nv)|*.nv"_s,
                                      u"追加した献立を保存するファイルを指定して下さい"_s);
    request.defaultExt = "nv";
    request.initialDir = documentsFolder();
    request.fileName = fileNameOf(addPath);
    std::string path;
    if (!dialogs().saveFile(request, path)) continue;
    if (sameFile(path, dataPath)) {
      ask(path, u"データファイル（NV.nv）は追加献立ファイルにできません"_s, Icon::Stop,
          Buttons::Ok);
      continue;
    }
    if (showResult(dishes.writeAddFile(path, &prompt()), prompt())) {
      addPath = path;
      return true;
    }
  }
}

}  // namespace nv
