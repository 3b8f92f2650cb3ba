// What the PAF 3, 4 and 5 collections share: the mapped file, the index tables that hide deleted
// individuals, the counts, and the services the record readers use (records by type and number,
// texts by text link, notes and citation chains). Each version's collection adds its header rows,
// its submitter and its individuals. One thread at a time, but for concurrent reads of individuals
// (see WABSCollection::PrepareConcurrentReads), which need no preparing here.
//
// States:
//  1. Created: the file is mapped and its container checked (WPAFMMF); counts are 0 and individual
//     getters give nullptr.
//  2. Loaded: the index tables hold every live individual: index i (from 1) is the i-th RIN that is
//     not on the deleted chain. Marriages, notes and sources keep their record numbers as indexes.
//  3. Objects handed out read the mapping and must be freed before the collection. Every so many
//     individuals handed out, the pages read so far are released (they are read again when needed),
//     so that walking every individual of a file larger than memory needs stays lean.
// A damaged item reads as absent (see WPAFMMF); a file shortened by another program while it is read
// makes Load and the record getters throw std::runtime_error "PATH: the file changed while it was
// being read".
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/WABSCollection.h"
#include "paf/PafRecord.h"
#include "paf/PafRecordFields.h"
#include "paf/WPAFMMF.h"
#include "platform/LargeBlocks.h"

namespace kinshelf {

class WABSCitation;
class WPAFIndividual;
class WDate;

class WPAFCollection : public WABSCollection {
 public:
  ~WPAFCollection() override;

  std::int32_t CountIndividuals() override;
  std::string GetFileSizeText() override;
  std::string GetFileDateText() override;
  std::unique_ptr<WABSIndividual> GetIndividual(std::int32_t index) override;
  // One object pointed at each individual in turn.
  void ForEachIndividual(std::int32_t first, std::int32_t last,
                         const std::function<void(WABSIndividual&)>& visit) override;
  // Deleted marriages too; nullptr beyond the header's count, whatever the blocks hold.
  std::unique_ptr<WABSMarriage> GetMarriage(std::int32_t index) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSNote> GetNote(std::int32_t index) override;
  std::unique_ptr<WABSSource> GetSource(std::int32_t index) override;
  std::unique_ptr<WABSRepo> GetRepo(std::int32_t index) override;
  std::int32_t IndividualCount() override;
  // As the header stores them: deleted marriages count.
  std::int32_t MarriageCount() override;
  std::int32_t NoteCount() override;
  std::int32_t SourceCount() override;
  std::string GetHeaderText() override;
  std::string GetExtraText() override;
  std::int32_t IndexToRIN(std::int32_t index) override;
  // -1 for a deleted RIN, 0 for one beyond the header's count.
  std::int32_t RINToIndex(std::int32_t rin) override;
  bool Load() override;
  // Blocks past the end of the file: one cut short.
  std::string LoadDamage() const override;
  // The text read as a RIN in decimal.
  std::int32_t FindIndividual(std::string_view id) override;

  // For the record readers.
  const paf::RecordFields& Fields() const { return fields_; }
  const WPAFMMF& File() const { return file_; }
  // Record `number` of a type; one that doesn't exist when it can't be located.
  PafRecord Record(int type, std::int32_t number) const;
  // The bytes at a file offset, at most `size` of them: fewer at the end of the file; one that
  // doesn't exist for an offset below 1 or past the end.
  PafRecord RecordAt(std::int64_t offset, std::size_t size) const;
  // The text of a text link; empty for 0, -1 or a link outside the file.
  std::string Text(std::int32_t link) const;
  // The same text as a view of the mapping.
  std::string_view TextView(std::int32_t link) const;
  // The same for the texts the version keeps in ANSEL (PAF 4's event names and descriptions).
  std::string EventText(std::int32_t link) const;
  // The note whose first piece is `firstPiece`, one line per carriage return; empty for 0 or -1.
  std::unique_ptr<WABSNote> Note(std::int32_t firstPiece) const;
  // The citation numbers of a chain from its first citation.
  std::vector<std::int32_t> CitationChain(std::int32_t first) const { return file_.CitationChain(first); }
  // The date of an event or ordinance structure (a packed date of `width` bytes at its start);
  // nullptr when its first four bytes are zero or it holds no date.
  std::unique_ptr<WDate> PackedDate(const PafRecord& structure, std::size_t width) const;
  // The display text of that date; empty without one. A listing needs no date object for it.
  std::string PackedDateText(const PafRecord& structure, std::size_t width) const;
  // The place of an event structure: the texts of its place links joined with ", ".
  std::string EventPlaceText(const PafRecord& event) const;
  // The same place appended to `text`.
  void AppendEventPlaceText(const PafRecord& event, std::string& text) const;
  // The texts of the links at `offsets` in a record, those that are there, joined with ", ".
  std::string JoinedTexts(const PafRecord& record, std::span<const std::size_t> offsets) const;
  void AppendJoinedTexts(const PafRecord& record, std::span<const std::size_t> offsets,
                         std::string& text) const;
  // Citation `number`, or nullptr when it can't be located.
  std::unique_ptr<WABSCitation> Citation(std::int32_t number);
  // The header's 32-bit number at `offset`.
  std::int32_t HeaderNumber(std::size_t offset) const;
  std::int32_t DeletedIndividuals() const { return deletedIndividuals_; }
  std::int32_t DeletedMarriages() const { return deletedMarriages_; }
  bool Loaded() const { return loaded_; }

 protected:
  // Maps the file and takes the record layouts of the version its signature names. Throws WMMFError
  // when it can't be mapped and std::runtime_error naming the file when it isn't a usable PAF file.
  WPAFCollection(std::string fileName, const WOptions& options);
  // Throws std::runtime_error naming the file unless it is of one of the versions (300, 400, 500).
  void RequireVersion(std::initializer_list<int> versions) const;

  // A new individual of the version over its record.
  virtual std::unique_ptr<WPAFIndividual> MakeIndividual(std::int32_t index, std::int32_t rin,
                                                         PafRecord record) = 0;
  // Asks for the text records an individual's name is read from first to be brought into the cache
  // (see ForEachIndividual). Base: none.
  virtual void PrefetchNameText(const PafRecord& individual) const;

 private:
  std::optional<WDate> ReadPackedDate(const PafRecord& structure, std::size_t width) const;
  // The highest RIN the header gives, but no more than the file's individual records can hold.
  std::int32_t HighestRin() const;
  // The RINs of the deleted individuals' chain, as far as the version reads it.
  std::vector<std::int32_t> DeletedIndividualChain() const;
  void RequireNoLostPages() const;
  // Releases the mapping's pages when individual `index` is handed out; see States 3.
  void ReleasePagesAt(std::int32_t index) const;
  // The file offset of individual `index`'s record; 0 when it can't be located.
  std::int64_t LocateIndividual(std::int32_t index) const;

  WPAFMMF file_;
  const paf::RecordFields& fields_;
  std::int32_t deletedIndividuals_ = 0;
  std::int32_t deletedMarriages_ = 0;
  // Four bytes per individual each, filled once while loading: in huge pages, a few faults.
  using Numbers = std::vector<std::int32_t, platform::LargeBlockAllocator<std::int32_t>>;
  Numbers indexToRin_;  // by index - 1
  Numbers rinToIndex_;  // by RIN; -1 deleted
  bool loaded_ = false;
};

}  // namespace kinshelf
