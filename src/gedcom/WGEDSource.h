// A GEDCOM source: a source record, or an inline source made of a SOUR line without a pointer. Keeps
// positions into the collection's mapped text and caches the texts it has read; free it before the
// collection.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "model/WABSSource.h"

namespace kinshelf {

class GedcomRecordContext;

class WGEDSource : public WABSSource {
 public:
  // With `isRecord`, the source record at `position` (its level-1 NAME or TITL, AUTH, PUBL, CALN,
  // ABBR, REPO, NOTE and TEXT lines); otherwise the inline source of the SOUR line at `position`,
  // titled by its own value, with its NOTE and TEXT sub-lines.
  WGEDSource(const GedcomRecordContext& context, const char* position, bool isRecord);

  // The index of the repository the REPO line points to; 0 without one or when it is not found.
  std::int32_t GetRepoIndex() override;
  // Each the whole value with its continuation lines, joined by CR LF; empty without the line.
  std::string GetAuthor() override;
  std::string GetTitle() override;
  std::string GetPublication() override;
  std::string GetCallNumber() override;
  std::string GetAbbreviation() override;
  std::unique_ptr<WABSNote> GetNote() override;
  std::unique_ptr<WABSNote> GetTextNote() override;
  // The raw record; empty for an inline source.
  std::string GetRecordText() override;
  bool HasNote() override;
  bool HasText() override;
  bool HasRepo() override;

 private:
  enum Field { kTitle, kAuthor, kPublication, kCallNumber, kAbbreviation, kFieldCount };

  void ReadRecordLines();
  void ReadInlineLines();
  std::string FieldText(Field field);

  const GedcomRecordContext& context_;
  const char* position_;
  bool isRecord_;
  std::array<const char*, kFieldCount> lines_{};
  std::array<std::optional<std::string>, kFieldCount> texts_;
  const char* repo_ = nullptr;
  const char* note_ = nullptr;
  const char* text_ = nullptr;
};

}  // namespace kinshelf
