// Lays a described family file out in PAF 3, 4 or 5 form.
#include "support/PafWriter.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "support/PafDateEncoder.h"

namespace kinshelf::test {
namespace {

constexpr int kHeaderTotalsTypes = 10;
// PAF 3 and 4 name links.
constexpr int kSurname = 1;
constexpr std::array<int, 3> kGivenNames{5, 9, 13};
constexpr int kSuffix = 17;
// The five option flags from the first one on; the print identifier sits between them.
constexpr std::array<int, 5> kFlagOffsets{0, 1, 2, 4, 5};
// PAF 5 individual text records.
constexpr int kTextKind = 12;
constexpr int kTextLength = 13;
constexpr int kTextBody = 15;
constexpr std::uint8_t kNameKind = 1;
constexpr std::uint8_t kAfnKind = 10;
constexpr std::uint8_t kRefNumberKind = 11;
constexpr std::size_t kMaxText = 256;

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

// PAF 5 keeps a name as one text: given names, the surname between slashes, the suffix.
std::string NameText(const PafDescription::Individual& individual) {
  std::string text = Joined(individual.givenNames, " ");
  if (!text.empty()) text += ' ';
  text += '/' + individual.surname + '/';
  if (!individual.suffix.empty()) text += ' ' + individual.suffix;
  return text;
}

// A text link holds a file offset in 32 signed bits.
std::int32_t OffsetLink(std::int64_t offset) {
  if (offset > std::numeric_limits<std::int32_t>::max()) throw std::length_error("text beyond a 32-bit link");
  return static_cast<std::int32_t>(offset);
}

std::string VersionText(const std::string& wanted, const char* own) {
  return (wanted.empty() ? std::string(own) : wanted).substr(0, 4);
}

}  // namespace

PafWrittenFile PafWriter::Write(const PafDescription& description, PafVersion version,
                                const std::string& path) {
  PafWriter writer(description, version);
  writer.WriteRecords();
  writer.WriteDeletedChains();
  writer.WriteHeader();
  writer.WriteTotals();
  writer.image_.WriteTo(path);
  writer.file_.path = path;
  writer.file_.size = writer.image_.Size();
  writer.file_.maps = writer.image_.MapCount();
  return writer.file_;
}

PafWriter::PafWriter(const PafDescription& description, PafVersion version)
    : description_(description),
      layout_(PafLayout::Of(version)),
      image_(layout_, description.options.blocksPerTypePerMap) {
  file_.version = version;
  if (version == PafVersion::kPaf4) file_.totalsBlock = image_.AllocateBlock(kPafTotalsBlock);
  AllocateRecords();
  LinkFamilies();
}

void PafWriter::WriteRecords() {
  auto count = [](const auto& records) { return static_cast<std::int32_t>(records.size()); };
  for (std::int32_t rin = 1; rin <= count(description_.individuals); ++rin) WriteIndividual(rin);
  for (std::int32_t mrin = 1; mrin <= count(description_.marriages); ++mrin) {
    WriteMarriage(mrin);
    WriteChildLinks(mrin);
  }
  for (std::int32_t n = 1; n <= count(description_.sources); ++n) WriteSource(n);
  for (std::int32_t n = 1; n <= count(description_.repositories); ++n) WriteRepository(n);
  for (const std::string& note : description_.notes) file_.notes.push_back(WriteNote(note));
}

PafImage::Place PafWriter::Allocate(int type) {
  const PafImage::Place place = image_.Allocate(type);
  file_.records[type].push_back(place.offset);
  return place;
}

void PafWriter::AllocateRecords() {
  for (std::size_t i = 0; i < description_.individuals.size(); ++i) Allocate(kPafIndividual);
  for (std::size_t i = 0; i < description_.marriages.size(); ++i) Allocate(kPafMarriage);
  for (const PafDescription::Marriage& marriage : description_.marriages) {
    std::vector<std::int32_t>& links = childLinks_.emplace_back();
    for (std::size_t i = 0; i < marriage.children.size(); ++i)
      links.push_back(Allocate(kPafChildLink).number);
  }
  const bool paf4 = layout_.version == PafVersion::kPaf4;
  for (std::size_t i = 0; i < description_.sources.size(); ++i) Allocate(kPafSource);
  for (std::size_t i = 0; paf4 && i < description_.sources.size(); ++i) Allocate(kPafSourceExtension);
  for (std::size_t i = 0; i < description_.repositories.size(); ++i) Allocate(kPafRepository);
  // Extensions are numbered by RIN, so only the last individuals can go without one.
  for (std::size_t i = 0; paf4 && i < description_.individuals.size(); ++i) {
    if (description_.individuals[i].withExtension) extensions_ = static_cast<std::int32_t>(i) + 1;
  }
  for (std::int32_t rin = 1; rin <= extensions_; ++rin) Allocate(kPafIndividualExtension);
}

void PafWriter::LinkFamilies() {
  const auto individuals = static_cast<std::int32_t>(description_.individuals.size());
  spouseFamilies_.resize(description_.individuals.size());
  parentLinks_.resize(description_.individuals.size());
  auto inRange = [individuals](std::int32_t rin) { return rin >= 1 && rin <= individuals; };
  for (std::size_t m = 0; m < description_.marriages.size(); ++m) {
    const PafDescription::Marriage& marriage = description_.marriages[m];
    const auto mrin = static_cast<std::int32_t>(m) + 1;
    if (inRange(marriage.husband))
      spouseFamilies_[static_cast<std::size_t>(marriage.husband - 1)].push_back(mrin);
    if (inRange(marriage.wife)) spouseFamilies_[static_cast<std::size_t>(marriage.wife - 1)].push_back(mrin);
    for (std::size_t c = 0; c < marriage.children.size(); ++c) {
      const std::int32_t child = marriage.children[c].rin;
      if (inRange(child)) parentLinks_[static_cast<std::size_t>(child - 1)].push_back(childLinks_[m][c]);
    }
  }
}

void PafWriter::WriteIndividual(std::int32_t rin) {
  const PafDescription::Individual& individual = description_.individuals[static_cast<std::size_t>(rin - 1)];
  const PafLayout::Individual& field = layout_.individual;
  const std::int64_t record = file_.Record(kPafIndividual, rin);
  if (!individual.deleted) {
    if (layout_.version == PafVersion::kPaf5) {
      PutLink(record + field.names, WriteIndividualTexts(individual));
    } else {
      WriteNameLinks(individual, record);
    }
  }
  image_.PutByte(record + field.sex, static_cast<std::uint8_t>(individual.sex));
  WriteEvent(record + field.birth, individual.birth);
  WriteEvent(record + field.christening, individual.christening);
  WriteEvent(record + field.death, individual.death);
  WriteEvent(record + field.burial, individual.burial);
  WriteOrdinance(record + field.baptism, individual.baptism);
  WriteOrdinance(record + field.endowment, individual.endowment);
  const auto& spouses = spouseFamilies_[static_cast<std::size_t>(rin - 1)];
  const auto& parents = parentLinks_[static_cast<std::size_t>(rin - 1)];
  PutLink(record + field.spouseFamily, spouses.empty() ? 0 : spouses.front());
  PutLink(record + field.parentLink, parents.empty() ? 0 : parents.front());
  PutLink(record + field.note, WriteNote(individual.note));
  PutLink(record + field.citation, WriteCitations(individual.citations));
  if (field.created != PafLayout::kNoField) {
    image_.PutInt32(record + field.created, static_cast<std::int32_t>(individual.created));
  }
  image_.PutInt32(record + field.changed, static_cast<std::int32_t>(individual.changed));
  image_.PutText(field.refNumber, record, individual.refNumber);
  image_.PutText(field.afn, record, individual.afn);
  if (field.otherEvent != PafLayout::kNoField) {
    PutLink(record + field.otherEvent, WriteOtherEvents(individual.otherEvents));
  }
  if (rin <= extensions_) WriteExtension(rin);
}

void PafWriter::WriteNameLinks(const PafDescription::Individual& individual, std::int64_t record) {
  PutLink(record + kSurname, Text(individual.surname));
  for (std::size_t i = 0; i < kGivenNames.size(); ++i) {
    PutLink(record + kGivenNames[i], i < individual.givenNames.size() ? Text(individual.givenNames[i]) : 0);
  }
  PutLink(record + kSuffix, Text(individual.suffix));
}

// The name, then the AFN and reference number that are given, chained from the first.
std::int32_t PafWriter::WriteIndividualTexts(const PafDescription::Individual& individual) {
  using KindText = std::pair<std::uint8_t, std::string>;
  const KindText afn{kAfnKind, individual.afn};
  const KindText refNumber{kRefNumberKind, individual.refNumber};
  const bool afnFirst = individual.afnBeforeRefNumber;
  std::vector<KindText> texts{{kNameKind, NameText(individual)}};
  for (const KindText* text : {afnFirst ? &afn : &refNumber, afnFirst ? &refNumber : &afn}) {
    if (!text->second.empty()) texts.push_back(*text);
  }
  std::vector<std::int64_t> places;
  for (std::size_t i = 0; i < texts.size(); ++i) places.push_back(Allocate(kPafText).offset);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string body = texts[i].second.substr(0, kMaxText);
    image_.PutInt32(places[i], i + 1 < places.size() ? OffsetLink(places[i + 1]) : 0);
    image_.PutByte(places[i] + kTextKind, texts[i].first);
    image_.PutInt16(places[i] + kTextLength, static_cast<std::int16_t>(body.size()));
    image_.PutBytes(places[i] + kTextBody, body);
  }
  return OffsetLink(places.front());
}

void PafWriter::WriteExtension(std::int32_t rin) {
  const PafDescription::Individual& individual = description_.individuals[static_cast<std::size_t>(rin - 1)];
  const PafLayout::Extension& field = layout_.extension;
  const std::int64_t record = file_.Record(kPafIndividualExtension, rin);
  PutLink(record + field.otherEvent, WriteOtherEvents(individual.otherEvents));
  PutLink(record + field.prefix, Text(individual.prefix));
  for (std::size_t i = 0; i < field.ldsPlace.size(); ++i) {
    PutLink(record + field.ldsPlace[i], i < individual.ldsPlace.size() ? Text(individual.ldsPlace[i]) : 0);
  }
}

std::int32_t PafWriter::WriteOtherEvents(const std::vector<PafDescription::OtherEvent>& events) {
  std::vector<PafImage::Place> places;
  for (std::size_t i = 0; i < events.size(); ++i) places.push_back(Allocate(kPafOtherEvent));
  const PafLayout::OtherEvent& field = layout_.otherEvent;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const std::int64_t record = places[i].offset;
    PutLink(record + field.next, i + 1 < places.size() ? places[i + 1].number : 0);
    PutLink(record + field.description, Text(events[i].description));
    PutLink(record + field.type, EventType(events[i].type));
    WriteEvent(record + field.event, events[i].event);
  }
  return places.empty() ? 0 : places.front().number;
}

std::int32_t PafWriter::EventType(const std::string& name) {
  const auto found = eventTypes_.find(name);
  if (found != eventTypes_.end()) return found->second;
  const PafImage::Place place = Allocate(kPafEventType);
  PutLink(place.offset, Text(name));
  eventTypes_.emplace(name, place.number);
  return place.number;
}

void PafWriter::WriteEvent(std::int64_t at, const Event& event) {
  const PafLayout::Event& field = layout_.event;
  WriteDate(at + field.date, event.date);
  const bool onePlace = field.placeCount == 1;
  for (std::size_t i = 0; i < static_cast<std::size_t>(field.placeCount); ++i) {
    const std::string part = onePlace                 ? Joined(event.place, ", ")
                             : i < event.place.size() ? event.place[i]
                                                      : "";
    PutLink(at + field.places[i], Text(part));
  }
  PutLink(at + field.citation, WriteCitations(event.citations));
}

void PafWriter::WriteOrdinance(std::int64_t at, const Ordinance& ordinance) {
  const PafLayout::Ordinance& field = layout_.ordinance;
  WriteDate(at, ordinance.date);
  PutLink(at + field.temple, Text(ordinance.temple));
  PutLink(at + field.citation, WriteCitations(ordinance.citations));
  if (field.note != PafLayout::kNoField) PutLink(at + field.note, WriteNote(ordinance.note));
  const bool given = ordinance.date.form != Date::Form::kNone || !ordinance.temple.empty();
  if (field.templeFlag != PafLayout::kNoField && given && ordinance.templeFlag)
    image_.PutByte(at + field.templeFlag, 1);
}

void PafWriter::WriteDate(std::int64_t at, const Date& date) {
  const std::int32_t link = date.form == Date::Form::kText && !date.raw ? Text(date.text) : 0;
  image_.PutBytes(at, layout_.event.dateWidth == 6 ? PafDateEncoder::Six(date, link)
                                                   : PafDateEncoder::Twelve(date, link));
}

void PafWriter::WriteMarriage(std::int32_t mrin) {
  const PafDescription::Marriage& marriage = description_.marriages[static_cast<std::size_t>(mrin - 1)];
  const PafLayout::Marriage& field = layout_.marriage;
  const std::int64_t record = file_.Record(kPafMarriage, mrin);
  image_.PutInt32(record + field.husband, marriage.husband);
  image_.PutInt32(record + field.wife, marriage.wife);
  const auto& children = childLinks_[static_cast<std::size_t>(mrin - 1)];
  PutLink(record + field.child, children.empty() ? 0 : children.front());
  WriteEvent(record + field.event, marriage.marriage);
  WriteOrdinance(record + field.sealing, marriage.sealing);
  auto nextOf = [&](std::int32_t spouse) {
    if (spouse < 1 || spouse > static_cast<std::int32_t>(spouseFamilies_.size())) return 0;
    const auto& families = spouseFamilies_[static_cast<std::size_t>(spouse - 1)];
    for (std::size_t i = 0; i + 1 < families.size(); ++i) {
      if (families[i] == mrin) return families[i + 1];
    }
    return 0;
  };
  PutLink(record + field.husbandNext, nextOf(marriage.husband));
  PutLink(record + field.wifeNext, nextOf(marriage.wife));
  PutLink(record + field.note, WriteNote(marriage.note));
}

void PafWriter::WriteChildLinks(std::int32_t mrin) {
  const PafDescription::Marriage& marriage = description_.marriages[static_cast<std::size_t>(mrin - 1)];
  const auto& links = childLinks_[static_cast<std::size_t>(mrin - 1)];
  const PafLayout::ChildLink& field = layout_.childLink;
  for (std::size_t c = 0; c < links.size(); ++c) {
    const std::int64_t record = file_.Record(kPafChildLink, links[c]);
    const std::int32_t child = marriage.children[c].rin;
    image_.PutInt32(record + field.family, mrin);
    PutLink(record + field.nextChild, c + 1 < links.size() ? links[c + 1] : 0);
    std::int32_t nextParent = 0;
    if (child >= 1 && child <= static_cast<std::int32_t>(parentLinks_.size())) {
      const auto& parents = parentLinks_[static_cast<std::size_t>(child - 1)];
      for (std::size_t i = 0; i + 1 < parents.size(); ++i) {
        if (parents[i] == links[c]) nextParent = parents[i + 1];
      }
    }
    PutLink(record + field.nextParent, nextParent);
    image_.PutInt32(record + field.child, child);
    WriteOrdinance(record + field.sealing, marriage.children[c].sealing);
  }
}

void PafWriter::WriteSource(std::int32_t number) {
  const PafDescription::Source& source = description_.sources[static_cast<std::size_t>(number - 1)];
  const PafLayout::Source& field = layout_.source;
  const std::int64_t record = file_.Record(kPafSource, number);
  image_.PutText(field.author, record, source.author);
  image_.PutText(field.title, record, source.title);
  image_.PutText(field.publication, record, source.publication);
  image_.PutText(field.callNumber, record, source.callNumber);
  PutLink(record + field.note, WriteNote(source.note));
  PutLink(record + field.repository, source.repository);
  if (field.textNote != PafLayout::kNoField) PutLink(record + field.textNote, WriteNote(source.textNote));
  if (layout_.version == PafVersion::kPaf4) {
    PutLink(file_.Field(kPafSourceExtension, number, layout_.extension.sourceTextNote),
            WriteNote(source.textNote));
  }
}

void PafWriter::WriteRepository(std::int32_t number) {
  const PafDescription::Repository& repository =
      description_.repositories[static_cast<std::size_t>(number - 1)];
  const PafLayout::Repository& field = layout_.repository;
  const std::int64_t record = file_.Record(kPafRepository, number);
  image_.PutText(field.name, record, repository.name);
  image_.PutText(field.address, record, repository.address);
  image_.PutText(field.address1, record, repository.address1);
  image_.PutText(field.address2, record, repository.address2);
  image_.PutText(field.phone, record, repository.phone);
}

// The chain's records take consecutive numbers; each names the next, the last none.
std::int32_t PafWriter::WriteCitations(const std::vector<PafDescription::Citation>& citations) {
  std::vector<PafImage::Place> places;
  for (std::size_t i = 0; i < citations.size(); ++i) places.push_back(Allocate(kPafCitation));
  const PafLayout::Citation& field = layout_.citation;
  for (std::size_t i = 0; i < citations.size(); ++i) {
    const std::int64_t record = places[i].offset;
    image_.PutText(field.detail, record, citations[i].detail);
    PutLink(record + field.note, WriteNote(citations[i].note));
    PutLink(record + field.source, citations[i].source);
    PutLink(record + field.next, i + 1 < places.size() ? places[i + 1].number : 0);
  }
  return places.empty() ? 0 : places.front().number;
}

// Slices of the piece's width; the last piece's next link is 0, as note chains end.
std::int32_t PafWriter::WriteNote(std::string_view text) {
  const auto width = static_cast<std::size_t>(layout_.notePiece.width);
  std::vector<PafImage::Place> places;
  for (std::size_t at = 0; at < text.size(); at += width) places.push_back(Allocate(kPafNotePiece));
  for (std::size_t i = 0; i < places.size(); ++i) {
    image_.PutInt32(places[i].offset, i + 1 < places.size() ? places[i + 1].number : 0);
    image_.PutBytes(places[i].offset + layout_.notePiece.offset, text.substr(i * width, width));
  }
  return places.empty() ? 0 : places.front().number;
}

std::int32_t PafWriter::Text(std::string_view text) {
  if (text.empty()) return 0;
  const std::int64_t offset = Allocate(kPafText).offset;
  image_.PutBytes(offset + layout_.textStart, text.substr(0, kMaxText));
  return OffsetLink(offset);
}

void PafWriter::PutLink(std::int64_t at, std::int32_t link) {
  image_.PutInt32(at, link != 0 ? link : description_.options.noLink);
}

void PafWriter::WriteDeletedChains() {
  auto chain = [this](const auto& records, int type, int nextField, int headerField) {
    std::int32_t next = 0;
    for (auto number = static_cast<std::int32_t>(records.size()); number >= 1; --number) {
      if (!records[static_cast<std::size_t>(number - 1)].deleted) continue;
      image_.PutInt32(file_.Field(type, number, nextField), next);
      next = number;
    }
    image_.PutInt32(headerField, next);
  };
  chain(description_.individuals, kPafIndividual, layout_.individual.deletedNext,
        layout_.header.firstDeletedIndividual);
  chain(description_.marriages, kPafMarriage, layout_.marriage.deletedNext,
        layout_.header.firstDeletedMarriage);
}

void PafWriter::WriteHeader() {
  const PafLayout::Header& field = layout_.header;
  const PafDescription::Options& options = description_.options;
  const bool paf5 = layout_.version == PafVersion::kPaf5;
  const char* own = paf5 ? "500" : layout_.version == PafVersion::kPaf4 ? "400" : "300";
  image_.PutBytes(field.version, VersionText(paf5 ? options.versionText : "", own));
  image_.PutBytes(field.oldestVersion, VersionText(options.oldestVersion, own));
  if (field.signature != PafLayout::kNoField) image_.PutBytes(field.signature, "PAF");
  image_.PutInt32(field.individuals, static_cast<std::int32_t>(description_.individuals.size()));
  image_.PutInt32(field.marriages, static_cast<std::int32_t>(description_.marriages.size()));
  image_.PutInt32(field.notes, file_.Count(kPafNotePiece));
  image_.PutInt32(field.sources, static_cast<std::int32_t>(description_.sources.size()));
  if (field.maps != PafLayout::kNoField) image_.PutInt32(field.maps, image_.MapCount());
  if (field.totalsBlock != PafLayout::kNoField) {
    const std::int64_t block = (file_.totalsBlock - layout_.dataBase) / PafLayout::kBlockSize;
    image_.PutInt32(field.totalsBlock, static_cast<std::int32_t>(block + 1));
  }
  if (field.flags != PafLayout::kNoField) {
    for (std::size_t i = 0; i < kFlagOffsets.size(); ++i) {
      image_.PutByte(field.flags + kFlagOffsets[i], description_.headerFlags[i]);
    }
    image_.PutByte(field.printIdentifier, static_cast<std::uint8_t>(description_.printIdentifier));
  }
  WriteHeaderTexts();
}

void PafWriter::WriteHeaderTexts() {
  const PafLayout::Header& field = layout_.header;
  const PafDescription::Submitter& submitter = description_.submitter;
  image_.PutText(field.submitterName, 0, submitter.name);
  image_.PutText(field.submitterNameSecondPart, 0, submitter.nameSecondPart);
  image_.PutText(field.address1, 0, submitter.address1);
  image_.PutText(field.address2, 0, submitter.address2);
  image_.PutText(field.address3, 0, submitter.address3);
  image_.PutText(field.country, 0, submitter.country);
  image_.PutText(field.phone, 0, submitter.phone);
  image_.PutText(field.email, 0, submitter.email);
  image_.PutText(field.title, 0, description_.title);
}

void PafWriter::WriteTotals() {
  using Totals = PafDescription::Options::Totals;
  const Totals where = description_.options.paf4Totals;
  const bool paf4 = layout_.version == PafVersion::kPaf4;
  const int headerTypes = layout_.version == PafVersion::kPaf5 ? layout_.totalsPerMap : kHeaderTotalsTypes;
  for (int map = 0; map < image_.MapCount(); ++map) {
    for (int type = 1; !(paf4 && where == Totals::kBlockOnly) && type <= headerTypes; ++type) {
      image_.PutInt16(file_.HeaderTotalsCount(map, type),
                      static_cast<std::int16_t>(image_.BlocksOf(map, type)));
    }
    for (int type = 1; paf4 && where != Totals::kHeaderOnly && type <= layout_.lastType; ++type) {
      image_.PutInt16(file_.TotalsCount(map, type), static_cast<std::int16_t>(image_.BlocksOf(map, type)));
    }
  }
}

}  // namespace kinshelf::test
