// A source record of a PAF file.
#include "paf/WPAFSource.h"

#include "model/WABSNote.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

WPAFSource::WPAFSource(WPAFCollection& collection, std::int32_t number)
    : collection_(collection),
      record_(collection.Record(paf::kSourceType, number)),
      extension_(collection.Record(paf::kSourceExtensionType, number)) {}

std::int32_t WPAFSource::GetRepoIndex() {
  return record_.Int32(collection_.Fields().source.repository);
}

std::string WPAFSource::GetAuthor() {
  return record_.Text(collection_.Fields().source.author);
}

std::string WPAFSource::GetTitle() {
  return record_.Text(collection_.Fields().source.title);
}

std::string WPAFSource::GetPublication() {
  return record_.Text(collection_.Fields().source.publication);
}

std::string WPAFSource::GetCallNumber() {
  return record_.Text(collection_.Fields().source.callNumber);
}

std::string WPAFSource::GetAbbreviation() {
  return {};
}

std::unique_ptr<WABSNote> WPAFSource::GetNote() {
  if (!record_.Exists()) return nullptr;
  return collection_.Note(record_.Int32(collection_.Fields().source.note));
}

const PafRecord& WPAFSource::TextNoteRecord() const {
  return collection_.Fields().source.textNote == paf::kMissing ? extension_ : record_;
}

std::size_t WPAFSource::TextNoteField() const {
  const auto& fields = collection_.Fields();
  return fields.source.textNote == paf::kMissing ? fields.extension.sourceTextNote : fields.source.textNote;
}

std::unique_ptr<WABSNote> WPAFSource::GetTextNote() {
  if (!TextNoteRecord().Exists()) return nullptr;
  return collection_.Note(TextNoteRecord().Int32(TextNoteField()));
}

bool WPAFSource::HasNote() {
  return record_.HasLink(collection_.Fields().source.note);
}

bool WPAFSource::HasText() {
  return TextNoteRecord().HasLink(TextNoteField());
}

bool WPAFSource::HasRepo() {
  return record_.HasLink(collection_.Fields().source.repository);
}

}  // namespace kinshelf
