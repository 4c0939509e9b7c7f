#pragma once
// Removing what we made without ever following a symbolic link or leaving the file system we
// started on. No Qt, no ICU (the self-extracting program uses it).
#include <sys/types.h>

#include <atomic>
#include <string>

namespace nv::lzh {

// Removes `name` inside the open folder `dirfd`: a file or link is unlinked (a link's target is
// never touched), a folder is emptied the same way and removed. Folders on another device than
// `device` are left alone. With `stop` set, stops between two entries. False when something
// was left behind.
bool removeTreeAt(int dirfd, const std::string& name, dev_t device,
                  const std::atomic<bool>* stop = nullptr);

// The same for a whole path (native bytes). A trailing separator changes nothing: a link given
// as the folder is removed itself, never emptied.
bool removeTree(const std::string& nativePath, const std::atomic<bool>* stop = nullptr);

}  // namespace nv::lzh
