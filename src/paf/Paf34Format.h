// The records of PAF 3 and PAF 4 family files as the record readers take them (the container, map
// blocks and header totals are in paf/PafFileFormat.h). Offsets from the record's first byte; links
// are signed 32-bit record numbers and text links signed 32-bit file offsets of text records, 0 and
// -1 linking nothing; texts are Windows-1252, fixed width, ended by a zero byte.
//
// HEADER (offset 0)
//   offset  bytes  meaning
//   4       4      oldest version text          8   4   version text "300" / "400"
//   14      4      individual count (highest RIN)
//   30      4      marriage count               62  4   note count      86  4  source count
//   272     6      options, one byte each: verify names, exact match, display LDS, print identifier
//                  ('A', 'I', 'N', 'R'), force uppercase, auto capitalisation (1 = yes)
//   416     61     submitter name, first part   477 61  second part
//   538     61     address line 1   599 61 line 2   660 61 line 3   782 61 country   843 26 phone
//   1600    61     PAF 4: submitter e-mail
//   1664    64     file title
//
// EVENT STRUCTURE (38 bytes)          LDS STRUCTURE (22 bytes)
//   0   6  date (6-byte form)           0   6  date; a 16-bit word of 1 at 0 means: the date is the
//   6   4  place part 1 (text link)            text of the text record linked at 2
//   10  4  place part 2                 6   4  temple (text link)
//   14  4  place part 3                 10  4  first citation
//   18  4  place part 4                 14  4  note
//   26  4  first citation
//   30  4  note (not shown)
// An event with neither a date nor a place linked is unused (PAF writes four places of -1 there).
//
// INDIVIDUAL (type 2, 298 bytes)      MARRIAGE (type 3, 110 bytes)
//   0    1   sex character              1   4  deleted record: next deleted marriage
//   1    4   surname (text link);       5   4  husband RIN
//            deleted: next deleted      9   4  wife RIN
//   5    4   given name 1 (text link)   13  4  first child link
//   9    4   given name 2               17  38 marriage (event structure)
//   13   4   given name 3               55  22 LDS sealing to spouse
//   17   4   suffix (text link)         77  4  husband's next marriage (MRIN)
//   22   38  birth                      81  4  wife's next marriage (MRIN)
//   60   38  christening                89  4  note
//   98   38  death
//   136  38  burial                   CHILD LINK (type 5, 39 bytes)
//   174  22  LDS baptism                1   4  family (MRIN)
//   196  22  LDS endowment              5   4  next child link of the family
//   218  4   first spouse family        9   4  next parent link of the child
//   222  4   first parent link          13  4  child (RIN)
//   226  4   note                       17  22 LDS sealing to parents
//   234  4   first citation
//   254  4   created: seconds since 1970, 0 = none
//   258  4   changed: likewise
//   270  11  reference number
//   281  13  AFN
//
// CITATION (type 6, 127 bytes)        SOURCE (type 7, 479 bytes)
//   5    92  detail (page)              1   122  author        123 122  title
//   103  4   note                       245 122  publication   367 92   call number
//   111  4   source                     459 4    note          475 4    repository
//   115  4   next citation
//
// REPOSITORY (type 8, 299 bytes): 1 name (92), 93 address (42), 135 address line 1 (42), 177
// address line 2 (42), 261 phone (26).
//
// PAF 4 ONLY
//   additional event (type 12, 84 bytes): 0 next (link), 13 description (text link, ANSEL),
//     17 event type (type-13 number), 21 event structure
//   event type (type 13, 60 bytes): 0 name (text link, ANSEL)
//   individual extension (type 15, 96 bytes, numbered as the individual): 4 first additional
//     event, 28 name prefix (text link), 52 56 60 64 place parts of ordinances without a temple.
//     An individual without one has no LDS ordinances.
//   source extension (type 19, 40 bytes, numbered as the source): 8 text note
#pragma once

#include "paf/PafRecordFields.h"

namespace kinshelf::paf {

// The individual's name links, reference number and AFN.
inline constexpr std::size_t kSurnameLink = 1;
inline constexpr std::array<std::size_t, 3> kGivenNameLinks{5, 9, 13};
inline constexpr std::size_t kSuffixLink = 17;
inline constexpr TextField kRefNumber{270, 11};
inline constexpr TextField kAfn{281, 13};

inline constexpr RecordFields kPaf4Fields{
    .header = {.individualCount = 14, .marriageCount = 30, .noteCount = 62, .sourceCount = 86},
    .submitter = {.name = {416, 61},
                  .nameSecondPart = {477, 61},
                  .address1 = {538, 61},
                  .address2 = {599, 61},
                  .address3 = {660, 61},
                  .country = {782, 61},
                  .phone = {843, 26},
                  .email = {1600, 61}},
    .event = {.size = 38, .dateWidth = 6, .places = {6, 10, 14, 18}, .placeCount = 4, .citation = 26},
    .lds = {.size = 22,
            .dateWidth = 6,
            .temple = 6,
            .citation = 10,
            .note = 14,
            .templeFlag = kMissing,
            .textDates = true},
    .individual = {.sex = 0,
                   .firstSpouse = 218,
                   .firstParent = 222,
                   .note = 226,
                   .citation = 234,
                   .created = 254,
                   .changed = 258,
                   .firstOtherEvent = kMissing,
                   .birth = 22,
                   .christening = 60,
                   .death = 98,
                   .burial = 136,
                   .baptism = 174,
                   .endowment = 196},
    .marriage = {.husband = 5,
                 .wife = 9,
                 .firstChild = 13,
                 .husbandNext = 77,
                 .wifeNext = 81,
                 .note = 89,
                 .event = 17,
                 .sealing = 55},
    .childLink = {.family = 1, .nextChild = 5, .nextParent = 9, .child = 13, .sealing = 17},
    .otherEvent = {.next = 0, .description = 13, .eventType = 17, .event = 21, .typeName = 0},
    .citation = {.detail = {5, 92}, .note = 103, .source = 111, .next = 115},
    .source = {.author = {1, 122},
               .title = {123, 122},
               .publication = {245, 122},
               .callNumber = {367, 92},
               .note = 459,
               .repository = 475,
               .textNote = kMissing},
    .repository = {.name = {1, 92},
                   .address = {93, 42},
                   .address1 = {135, 42},
                   .address2 = {177, 42},
                   .phone = {261, 26}},
    .extension = {.firstOtherEvent = 4, .prefix = 28, .ldsPlaces = {52, 56, 60, 64}, .sourceTextNote = 8},
    .ordinancesNeedExtension = true,
    .anselEventTexts = true,
    .notesDropLineFeeds = false};

// PAF 3 has no e-mail, no additional events and no extension records (the container locates none of
// those types in a PAF 3 file).
inline constexpr RecordFields kPaf3Fields = [] {
  RecordFields fields = kPaf4Fields;
  fields.submitter.email = {};
  fields.ordinancesNeedExtension = false;
  return fields;
}();

}  // namespace kinshelf::paf
