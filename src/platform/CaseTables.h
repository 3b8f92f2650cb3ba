// Upper- and lower-case forms of every byte under a locale's character classes.
// A CaseTables never changes once built, so one object may be read from any number of threads.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kinshelf::platform {

class CaseTables {
 public:
  // The tables of the locale named (as for newlocale; "" names the user's LC_CTYPE locale from the
  // environment). A locale that cannot be loaded gives the tables of the C locale: only ASCII letters
  // change case. In a UTF-8 locale only bytes below 0x80 change case too, since a lone byte of 0x80 or
  // above is no character there; in a single-byte locale every letter of its code page does.
  explicit CaseTables(const std::string& localeName);

  // The tables of the user's locale, built on first use (safely if several threads ask at once) and
  // kept for the rest of the run.
  static const CaseTables& User();

  unsigned char Upper(unsigned char c) const { return upper_[c]; }
  unsigned char Lower(unsigned char c) const { return lower_[c]; }

  // The text with every byte mapped through Upper or Lower.
  std::string UpperCase(std::string_view text) const;
  std::string LowerCase(std::string_view text) const;

 private:
  using Table = std::array<unsigned char, 256>;
  static std::string Mapped(std::string_view text, const Table& table);

  Table upper_{};
  Table lower_{};
};

}  // namespace kinshelf::platform
