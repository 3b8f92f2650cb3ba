// The content condition of a file search: a phrase the file must contain, with or without regard to
// case, optionally as a whole word. Setting the phrase or the case flag prepares the comparison form
// of the phrase and the byte translation table that the content matcher uses.
#pragma once

#include <array>
#include <string>

namespace kinshelf {

class TContentCriteria {
 public:
  using Table = std::array<unsigned char, 256>;

  TContentCriteria();

  // The phrase; empty means no content test.
  const std::string& Phrase() const { return phrase_; }
  void SetPhrase(std::string phrase);
  // Default true: bytes are compared after lower-casing them with the user's case tables.
  bool IgnoreCase() const { return ignoreCase_; }
  void SetIgnoreCase(bool ignoreCase);
  // Default false: a match counts only between bytes that are not letters or digits.
  bool WholeWord() const { return wholeWord_; }
  void SetWholeWord(bool wholeWord) { wholeWord_ = wholeWord; }

  // The phrase as compared: every byte passed through Translation().
  const std::string& Pattern() const { return pattern_; }
  // Lower-casing table when ignoring case, identity otherwise.
  const Table& Translation() const { return translation_; }

 private:
  void Prepare();

  std::string phrase_;
  bool ignoreCase_ = true;
  bool wholeWord_ = false;
  std::string pattern_;
  Table translation_{};
};

}  // namespace kinshelf
