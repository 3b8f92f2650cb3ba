// Decoding ANSEL text to UTF-8: what each byte stands for, and the composing of a letter with the
// marks written before it.
#include "text/AnselUtf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "text/AnselTables.h"
#include "text/Utf8.h"

namespace kinshelf {

namespace {

// What a run of marks with no letter is shown on: Unicode's convention for a mark on its own, which
// keeps it visible without joining it to a neighbour.
constexpr char32_t kNoBreakSpace = 0x00A0;
constexpr char32_t kReplacement = 0xFFFD;

struct PendingMark {
  char32_t codePoint;
  std::uint8_t combiningClass;
};

// What each byte does, looked up once per byte instead of searching the tables.
struct ByteRoles {
  std::array<char32_t, 256> codePoint{};      // what the byte stands for; U+FFFD when undefined
  std::array<std::uint8_t, 256> markClass{};  // a mark's combining class; 0 for every other byte
  std::array<bool, 256> takesMarks{};         // a letter that the marks before it belong to
};

std::uint8_t CombiningClass(char32_t mark) {
  const auto classes = AnselCombiningClasses();
  const auto found =
      std::lower_bound(classes.begin(), classes.end(), mark,
                       [](const CombiningMark& row, char32_t key) { return row.codePoint < key; });
  return found != classes.end() && found->codePoint == mark ? found->combiningClass : 0;
}

ByteRoles MakeByteRoles() {
  ByteRoles roles;
  for (std::size_t byte = 0; byte < 256; ++byte) {
    roles.codePoint[byte] = byte < 0x80 ? static_cast<char32_t>(byte) : kReplacement;
    roles.takesMarks[byte] = byte > ' ' && byte < 0x7F;
  }
  for (const AnselCharacter& row : AnselSpacingCodePoints()) {
    roles.codePoint[row.byte] = row.codePoint;
    roles.takesMarks[row.byte] = true;
  }
  for (const AnselCharacter& row : AnselMarkCodePoints()) {
    roles.codePoint[row.byte] = row.codePoint;
    roles.markClass[row.byte] = CombiningClass(row.codePoint);
  }
  return roles;
}

const ByteRoles& Roles() {
  static const ByteRoles roles = MakeByteRoles();
  return roles;
}

// The precomposed character of base and mark, or 0 when Unicode has none.
char32_t Compose(char32_t base, char32_t mark) {
  const auto compositions = AnselCompositions();
  const auto found =
      std::lower_bound(compositions.begin(), compositions.end(), MarkComposition{base, mark, 0},
                       [](const MarkComposition& a, const MarkComposition& b) {
                         return a.base != b.base ? a.base < b.base : a.mark < b.mark;
                       });
  return found != compositions.end() && found->base == base && found->mark == mark ? found->composed : 0;
}

// Appends base with its marks in NFC. The marks come in as written and are left in canonical order,
// less those composed into the letter.
void AppendComposed(std::string& out, char32_t base, std::vector<PendingMark>& marks) {
  // O and U with horn take part as the letter and its horn, so that other marks order around it.
  for (const MarkComposition& row : AnselDecompositions()) {
    if (row.composed != base) continue;
    base = row.base;
    marks.insert(marks.begin(), PendingMark{row.mark, CombiningClass(row.mark)});
    break;
  }
  std::stable_sort(marks.begin(), marks.end(), [](const PendingMark& a, const PendingMark& b) {
    return a.combiningClass < b.combiningClass;
  });
  std::size_t kept = 0;
  std::uint8_t keptClass = 0;  // the class of the last mark left standing; 0 while there is none
  for (std::size_t i = 0; i < marks.size(); ++i) {
    // A mark left standing with the same class blocks this one from the letter.
    if (keptClass < marks[i].combiningClass) {
      if (const char32_t composed = Compose(base, marks[i].codePoint); composed != 0) {
        base = composed;
        continue;
      }
    }
    keptClass = marks[i].combiningClass;
    marks[kept++] = marks[i];
  }
  AppendUtf8(out, base);
  for (std::size_t i = 0; i < kept; ++i) AppendUtf8(out, marks[i].codePoint);
}

}  // namespace

std::string AnselToUtf8(std::string_view ansel) {
  const ByteRoles& roles = Roles();
  const auto at = [ansel](std::size_t i) { return static_cast<unsigned char>(ansel[i]); };
  std::string out;
  out.reserve(ansel.size());
  std::vector<PendingMark> marks;
  for (std::size_t i = 0; i < ansel.size();) {
    const unsigned char byte = at(i);
    if (byte < 0x80) {
      out += static_cast<char>(byte);
      ++i;
    } else if (roles.markClass[byte] == 0) {
      AppendUtf8(out, roles.codePoint[byte]);
      ++i;
    } else {
      marks.clear();
      for (; i < ansel.size() && roles.markClass[at(i)] != 0; ++i)
        marks.push_back({roles.codePoint[at(i)], roles.markClass[at(i)]});
      char32_t base = kNoBreakSpace;
      if (i < ansel.size() && roles.takesMarks[at(i)]) base = roles.codePoint[at(i++)];
      AppendComposed(out, base, marks);
    }
  }
  return out;
}

}  // namespace kinshelf
