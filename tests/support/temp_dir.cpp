#include "temp_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nvtest {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "nvtest.XXXXXX").string();
  char* made = mkdtemp(tmpl.data());
  if (!made) ADD_FAILURE() << "cannot create a temporary folder";
  path_ = nv::fromFsPath(tmpl);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(nv::toFsPath(path_), ec);
}

std::string TempDir::file(const std::string& nameUtf8) const {
  return nv::joinPath(path_, nv::sj(nameUtf8));
}

void writeBytes(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(nv::writeFileAtomic(path, bytes)) << nv::cp932ToUtf8(path);
}

std::string readBytes(const std::string& path) {
  std::string out;
  EXPECT_TRUE(nv::readFile(path, out)) << nv::cp932ToUtf8(path);
  return out;
}

}  // namespace nvtest
