// One family of an individual as the details view shows it: the individual, the spouse, both pairs
// of parents, the marriage's date and place, and the children. Built once in the core, so that the
// desktop window and the command line show the same panels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kinshelf {

class WABSCollection;

// One person's panel: the name with its identifier, the sex, and a birth and a death line (date
// and place). With the FamBirChr setting an empty birth or death line falls back to the
// christening or burial, in "[" "]"; the date and place pieces are then the stand-in's.
struct PersonPanel {
  std::int32_t index = 0;
  std::string name;
  char sex = 'U';
  std::string birth;
  std::string death;
  std::string birthDate;
  std::string birthPlace;
  std::string deathDate;
  std::string deathPlace;
};

struct FamilyPage {
  std::int32_t position = 0;  // which spouse family is shown, 1-based; 0 when there is none
  std::int32_t count = 0;     // how many spouse families the individual has
  std::optional<PersonPanel> subject;
  std::optional<PersonPanel> spouse;
  std::optional<PersonPanel> father;
  std::optional<PersonPanel> mother;
  std::optional<PersonPanel> spouseFather;
  std::optional<PersonPanel> spouseMother;
  std::string marriageDate;
  std::string marriagePlace;
  std::vector<PersonPanel> children;
};

// The page of individual `index` showing its spouse family at `spousePosition` (1-based; a position
// outside the families shows the first). An unknown index gives an empty page. Texts stay in the
// collection's encoding.
FamilyPage BuildFamilyPage(WABSCollection& collection, std::int32_t index, std::int32_t spousePosition);

// The panel of one individual, or nothing for an unknown index.
std::optional<PersonPanel> BuildPersonPanel(WABSCollection& collection, std::int32_t index);

}  // namespace kinshelf
