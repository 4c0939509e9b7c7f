#pragma once
// Opening documents and addresses with the desktop (the "open" verb): reports, mail links, the
// web browser. The opener (xdg-open) runs apart from the program; what it writes goes to the
// "nv.shell" log rather than the terminal, and a failure it reports reaches the caller.
#include <QLoggingCategory>
#include <functional>
#include <string>

class QObject;
class QUrl;

Q_DECLARE_LOGGING_CATEGORY(nvShellLog)

namespace nv {

// The message shown for a failed open, by the classic shell result code (CP932); "" for any
// code that means success.
std::string shellErrorText(int code);

// Hands `url` to the desktop's opener. `failed` runs later on this thread when the opener
// could not be started or found no program for it, and only while `context` exists.
void openWithDesktop(const QUrl& url, QObject* context, std::function<void()> failed);

// Opens the document when the file exists (a missing file is passed over in silence); when
// no program takes it, a plain message window says so. True when it was handed over.
bool openDocument(const std::string& cp932Path);

}  // namespace nv
