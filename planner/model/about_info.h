#pragma once
// What the About box shows besides its picture: the version line, the maker and the contact
// address from about.txt, the contributors' lines, and how the contributors' list scrolls.
#include <string>
#include <vector>

namespace nv {

// "Version %d.%d.%d Build:%d" (one space before "Build").
std::string aboutVersionText(int major, int minor, int release, int build);
std::string aboutVersionText();  // the version the program was built as

struct AboutInfo {
  std::string maker;                      // CP932
  std::string mail;                       // the address after "Program :"
  std::vector<std::string> contributors;  // one line each, in file order
};
// about.txt (INI form, CP932): [About] Maker=, Mail=; [Contributors] lines in file order.
// A missing file gives empty texts and no lines.
AboutInfo readAboutInfo(const std::string& cp932Path);

// The "mailto:" link of the contact address with the subject "NVの感想" (UTF-8, percent
// encoded, ready for the desktop's mail program).
std::string aboutMailUrl(const std::string& mailCp932);

// The contributors' list moves its top line down one line a second; when the top reaches
// the line count less 3 it rests 500 ms and starts again from the top.
class AboutScroller {
 public:
  static constexpr int kStepMs = 1000;
  static constexpr int kRestMs = 500;
  static constexpr int kTail = 3;

  explicit AboutScroller(int lineCount) : lines_(lineCount) {}
  int top() const { return top_; }
  // One timer step: the new top line, and whether the list now rests before restarting.
  struct Step {
    int top = 0;
    bool restart = false;
  };
  Step step();
  // After the rest: back to the first line.
  void restart() { top_ = 0; }

 private:
  int lines_ = 0;
  int top_ = 0;
};

}  // namespace nv
