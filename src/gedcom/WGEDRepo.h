// A GEDCOM repository record: its NAME, ADDR and NOTE lines. Keeps positions into the collection's
// mapped text; free it before the collection.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "model/WABSRepo.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDRepo : public WABSRepo {
 public:
  // The repository record at `record`; reads its lines at any level.
  WGEDRepo(const GedcomRecordContext& context, const char* record);

  // The NAME value with its continuation lines joined by a single CR; empty without one.
  std::string GetName() override;
  // The address of the ADDR line, or nullptr without one.
  std::unique_ptr<WABSAddress> GetAddress() override;
  std::string GetRecordText() override;

 private:
  const GedcomRecordContext& context_;
  const char* record_;
  const char* name_ = nullptr;
  const char* address_ = nullptr;
  std::optional<std::string> nameText_;
};

}  // namespace kinshelf
