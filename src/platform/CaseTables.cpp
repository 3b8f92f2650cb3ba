// Upper- and lower-case forms of every byte under a locale's character classes.
#include "platform/CaseTables.h"

#include <ctype.h>
#include <langinfo.h>
#include <locale.h>

#include <cstring>

namespace kinshelf::platform {

namespace {

// Owns a locale object for the length of a constructor.
class LocaleHandle {
 public:
  explicit LocaleHandle(const std::string& name)
      : locale_(newlocale(LC_CTYPE_MASK, name.c_str(), static_cast<locale_t>(0))) {}
  ~LocaleHandle() {
    if (Loaded()) freelocale(locale_);
  }
  LocaleHandle(const LocaleHandle&) = delete;
  LocaleHandle& operator=(const LocaleHandle&) = delete;

  bool Loaded() const { return locale_ != static_cast<locale_t>(0); }
  locale_t Get() const { return locale_; }

 private:
  locale_t locale_;
};

bool IsUtf8(locale_t locale) {
  const char* codeset = nl_langinfo_l(CODESET, locale);
  return codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0;
}

unsigned char AsciiUpper(int c) {
  return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

unsigned char AsciiLower(int c) {
  return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

}  // namespace

CaseTables::CaseTables(const std::string& localeName) {
  const LocaleHandle locale(localeName);
  // Only a single-byte locale may say what the bytes from 0x80 on are; elsewhere they stay as they are.
  const int localeLimit = locale.Loaded() && !IsUtf8(locale.Get()) ? 256 : 128;
  for (int c = 0; c < 256; ++c) {
    const bool byLocale = locale.Loaded() && c < localeLimit;
    upper_[c] = byLocale ? static_cast<unsigned char>(toupper_l(c, locale.Get())) : AsciiUpper(c);
    lower_[c] = byLocale ? static_cast<unsigned char>(tolower_l(c, locale.Get())) : AsciiLower(c);
  }
}

const CaseTables& CaseTables::User() {
  static const CaseTables tables("");
  return tables;
}

std::string CaseTables::UpperCase(std::string_view text) const {
  return Mapped(text, upper_);
}

std::string CaseTables::LowerCase(std::string_view text) const {
  return Mapped(text, lower_);
}

std::string CaseTables::Mapped(std::string_view text, const Table& table) {
  std::string mapped(text);
  for (char& c : mapped) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return mapped;
}

}  // namespace kinshelf::platform
