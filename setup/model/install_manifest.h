#pragma once
// The record an install keeps of what it put into the install folder, so that uninstalling
// removes exactly that: the file ".nvsetup-manifest" in the folder, CP932 text, one entry a
// line ("F" a file, "D" a folder the install made, both relative to the folder).
#include <string>
#include <vector>

namespace nv::setup {

struct InstallManifest {
  std::string folder;       // the folder it describes: absolute, links resolved, ending in '/'
  bool madeFolder = false;  // the folder itself did not exist before the first install
  std::vector<std::string> files;
  std::vector<std::string> folders;

  // Adds what one extraction placed (entries already listed are not repeated).
  void add(const std::vector<std::string>& files, const std::vector<std::string>& folders);
};

extern const char kManifestName[];  // ".nvsetup-manifest"

std::string manifestText(const InstallManifest& manifest);
// False when the text is no manifest. Entries that would leave the folder are dropped.
bool readManifestText(const std::string& text, InstallManifest& manifest);

// The manifest kept in a folder (CP932 path ending in '/'); false when there is none that reads.
bool loadManifest(const std::string& folder, InstallManifest& manifest);
bool saveManifest(const std::string& folder, const InstallManifest& manifest);

}  // namespace nv::setup
