// The name of a PAF 3 or PAF 4 individual.
#include "paf/WPAF34Name.h"

#include "paf/Paf34Format.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

std::string WPAF34Name::GetSurname() {
  return collection_.Text(individual_.Int32(paf::kSurnameLink));
}

std::string WPAF34Name::GetGivenNames() {
  std::string names = collection_.Text(individual_.Int32(paf::kGivenNameLinks[0]));
  for (std::size_t i = 1; i < paf::kGivenNameLinks.size(); ++i) {
    if (individual_.HasLink(paf::kGivenNameLinks[i]))
      names.append(" ").append(collection_.Text(individual_.Int32(paf::kGivenNameLinks[i])));
  }
  return names;
}

std::string WPAF34Name::GetPrefix() {
  return collection_.Text(extension_.Int32(collection_.Fields().extension.prefix));
}

std::string WPAF34Name::GetSuffix() {
  return collection_.Text(individual_.Int32(paf::kSuffixLink));
}

}  // namespace kinshelf
