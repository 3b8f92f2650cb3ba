// A family for the PAF readers' tests.
#include "PafTestFamily.h"

#include <gtest/gtest.h>

#include "readers/ReaderFactory.h"
#include "support/PafWriter.h"

namespace kinshelf::test {

namespace {

using Date = PafDescription::Date;

PafDescription::Individual Person(char sex, std::string given, std::string surname) {
  PafDescription::Individual person;
  person.sex = sex;
  person.givenNames = {std::move(given)};
  person.surname = std::move(surname);
  return person;
}

PafDescription::Individual John() {
  PafDescription::Individual john = Person('M', "John", "Smith");
  john.givenNames.push_back("Henry");
  john.suffix = "Jr";
  john.prefix = "Dr";
  john.refNumber = "R-17";
  john.afn = "9X2K-7Q";
  john.created = 86399;
  john.changed = 86400;
  john.birth = {Date::Day(1850, 3, 4), {"Springfield", "Ohio"}, {{"birth page", 1, ""}}};
  john.death = {Date::Day(1920, 0, 0, PafDescription::Qualifier::kAbout), {}, {}};
  john.note = "Farmer all his life.\r\nMoved west in 1870.";
  for (int n = 1; n <= 150; ++n) john.citations.push_back({"page " + std::to_string(n), 1, ""});
  john.baptism = {Date::Day(1900, 1, 1), "SLAKE", true, {{"baptism page", 1, ""}}, ""};
  john.otherEvents = {{"Occupation", "Blacksmith", {Date::Day(1875, 0, 0), {}, {}}}, {"Census", "", {}}};
  return john;
}

}  // namespace

PafDescription RichFamily() {
  PafDescription family;
  family.individuals = {John(),
                        Person('F', "Mary", "Brown"),
                        Person('F', "Anne", "Clark"),
                        Person('M', "Gone", "Deleted"),
                        Person('M', "Tom", "Smith"),
                        Person('F', "Sue", "Smith"),
                        Person('M', "Bob", "Smith"),
                        Person('M', "Ned", "Smith"),
                        Person('F', "Zoe", "Other")};
  family.individuals[3].deleted = true;
  family.individuals[4].birth.date = Date::Day(1880, 5, 1);
  family.individuals[6].birth.date = Date::Day(1875, 2, 2);
  family.individuals[7].otherEvents.assign(1200, {"Census", "", {}});
  PafDescription::Marriage first;
  first.husband = 1;
  first.wife = 2;
  first.children = {{5, {Date::Day(1890, 1, 1), "LOGAN", true, {}, ""}}, {6, {}}, {7, {}}};
  first.marriage = {Date::Day(1870, 6, 12), {"Boston"}, {}};
  first.sealing = {Date::Day(1871, 4, 3), "SLAKE", true, {}, ""};
  first.note = "Married in the chapel.";
  PafDescription::Marriage second;
  second.husband = 1;
  second.wife = 3;
  second.children = {{8, {}}};
  PafDescription::Marriage deleted;
  deleted.deleted = true;
  PafDescription::Marriage lone;
  lone.husband = -1;
  lone.wife = 2;
  family.marriages = {first, second, deleted, lone};
  family.sources = {{"A. Clerk", "Parish Register", "", "", "Kept at the church.", "Quoted text.", 1}};
  family.repositories = {{"County Archive", "1 Main St", "", "", "555-0100"}};
  family.submitter.name = "Ada";
  family.submitter.nameSecondPart = "Lovelace";
  family.submitter.email = "ada@example.org";
  return family;
}

std::unique_ptr<WABSCollection> OpenFamily(const PafDescription& family, PafVersion version,
                                           const ScratchFolder& folder, const WOptions& options,
                                           PafWrittenFile* written) {
  const std::string path = folder.Path("family.paf");
  const PafWrittenFile file = PafWriter::Write(family, version, path);
  if (written != nullptr) *written = file;
  std::string error;
  auto collection = CreateCollection(path, error, ReaderFormat::kPaf, options);
  EXPECT_NE(collection, nullptr) << error;
  if (collection != nullptr) {
    EXPECT_TRUE(collection->Load());
  }
  return collection;
}

}  // namespace kinshelf::test
