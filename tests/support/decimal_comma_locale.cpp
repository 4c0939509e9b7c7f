#include "decimal_comma_locale.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace nvtest {
namespace {

constexpr const char kLocale[] = "de_DE.UTF-8";

bool decimalSignIsComma() {
  const lconv* lc = localeconv();
  return lc && lc->decimal_point && std::string(lc->decimal_point) == ",";
}

// Compiles the locale into NV_TEST_LOCALE_DIR (once; parallel tests each build a copy of their
// own and the first rename wins) and points the C library there.
bool compileLocale() {
  namespace fs = std::filesystem;
  const fs::path folder = NV_TEST_LOCALE_DIR;
  const fs::path target = folder / kLocale;
  std::error_code ec;
  if (!fs::exists(target, ec)) {
    fs::create_directories(folder, ec);
    const fs::path scratch = folder / ("building." + std::to_string(::getpid()));
    const std::string command =
        "localedef -c -i de_DE -f UTF-8 '" + scratch.string() + "' >/dev/null 2>&1";
    std::system(command.c_str());
    fs::rename(scratch, target, ec);
    fs::remove_all(scratch, ec);
  }
  ::setenv("LOCPATH", folder.c_str(), 1);
  return setlocale(LC_ALL, kLocale) != nullptr;
}

}  // namespace

DecimalCommaLocale::DecimalCommaLocale() {
  active_ = setlocale(LC_ALL, kLocale) != nullptr || compileLocale();
  active_ = active_ && decimalSignIsComma();
  if (!active_)
    ADD_FAILURE() << "no decimal-comma locale: install the 'locales' package (scripts/deps.sh)";
}

DecimalCommaLocale::~DecimalCommaLocale() {
  setlocale(LC_ALL, "C");
  ::unsetenv("LOCPATH");
}

}  // namespace nvtest
