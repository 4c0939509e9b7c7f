#pragma once
// Result codes of the archiver and the texts shown for them.
#include <string>

namespace nv::lzh {

constexpr int kStart = 0x8000;  // an exception inside the archiver
constexpr int kChecksum = 0x800C;
constexpr int kCannotOpenFile = 0x800D;
constexpr int kCannotMakeFolder = 0x8012;
constexpr int kWriteError = 0x8013;
constexpr int kBadHuffman = 0x8014;
constexpr int kHeaderChecksum = 0x8016;
constexpr int kBrokenHeader = 0x8017;
constexpr int kCannotOpenArchive = 0x8018;
constexpr int kNoArchiveName = 0x8019;
constexpr int kReadError = 0x801A;
constexpr int kNotArchive = 0x801B;
constexpr int kBadCommand = 0x801C;
constexpr int kResponseFileError = 0x802A;
constexpr int kNeedFileName = 0x802B;
constexpr int kCannotMakeWorkFile = 0x8025;
constexpr int kFileNotFound = 0x8031;
constexpr int kDataMissing = 0x802D;
constexpr int kMakeArchiveFailed = 0x8040;
constexpr int kBadName = 0x8041;
constexpr int kHeaderCutOff = 0x8042;
constexpr int kNoEndMark = 0x8045;
constexpr int kBadHeaderSize = 0x8046;
constexpr int kUnknownHeader = 0x8047;
constexpr int kBrokenMember = 0x8048;
constexpr int kUnknownMethod = 0x8009;

// The text shown for a result (low 16 bits): "" for 0, the table's text for a listed code,
// "ERR=%08x" for any other. CP932.
std::string archiverResultText(int code);
// The table's text as UTF-8 (the source's spelling), or null for a code not in the table.
const char* archiverCodeTextUtf8(int code);

}  // namespace nv::lzh
