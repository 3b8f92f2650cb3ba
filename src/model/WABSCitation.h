// A citation of a source: the page or detail that supports a fact, with its note and its source.
// Readers derive from it; every object a citation returns is new and belongs to the caller.
#pragma once

#include <memory>
#include <string>

namespace kinshelf {

class WABSNote;
class WABSSource;

class WABSCitation {
 public:
  WABSCitation() = default;
  WABSCitation(const WABSCitation&) = delete;
  WABSCitation& operator=(const WABSCitation&) = delete;
  virtual ~WABSCitation();

  // Virtual operations in this order.
  // The page or detail text; empty when absent.
  virtual std::string GetDetailText() = 0;
  // The citation's own note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() = 0;
  // The cited source, or nullptr.
  virtual std::unique_ptr<WABSSource> GetSource() = 0;

  // The detail text; then ", " (only after text) and the note's lines joined with "\r\n"; then
  // ", " (only after text) and the source's full text, followed by ", " and the source's note when
  // it has one. A note without lines counts as none.
  std::string CitationText();
};

}  // namespace kinshelf
