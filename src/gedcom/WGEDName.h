// A personal name in a GEDCOM record: a NAME line ("Given /Surname/ suffix") with its GIVN, SURN,
// NPFX, NSFX, NOTE and SOUR sub-lines. Keeps positions into the collection's mapped text and caches
// the parts it has read; free it before the collection.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "gedcom/GedcomLines.h"
#include "model/WABSName.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDName : public WABSName {
 public:
  // The name of the NAME line at `line`.
  WGEDName(const GedcomRecordContext& context, const char* line);

  // The text between the first two '/' of the NAME value (to the line end without a second one);
  // empty without a '/'. Without a NAME value, the SURN value.
  std::string GetSurname() override;
  // The NAME value before its first '/', or after the second '/' when it starts with one; all of it
  // without a '/'. Without a NAME value, the GIVN value.
  std::string GetGivenNames() override;
  // The NPFX value.
  std::string GetPrefix() override;
  // The NSFX value; without one, what follows the second '/' of the NAME value, trimmed, unless the
  // name starts with its surname (then that text is the given names).
  std::string GetSuffix() override;
  // The parts converted once each, for a listing that reads every name once.
  NameParts GetParts() override;
  // The parts as the file holds them, before any conversion.
  NamePartViews PartViews() const;
  std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) override;
  std::unique_ptr<WABSNote> GetNote() override;

 private:
  std::string_view Value(const char* line) const;
  std::string_view Surname() const;
  std::string_view GivenNames() const;
  std::string_view Suffix() const;
  bool SurnameFirst() const;

  const GedcomRecordContext& context_;
  std::string_view value_;  // the NAME line's value up to the line end, empty when blank
  const char* givenLine_ = nullptr;
  const char* surnameLine_ = nullptr;
  const char* prefixLine_ = nullptr;
  const char* suffixLine_ = nullptr;
  const char* note_ = nullptr;
  gedcom::CitationLines citations_;
  std::optional<std::string> surname_;
  std::optional<std::string> givenNames_;
  std::optional<std::string> prefix_;
  std::optional<std::string> suffix_;
};

}  // namespace kinshelf
