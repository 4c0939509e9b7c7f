#pragma once
// A fresh folder under the system temporary folder, removed with the object.
#include <string>

namespace nvtest {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // CP932 path of the folder, and of a name inside it (name given as UTF-8).
  const std::string& path() const { return path_; }
  std::string file(const std::string& nameUtf8) const;

 private:
  std::string path_;
};

// Writes bytes to a file (path CP932); fails the test when it cannot.
void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);

}  // namespace nvtest
