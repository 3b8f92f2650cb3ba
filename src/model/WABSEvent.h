// A dated event of an individual or an LDS ordinance: its kind, type name, dates, place,
// description, citations and note. Readers derive from WABSVitEvent or WABSLDSEvent; every object
// an event returns is new and belongs to the caller, except its dates, which it owns.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "model/ItemDates.h"

namespace kinshelf {

class WABSCitation;
class WABSNote;
class WABSPlace;
class WDate;
class WOptions;

// The kind of an event, also the kind argument of the individual's event operations.
enum class EventKind : std::uint8_t {
  kNone = 0,
  kBirth = 1,
  kDeath = 2,
  kChristening = 3,
  kBurial = 4,
  kBaptism = 5,
  kOther = 6,  // any other individual event
  kLdsBaptism = 7,
  kLdsEndowment = 8,
  kLdsSealingToParents = 9,
};

class WABSEvent {
 public:
  WABSEvent(const WABSEvent&) = delete;
  WABSEvent& operator=(const WABSEvent&) = delete;
  virtual ~WABSEvent();

  // Virtual operations in this order (the loaders are protected: callers use Date and SortDate).
 protected:
  // Builds the display date with SetDate; called once, by the first Date().
  virtual void LoadDate() = 0;
  // Builds the sort date; called once, by the first SortDate(). Base: the display date doubles as
  // the sort date. An override calls SetSortDate.
  virtual void LoadSortDate();

 public:
  // Base: the description the reader stored with SetDescription.
  virtual std::string GetDescription();
  // The event's place, or nullptr.
  virtual std::unique_ptr<WABSPlace> GetPlace() = 0;
  // Base: the count the reader stored with SetCitationCount (0 until then).
  virtual std::int32_t CitationCount();
  // Citation n (1-based), or nullptr.
  virtual std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) = 0;
  virtual bool HasNote() = 0;
  // The event's note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  EventKind Kind() const { return kind_; }
  // The display date, or nullptr; owned by the event and valid while it lives.
  const WDate* Date();
  // The sort date, or nullptr; owned by the event and valid while it lives.
  const WDate* SortDate();
  // The display texts of the two dates; empty without a date.
  std::string DateText();
  std::string SortDateText();
  // The event's type name as the reader stored it ("Birth", "Occupation", ...).
  const std::string& TypeName() const { return typeName_; }
  // The place's display text (see WABSPlace::PlaceDisplayText); empty without a place.
  std::string PlaceText(const WOptions& options);
  // The numbered citation list ("1) ...", then "\r\n\r\n" n ") ..."); empty without citations.
  std::string CitationsText();
  // The note's lines joined with "\r\n"; empty without a note.
  std::string NoteText();

 protected:
  explicit WABSEvent(EventKind kind);

  // For LoadDate and LoadSortDate: the first date set is kept, a later one is dropped.
  void SetDate(std::unique_ptr<WDate> date);
  void SetSortDate(std::unique_ptr<WDate> date);
  void SetTypeName(std::string name) { typeName_ = std::move(name); }
  void SetDescription(std::string text) { description_ = std::move(text); }
  void SetCitationCount(std::int32_t count) { citationCount_ = count; }

 private:
  std::int32_t citationCount_ = 0;
  std::string typeName_;
  ItemDates dates_;
  EventKind kind_;
  std::string description_;
};

}  // namespace kinshelf
