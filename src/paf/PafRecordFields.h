// Where a PAF version keeps the fields its record readers use: one table per version (in
// paf/Paf34Format.h and paf/Paf5Format.h) of offsets from a record's or structure's first byte, so
// that the individuals, families, events and sources of all three versions are read by the same
// code. Offsets of fields a version lacks are kMissing; texts of fields it lacks have width 0.
#pragma once

#include <array>
#include <cstddef>
#include <limits>

namespace kinshelf::paf {

inline constexpr std::size_t kMissing = std::numeric_limits<std::size_t>::max();

// Record types located by number that the container table doesn't name.
inline constexpr int kChildLinkType = 5;
inline constexpr int kSourceType = 7;
inline constexpr int kRepositoryType = 8;
inline constexpr int kOtherEventType = 12;
inline constexpr int kEventTypeType = 13;
inline constexpr int kIndividualExtensionType = 15;
inline constexpr int kSourceExtensionType = 19;

// A fixed-width text, ended by its first zero byte or its width.
struct TextField {
  std::size_t offset = 0;
  std::size_t width = 0;  // 0: the version has no such text
};

struct HeaderFields {
  std::size_t individualCount, marriageCount, noteCount, sourceCount;
};

struct SubmitterFields {
  TextField name, nameSecondPart, address1, address2, address3, country, phone, email;
};

// An event structure, embedded in individuals, families and additional events.
struct EventFields {
  std::size_t size;
  std::size_t dateWidth;  // 6: the PAF 3/4 packed date; 12: the PAF 5 one
  std::array<std::size_t, 4> places;
  std::size_t placeCount;  // text links in `places`, joined with ", "
  std::size_t citation;
};

// An LDS ordinance structure, embedded in individuals, families and child links.
struct LdsFields {
  std::size_t size;
  std::size_t dateWidth;
  std::size_t temple;  // text link
  std::size_t citation;
  std::size_t note;        // kMissing in PAF 5
  std::size_t templeFlag;  // PAF 5: 1 when the place is a temple; kMissing before
  bool textDates;          // PAF 3/4: a date word of 1 names a text record holding the date
};

struct IndividualFields {
  std::size_t sex, firstSpouse, firstParent, note, citation, created, changed, firstOtherEvent;
  std::size_t birth, christening, death, burial, baptism, endowment;
};

struct MarriageFields {
  std::size_t husband, wife, firstChild, husbandNext, wifeNext, note, event, sealing;
};

struct ChildLinkFields {
  std::size_t family, nextChild, nextParent, child, sealing;
};

// An additional event of an individual, and the event type naming it.
struct OtherEventFields {
  std::size_t next, description, eventType, event;
  std::size_t typeName;  // in the event type record
};

struct CitationFields {
  TextField detail;
  std::size_t note, source, next;
};

struct SourceFields {
  TextField author, title, publication, callNumber;
  std::size_t note, repository;
  std::size_t textNote;  // PAF 5: in the record; kMissing where the extension holds it
};

struct RepositoryFields {
  TextField name, address, address1, address2, phone;
};

// PAF 4's individual and source extension records.
struct ExtensionFields {
  std::size_t firstOtherEvent, prefix;
  std::array<std::size_t, 4> ldsPlaces;
  std::size_t sourceTextNote;
};

struct RecordFields {
  HeaderFields header;
  SubmitterFields submitter;
  EventFields event;
  LdsFields lds;
  IndividualFields individual;
  MarriageFields marriage;
  ChildLinkFields childLink;
  OtherEventFields otherEvent;
  CitationFields citation;
  SourceFields source;
  RepositoryFields repository;
  ExtensionFields extension;
  bool ordinancesNeedExtension;  // PAF 4: an individual without extension has no ordinances
  bool anselEventTexts;          // PAF 4: event type names and descriptions are ANSEL
  bool notesDropLineFeeds;       // PAF 5
};

}  // namespace kinshelf::paf
