#pragma once
// The width and height a Windows bitmap file declares, read from its header alone (nvtool
// lays out the kitchen without decoding any picture). The checks are the bitmap reader's, so
// a size is given exactly for the pictures the kitchen can show.
#include <string_view>

#include "bento/model/kitchen_geometry.h"

namespace nv {

// 0 x 0 when the file is missing, not a regular file or not a bitmap the reader takes.
KSize bmpFileSize(std::string_view cp932Path);
KSize bmpSizeOfBytes(std::string_view header);

}  // namespace nv
