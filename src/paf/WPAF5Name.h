// The name of a PAF 5 individual: the first individual text record, "given names /surname/ suffix",
// split at its slashes once, on first use.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/NameParts.h"
#include "model/WABSCitation.h"
#include "model/WABSName.h"
#include "model/WABSNote.h"

namespace kinshelf {

class WPAFCollection;

class WPAF5Name final : public WABSName {
 public:
  // The name in the text record at file offset `firstText`; the collection must outlive the name.
  WPAF5Name(const WPAFCollection& collection, std::int32_t firstText)
      : collection_(collection), firstText_(firstText) {}

  // Between the first and the second slash, untrimmed.
  std::string GetSurname() override { return Parts().surname; }
  // Before the first slash, trimmed; "<Unknown>" when the first text record isn't a name.
  std::string GetGivenNames() override { return Parts().givenNames; }
  std::string GetPrefix() override { return {}; }
  // After the second slash, trimmed.
  std::string GetSuffix() override { return Parts().suffix; }
  NameParts GetParts() override { return parts_ ? *parts_ : Parse(); }
  // PAF keeps no citations or note on a name.
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t /*n*/) override { return nullptr; }
  std::unique_ptr<WABSNote> GetNote() override { return nullptr; }

  // The same parts as views of the text record at `firstText` (the given names "<Unknown>" as a
  // view of a constant), for a reader that lays them out in place.
  static NamePartViews PartViews(const WPAFCollection& collection, std::int32_t firstText);

 private:
  const NameParts& Parts();
  NameParts Parse() const;

  const WPAFCollection& collection_;
  std::int32_t firstText_;
  std::optional<NameParts> parts_;
};

}  // namespace kinshelf
