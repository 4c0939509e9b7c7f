#pragma once
// Renaming a dish picture of the lunch-box data builder: "<old>.bmp" to "<new>.bmp" in the
// picture folder.
#include <string_view>

namespace nv {

// False, with a message box naming the file, when the old picture is missing, the new name
// is empty or already taken by another picture (which would be lost), or the rename fails.
bool renamePicture(std::string_view folder, std::string_view oldName, std::string_view newName);

}  // namespace nv
