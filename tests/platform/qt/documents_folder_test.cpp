#include "platform/qt/documents_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "env_var.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace {
namespace fs = std::filesystem;

// A program folder, a home and a config home, each a fresh folder; XDG_CONFIG_HOME unset.
struct DocumentsFolder : ::testing::Test {
  nvtest::TempDir program, home, config;
  std::string previousFolder = nv::programFolder();
  nvtest::EnvVar homeVar{"HOME", home.path().c_str()};
  nvtest::EnvVar configVar{"XDG_CONFIG_HOME", nullptr};
  DocumentsFolder() { nv::setProgramFolder(program.path()); }
  ~DocumentsFolder() override { nv::setProgramFolder(previousFolder); }
  void markPackaged() { nvtest::writeBytes(nv::joinPath(program.path(), "packaged"), "x\n"); }
  static void userDirs(const std::string& folder, const std::string& text) {
    fs::create_directories(nv::toFsPath(folder));
    nvtest::writeBytes(folder + "/user-dirs.dirs", text);
  }
};

TEST_F(DocumentsFolder, WritableProgramFolderLeavesTheStartToTheDialog) {
  fs::create_directory(home.path() + "/Documents");
  EXPECT_EQ(nv::saveStartFolder(), "");
}

TEST_F(DocumentsFolder, InstalledProgramStartsInTheDocumentsFolderOfUserDirs) {
  markPackaged();
  // No documents folder at all: the home folder.
  EXPECT_EQ(nv::saveStartFolder(), home.path());
  // ~/Documents once it exists.
  fs::create_directory(home.path() + "/Documents");
  EXPECT_EQ(nv::saveStartFolder(), home.path() + "/Documents");
  // The folder named in user-dirs.dirs, when it exists.
  userDirs(home.path() + "/.config",
           "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
  EXPECT_EQ(nv::documentsFolder(), home.path() + "/Documents");
  fs::create_directory(home.path() + "/Papers");
  EXPECT_EQ(nv::saveStartFolder(), home.path() + "/Papers");
  // "$HOME/" alone means no documents folder.
  userDirs(home.path() + "/.config", "XDG_DOCUMENTS_DIR=\"$HOME/\"\n");
  EXPECT_EQ(nv::documentsFolder(), home.path() + "/Documents");
}

// The file XDG_CONFIG_HOME holds, and the values it may give: an absolute path, a Japanese
// name (the file is UTF-8, the path CP932), a relative one (invalid), a missing folder, none.
TEST_F(DocumentsFolder, UserDirsOfXdgConfigHome) {
  markPackaged();
  fs::create_directory(home.path() + "/Documents");
  fs::create_directory(home.path() + "/Papers");
  fs::create_directory(config.path() + "/Elsewhere");
  fs::create_directory(nv::toFsPath(home.file("書類")));
  nvtest::EnvVar set("XDG_CONFIG_HOME", config.path().c_str());
  userDirs(home.path() + "/.config", "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
  EXPECT_EQ(nv::documentsFolder(), home.path() + "/Documents");  // not the home's .config
  const struct {
    std::string line;
    std::string folder;
  } cases[] = {
      {"XDG_DOCUMENTS_DIR=\"$HOME/Papers\"", home.path() + "/Papers"},
      {"XDG_DOCUMENTS_DIR=\"" + config.path() + "/Elsewhere\"", config.path() + "/Elsewhere"},
      {"XDG_DOCUMENTS_DIR=\"$HOME/書類\"", home.file("書類")},
      {"XDG_DOCUMENTS_DIR=\"Papers\"", home.path() + "/Documents"},
      {"XDG_DOCUMENTS_DIR=\"$HOME/Missing\"", home.path() + "/Documents"},
      {"XDG_MUSIC_DIR=\"$HOME/Papers\"", home.path() + "/Documents"},
  };
  for (const auto& c : cases) {
    userDirs(config.path(), c.line + "\n");
    EXPECT_EQ(nv::saveStartFolder(), c.folder) << c.line;
  }
}

}  // namespace
