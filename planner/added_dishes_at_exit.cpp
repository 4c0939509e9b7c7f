#include "planner/added_dishes_at_exit.h"

#include "core/converted_file.h"
#include "core/kondate_data.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/documents_folder.h"
#include "platform/result.h"
#include "platform/text.h"

namespace nv {

bool saveAddedDishesAtExit(TKondateData& dishes, std::string& addPath, std::string_view dataPath) {
  if (!dishes.modified() || showResult(dishes.writeAddFile(addPath, &prompt()), prompt()))
    return true;
  for (;;) {
    const Answer a = prompt().messageBox(
        sj("追加した献立が保存されていません。\n\n「はい」：別のファイルに保存します\n"
           "「いいえ」：保存しないで終了します（追加した献立は失われます）\n"
           "「キャンセル」：終了しません"),
        sj("追加した献立を保存しますか？"), Icon::Warning, Buttons::YesNoCancel);
    if (a == Answer::No) return true;
    if (a != Answer::Yes) return false;
    FileRequest request;
    request.title = sj("追加した献立を保存するファイルを指定して下さい");
    request.filter = sj("献立ファイル(*.nv)|*.nv");
    request.defaultExt = "nv";
    request.initialDir = documentsFolder();
    request.fileName = fileNameOf(addPath);
    std::string path;
    if (!dialogs().saveFile(request, path)) continue;
    if (sameFile(path, dataPath)) {
      prompt().messageBox(path, sj("データファイル（NV.nv）は追加献立ファイルにできません"),
                          Icon::Stop, Buttons::Ok);
      continue;
    }
    if (showResult(dishes.writeAddFile(path, &prompt()), prompt())) {
      addPath = path;
      return true;
    }
  }
}

}  // namespace nv
