// A source record: author, title, publication facts, its notes and its repository.
// Readers derive from it; every object a source returns is new and belongs to the caller.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kinshelf {

class WABSNote;

class WABSSource {
 public:
  WABSSource() = default;
  WABSSource(const WABSSource&) = delete;
  WABSSource& operator=(const WABSSource&) = delete;
  virtual ~WABSSource();

  // Virtual operations in this order. Texts are empty when absent.
  // Index of the source's repository in the collection, 0 for none.
  virtual std::int32_t GetRepoIndex() = 0;
  virtual std::string GetAuthor() = 0;
  virtual std::string GetTitle() = 0;
  virtual std::string GetPublication() = 0;
  virtual std::string GetCallNumber() = 0;
  virtual std::string GetAbbreviation() = 0;
  // The source's note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() = 0;
  // The source's quoted text as a note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetTextNote() = 0;
  // The raw record as text. Base: empty.
  virtual std::string GetRecordText();
  // The note to show beside the source. Base: GetNote().
  virtual std::unique_ptr<WABSNote> GetDisplayNote();
  virtual bool HasNote() = 0;
  virtual bool HasText() = 0;
  virtual bool HasRepo() = 0;
  // Author, title, publication, call number and abbreviation on one line: each non-empty one with
  // its line feeds removed and carriage returns made blanks, joined by ", ".
  virtual std::string GetFullText();
};

}  // namespace kinshelf
