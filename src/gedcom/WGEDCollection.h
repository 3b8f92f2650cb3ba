// A GEDCOM file opened as a genealogy collection. Creation maps the file; Load finds every record;
// individuals and families are linked when their links are first read (or LinkRecords asks); the record
// objects are made on request and read their lines from the mapped text when asked. One thread at a
// time.
//
// States and the rules that hold:
//  1. Created: the file is mapped, nothing is indexed; only CountIndividuals, the file facts and
//     the texts of the header (none, before Load) answer. Counts are 0 and getters give nullptr.
//  2. Loaded: Load ran its pass. Every index is built unless the cancel flag stopped it (Load then
//     answers false and the collection is only destroyed). The header, the counts and every
//     record's own lines answer.
//  3. Linked: LinkRecords ran the link pass. Before it, the first read of a record's links (a
//     person's families, a family's members) builds the links of that record and of those around
//     it, found by their identifiers; after a few such reads the next one runs the pass, which
//     leaves every record already built as it is. Either way a record's links are those the pass
//     makes. A cancel during the pass leaves the links unusable: the collection is then only
//     destroyed. An individual's spouse families are put in marriage-date order when first read.
//  4. Every object handed out holds positions into the mapping and must be freed before the
//     collection.
//  5. A file shortened by another program while it is read reads as zeros past its new end (see
//     platform::MappingGuard), so nothing built from it can be trusted: the first lost page cancels
//     Load, and Load, LinkRecords and every record getter then throw std::runtime_error
//     "PATH: the file changed while it was being read".
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom/GedcomFormat.h"
#include "gedcom/GedcomIndexes.h"
#include "gedcom/GedcomRecordContext.h"
#include "gedcom/WGEDTextMMF.h"
#include "model/WABSCollection.h"

namespace kinshelf {

class WGEDCollection : public WABSCollection {
 public:
  // Maps the file. Throws WMMFError when it cannot be opened or mapped (an empty file neither).
  WGEDCollection(std::string fileName, const WOptions& options);
  ~WGEDCollection() override;

  std::int32_t CountIndividuals() override;
  void FlushFile() override;
  std::string GetFileSizeText() override;
  std::string GetFileDateText() override;
  void LinkRecords() override;
  std::unique_ptr<WABSIndividual> GetIndividual(std::int32_t index) override;
  // Stops keeping individuals' summaries, which a pass over all of them never reads again, and
  // learns the text's line breaks.
  void PrepareConcurrentReads() override;
  // One object, pointed at each individual in turn.
  void ForEachIndividual(std::int32_t first, std::int32_t last,
                         const std::function<void(WABSIndividual&)>& visit) override;
  std::unique_ptr<WABSMarriage> GetMarriage(std::int32_t index) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSNote> GetNote(std::int32_t index) override;
  std::unique_ptr<WABSSource> GetSource(std::int32_t index) override;
  std::unique_ptr<WABSRepo> GetRepo(std::int32_t index) override;
  std::int32_t IndividualCount() override;
  std::int32_t MarriageCount() override;
  std::int32_t NoteCount() override;
  std::int32_t SourceCount() override;
  // Every header row in the order of the header lines, however many there are.
  std::vector<GenHeaderRec> GetHeaderInfo() override;
  std::string GetHeaderText() override;
  std::string GetExtraText() override;
  bool Load() override;
  // The visits run while the index pass does (see EarlyIndividuals).
  bool LoadWhileVisiting(const EarlyVisit& visit, std::int32_t& visited) override;
  std::int32_t FindIndividual(std::string_view id) override;
  std::int32_t FindMarriage(std::string_view id) override;
  std::int32_t FindNote(std::string_view id) override;
  std::int32_t FindSource(std::string_view id) override;
  std::int32_t FindRepo(std::string_view id) override;
  // ANSEL files (decoded on reading) and UTF-8 files: UTF-8; any other: UTF-8 where valid, else
  // Windows-1252.
  TextEncoding Encoding() const override;

  // The mapped text, valid for the life of the collection.
  const WGEDTextMMF& Text() const { return *text_; }
  // The number of repository records.
  std::int32_t RepoCount() const;
  // The indexes built by Load; nullptr before.
  GedcomIndexes* Indexes() { return indexes_.get(); }

 private:
  std::int32_t Find(gedcom::Category category, std::string_view id);
  // Throws std::runtime_error "PATH: the file changed while it was being read" once pages of the
  // mapping were lost to a file shortened under it.
  void RequireNoLostPages() const;
  [[noreturn]] void ThrowChanged() const;
  void OrderFamilies(std::int32_t individual, std::vector<std::int32_t>& families);
  // The links of an individual or a family, when they are first read: reading the header and the
  // counts needs none.
  void EnsureLinked(gedcom::Category category, std::int32_t record);
  bool LinksBuilt(gedcom::Category category, std::int32_t record) const;
  // Runs a link pass unless every link is built, with the file's damage cancelling it.
  void BuildLinks(const std::function<void()>& build);
  // The order of the individual's spouse families, once, when they are first read.
  void EnsureSpouseOrder(std::int32_t individual);

  std::unique_ptr<WGEDTextMMF> text_;
  std::unique_ptr<GedcomIndexes> indexes_;
  bool linked_ = false;
  // Reads that built a few records' links; the one after the last of them runs the link pass.
  int partialLinks_ = 0;
  static constexpr int kMostPartialLinks = 4;
  // What the record objects read; refers to the members above, so it is declared after them.
  GedcomRecordContext context_;
};

}  // namespace kinshelf
