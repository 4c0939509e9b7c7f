#include "platform/text.h"

#include <locale.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

namespace nv {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};

// ICU's "windows-932" table: Shift-JIS with the Windows extensions, 0x5C = '\'.
UConverter* cp932Converter() {
  thread_local std::unique_ptr<UConverter, ConverterCloser> conv = [] {
    UErrorCode err = U_ZERO_ERROR;
    UConverter* c = ucnv_open("windows-932", &err);
    if (U_FAILURE(err)) c = nullptr;
    if (c) {
      UErrorCode e2 = U_ZERO_ERROR;
      ucnv_setSubstChars(c, "?", 1, &e2);
    }
    return std::unique_ptr<UConverter, ConverterCloser>(c);
  }();
  return conv.get();
}

}  // namespace

// CP932 without the escapes of file-system names (see paths.h).
static std::u16string plainCp932ToUtf16(std::string_view cp932) {
  if (cp932.empty()) return {};
  UConverter* conv = cp932Converter();
  if (!conv) return {};
  ucnv_reset(conv);
  std::u16string out(cp932.size() + 1, u'\0');
  UErrorCode err = U_ZERO_ERROR;
  int32_t n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()), int32_t(out.size()),
                            cp932.data(), int32_t(cp932.size()), &err);
  if (err == U_BUFFER_OVERFLOW_ERROR) {
    out.assign(size_t(n) + 1, u'\0');
    err = U_ZERO_ERROR;
    ucnv_reset(conv);
    n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()), int32_t(out.size()), cp932.data(),
                      int32_t(cp932.size()), &err);
  }
  if (U_FAILURE(err)) return {};
  out.resize(size_t(n));
  return out;
}

// The JIS forms of characters that CP932 holds under another code point.
static char16_t cp932Equivalent(char16_t c) {
  switch (c) {
    case u'\u301C':
      return u'\uFF5E';  // wave dash -> 81 60
    case u'\u2212':
      return u'\uFF0D';  // minus -> 81 7C
    case u'\u2016':
      return u'\u2225';  // double vertical line -> 81 61
    case u'\u2014':
      return u'\u2015';  // em dash -> 81 5C
    case u'\u00A5':
      return u'\\';  // yen -> 5C
    case u'\u00A2':
      return u'\uFFE0';  // cent -> 81 91
    case u'\u00AC':
      return u'\uFFE2';  // not -> 81 CA
    default:
      return c;
  }
}

std::string utf16ToCp932(std::u16string_view original) {
  if (original.empty()) return {};
  std::u16string mapped(original);
  for (char16_t& c : mapped) c = cp932Equivalent(c);
  const std::u16string_view utf16 = mapped;
  UConverter* conv = cp932Converter();
  if (!conv) return {};
  ucnv_reset(conv);
  std::string out(utf16.size() * 2 + 1, '\0');
  UErrorCode err = U_ZERO_ERROR;
  int32_t n =
      ucnv_fromUChars(conv, out.data(), int32_t(out.size()),
                      reinterpret_cast<const UChar*>(utf16.data()), int32_t(utf16.size()), &err);
  if (err == U_BUFFER_OVERFLOW_ERROR) {
    out.assign(size_t(n) + 1, '\0');
    err = U_ZERO_ERROR;
    ucnv_reset(conv);
    n = ucnv_fromUChars(conv, out.data(), int32_t(out.size()),
                        reinterpret_cast<const UChar*>(utf16.data()), int32_t(utf16.size()), &err);
  }
  if (U_FAILURE(err)) return {};
  out.resize(size_t(n));
  return out;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
  std::u16string out(utf8.size() + 1, u'\0');
  int32_t n = 0;
  UErrorCode err = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), int32_t(out.size()), &n, utf8.data(),
                       int32_t(utf8.size()), 0xFFFD, nullptr, &err);
  if (U_FAILURE(err)) return {};
  out.resize(size_t(n));
  return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
  std::string out(utf16.size() * 3 + 1, '\0');
  int32_t n = 0;
  UErrorCode err = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), int32_t(out.size()), &n,
                     reinterpret_cast<const UChar*>(utf16.data()), int32_t(utf16.size()), 0xFFFD,
                     nullptr, &err);
  if (U_FAILURE(err)) return {};
  out.resize(size_t(n));
  return out;
}

namespace {
int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

size_t escapedByteAt(std::string_view text, size_t i, unsigned char& byte) {
  if (i + 2 >= text.size() || static_cast<unsigned char>(text[i]) != kPathEscape) return 0;
  const int high = hexDigit(text[i + 1]), low = hexDigit(text[i + 2]);
  if (high < 0 || low < 0) return 0;
  byte = static_cast<unsigned char>(high * 16 + low);
  return 3;
}

std::u16string cp932ToUtf16(std::string_view cp932) {
  if (cp932.find(char(kPathEscape)) == std::string_view::npos) return plainCp932ToUtf16(cp932);
  // A path holding a name CP932 cannot: the escaped bytes are the name's UTF-8.
  std::u16string out;
  size_t run = 0;
  for (size_t i = 0; i < cp932.size();) {
    unsigned char byte = 0;
    if (escapedByteAt(cp932, i, byte) == 0) {
      i += isCp932LeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
      continue;
    }
    out += plainCp932ToUtf16(cp932.substr(run, i - run));
    std::string raw;
    while (escapedByteAt(cp932, i, byte)) {
      raw += char(byte);
      i += 3;
    }
    out += utf8ToUtf16(raw);
    run = i;
  }
  out += plainCp932ToUtf16(cp932.substr(std::min(run, cp932.size())));
  return out;
}

std::string utf8ToCp932(std::string_view utf8) { return utf16ToCp932(utf8ToUtf16(utf8)); }
std::string cp932ToUtf8(std::string_view cp932) { return utf16ToUtf8(cp932ToUtf16(cp932)); }
std::string sj(std::string_view utf8) { return utf8ToCp932(utf8); }

namespace {
// Japanese collation of two UTF-16 texts; plain code-unit order when ICU has no collator.
int collateJa(const std::u16string& a, const std::u16string& b) {
  thread_local std::unique_ptr<icu::Collator> collator = [] {
    UErrorCode err = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> c(
        icu::Collator::createInstance(icu::Locale::getJapanese(), err));
    if (U_FAILURE(err)) return std::unique_ptr<icu::Collator>();
    // Japanese tells hiragana from katakana only at the fourth level.
    c->setStrength(icu::Collator::QUATERNARY);
    return c;
  }();
  if (!collator) return a.compare(b);
  UErrorCode err = U_ZERO_ERROR;
  UCollationResult r =
      collator->compare(reinterpret_cast<const UChar*>(a.data()), int32_t(a.size()),
                        reinterpret_cast<const UChar*>(b.data()), int32_t(b.size()), err);
  return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}
}  // namespace

int compareJa(std::string_view a, std::string_view b) {
  // Case is folded first, so "Ａ" and "ａ" compare equal while kana type and width still count.
  auto fold = [](std::string_view s) {
    std::u16string u = cp932ToUtf16(s);
    std::u16string out(u.size() * 3 + 1, u'\0');
    UErrorCode err = U_ZERO_ERROR;
    int32_t n = u_strFoldCase(reinterpret_cast<UChar*>(out.data()), int32_t(out.size()),
                              reinterpret_cast<const UChar*>(u.data()), int32_t(u.size()),
                              U_FOLD_CASE_DEFAULT, &err);
    if (U_FAILURE(err)) return u;
    out.resize(size_t(n));
    return out;
  };
  return collateJa(fold(a), fold(b));
}

int compareJaCaseSensitive(std::string_view a, std::string_view b) {
  return collateJa(cp932ToUtf16(a), cp932ToUtf16(b));
}

bool isCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

size_t findAtCharacterStart(std::string_view text, std::string_view needle) {
  if (needle.size() > text.size()) return std::string_view::npos;
  for (size_t i = 0; i + needle.size() <= text.size();) {
    if (text.compare(i, needle.size(), needle) == 0) return i;
    i += isCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return std::string_view::npos;
}

std::string shortestDecimal(double value) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

namespace {
// Switches the calling thread to the C locale for the lifetime of the object.
class CLocaleScope {
 public:
  CLocaleScope() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    previous_ = c ? uselocale(c) : locale_t(0);
  }
  ~CLocaleScope() {
    if (previous_) uselocale(previous_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_ = locale_t(0);
};
}  // namespace

std::string cformat(const char* format, ...) {
  CLocaleScope cLocale;
  va_list args;
  va_start(args, format);
  char small[256];
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  std::string out;
  if (n < 0) {
    va_end(args);
    return out;
  }
  if (size_t(n) < sizeof small) {
    out.assign(small, size_t(n));
  } else {
    out.resize(size_t(n) + 1);
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(size_t(n));
  }
  va_end(args);
  return out;
}

}  // namespace nv
