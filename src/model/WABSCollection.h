// One opened genealogy file, read lazily and never written. Each reader (GEDCOM, PAF) derives from
// it and answers the virtual operations from its file; the shared operations below are built on
// those answers. Used from one thread at a time, but for the concurrent reads of individuals that
// PrepareConcurrentReads allows.
//
// Ownership: every object a collection returns is new and belongs to the caller; items keep a
// reference to their collection, so the collection must outlive them. A reader keeps its indexes,
// tables and mapped file as members of its own class and frees them in its own destructor.
//
// Indexes of individuals, marriages, notes, sources and repositories are 1-based; 0 means none. An
// out-of-range index gives nullptr, 0 or empty text in every shared operation, never an exception.
//
// Texts are 8-bit strings in the encoding Encoding() names; the collection never converts them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/CollectionKind.h"
#include "model/GenHeaderRec.h"
#include "model/TextEncoding.h"

namespace kinshelf {

class WABSIndividual;
class WABSLDSEvent;
class WABSMarriage;
class WABSNote;
class WABSRepo;
class WABSSource;
class WABSSubmitter;
class WOptions;

// A visitor of individuals made while a file loads (see WABSCollection::LoadWhileVisiting).
using EarlyVisit = std::function<bool(WABSIndividual&)>;

class WABSCollection {
 public:
  // What CharacterSet() tells: the character set a GEDCOM header declares.
  static constexpr std::uint8_t kCharSetOther = 0;
  static constexpr std::uint8_t kCharSetAnsel = 1;
  static constexpr std::uint8_t kCharSetUtf8 = 2;
  // Relation codes 0 to 36: six kinds of parent and child, each natural, adopted, step, god,
  // foster and other.
  static constexpr std::array<std::string_view, 37> kRelationNames{
      "Unknown",    "Father",     "Father-Ado", "Father-Ste", "Father-God", "Father-Fst", "Father-Oth",
      "Mother",     "Mother-Ado", "Mother-Ste", "Mother-God", "Mother-Fst", "Mother-Oth", "Parent",
      "Parent-Ado", "Parent-Ste", "Parent-God", "Parent-Fst", "Parent-Oth", "Son",        "Son-Ado",
      "Son-Ste",    "Son-God",    "Son-Fst",    "Son-Oth",    "Daughter",   "Dau-Ado",    "Dau-Ste",
      "Dau-God",    "Dau-Fst",    "Dau-Oth",    "Child",      "Child-Ado",  "Child-Ste",  "Child-God",
      "Child-Fst",  "Child-Oth"};

  // Keeps the path and a reference to the settings, which must outlive the collection. Kind kBase,
  // character set ANSEL, reader marker 0, no display order.
  WABSCollection(std::string filePath, const WOptions& options);
  WABSCollection(const WABSCollection&) = delete;
  WABSCollection& operator=(const WABSCollection&) = delete;
  virtual ~WABSCollection();

  // Virtual operations in this order. Queries are not const: readers sort indexes and fill caches
  // lazily.
  // The number of individual records; may be a quick scan that builds no index (instead of Load).
  virtual std::int32_t CountIndividuals() = 0;
  // Flushes the mapped file. Base: nothing.
  virtual void FlushFile() {}
  // The file size as display text.
  virtual std::string GetFileSizeText() = 0;
  // The file's last-modified time as "dd mmm yyyy, h:mm AM/PM"; empty when it can't be read.
  virtual std::string GetFileDateText() = 0;
  // Runs after a successful Load. Base: nothing.
  virtual void LinkRecords() {}
  // A new individual, or nullptr for 0 or an index beyond IndividualCount().
  virtual std::unique_ptr<WABSIndividual> GetIndividual(std::int32_t index) = 0;
  // Makes ready, after Load, what reading individuals fills lazily, so that several threads may
  // then get individuals and read their names, events and places at once, each with objects of its
  // own, while nothing else uses the collection. It is meant for a pass over all individuals: what a
  // reader keeps of an individual for later reads may be kept no longer. Base: nothing.
  virtual void PrepareConcurrentReads() {}
  // Calls visit(individual) for each individual from `first` to `last` that GetIndividual gives, in
  // order. The object lives only for the call; a reader may point one object at each in turn.
  // Base: an object from GetIndividual for each.
  virtual void ForEachIndividual(std::int32_t first, std::int32_t last,
                                 const std::function<void(WABSIndividual&)>& visit);
  // A new marriage, or nullptr for 0 or an index beyond MarriageCount().
  virtual std::unique_ptr<WABSMarriage> GetMarriage(std::int32_t index) = 0;
  // The file's submitter, or nullptr.
  virtual std::unique_ptr<WABSSubmitter> GetSubmitter() = 0;
  // A note, source or repository record, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote(std::int32_t index) = 0;
  virtual std::unique_ptr<WABSSource> GetSource(std::int32_t index) = 0;
  virtual std::unique_ptr<WABSRepo> GetRepo(std::int32_t index) = 0;
  virtual std::int32_t IndividualCount() = 0;
  virtual std::int32_t MarriageCount() = 0;
  virtual std::int32_t NoteCount() = 0;
  virtual std::int32_t SourceCount() = 0;
  // The header as caption and value rows, every one of them in file order.
  virtual std::vector<GenHeaderRec> GetHeaderInfo() = 0;
  // The header as text (empty where the format has no text form).
  virtual std::string GetHeaderText() = 0;
  // A short text about the file ("N/A" for GEDCOM, "N/A/" for PAF).
  virtual std::string GetExtraText() = 0;
  // Record number of an individual index and back. Base: the identity.
  virtual std::int32_t IndexToRIN(std::int32_t index) { return index; }
  virtual std::int32_t RINToIndex(std::int32_t rin) { return rin; }
  // Builds the indexes. False when the file can't be read or the cancel flag was set during the
  // scan; the collection is then only destroyed.
  virtual bool Load() = 0;
  // Load, while visit(individual) is called on another thread for individuals 1, 2, ... in order
  // as the load finds them, until it returns false or the load ends; `visited` is then the number
  // of individuals visited as the loaded collection gives them. The object visited lives only for
  // the call. Base: Load, visiting none.
  virtual bool LoadWhileVisiting(const EarlyVisit& visit, std::int32_t& visited);
  // The index of the record with that identifier, 0 when none. Base: 0.
  virtual std::int32_t FindIndividual(std::string_view /*id*/) { return 0; }
  virtual std::int32_t FindMarriage(std::string_view /*id*/) { return 0; }
  virtual std::int32_t FindNote(std::string_view /*id*/) { return 0; }
  virtual std::int32_t FindSource(std::string_view /*id*/) { return 0; }
  virtual std::int32_t FindRepo(std::string_view /*id*/) { return 0; }
  // Base: the name of relation code 0 to 36 from kRelationNames; empty for any other code.
  virtual std::string GetRelationName(std::int32_t code);
  // Base: the name of the child's relation to a parent whose relation code to it is
  // `parentRelation` (0 to 18), for a child of that sex: 0 gives "Unknown"; otherwise son ('M',
  // 'm'), daughter ('F', 'f') or child, with the parent's kind (natural, adopted, ...). Empty for a
  // relation outside 0 to 18.
  virtual std::string GetChildRelationName(std::int32_t parentRelation, char sex);
  // The encoding of every text the collection and its items give. Base: Windows-1252.
  virtual TextEncoding Encoding() const { return TextEncoding::kWindows1252; }
  // Damage the load found that leaves records of the file unreadable, in a sentence; empty when it
  // found none. Base: empty.
  virtual std::string LoadDamage() const { return {}; }

  // Husband and wife of the individual's first parent family; 0 when none.
  std::int32_t FatherOf(std::int32_t individual);
  std::int32_t MotherOf(std::int32_t individual);
  // True when any spouse family of the individual has children.
  bool HasChildren(std::int32_t individual);
  // True when spouse family n (1-based) has a sealing to spouse; for an n outside the spouse
  // families, true when any spouse family has one.
  bool HasSealingToSpouse(std::int32_t individual, std::int32_t n);
  // Sealing `sealing` of spouse family n, or nullptr (also when n is out of range).
  std::unique_ptr<WABSLDSEvent> GetSealingToSpouse(std::int32_t individual, std::int32_t n,
                                                   std::int32_t sealing);
  // The individual's NameText with prefix and suffix; empty for an unknown index.
  std::string ShortNameText(std::int32_t individual);
  // The individual's NameWithIDText; empty for an unknown index.
  std::string NameWithIDText(std::int32_t individual);
  // Lines "Name :", "Sex    :", "Birth   :", "Chr     :", "Death :", "Bur     :", "Age     :",
  // "Father :", "Mother :" with their values, joined by "\r\n", then "\r\n" and the family block
  // (spouse, marriage date and place, children of each spouse family) when it is not empty.
  std::string IndividualSummaryText(std::int32_t individual);
  // "< " for a child with children of its own, else three blanks; the birth year and a blank, or
  // eight blanks; the name with its identifier.
  std::string ChildLine(std::int32_t child);

  // The order in which individuals are browsed. Without an order set, positions are indexes.
  // The individual index at a 1-based position; 0 for a position outside the order.
  std::int32_t DisplayToIndex(std::int32_t position) const;
  // The first position holding the index, 0 when none.
  std::int32_t IndexToDisplay(std::int32_t individual) const;
  // The number of positions.
  std::int32_t DisplayCount();
  // Sets the order: entry i is the individual index at position i + 1.
  void SetDisplayOrder(std::vector<std::int32_t> order) { displayOrder_ = std::move(order); }
  // Drops the order; positions are indexes again.
  void FreeDisplayOrder() { displayOrder_.reset(); }

  CollectionKind Kind() const { return kind_; }
  std::uint8_t CharacterSet() const { return characterSet_; }
  std::uint8_t ReaderMarker() const { return readerMarker_; }
  const std::string& FilePath() const { return filePath_; }
  // The settings the texts read on each call.
  const WOptions& Options() const { return options_; }

 protected:
  void SetKind(CollectionKind kind) { kind_ = kind; }
  void SetCharacterSet(std::uint8_t characterSet) { characterSet_ = characterSet; }
  void SetReaderMarker(std::uint8_t marker) { readerMarker_ = marker; }

 private:
  std::unique_ptr<WABSIndividual> IndividualAt(std::int32_t index);
  std::unique_ptr<WABSMarriage> MarriageAt(std::int32_t index);
  std::unique_ptr<WABSMarriage> FirstParentFamily(std::int32_t individual);
  std::unique_ptr<WABSMarriage> SpouseFamily(WABSIndividual& individual, std::int32_t n);
  std::string FamilyBlockText(WABSIndividual& individual);

  std::uint8_t readerMarker_ = 0;
  std::optional<std::vector<std::int32_t>> displayOrder_;
  std::string filePath_;
  CollectionKind kind_ = CollectionKind::kBase;
  std::uint8_t characterSet_ = kCharSetAnsel;
  const WOptions& options_;
};

}  // namespace kinshelf
