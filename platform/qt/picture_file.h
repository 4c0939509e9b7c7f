#pragma once
// Pictures from the picture folders as QImage, through the program's one bitmap reader. Every
// window that shows or prints a picture a user could have replaced reads it here: only regular
// files up to a picture's size are read, decoded from memory with the reader's pixel cap, so a
// FIFO, a device or a huge file in the folder never blocks or exhausts the program.
#include <QImage>
#include <string>
#include <string_view>

namespace nv {

// A bitmap file's bytes as an image (RGB32); null when they are no bitmap the reader takes.
QImage decodeBmpImage(std::string_view bytes);
// The picture as it is; null when missing, not a regular file, too large or unreadable.
QImage loadBmp(const std::string& cp932Path);

}  // namespace nv
