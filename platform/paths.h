#pragma once
// Paths are CP932 strings with '/' separators. They reach the file system only through
// toFsPath, which decodes CP932 first: the second byte of 表, ソ or 能 is 0x5C.
#include <filesystem>
#include <string>
#include <string_view>

namespace nv {

std::filesystem::path toFsPath(std::string_view cp932Path);
std::string fromFsPath(const std::filesystem::path& path);

// The folder of the running executable, CP932, without a trailing '/'.
std::string programFolder();
// For tests and tools that run on data elsewhere.
void setProgramFolder(std::string_view cp932Folder);

// folder + "/" + name (no doubled separator).
std::string joinPath(std::string_view folder, std::string_view name);
// The folder part of a path ("" when there is none), the name part, and the path with its
// extension (from the last '.' of the name part) replaced by ext (which includes its '.').
std::string folderOf(std::string_view path);
std::string fileNameOf(std::string_view path);
std::string changeExtension(std::string_view path, std::string_view ext);

bool fileExists(std::string_view cp932Path);

}  // namespace nv
