#pragma once
// Whether a print job may start. A PDF path that is a FIFO would hold the program at open() for
// good, and one that is a device (/dev/full) swallows the pages while the job reports success.
class QPrinter;

namespace nv {

// A PDF file that can be written (a regular file or a new one in a writable folder), or a
// printer by name; and no earlier job stuck on it.
bool printerHasDestination(const QPrinter& printer);

}  // namespace nv
