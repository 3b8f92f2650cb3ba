// One person of a collection: a lazy view of one record. Readers derive from it and answer the
// virtual operations from their file; the texts below are built from those answers and from the
// settings of the collection, read on each call. Every object an individual returns is new and
// belongs to the caller, except its creation and change dates, which it owns.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/ListingOptions.h"
#include "model/NameParts.h"
#include "model/WABSCollectionItem.h"
#include "model/WABSEvent.h"

namespace kinshelf {

class WABSCitation;
class WABSLDSEvent;
class WABSName;
class WABSNote;
class WABSVitEvent;
class WDate;

// A family in which an individual is a child, with the relation codes of its two parents to the
// child (codes of WABSCollection::GetRelationName: 1 "Father" and 7 "Mother" for natural parents).
struct ParentFamilyLink {
  std::int32_t family = 0;
  std::int32_t fatherRelation = 0;
  std::int32_t motherRelation = 0;
};

// The date and place display texts of one event.
struct EventTexts {
  std::string date;
  std::string place;
};

// What one line of a listing shows of an individual. A listing keeps one for all its lines, so
// that a reader may fill the texts in the room they kept from the line before, and reads the
// settings they are laid out by once.
struct ListingTexts {
  explicit ListingTexts(const ListingOptions& settings) : options(settings) {}

  ListingOptions options;
  std::string id;    // GetIDText()
  std::string name;  // NameWithIDText(id)
  EventTexts birth;  // EventDateAndPlaceText(EventKind::kBirth, 1)
  EventTexts death;  // EventDateAndPlaceText(EventKind::kDeath, 1)
};

class WABSIndividual : public WABSCollectionItem {
 public:
  ~WABSIndividual() override = default;

  // Virtual operations in this order.
  // Clears what the object cached of its record. Base: nothing.
  virtual void Reset() {}
  // Frees what the object cached. A reader's destructor calls its own override first: a base
  // destructor cannot reach an override.
  virtual void FreeCache() = 0;
  // Points the object at the individual with that index. Throws std::runtime_error
  // "Error getting pointer to individual <index>" when the record can't be located.
  virtual void LoadRecord(std::int32_t index) = 0;
  // The record's identifier as the file shows it.
  virtual std::string GetIDText() = 0;
  // The user reference number; empty when absent.
  virtual std::string GetRefNumber() = 0;
  // The Ancestral File Number; empty when absent.
  virtual std::string GetAFN() = 0;
  // 'M', 'F', or 'U' when unknown.
  virtual char GetSex() = 0;
  // The creation and change dates, or nullptr; owned by the individual and valid while it lives
  // and until the next Reset or LoadRecord.
  virtual const WDate* GetCreatedDate() = 0;
  virtual const WDate* GetChangedDate() = 0;
  // The primary name, or nullptr.
  virtual std::unique_ptr<WABSName> GetName() = 0;
  // Kinds kBirth to kBurial: 1 when the event exists, else 0; kOther: the number of other events;
  // any other kind: 0.
  virtual std::int32_t EventCount(EventKind kind) = 0;
  // The event of kind kBirth to kBurial (n is ignored) or the n-th other event (kOther); nullptr
  // when absent.
  virtual std::unique_ptr<WABSVitEvent> GetEvent(EventKind kind, std::int32_t n) = 0;
  // The ordinance of kind kLdsBaptism, kLdsEndowment or kLdsSealingToParents; nullptr otherwise
  // and when absent.
  virtual std::unique_ptr<WABSLDSEvent> GetLDSEvent(EventKind kind) = 0;
  // The number of families in which the individual is a child.
  virtual std::int32_t ParentFamilyCount() = 0;
  // The marriage index of the n-th such family (1-based), 0 when n is out of range.
  virtual std::int32_t GetParentFamily(std::int32_t n) = 0;
  // The n-th such family with the parents' relation codes; nothing when n is out of range.
  virtual std::optional<ParentFamilyLink> GetParentFamilyEx(std::int32_t n) = 0;
  // The number of families in which the individual is a spouse.
  virtual std::int32_t SpouseFamilyCount() = 0;
  // The marriage index of the n-th such family (1-based), 0 when n is out of range.
  virtual std::int32_t GetSpouseFamily(std::int32_t n) = 0;
  // A value a reader may keep with the individual (SetUserValue); no use is fixed. Base: that value.
  virtual std::int32_t UserValue() { return userValue_; }
  // No use is fixed. Base: 0.
  virtual std::int32_t ExtraValue() { return 0; }
  // True when the individual has neither a valid death nor burial date and was born (or, without
  // a birth year, christened) fewer than `years` years before the current year.
  virtual bool IsPossiblyLiving(std::int32_t years);
  // True when ParentFamilyCount() is 0.
  virtual bool HasNoParents();
  // True when SpouseFamilyCount() is 0.
  virtual bool HasNoSpouses();
  // The citations attached to the individual itself.
  virtual std::int32_t CitationCount() = 0;
  // Citation n (1-based), or nullptr.
  virtual std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) = 0;
  // The individual's note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() = 0;
  // Left to each reader; the GEDCOM and PAF readers keep the bases: 0, empty, empty.
  virtual std::int32_t ReaderValue() { return 0; }
  virtual std::string ReaderNumberedText(std::int32_t /*number*/) { return std::string(); }
  virtual std::string ReaderText() { return std::string(); }
  // The raw record as text (empty where the format has no text form).
  virtual std::string GetRecordText() = 0;

  // The name: prefix, given names, surname and suffix, those that are there, one space apart,
  // shaped by NameSlash, NameUpper and, with affixes, PreSuf. Empty without a name.
  std::string NameText(bool withAffixes);
  // NameText(true) followed, when FNValueFlag is on, by " (index)" (FNValue 2), " {reference}"
  // (FNValue 3) or " [id]" (any other FNValue).
  std::string NameWithIDText();
  // The same, with the individual's GetIDText() already at hand (a listing shows it anyway).
  std::string NameWithIDText(std::string_view id);
  // Name (NameWithIDText when `withId`, else NameText(false)), ", (b. " birth date ", " birth place
  // ")" and ", (d. " death date ", " death place ")"; a piece without date and place is left out,
  // and a date or place alone shows without its comma.
  std::string LifeSpanText(bool withId);
  // The event's date text and place text joined by ", " (see JoinedPieces); empty when the event is
  // absent.
  std::string EventText(EventKind kind, std::int32_t n);
  // The event's place display text; empty when the event is absent.
  std::string EventPlaceText(EventKind kind, std::int32_t n);
  // The event's date display text; empty when the event or its date is absent.
  std::string EventDateText(EventKind kind, std::int32_t n);
  // EventDateText and EventPlaceText from one look-up of the event. A reader may give them
  // without making the event.
  virtual EventTexts EventDateAndPlaceText(EventKind kind, std::int32_t n);
  // The texts of a listing's line, in the reader's own encoding like those above. Base: from those
  // functions; a reader may give them without making the name and the events.
  virtual void ReadListingTexts(ListingTexts& texts);
  // True when the event has a valid date.
  bool EventDateValid(EventKind kind, std::int32_t n);
  // The year of the event's date; 0 without a date.
  std::int32_t EventYear(EventKind kind, std::int32_t n);
  // True when GetLDSEvent(kind) gives an ordinance.
  bool HasLDSEvent(EventKind kind);
  // The age at death, or today when no death is known: "~" for an inexact difference, the whole
  // years, "?" when alive or unknown; in "[" "]" when christening or burial stood in (AgeCalcCB).
  // Empty when no age can be formed or it exceeds 110 years.
  std::string AgeText();
  // The numbered citation list ("1) ...", then "\r\n\r\n" n ") ..."); empty without citations.
  std::string CitationsText();
  // The note's lines joined with "\r\n"; empty without a note.
  std::string NoteText();
  // The change date's display text; empty without one.
  std::string ChangedDateText();

 protected:
  WABSIndividual(WABSCollection& collection, std::int32_t index) : WABSCollectionItem(collection, index) {}
  void SetUserValue(std::int32_t value) { userValue_ = value; }
  // Appends the parts one space apart, those that are there; with `slashes` the surname between
  // slashes, even when empty; the prefix and suffix only with `affixes`.
  static void AppendNameParts(std::string& text, const NamePartViews& parts, bool affixes, bool slashes);
  // Appends what NameWithIDText puts after the name when `shown`, of the kind the settings name
  // (FNValue), taking the identifier from `id` when given.
  void AppendIDSuffix(std::string& text, const std::string_view* id, bool shown, int kind);
  // The listing's name from parts read in place, laid out as NameWithIDText(texts.id) lays them out
  // without a capital surname; `parts` nullptr for an individual without a name.
  void AssignListingName(ListingTexts& texts, const NamePartViews* parts);

 private:
  // NameWithIDText, taking the identifier from `id` when it is given.
  std::string NameWithKnownID(const std::string_view* id);
  // NameText with `room` more bytes kept for what the caller appends.
  std::string NameText(bool withAffixes, std::size_t room);

  std::int32_t userValue_ = 0;
};

}  // namespace kinshelf
