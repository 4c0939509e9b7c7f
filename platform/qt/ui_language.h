#pragma once
// Qt's own texts (standard buttons, file and print dialogs) follow the program's language.
// Every window program calls this once after creating its application object.
#include <QString>

namespace nv {

// Makes Japanese the default locale of Qt's dialogs and installs Qt's Japanese translation from
// `folder` (Qt's translations folder when empty). False when the translation could not be
// loaded: Qt's texts then stay in English and the program runs on. Numbers the program writes
// never go through the default locale; they use the C-locale helpers.
bool useJapaneseUi(const QString& folder = QString());

}  // namespace nv
