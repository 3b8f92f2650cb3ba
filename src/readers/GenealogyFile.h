// A genealogy file opened for a command: chosen by the reader factory, loaded and timed, with its
// texts turned into UTF-8 for output. Its families are linked when a command first reads them, so
// that the header, the counts and the list of people cost no link pass.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/WABSCollection.h"

namespace kinshelf {

class WOptions;

class GenealogyFile {
 public:
  // Opens and loads the file. Throws std::runtime_error with one line that names the file: a folder,
  // a missing or empty file, the factory's refusal (its line breaks joined), or a load that fails.
  // `early`, when given, visits individuals while the file loads (WABSCollection::LoadWhileVisiting).
  GenealogyFile(const std::string& path, const WOptions& options, const EarlyVisit& early = {});

  WABSCollection& Collection() { return *collection_; }
  // Seconds the load took.
  double LoadSeconds() const { return loadSeconds_; }
  // The individuals from 1 on that `early` visited as the loaded collection gives them.
  std::int32_t EarlyVisited() const { return earlyVisited_; }
  // A text of the file in UTF-8.
  std::string Utf8(std::string_view text) const;
  std::string Utf8(std::string&& text) const;
  // The individual named by a 1-based index or by an identifier (@I12@ or I12). Throws
  // std::runtime_error naming it when there is no such individual.
  std::int32_t FindIndividual(const std::string& who);
  // Throws the error of an individual FindIndividual named whose record cannot be read: a file cut
  // short, or damaged, counts individuals it no longer holds.
  [[noreturn]] void FailUnreadable(std::int32_t index) const;
  // The error of a listing that could not read `unread` of the file's individuals.
  std::runtime_error UnreadError(std::int32_t unread) const;
  // The error of damage the load found that leaves records unreadable, for after what could be
  // shown; nullopt when it found none.
  std::optional<std::runtime_error> DamageError() const;

 private:
  std::string path_;
  std::unique_ptr<WABSCollection> collection_;
  // Settled by the load: a listing converts several texts of every person.
  TextEncoding encoding_ = TextEncoding::kUtf8OrWindows1252;
  double loadSeconds_ = 0;
  std::int32_t earlyVisited_ = 0;
};

}  // namespace kinshelf
