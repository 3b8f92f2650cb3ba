// An in-memory collection for the model's tests: people, families and their events, names,
// citations, sources and notes as plain data, served through the abstract model the way a reader
// serves a file. Families keep their children in a WFamLinks table, as the GEDCOM reader does.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fileaccess/WFamLinks.h"
#include "model/WABSCollection.h"
#include "model/WABSEvent.h"

namespace kinshelf::test {

using FakeLines = std::vector<std::string>;  // a note's lines; empty: no note

struct FakeSource {
  std::string author{}, title{}, publication{}, callNumber{}, abbreviation{};
  FakeLines note{};
};

struct FakeCitation {
  std::string detail{};
  FakeLines note{};
  std::optional<FakeSource> source{};
};

// Citations by position; an empty entry is a citation the reader cannot give.
using FakeCitations = std::vector<std::optional<FakeCitation>>;

struct FakeEvent {
  std::string date{};   // empty: no date
  std::string place{};  // empty: no place
  std::string typeName{};
  FakeCitations citations{};
  FakeLines note{};
};

struct FakeName {
  std::string given{}, surname{}, prefix{}, suffix{};
  FakeCitations citations{};
  FakeLines note{};
};

struct FakePerson {
  std::optional<FakeName> name = FakeName{};
  std::string id{}, ref{};
  char sex = 'U';
  std::map<EventKind, FakeEvent> events{};  // birth to burial and the LDS ordinances
  std::vector<FakeEvent> others{};
  std::vector<std::int32_t> parentFamilies{}, spouseFamilies{};  // filled by AddFamily
  FakeCitations citations{};
  FakeLines note{};
  std::string changed{};  // empty: no change date
};

struct FakeFamily {
  std::int32_t husband = 0, wife = 0;
  std::vector<std::pair<std::int32_t, std::int32_t>> children{};  // child, order value
  std::string date{}, place{};
  std::vector<FakeEvent> sealings{};
  FakeCitations citations{};
  FakeLines note{};
};

class FakeCollection : public WABSCollection {
 public:
  explicit FakeCollection(const WOptions& options, TextEncoding encoding = TextEncoding::kWindows1252);

  // The new person's index.
  std::int32_t AddPerson(FakePerson person);
  // The new family's index; the spouses and the children (people added before) learn of it.
  std::int32_t AddFamily(FakeFamily family);
  FakePerson& Person(std::int32_t index) { return people_.at(static_cast<std::size_t>(index - 1)); }
  const FakeFamily& Family(std::int32_t index) const {
    return families_.at(static_cast<std::size_t>(index - 1));
  }
  WFamLinks& Links() { return links_; }

  std::int32_t CountIndividuals() override { return IndividualCount(); }
  std::string GetFileSizeText() override { return "1 KB"; }
  std::string GetFileDateText() override { return std::string(); }
  std::unique_ptr<WABSIndividual> GetIndividual(std::int32_t index) override;
  std::unique_ptr<WABSMarriage> GetMarriage(std::int32_t index) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSNote> GetNote(std::int32_t index) override;
  std::unique_ptr<WABSSource> GetSource(std::int32_t index) override;
  std::unique_ptr<WABSRepo> GetRepo(std::int32_t index) override;
  std::int32_t IndividualCount() override { return static_cast<std::int32_t>(people_.size()); }
  std::int32_t MarriageCount() override { return static_cast<std::int32_t>(families_.size()); }
  std::int32_t NoteCount() override { return 0; }
  std::int32_t SourceCount() override { return 0; }
  std::vector<GenHeaderRec> GetHeaderInfo() override { return {}; }
  std::string GetHeaderText() override { return std::string(); }
  std::string GetExtraText() override { return "N/A"; }
  bool Load() override { return true; }
  TextEncoding Encoding() const override { return encoding_; }

 private:
  TextEncoding encoding_;
  std::vector<FakePerson> people_;
  std::vector<FakeFamily> families_;
  WFamLinks links_{0};
};

// The model's settings as the program ships them documented: slashes, no upper case, affixes,
// identifiers in brackets, leading commas dropped, stand-in dates for ages, sorted children.
void SetModelDefaults(WOptions& options);

}  // namespace kinshelf::test
