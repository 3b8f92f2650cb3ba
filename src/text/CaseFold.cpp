// Letter case without regard to the user's locale.
#include "text/CaseFold.h"

#include <locale.h>
#include <wctype.h>

#include "text/Utf8.h"

namespace kinshelf {

namespace {

// The C.UTF-8 locale knows the case of every Unicode letter whatever the user's locale is; without
// it only ASCII letters fold.
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return locale;
}

// ASCII letters map without the locale, every other character through it.
char32_t MapCase(char32_t character, bool upper) {
  if (character < 0x80) {
    if (upper) return character >= 'a' && character <= 'z' ? character - ('a' - 'A') : character;
    return character >= 'A' && character <= 'Z' ? character + ('a' - 'A') : character;
  }
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(nullptr)) return character;
  const auto wide = static_cast<wint_t>(character);
  return static_cast<char32_t>(upper ? towupper_l(wide, locale) : towlower_l(wide, locale));
}

}  // namespace

char32_t FoldCase(char32_t character) {
  return MapCase(character, false);
}

char32_t UpperCaseOf(char32_t character) {
  return MapCase(character, true);
}

std::u32string FoldedCharacters(std::string_view text) {
  constexpr char32_t kStrayByte = 0x110000;
  std::u32string characters;
  characters.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) {
      characters.push_back(kStrayByte + static_cast<unsigned char>(text[pos]));
      ++pos;
      continue;
    }
    characters.push_back(FoldCase(Utf8CodePoint(text, pos, length)));
    pos += length;
  }
  return characters;
}

std::string FoldedText(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 0) {
      folded += text[pos++];
      continue;
    }
    AppendUtf8(folded, FoldCase(Utf8CodePoint(text, pos, length)));
    pos += length;
  }
  return folded;
}

bool ContainsFolded(std::string_view text, std::string_view part) {
  return FoldedText(text).find(FoldedText(part)) != std::string::npos;
}

// The classic wildcard walk: on a mismatch after a "%", the text position the "%" stood for grows
// by one, so the walk takes at most pattern length times text length steps.
bool LikeFolded(std::string_view pattern, std::string_view text) {
  return LikeFolded(FoldedCharacters(pattern), text);
}

bool LikeFolded(std::u32string_view p, std::string_view text) {
  const std::u32string t = FoldedCharacters(text);
  std::size_t pi = 0, ti = 0;
  std::size_t starAt = p.size(), starText = 0;
  while (ti < t.size()) {
    if (pi < p.size() && p[pi] == U'%') {
      starAt = pi++;
      starText = ti;
    } else if (pi < p.size() && (p[pi] == U'_' || p[pi] == t[ti])) {
      ++pi;
      ++ti;
    } else if (starAt != p.size()) {
      pi = starAt + 1;
      ti = ++starText;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == U'%') ++pi;
  return pi == p.size();
}

}  // namespace kinshelf
