// What the GEDCOM record objects read from their collection: the mapped text, the indexes Load
// builds, the character set the texts are converted from, and the collection as a genealogy model
// for the records one record leads to. Owned by the collection; one thread at a time but
// for the concurrent reads of individuals the collection may allow. The context only
// refers: its constness does not reach the collection or the indexes, which the records read
// lazily and sort on demand.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomValues.h"
#include "gedcom/WGEDTextMMF.h"
#include "model/WABSCollection.h"

namespace kinshelf {

struct GedcomIndexes;

class GedcomRecordContext {
 public:
  // Refers to what the collection owns: itself, its mapped text and the slot its indexes go into
  // when it loads. All three must outlive the context; the collection's own context is valid for
  // the life of the collection.
  // `link` builds the links of an individual or a family when they are not built yet;
  // `orderSpouses` puts an individual's spouse families in their order when they are not yet.
  GedcomRecordContext(WABSCollection& collection, const WGEDTextMMF& text,
                      const std::unique_ptr<GedcomIndexes>& indexes,
                      std::function<void(gedcom::Category, std::int32_t)> link,
                      std::function<void(std::int32_t)> orderSpouses)
      : collection_(collection),
        text_(text),
        indexes_(indexes),
        link_(std::move(link)),
        orderSpouses_(std::move(orderSpouses)) {}
  GedcomRecordContext(const GedcomRecordContext&) = delete;
  GedcomRecordContext& operator=(const GedcomRecordContext&) = delete;

  // The collection as a model, for the notes, sources and repositories a record points to.
  WABSCollection& Collection() const { return collection_; }
  // The mapped text, valid for the life of the collection.
  const WGEDTextMMF& Text() const { return text_; }
  // The indexes built by Load; nullptr before.
  GedcomIndexes* Indexes() const { return indexes_.get(); }
  // The same with the links of an individual or a family built.
  GedcomIndexes* LinkedIndexes(gedcom::Category category, std::int32_t record) const {
    link_(category, record);
    return indexes_.get();
  }
  // The linked indexes with `individual`'s spouse families in their order.
  GedcomIndexes* SpouseOrderedIndexes(std::int32_t individual) const {
    orderSpouses_(individual);
    return indexes_.get();
  }

  // A text of the file in the collection's Encoding().
  std::string ConvertText(std::string_view text) const {
    return gedcom::ConvertText(collection_.CharacterSet(), text);
  }
  // A raw record text in the collection's Encoding(), with CR LF line breaks where the file uses LF.
  std::string ConvertRecordText(std::string_view text) const;
  // The date of the DATE line at `line` into `date` when that is still empty; its text is converted
  // from ANSEL only in an ANSEL file, as every other text is.
  void ReadDate(std::unique_ptr<WDate>& date, const char* line) const {
    text_.ReadDate(date, line, collection_.CharacterSet() == gedcom::kCharSetAnsel);
  }
  // The display text of that date, for a listing that needs no date object; empty without a DATE
  // line.
  std::string DateTextAt(const char* line) const {
    return text_.DateTextAt(line, collection_.CharacterSet() == gedcom::kCharSetAnsel);
  }

  // The number of records of a category; 0 before Load.
  std::int32_t Count(gedcom::Category category) const;
  // The position of record `index` of a category, or nullptr when there is no such record.
  const char* RecordPosition(gedcom::Category category, std::int32_t index) const;

 private:
  WABSCollection& collection_;
  const WGEDTextMMF& text_;
  const std::unique_ptr<GedcomIndexes>& indexes_;
  std::function<void(gedcom::Category, std::int32_t)> link_;
  std::function<void(std::int32_t)> orderSpouses_;
};

}  // namespace kinshelf
