// Texts that several model classes build alike.
#include "model/ItemTexts.h"

#include "model/WABSNote.h"
#include "model/dates/WDate.h"

namespace kinshelf {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string_view TrimmedBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string TrimBlanks(std::string_view text) {
  return std::string(TrimmedBlanks(text));
}

std::string NoteTextOf(const WABSNote* note) {
  return note == nullptr ? std::string() : note->GetText("\r\n");
}

std::string DateTextOf(const WDate* date) {
  return date == nullptr ? std::string() : date->DisplayText();
}

std::string JoinedPieces(std::string_view first, std::string_view second) {
  std::string text(first);
  if (!text.empty() && !second.empty()) text += ", ";
  return text += second;
}

}  // namespace kinshelf
