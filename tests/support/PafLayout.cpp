// The field tables of the three versions.
#include "support/PafLayout.h"

namespace kinshelf::test {
namespace {

constexpr int kNo = PafLayout::kNoField;
constexpr PafLayout::Text kNoText{kNo, 0};

constexpr PafLayout::Header kHeader34{.version = 8,
                                      .oldestVersion = 4,
                                      .signature = kNo,
                                      .individuals = 14,
                                      .firstDeletedIndividual = 26,
                                      .marriages = 30,
                                      .firstDeletedMarriage = 38,
                                      .notes = 62,
                                      .sources = 86,
                                      .maps = 190,
                                      .submitterName = {416, 61},
                                      .submitterNameSecondPart = {477, 61},
                                      .address1 = {538, 61},
                                      .address2 = {599, 61},
                                      .address3 = {660, 61},
                                      .country = {782, 61},
                                      .phone = {843, 26},
                                      .email = {1600, 61},
                                      .title = {1664, 64},
                                      .flags = 272,
                                      .printIdentifier = 275,
                                      .totalsBlock = 1736};

constexpr PafLayout kPaf4{
    .version = PafVersion::kPaf4,
    .dataBase = 4096,
    .lastType = 40,
    .totalsOffset = 2048,
    .totalsPerMap = 10,
    .textSize = 269,
    .textStart = 13,
    .sizes = {0, 269, 298, 110, 256, 39, 127, 479, 299, 0, 0, 0, 84, 60, 0, 96, 0, 0, 0, 40},
    .header = kHeader34,
    .event = {.date = 0, .dateWidth = 6, .citation = 26, .places = {6, 10, 14, 18}, .placeCount = 4},
    .ordinance = {.temple = 6, .citation = 10, .note = 14, .templeFlag = kNo},
    .individual = {.deletedNext = 1,
                   .sex = 0,
                   .names = 1,
                   .birth = 22,
                   .christening = 60,
                   .death = 98,
                   .burial = 136,
                   .baptism = 174,
                   .endowment = 196,
                   .spouseFamily = 218,
                   .parentLink = 222,
                   .note = 226,
                   .citation = 234,
                   .created = 254,
                   .changed = 258,
                   .otherEvent = kNo,
                   .refNumber = {270, 11},
                   .afn = {281, 13}},
    .marriage = {.deletedNext = 1,
                 .husband = 5,
                 .wife = 9,
                 .child = 13,
                 .event = 17,
                 .sealing = 55,
                 .husbandNext = 77,
                 .wifeNext = 81,
                 .note = 89},
    .childLink = {.family = 1, .nextChild = 5, .nextParent = 9, .child = 13, .sealing = 17},
    .notePiece = {12, 244},
    .citation = {.detail = {5, 92}, .note = 103, .source = 111, .next = 115},
    .source = {.author = {1, 122},
               .title = {123, 122},
               .publication = {245, 122},
               .callNumber = {367, 92},
               .note = 459,
               .repository = 475,
               .textNote = kNo},
    .repository = {.name = {1, 92},
                   .address = {93, 42},
                   .address1 = {135, 42},
                   .address2 = {177, 42},
                   .phone = {261, 26}},
    .otherEvent = {.next = 0, .description = 13, .type = 17, .event = 21},
    .extension = {.otherEvent = 4, .prefix = 28, .ldsPlace = {52, 56, 60, 64}, .sourceTextNote = 8}};

// PAF 3 is PAF 4 without the later fields and record types.
constexpr PafLayout Paf3() {
  PafLayout layout = kPaf4;
  layout.version = PafVersion::kPaf3;
  layout.lastType = 10;
  layout.sizes = {0, 269, 298, 110, 256, 39, 127, 479, 299, 316};
  layout.header.maps = kNo;
  layout.header.email = kNoText;
  layout.header.totalsBlock = kNo;
  layout.otherEvent = {kNo, kNo, kNo, kNo};
  layout.extension = {kNo, kNo, {kNo, kNo, kNo, kNo}, kNo};
  return layout;
}

constexpr PafLayout kPaf3 = Paf3();

constexpr PafLayout kPaf5{
    .version = PafVersion::kPaf5,
    .dataBase = 12288,
    .lastType = 32,
    .totalsOffset = 4096,
    .totalsPerMap = 32,
    .textSize = 272,
    .textStart = 13,
    .sizes = {0, 272, 221, 106, 256, 46, 145, 507, 497, 0, 0, 0, 59, 143},
    .header = {.version = 0,
               .oldestVersion = 4,
               .signature = 8,
               .individuals = 22,
               .firstDeletedIndividual = 34,
               .marriages = 130,
               .firstDeletedMarriage = 142,
               .notes = 150,
               .sources = 190,
               .maps = 18,
               .submitterName = {734, 84},
               .submitterNameSecondPart = kNoText,
               .address1 = {818, 84},
               .address2 = {902, 84},
               .address3 = {986, 84},
               .country = {1154, 84},
               .phone = {1238, 52},
               .email = {1318, 84},
               .title = kNoText,
               .flags = kNo,
               .printIdentifier = kNo,
               .totalsBlock = kNo},
    .event = {.date = 0, .dateWidth = 12, .citation = 20, .places = {12, kNo, kNo, kNo}, .placeCount = 1},
    .ordinance = {.temple = 12, .citation = 16, .note = kNo, .templeFlag = 20},
    .individual = {.deletedNext = 0,
                   .sex = 202,
                   .names = 0,
                   .birth = 64,
                   .christening = 88,
                   .death = 112,
                   .burial = 136,
                   .baptism = 160,
                   .endowment = 181,
                   .spouseFamily = 4,
                   .parentLink = 8,
                   .note = 12,
                   .citation = 16,
                   .created = kNo,
                   .changed = 20,
                   .otherEvent = 28,
                   .refNumber = kNoText,
                   .afn = kNoText},
    .marriage = {.deletedNext = 0,
                 .husband = 4,
                 .wife = 8,
                 .child = 12,
                 .event = 52,
                 .sealing = 76,
                 .husbandNext = 16,
                 .wifeNext = 20,
                 .note = 28},
    .childLink = {.family = 0, .nextChild = 4, .nextParent = 8, .child = 12, .sealing = 16},
    .notePiece = {13, 243},
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
    .otherEvent = {.next = 0, .description = 12, .type = 16, .event = 20},
    .extension = {kNo, kNo, {kNo, kNo, kNo, kNo}, kNo}};

}  // namespace

const PafLayout& PafLayout::Of(PafVersion version) {
  switch (version) {
    case PafVersion::kPaf3:
      return kPaf3;
    case PafVersion::kPaf4:
      return kPaf4;
    case PafVersion::kPaf5:
      break;
  }
  return kPaf5;
}

}  // namespace kinshelf::test
