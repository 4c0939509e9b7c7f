#pragma once
// Opening documents with the desktop (the "open" verb): HTML pages, reports.
#include <string>

namespace nv {

// The message shown for a failed open, by the classic shell result code; "" for any code
// that means success.
std::string shellErrorText(int code);

// Opens the document when the file exists (a missing file is passed over in silence); a
// failure to open shows the matching text in a plain message window. True when opened.
bool openDocument(const std::string& cp932Path);
// The same without any message (the usage pages: failures are not reported).
bool openDocumentQuietly(const std::string& cp932Path);

}  // namespace nv
