// A personal name: surname, given names, prefix and suffix, with citations and a note.
// Readers derive from it; every object a name returns is new and belongs to the caller.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/NameParts.h"

namespace kinshelf {

class WABSCitation;
class WABSNote;

class WABSName {
 public:
  WABSName() = default;
  WABSName(const WABSName&) = delete;
  WABSName& operator=(const WABSName&) = delete;
  virtual ~WABSName();

  // Virtual operations in this order. Texts are empty when absent.
  virtual std::string GetSurname() = 0;
  virtual std::string GetGivenNames() = 0;
  virtual std::string GetPrefix() = 0;
  virtual std::string GetSuffix() = 0;
  // Citation n (1-based), or nullptr.
  virtual std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) = 0;
  // The name's note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  // The count the reader stored with SetCitationCount (0 until then).
  std::int32_t CitationCount() const { return citationCount_; }
  // The numbered citation list ("1) ...", then "\r\n\r\n" n ") ..."); empty without citations.
  std::string CitationsText();
  // The note's lines joined with "\r\n"; empty without a note.
  std::string NoteText();
  // The four parts at once, as the four getters give them; readers that read them together
  // override it.
  virtual NameParts GetParts();

 protected:
  void SetCitationCount(std::int32_t count) { citationCount_ = count; }

 private:
  std::int32_t citationCount_ = 0;
};

}  // namespace kinshelf
