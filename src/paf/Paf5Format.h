// The records of PAF 5 family files as the record readers take them (the container, map blocks and
// totals are in paf/PafFileFormat.h). Offsets from the record's first byte; links are signed 32-bit
// record numbers and text links signed 32-bit file offsets of text records, 0 and -1 linking
// nothing; texts are Windows-1252, fixed width, ended by a zero byte.
//
// HEADER (offset 0)
//   offset  bytes  meaning
//   0       4      version text                 4   4   oldest version text "500"
//   22      4      individual count (highest RIN)
//   130     4      marriage count               150 4   note count     190 4  source count
//   734     84     submitter name               818 84  address line 1 902 84 line 2
//   986     84     address line 3               1154 84 country        1238 52 phone
//   1318    84     e-mail
//
// EVENT STRUCTURE (24 bytes)          LDS STRUCTURE (21 bytes)
//   0   12  date (12-byte form)         0   12  date
//   12  4   place (text link)           12  4   temple (text link)
//   20  4   first citation              16  4   first citation
//                                       20  1   1 = the place is a temple
//
// INDIVIDUAL (type 2, 221 bytes)      INDIVIDUAL TEXT RECORD (reached by file offset, a chain)
//   0    4   first individual text      0   4   next individual text record (file offset)
//            record (file offset);      12  1   kind: 1 name, 10 AFN, 11 reference number
//            deleted: next deleted      13  2   text length (the name's)
//   4    4   first spouse family        15  ..  text: the name as "given /surname/ suffix"; AFN
//   8    4   first parent link                  and reference number end at a zero byte
//   12   4   note
//   16   4   first citation           MARRIAGE (type 3, 106 bytes)
//   20   4   changed: seconds since     0   4   deleted record: next deleted marriage
//            1970, 0 = none             4   4   husband RIN      8  4  wife RIN
//   28   4   first additional event     12  4   first child link
//   64   24  birth                      16  4   husband's next marriage (MRIN)
//   88   24  christening                20  4   wife's next marriage (MRIN)
//   112  24  death                      28  4   note
//   136  24  burial                     52  24  marriage (event structure)
//   160  21  LDS baptism                76  21  LDS sealing to spouse
//   181  21  LDS endowment
//   202  1   sex character            CHILD LINK (type 5, 46 bytes)
//                                       0 family (MRIN), 4 next child link of the family, 8 next
//                                       parent link of the child, 12 child (RIN), 16 LDS sealing
//                                       to parents (21)
//
// ADDITIONAL EVENT (type 12, 59 bytes): 0 next (link), 12 description (text link), 16 event type
//   (type-13 number), 20 event structure.   EVENT TYPE (type 13, 143 bytes): 0 name (text link).
// CITATION (type 6, 145 bytes): 4 detail (92), 108 note, 116 source, 120 next citation.
// SOURCE (type 7, 507 bytes): 0 author (124), 124 title (124), 248 publication (124), 372 call
//   number (92), 464 note, 480 repository, 488 text note.
// REPOSITORY (type 8, 497 bytes): 0 name (84), 84 address (84), 168 address line 1 (84), 252 address
//   line 2 (84), 420 phone (52).
// Note pieces keep line feeds after their carriage returns; they are dropped from the lines.
#pragma once

#include "paf/PafRecordFields.h"

namespace kinshelf::paf {

// The individual text record.
inline constexpr std::size_t kIndividualTextKind = 12;
inline constexpr std::size_t kIndividualTextLength = 13;
inline constexpr std::size_t kIndividualTextStart = 15;
inline constexpr int kNameText = 1;
inline constexpr int kAfnText = 10;
inline constexpr int kRefNumberText = 11;

inline constexpr RecordFields kPaf5Fields{
    .header = {.individualCount = 22, .marriageCount = 130, .noteCount = 150, .sourceCount = 190},
    .submitter = {.name = {734, 84},
                  .nameSecondPart = {},
                  .address1 = {818, 84},
                  .address2 = {902, 84},
                  .address3 = {986, 84},
                  .country = {1154, 84},
                  .phone = {1238, 52},
                  .email = {1318, 84}},
    .event = {.size = 24, .dateWidth = 12, .places = {12, 0, 0, 0}, .placeCount = 1, .citation = 20},
    .lds = {.size = 21,
            .dateWidth = 12,
            .temple = 12,
            .citation = 16,
            .note = kMissing,
            .templeFlag = 20,
            .textDates = false},
    .individual = {.sex = 202,
                   .firstSpouse = 4,
                   .firstParent = 8,
                   .note = 12,
                   .citation = 16,
                   .created = kMissing,
                   .changed = 20,
                   .firstOtherEvent = 28,
                   .birth = 64,
                   .christening = 88,
                   .death = 112,
                   .burial = 136,
                   .baptism = 160,
                   .endowment = 181},
    .marriage = {.husband = 4,
                 .wife = 8,
                 .firstChild = 12,
                 .husbandNext = 16,
                 .wifeNext = 20,
                 .note = 28,
                 .event = 52,
                 .sealing = 76},
    .childLink = {.family = 0, .nextChild = 4, .nextParent = 8, .child = 12, .sealing = 16},
    .otherEvent = {.next = 0, .description = 12, .eventType = 16, .event = 20, .typeName = 0},
    .citation = {.detail = {4, 92}, .note = 108, .source = 116, .next = 120},
    .source = {.author = {0, 124},
               .title = {124, 124},
               .publication = {248, 124},
               .callNumber = {372, 92},
               .note = 464,
               .repository = 480,
               .textNote = 488},
    .repository = {.name = {0, 84},
                   .address = {84, 84},
                   .address1 = {168, 84},
                   .address2 = {252, 84},
                   .phone = {420, 52}},
    .extension = {.firstOtherEvent = kMissing,
                  .prefix = kMissing,
                  .ldsPlaces = {kMissing, kMissing, kMissing, kMissing},
                  .sourceTextNote = kMissing},
    .ordinancesNeedExtension = false,
    .anselEventTexts = false,
    .notesDropLineFeeds = true};

}  // namespace kinshelf::paf
