#pragma once
// The fixed texts of the lunch-box data code (UTF-8; shown through sj()).

namespace nv {

inline constexpr const char* kDataFileNotFoundCaption =
    "食品データ/献立データ・ファイルが見つかりません（原因不明）";
inline constexpr const char* kDataFileDamagedCaption = "お弁当の献立データが壊れています";
inline constexpr const char* kCannotWriteFileCaption = "ファイルを書き込めません";
inline constexpr const char* kCannotReadFileCaption = "ファイルを読み込めません";

inline constexpr const char* kSaveFileUnreadableCaption = "お弁当のデータを読み込めません";
inline constexpr const char* kSaveFileDamagedCaption = "お弁当のデータが壊れています";
inline constexpr const char* kSaveFileUnwritableCaption = "お弁当のデータを保存できません";
inline constexpr const char* kEmptyBoxNotSaved =
    "お弁当箱に何も入っていないので、保存しませんでした。";

inline constexpr const char* kErrorFileCaption =
    "エラーファイルを書き込みのためにオープンできません";
inline constexpr const char* kCannotOpenDishFile = "献立ファイルを開けません";
inline constexpr const char* kNoDataInFile = "ファイルにデータがありません";
inline constexpr const char* kReadingDishesCaption = "献立のデータを読み込んでいます";
inline constexpr const char* kNothingConvertedCaption =
    "変換した結果に食品かお弁当の献立がないため、データファイルを置き換えません";

inline constexpr const char* kHeadingMissingData = "以下の献立で一部データが足りません";
inline constexpr const char* kHeadingUnknownFood = "以下の献立で食品が見つかりません";
inline constexpr const char* kHeadingZeroWeight = "以下の献立で食品の重さが０です";
inline constexpr const char* kHeadingBadNumber = "以下の献立で数値が読み取れません";
inline constexpr const char* kHeadingNoDish = "以下の行には、その前に献立がありません";
inline constexpr const char* kHeadingTooFewCommas =
    "以下の献立は区切りのカンマが足りないため、読み込みません";
inline constexpr const char* kHeadingUnknownStorage = "以下の献立の保存場所は台所にありません";

}  // namespace nv
