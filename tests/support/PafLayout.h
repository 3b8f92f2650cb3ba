// Where each field of a PAF 3, 4 or 5 file lies: the container's constants, the record sizes and
// the field offsets inside each record, one table per version.
#pragma once

#include <array>
#include <cstdint>

#include "support/PafDescription.h"

namespace kinshelf::test {

// Record type codes, as the map blocks' type bytes hold them.
enum PafType : int {
  kPafText = 1,
  kPafIndividual = 2,
  kPafMarriage = 3,
  kPafNotePiece = 4,
  kPafChildLink = 5,
  kPafCitation = 6,
  kPafSource = 7,
  kPafRepository = 8,
  kPafMapBlock = 11,
  kPafOtherEvent = 12,
  kPafEventType = 13,
  kPafTotalsBlock = 14,
  kPafIndividualExtension = 15,
  kPafSourceExtension = 19,
};

struct PafLayout {
  static constexpr std::int64_t kMapSpan = std::int64_t{1} << 26;
  static constexpr int kBlockSize = 8192;
  static constexpr int kNoField = -1;  // the version has no such field

  // A fixed-width text field.
  struct Text {
    int offset;
    int width;
  };
  struct Header {
    int version, oldestVersion, signature, individuals, firstDeletedIndividual, marriages,
        firstDeletedMarriage, notes, sources, maps;
    Text submitterName, submitterNameSecondPart, address1, address2, address3, country, phone, email, title;
    int flags, printIdentifier, totalsBlock;
  };
  struct Event {
    int date, dateWidth, citation;
    std::array<int, 4> places;
    int placeCount;
  };
  struct Ordinance {
    int temple, citation, note, templeFlag;
  };
  struct Individual {
    int deletedNext, sex, names, birth, christening, death, burial, baptism, endowment, spouseFamily,
        parentLink, note, citation, created, changed, otherEvent;
    Text refNumber, afn;
  };
  struct Marriage {
    int deletedNext, husband, wife, child, event, sealing, husbandNext, wifeNext, note;
  };
  struct ChildLink {
    int family, nextChild, nextParent, child, sealing;
  };
  struct Citation {
    Text detail;
    int note, source, next;
  };
  struct Source {
    Text author, title, publication, callNumber;
    int note, repository, textNote;
  };
  struct Repository {
    Text name, address, address1, address2, phone;
  };
  struct OtherEvent {
    int next, description, type, event;
  };
  // PAF 4's individual and source extensions.
  struct Extension {
    int otherEvent, prefix;
    std::array<int, 4> ldsPlace;
    int sourceTextNote;
  };

  PafVersion version;
  std::int64_t dataBase;
  int lastType;      // highest type code the version's map totals count
  int totalsOffset;  // the header's table (PAF 3 and 4) or the copied one (PAF 5)
  int totalsPerMap;
  int textSize;               // the slot a text record takes
  int textStart;              // where a text record's text begins
  std::array<int, 20> sizes;  // record size by type; 0: no such records
  Header header;
  Event event;
  Ordinance ordinance;
  Individual individual;
  Marriage marriage;
  ChildLink childLink;
  Text notePiece;  // the slice of text; the next piece is at byte 0
  Citation citation;
  Source source;
  Repository repository;
  OtherEvent otherEvent;
  Extension extension;

  static const PafLayout& Of(PafVersion version);

  int PerBlock(int type) const { return kBlockSize / sizes.at(static_cast<std::size_t>(type)); }
};

}  // namespace kinshelf::test
