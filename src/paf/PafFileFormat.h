// The container of a PAF 3, 4 or 5 family file as the mapped PAF file reads it. All integers are
// little-endian; counts are signed 16-bit, links and numbers signed 32-bit.
//
// MAPS AND BLOCKS
//
// The file is cut into maps of 64 MiB; map m starts at m * 2^26. From the data base B of its map
// (4096 in PAF 3 and 4, 12288 in PAF 5) lie 8192 blocks of 8192 bytes: block k of map m starts at
// m * 2^26 + B + 8192 k. Block 0 is the map block:
//
//   offset  bytes  meaning
//   0       1      11, the map block's own type
//   k       1      type of block k: 0 free, otherwise the record type it holds
//
// A data block holds records of one type packed from its first byte: slot s at s * size, floor(8192 /
// size) slots. Record n of a type (from 1) is the n-th slot of the type counted through the type's
// blocks, map after map and inside a map in block order. Links hold such numbers; text links hold
// the file offset of a text record. 0 and -1 link nothing.
//
// HEADER (offset 0)
//
//   PAF 3 and 4
//   offset  bytes  meaning
//   8       4      version text "300" or "400"
//   26      4      first deleted individual (its next at byte 1 of the individual)
//   38      4      first deleted marriage (its next at byte 1 of the marriage)
//   190     4      PAF 4: number of maps, 1 to 102
//   1736    4      PAF 4: number of the map totals block, from 1 over the file (map m's block k is
//                  8192 m + k + 1); its type byte is 14
//   2048    2040   map totals: 102 maps x 10 counts (types 1 to 10), map m's at 2048 + 20 m
//
//   PAF 5
//   offset  bytes  meaning
//   4       4      "500";  8 4 "PAF"
//   18      4      number of maps, 1 to 31
//   34      4      first deleted individual (its next at byte 0 of the individual)
//   142     4      first deleted marriage (its next at byte 0 of the marriage)
//   4096    8192   map totals: 32 counts (types 1 to 32) per map, map m's at 4096 + 64 m
//
//   PAF 4 map totals block: 40 counts (types 1 to 40) per map, map m's at the block's byte 80 m. A
//   header count of types 1 to 10 above the block's count takes its place.
//
// A map total is the number of blocks of a type in that map.
//
// RECORDS THE CONTAINER READS
//
//   record          PAF 3 / 4 size  PAF 5 size  read here
//   1 text          269             272         text from byte 13, at most 256 bytes
//   2 individual    298             221         next deleted: byte 1 (PAF 3, 4), 0 (PAF 5)
//   3 marriage      110             106         next deleted: byte 1 (PAF 3, 4), 0 (PAF 5)
//   4 note piece    256             256         next piece at 0; text from 12 (244 bytes) in PAF 3
//                                               and 4, from 13 (243 bytes) in PAF 5
//   6 citation      127             145         next citation at 115 (PAF 3, 4), 120 (PAF 5)
//
// Other sizes: child link 39 / 46, source 479 / 507, repository 299 / 497, PAF 3's type 9 316;
// PAF 4 additional event 84, event type 60, individual extension 96, source extension 40; PAF 5
// additional event 59, event type 143.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kinshelf::paf {

inline constexpr std::int64_t kMapSpan = std::int64_t{1} << 26;
inline constexpr std::size_t kBlockSize = 8192;
inline constexpr int kBlocksPerMap = 8192;
inline constexpr std::uint8_t kMapBlockType = 11;
inline constexpr std::uint8_t kTotalsBlockType = 14;
inline constexpr int kIndividualType = 2;
inline constexpr int kMarriageType = 3;
inline constexpr int kNotePieceType = 4;
inline constexpr int kCitationType = 6;
// Types a record size table covers: 0 to the highest PAF 4 type.
inline constexpr std::size_t kTypeCount = 41;
// Counts in the PAF 4 totals block and in the PAF 5 table.
inline constexpr std::size_t kTotalsTableCounts = 4096;
// The PAF 3-style header table, also in PAF 4.
inline constexpr std::size_t kHeaderTotalsOffset = 2048;
inline constexpr int kHeaderTotalsPerMap = 10;
inline constexpr int kHeaderTotalsMaps = 102;
inline constexpr std::size_t kPaf4MapsField = 190;
inline constexpr std::size_t kPaf4TotalsBlockField = 1736;
inline constexpr int kPaf4TotalsPerMap = 40;
inline constexpr std::size_t kPaf5TotalsOffset = 4096;
inline constexpr std::size_t kPaf5MapsField = 18;
inline constexpr int kPaf5TotalsPerMap = 32;
// A field the version doesn't have.
inline constexpr std::size_t kNoField = 0;

// What differs between the three versions' containers.
struct FileLayout {
  int version;            // 300, 400 or 500, as the signature tells
  std::size_t dataBase;   // B
  int usableMaps;         // maps 0 to usableMaps - 1
  int lastType;           // highest type the map blocks and totals count
  std::size_t mapsField;  // kNoField in PAF 3: maps are found in the file
  std::size_t firstDeletedIndividual;
  std::size_t firstDeletedMarriage;
  std::size_t deletedNext;  // in a deleted individual or marriage
  std::size_t citationNext;
  std::size_t noteTextOffset;
  std::size_t noteTextWidth;
  std::array<std::uint16_t, kTypeCount> sizes;
};

// Record sizes by type, 0 for a type not located by number.
inline constexpr std::array<std::uint16_t, kTypeCount> kPaf3Sizes{0,  0,   298, 110, 256,
                                                                  39, 127, 479, 299, 316};
inline constexpr std::array<std::uint16_t, kTypeCount> kPaf4Sizes{0, 0, 298, 110, 256, 39, 127, 479, 299, 0,
                                                                  0, 0, 84,  60,  0,   96, 0,   0,   0,   40};
inline constexpr std::array<std::uint16_t, kTypeCount> kPaf5Sizes{0,   0,   221, 106, 256, 46, 145,
                                                                  507, 497, 0,   0,   0,   59, 143};

inline constexpr FileLayout kPaf3Layout{.version = 300,
                                        .dataBase = 4096,
                                        .usableMaps = 102,
                                        .lastType = 10,
                                        .mapsField = kNoField,
                                        .firstDeletedIndividual = 26,
                                        .firstDeletedMarriage = 38,
                                        .deletedNext = 1,
                                        .citationNext = 115,
                                        .noteTextOffset = 12,
                                        .noteTextWidth = 244,
                                        .sizes = kPaf3Sizes};

inline constexpr FileLayout kPaf4Layout{.version = 400,
                                        .dataBase = 4096,
                                        .usableMaps = 102,
                                        .lastType = 40,
                                        .mapsField = kPaf4MapsField,
                                        .firstDeletedIndividual = 26,
                                        .firstDeletedMarriage = 38,
                                        .deletedNext = 1,
                                        .citationNext = 115,
                                        .noteTextOffset = 12,
                                        .noteTextWidth = 244,
                                        .sizes = kPaf4Sizes};

inline constexpr FileLayout kPaf5Layout{.version = 500,
                                        .dataBase = 12288,
                                        .usableMaps = 31,
                                        .lastType = 32,
                                        .mapsField = kPaf5MapsField,
                                        .firstDeletedIndividual = 34,
                                        .firstDeletedMarriage = 142,
                                        .deletedNext = 0,
                                        .citationNext = 120,
                                        .noteTextOffset = 13,
                                        .noteTextWidth = 243,
                                        .sizes = kPaf5Sizes};

}  // namespace kinshelf::paf
