#pragma once
// Renaming a dish picture of the lunch-box data builder: "<old>.bmp" to "<new>.bmp" in the
// picture folder, together with its small picture "<old>s.bmp" when there is one.
#include <string_view>

namespace nv {

// False, with a message box naming the file, when the old picture is missing, the new name
// is empty or already taken by another picture or small picture (which would be lost), or a
// rename fails (then neither file is renamed).
bool renamePicture(std::string_view folder, std::string_view oldName, std::string_view newName);

}  // namespace nv
