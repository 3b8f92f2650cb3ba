// What a test PAF file holds, in plain values: the writer lays it out for PAF 3, 4 or 5.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kinshelf::test {

enum class PafVersion { kPaf3 = 3, kPaf4 = 4, kPaf5 = 5 };

struct PafDescription {
  enum class Qualifier { kNone, kBefore, kAfter, kAbout, kEstimated, kCalculated };

  // A date as the user sees it; the writer packs it into the version's form. `raw` bytes, when
  // given, are written as they are (the first 6 of them in PAF 3 and 4).
  struct Date {
    enum class Form { kNone, kDay, kStatus, kText };
    Form form = Form::kNone;
    int year = 0;  // 0 in a day date: not given
    int month = 0;
    int day = 0;
    Qualifier qualifier = Qualifier::kNone;
    int dualYears = 0;                         // PAF 3 and 4: 1750/51 has 1
    std::optional<std::array<int, 3>> second;  // PAF 5: the second part (year, month, day) of a range
    std::string text;                          // the status word or the free text
    std::optional<std::array<std::uint8_t, 12>> raw;

    static Date Day(int year, int month, int day, Qualifier qualifier = Qualifier::kNone) {
      Date date;
      date.form = Form::kDay;
      date.year = year;
      date.month = month;
      date.day = day;
      date.qualifier = qualifier;
      return date;
    }
    static Date Status(std::string word) { return Words(Form::kStatus, std::move(word)); }
    static Date Text(std::string text) { return Words(Form::kText, std::move(text)); }

   private:
    static Date Words(Form form, std::string text) {
      Date date;
      date.form = form;
      date.text = std::move(text);
      return date;
    }
  };

  struct Citation {
    std::string detail;
    std::int32_t source = 0;  // source number, from 1
    std::string note;
  };

  struct Event {
    Date date;
    std::vector<std::string> place;  // PAF 3 and 4: up to four parts; PAF 5: the first part only
    std::vector<Citation> citations;
  };

  struct Ordinance {
    Date date;
    std::string temple;
    bool templeFlag = true;  // PAF 5: the place is a temple
    std::vector<Citation> citations;
    std::string note;  // PAF 3 and 4
  };

  struct OtherEvent {
    std::string type;  // the event type's name; equal names share one event type record
    std::string description;
    Event event;
  };

  struct Individual {
    char sex = 'M';
    std::string surname;
    std::vector<std::string> givenNames;  // PAF 3 and 4: up to three links
    std::string suffix;
    std::string prefix;  // PAF 4: in the extension
    std::string refNumber;
    std::string afn;
    bool afnBeforeRefNumber = false;  // PAF 5: order of the text records after the name
    std::uint32_t created = 0;        // seconds since 1 January 1970
    std::uint32_t changed = 0;
    Event birth, christening, death, burial;
    Ordinance baptism, endowment;
    std::string note;
    std::vector<Citation> citations;
    std::vector<OtherEvent> otherEvents;  // PAF 4 and 5
    std::vector<std::string> ldsPlace;    // PAF 4: the extension's four place parts
    bool withExtension = true;            // PAF 4
    bool deleted = false;
  };

  struct Child {
    std::int32_t rin = 0;
    Ordinance sealing;
  };

  struct Marriage {
    std::int32_t husband = 0;  // RIN, or 0 or -1 for none
    std::int32_t wife = 0;
    std::vector<Child> children;
    Event marriage;
    Ordinance sealing;
    std::string note;
    bool deleted = false;
  };

  struct Source {
    std::string author, title, publication, callNumber;
    std::string note;
    std::string textNote;  // PAF 4: in the extension; PAF 5: in the record
    std::int32_t repository = 0;
  };

  struct Repository {
    std::string name, address, address1, address2, phone;
  };

  struct Submitter {
    std::string name, nameSecondPart;  // the second part only in PAF 3 and 4
    std::string address1, address2, address3, country, phone, email;
  };

  // How the file is laid out rather than what it holds.
  struct Options {
    // Written wherever a link or text link is absent: 0 or -1 (chain ends of notes and deleted
    // records always take 0).
    std::int32_t noLink = 0;
    // A type's blocks fill a map up to this many, then go on in the next map (0: no limit).
    int blocksPerTypePerMap = 0;
    enum class Totals { kBoth, kHeaderOnly, kBlockOnly };
    Totals paf4Totals = Totals::kBoth;  // PAF 4: where the map totals are written
    std::string oldestVersion;          // empty: the version's own
    std::string versionText;            // PAF 5: header bytes 0 to 3; empty: "500"
  };

  std::vector<Individual> individuals;  // RIN = position + 1
  std::vector<Marriage> marriages;      // MRIN = position + 1
  std::vector<Source> sources;
  std::vector<Repository> repositories;
  std::vector<std::string> notes;  // notes of their own, after those of the records
  Submitter submitter;
  std::string title;
  char printIdentifier = 'R';
  // PAF 3 and 4: verify names, exact match, display LDS, force uppercase, auto capitalisation.
  std::array<std::uint8_t, 5> headerFlags{};
  Options options;
};

}  // namespace kinshelf::test
