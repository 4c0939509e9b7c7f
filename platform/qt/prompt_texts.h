#pragma once
// The Prompt and the file requests for window code, which writes its texts as QString: each
// is turned into the Prompt's CP932 here, in one place. A record's bytes (a path, a dish name)
// go over as they are, through the std::string overload: taken through QString, a path that
// holds a name CP932 cannot (kept escaped, see platform/paths.h) would lose it. A character
// CP932 cannot hold becomes '?', as in everything the program writes as CP932.
#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/dialogs.h"
#include "platform/prompt.h"

namespace nv {

// A message box of the process-wide Prompt.
Answer ask(const QString& text, const QString& caption, Icon icon, Buttons buttons);
// The same with a record's text (CP932) under a fixed caption.
Answer ask(const std::string& cp932Text, const QString& caption, Icon icon, Buttons buttons);
// A plain message window.
void tell(const QString& text);
// A progress window; closed when the object is destroyed.
std::unique_ptr<Progress> openProgress(const QString& caption, int64_t minimum, int64_t maximum);
// A file request with its filter ("description|patterns|..." pairs) and title (empty: the
// dialog's own).
FileRequest fileRequest(const QString& filter, const QString& title = QString());

}  // namespace nv
