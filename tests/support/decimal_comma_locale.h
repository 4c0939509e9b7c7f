#pragma once
// Runs a test under a locale whose decimal sign is a comma (de_DE.UTF-8), as the program runs
// once Qt has set the user's locale. The locale is compiled from the system's sources into a
// folder of the build when the system has not generated it.
namespace nvtest {

class DecimalCommaLocale {
 public:
  DecimalCommaLocale();   // fails the test when no such locale can be had
  ~DecimalCommaLocale();  // back to the C locale
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
  bool active() const { return active_; }

 private:
  bool active_ = false;
};

}  // namespace nvtest
