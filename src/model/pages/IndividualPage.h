// The facts of one individual as the details view lists them: identity, name, vital events, LDS
// ordinances, other events, parents, marriages and children, each with its date, place, age,
// description, sources and notes. Built once in the core, so that the desktop window and the
// command line show the same rows. The settings UseLDS and Chrono shape the list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kinshelf {

class WABSCollection;

struct FactRow {
  std::int32_t link = 0;  // the individual the row leads to, 0 for none
  std::string caption;
  std::string date;
  std::string place;
  std::string age;  // the subject's age at the fact, in whole years (see BuildIndividualPage)
  std::string description;
  std::string sources;
  std::string notes;
};

struct IndividualPage {
  std::int32_t index = 0;
  std::string id;
  char sex = 'U';
  std::string modified;
  std::vector<FactRow> facts;
};

// The page of individual `index`; an empty page (index 0, no rows) for an unknown index. Ages are
// counted from the birth date, or from the christening date (then in "[" "]"); "-" marks a fact
// before it and "-----" a date that cannot be compared; a row without a date has no age. Every fact
// is listed, however many there are. Texts stay in the collection's encoding.
IndividualPage BuildIndividualPage(WABSCollection& collection, std::int32_t index);

}  // namespace kinshelf
