#pragma once
// The width and height a Windows bitmap file declares, read from its header alone (nvtool
// lays out the kitchen without decoding any picture).
#include <string_view>

#include "bento/model/kitchen_geometry.h"

namespace nv {

// 0 x 0 when the file is missing or not a bitmap.
KSize bmpFileSize(std::string_view cp932Path);
KSize bmpSizeOfBytes(std::string_view header);

}  // namespace nv
