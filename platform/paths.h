#pragma once
// Paths are CP932 strings with '/' separators. They reach the file system only through
// toFsPath, which decodes CP932 first: the second byte of 表, ソ or 能 is 0x5C.
//
// A path must also name files whose names CP932 cannot hold (café, 데이터, an accented home
// folder, bytes that are no UTF-8 at all). fromFsPath keeps every character that goes to
// CP932 and back unchanged as CP932, and carries each byte of any other as an escape: 0xFF
// and two hexadecimal digits (0xFF is no CP932 byte, so no text from data holds one, and the
// escape never hides a '/' or '.'). toFsPath gives the bytes back, so any name round-trips;
// names from data are joined as the CP932 they are; cp932ToUtf8 and the Qt conversion show
// escaped names as their characters. Paths from outside (the command line, Qt's file
// dialogs) enter through fromFsPath (or pathFromQ in Qt code), never through utf8ToCp932.
#include <filesystem>
#include <string>
#include <string_view>

namespace nv {

std::filesystem::path toFsPath(std::string_view cp932Path);
std::string fromFsPath(const std::filesystem::path& path);
// A path given as the file system's bytes (a command-line argument).
inline std::string pathFromNative(std::string_view native) {
  return fromFsPath(std::filesystem::path(std::string(native)));
}

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

// A file name made from a name people typed (a child's name): '/' and '\' become '_' (only
// where they are characters of their own, never the second byte of 表 or ソ), and a name that
// would be "", "." or ".." becomes "_", so the name never leaves its folder. Whole characters
// are cut from the end until the name on disk, with `extensionBytes` more, fits the 255 bytes
// a file name may have (a half-width katakana is one byte here and three on disk).
std::string fileNameFromText(std::string_view text, size_t extensionBytes = 0);

}  // namespace nv
