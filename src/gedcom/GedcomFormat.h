// The GEDCOM text format as this reader reads it: the line layout, the tags it matches, the record
// kinds, the event table and the limits. Everything the reader knows about the format lives here.
//
// LINE LAYOUT
//
// A GEDCOM file is 8-bit text of lines ended by CR LF, LF or CR alone. The reader never tokenises a
// whole line; it reads places relative to the line position, which is the first byte of the line
// that is not a space, TAB, CR or LF:
//
//   place            meaning
//   line position    level, tested as one character ('0', '1', '2')
//   then             one or more spaces or TABs (one space in most files, the fast path)
//   tag start        the tag, compared as one 32-bit word; on a line that carries a cross-reference
//                    identifier (a record line "0 @I1@ INDI") these bytes hold the identifier instead
//   after the tag    one space or TAB, or the line break
//   value start      the value, as written up to the line break
//
// Three-letter tags (CHR, SEX, AFN, SSN, DIV) are compared as the three letters plus the byte after
// them (a TAB there reads as a space). Longer tags are matched by their first four letters (_EMAIL as "_EMA",
// EMAIL as "EMAI"); the long forms FAMILY_CHILD and FAMILY_SPOUSE as "FAMI" followed by "LY_C" or "LY_S".
//
// Sentinels: a record starts at a '0' that directly follows a CR or LF (an indented level-0 line is
// not a record start); the header is the first '0' anywhere in the text; "0 TR" is the trailer, and
// nothing after it is indexed. A cross-reference identifier is the non-empty text between the first
// two '@' of one line. Every scan stops at the end of the mapped text, whatever the bytes say.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/WABSEvent.h"

namespace kinshelf::gedcom {

// A four-byte tag as the 32-bit word the reader compares; bytes in file order, so the word is the
// same whatever the byte order of the machine as long as both sides are built alike.
constexpr std::uint32_t TagWord(const char (&tag)[5]) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(tag[0])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(tag[1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(tag[2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(tag[3])) << 24;
}

namespace tag {
inline constexpr std::uint32_t kIndi = TagWord("INDI");
inline constexpr std::uint32_t kObje = TagWord("OBJE");
inline constexpr std::uint32_t kNote = TagWord("NOTE");
inline constexpr std::uint32_t kRepo = TagWord("REPO");
inline constexpr std::uint32_t kSour = TagWord("SOUR");
inline constexpr std::uint32_t kSubn = TagWord("SUBN");
inline constexpr std::uint32_t kSubm = TagWord("SUBM");
inline constexpr std::uint32_t kText = TagWord("TEXT");
inline constexpr std::uint32_t kConc = TagWord("CONC");
inline constexpr std::uint32_t kCont = TagWord("CONT");
inline constexpr std::uint32_t kDate = TagWord("DATE");
inline constexpr std::uint32_t kTime = TagWord("TIME");
inline constexpr std::uint32_t kPlac = TagWord("PLAC");
inline constexpr std::uint32_t kChar = TagWord("CHAR");
inline constexpr std::uint32_t kFamc = TagWord("FAMC");
inline constexpr std::uint32_t kFams = TagWord("FAMS");
inline constexpr std::uint32_t kFami = TagWord("FAMI");
inline constexpr std::uint32_t kLyC = TagWord("LY_C");  // FAMILY_CHILD after "FAMI"
inline constexpr std::uint32_t kLyS = TagWord("LY_S");  // FAMILY_SPOUSE after "FAMI"
inline constexpr std::uint32_t kHusb = TagWord("HUSB");
inline constexpr std::uint32_t kWife = TagWord("WIFE");
inline constexpr std::uint32_t kChil = TagWord("CHIL");
inline constexpr std::uint32_t kBirt = TagWord("BIRT");
inline constexpr std::uint32_t kDeat = TagWord("DEAT");
inline constexpr std::uint32_t kBuri = TagWord("BURI");
inline constexpr std::uint32_t kChan = TagWord("CHAN");
inline constexpr std::uint32_t kBapl = TagWord("BAPL");
inline constexpr std::uint32_t kCons = TagWord("CONS");
inline constexpr std::uint32_t kEndl = TagWord("ENDL");
inline constexpr std::uint32_t kSlgc = TagWord("SLGC");
inline constexpr std::uint32_t kSlgs = TagWord("SLGS");
inline constexpr std::uint32_t kName = TagWord("NAME");
inline constexpr std::uint32_t kRefn = TagWord("REFN");
inline constexpr std::uint32_t kMarr = TagWord("MARR");
inline constexpr std::uint32_t kGivn = TagWord("GIVN");
inline constexpr std::uint32_t kSurn = TagWord("SURN");
inline constexpr std::uint32_t kNpfx = TagWord("NPFX");
inline constexpr std::uint32_t kNsfx = TagWord("NSFX");
inline constexpr std::uint32_t kType = TagWord("TYPE");
inline constexpr std::uint32_t kCaus = TagWord("CAUS");
inline constexpr std::uint32_t kRela = TagWord("RELA");
inline constexpr std::uint32_t kAsso = TagWord("ASSO");
inline constexpr std::uint32_t kAddr = TagWord("ADDR");
inline constexpr std::uint32_t kStat = TagWord("STAT");
inline constexpr std::uint32_t kQual = TagWord("QUAL");
inline constexpr std::uint32_t kTemp = TagWord("TEMP");
inline constexpr std::uint32_t kPage = TagWord("PAGE");
inline constexpr std::uint32_t kTitl = TagWord("TITL");
inline constexpr std::uint32_t kAuth = TagWord("AUTH");
inline constexpr std::uint32_t kPubl = TagWord("PUBL");
inline constexpr std::uint32_t kCaln = TagWord("CALN");
inline constexpr std::uint32_t kAbbr = TagWord("ABBR");
inline constexpr std::uint32_t kAdr1 = TagWord("ADR1");
inline constexpr std::uint32_t kAdr2 = TagWord("ADR2");
inline constexpr std::uint32_t kCity = TagWord("CITY");
inline constexpr std::uint32_t kStae = TagWord("STAE");
inline constexpr std::uint32_t kPost = TagWord("POST");
inline constexpr std::uint32_t kCtry = TagWord("CTRY");
inline constexpr std::uint32_t kPhon = TagWord("PHON");
inline constexpr std::uint32_t kUEma = TagWord("_EMA");  // _EMAIL
inline constexpr std::uint32_t kEmai = TagWord("EMAI");  // EMAIL
inline constexpr std::uint32_t kDest = TagWord("DEST");
inline constexpr std::uint32_t kFile = TagWord("FILE");
inline constexpr std::uint32_t kGedc = TagWord("GEDC");
inline constexpr std::uint32_t kVers = TagWord("VERS");
inline constexpr std::uint32_t kForm = TagWord("FORM");
inline constexpr std::uint32_t kCorp = TagWord("CORP");
// Three-letter tags with the byte after them.
inline constexpr std::uint32_t kChrSpace = TagWord("CHR ");
inline constexpr std::uint32_t kChrCr = TagWord("CHR\r");
inline constexpr std::uint32_t kChrLf = TagWord("CHR\n");
inline constexpr std::uint32_t kSexSpace = TagWord("SEX ");
inline constexpr std::uint32_t kAfnSpace = TagWord("AFN ");
}  // namespace tag

// The byte "0 TR" that opens the trailer record, as a word read at the record position.
inline constexpr std::uint32_t kTrailerWord = TagWord("0 TR");

// Record type codes, from the tag behind a record line's identifier.
enum RecordType : int {
  kTypeIndividual = 0,
  kTypeFamily = 1,  // any tag beginning with F
  kTypeMedia = 2,
  kTypeNote = 3,
  kTypeRepository = 4,
  kTypeSource = 5,
  kTypeSubmission = 6,
  kTypeOther = 7,  // SUBM, any other tag, or no tag
  kTypeNone = 8,   // no identifier
};

// Record categories, numbered from 1, each with one offset index and one identifier index.
enum Category : int {
  kIndividuals = 1,
  kFamilies,
  kNotes,
  kSources,
  kOthers,  // submitters and every unknown record kind
  kSubmissions,
  kRepositories,
  kMedia,
};
inline constexpr int kCategoryCount = 8;

// The category of each record type code 0 to 7.
inline constexpr std::array<Category, 8> kCategoryOfType = {kIndividuals,  kFamilies, kMedia,       kNotes,
                                                            kRepositories, kSources,  kSubmissions, kOthers};

// Initial capacities of the individual and family indexes: bytes of file per record, and the least.
inline constexpr std::int64_t kBytesPerIndividual = 150;
inline constexpr std::int64_t kBytesPerFamily = 400;
inline constexpr std::int32_t kMinimumCapacity = 1024;

// Pending events are let through at the 1st, 501st, 1001st ... record of a pass.
inline constexpr std::int32_t kRecordsPerEventCheck = 500;

// Citation lists keep this many SOUR lines; an individual lists this many other events.
inline constexpr int kMaxCitations = 99;
inline constexpr int kMaxOtherEvents = 999;

// Character-set codes of a file, from the header's CHAR line.
enum CharSet : int { kCharSetOther = 0, kCharSetAnsel = 1, kCharSetUtf8 = 2 };

// The relationship codes stored with every parent link: "Father" and "Mother" of the model's table.
inline constexpr std::int16_t kFatherRelation = 1;
inline constexpr std::int16_t kMotherRelation = 7;

// One row of the event table: the tag word (three-letter tags with a trailing space), the kind and
// the caption. Rows from BAPM on are the individual's other events.
struct EventTag {
  std::uint32_t word;
  EventKind kind;
  std::string_view caption;
};

inline constexpr std::array<EventTag, 40> kEventTable = {{
    {tag::kBirt, EventKind::kBirth, ""},
    {tag::kDeat, EventKind::kDeath, ""},
    {tag::kChrSpace, EventKind::kChristening, ""},
    {tag::kBuri, EventKind::kBurial, ""},
    {TagWord("BAPM"), EventKind::kBaptism, "Baptism"},
    {TagWord("EVEN"), EventKind::kOther, "Event"},
    {TagWord("SSN "), EventKind::kOther, "SSN"},
    {TagWord("DIV "), EventKind::kOther, "Divorce"},
    {TagWord("ENGA"), EventKind::kOther, "Engagement"},
    {TagWord("CHRA"), EventKind::kOther, "Adult Christening"},
    {TagWord("PROB"), EventKind::kOther, "Probate"},
    {TagWord("MARB"), EventKind::kOther, "Marriage Banns"},
    {TagWord("MARC"), EventKind::kOther, "Marriage Contract"},
    {TagWord("EDUC"), EventKind::kOther, "Education"},
    {TagWord("GRAD"), EventKind::kOther, "Graduation"},
    {TagWord("CONF"), EventKind::kOther, "Confirmation"},
    {TagWord("EMIG"), EventKind::kOther, "Emigration"},
    {TagWord("NCHI"), EventKind::kOther, "Children Count"},
    {TagWord("RELI"), EventKind::kOther, "Religion"},
    {TagWord("IMMI"), EventKind::kOther, "Immigration"},
    {TagWord("RESI"), EventKind::kOther, "Residence"},
    {TagWord("NATI"), EventKind::kOther, "Nationality"},
    {TagWord("RETI"), EventKind::kOther, "Retirement"},
    {TagWord("WILL"), EventKind::kOther, "Will"},
    {TagWord("CONL"), EventKind::kOther, "Confirmation LDS"},
    {TagWord("TITL"), EventKind::kOther, "Nobility Title"},
    {TagWord("ANUL"), EventKind::kOther, "Annulment"},
    {TagWord("CREM"), EventKind::kOther, "Cremation"},
    {TagWord("FCOM"), EventKind::kOther, "First Communion"},
    {TagWord("ORDN"), EventKind::kOther, "Ordinance"},
    {TagWord("ASSO"), EventKind::kOther, "Associates"},
    {TagWord("ADOP"), EventKind::kOther, "Adoption"},
    {TagWord("PROP"), EventKind::kOther, "Property"},
    {TagWord("DSCR"), EventKind::kOther, "Physical Description"},
    {TagWord("BLES"), EventKind::kOther, "Blessing"},
    {TagWord("CENS"), EventKind::kOther, "Census"},
    {TagWord("MARS"), EventKind::kOther, "Marriage Settlement"},
    {TagWord("CAST"), EventKind::kOther, "Caste"},
    {TagWord("OCCU"), EventKind::kOther, "Occupation"},
    {TagWord("NATU"), EventKind::kOther, "Naturalization"},
}};
// The first row of the other events.
inline constexpr std::size_t kFirstOtherEventRow = 4;

// The row of a line's tag word from `firstRow` on, or nullptr. The byte after a three-letter tag
// (CHR, SSN, DIV) may be a space, CR or LF.
inline const EventTag* FindEventTag(std::uint32_t word, std::size_t firstRow = 0) {
  const std::uint32_t last = word >> 24;
  if (last == '\r' || last == '\n') word = (word & 0x00FFFFFFu) | (std::uint32_t{' '} << 24);
  for (std::size_t row = firstRow; row < kEventTable.size(); ++row) {
    if (kEventTable[row].word == word) return &kEventTable[row];
  }
  return nullptr;
}

// Captions of the header information.
namespace caption {
inline constexpr std::string_view kApplication = "Application";
inline constexpr std::string_view kApplicationName = "Application Name";
inline constexpr std::string_view kApplicationVersion = "Application Version";
inline constexpr std::string_view kApplicationCorp = "Application Corp.";
inline constexpr std::string_view kApplicationAddress = "Application Address";
inline constexpr std::string_view kDestination = "Destination";
inline constexpr std::string_view kDate = "Date";
inline constexpr std::string_view kFileName = "File name";
inline constexpr std::string_view kGedcVersion = "GEDC Version";
inline constexpr std::string_view kGedcForm = "GEDC Form";
inline constexpr std::string_view kCharSet = "Char Set";
}  // namespace caption

// What GetExtraText gives for a GEDCOM file.
inline constexpr std::string_view kExtraText = "N/A";

}  // namespace kinshelf::gedcom
