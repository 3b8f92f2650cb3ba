// A genealogy file opened for a command.
#include "readers/GenealogyFile.h"

#include <charconv>
#include <chrono>
#include <stdexcept>
#include <utility>

#include "model/CancelFlag.h"
#include "platform/FileInfo.h"
#include "platform/Paths.h"
#include "readers/ReaderFactory.h"

namespace kinshelf {

namespace {

// The reader's refusal on one line that names the file: its line breaks (made for a message box)
// would send a terminal's cursor back over the text.
std::string OneLineError(const std::string& error, const std::string& path) {
  std::string line;
  bool pendingBreak = false;
  for (const char c : error) {
    if (c == '\r' || c == '\n') {
      pendingBreak = !line.empty();
      continue;
    }
    if (pendingBreak) line += line.back() == ':' ? " " : ": ";
    pendingBreak = false;
    line += c;
  }
  return line.find(path) != std::string::npos ? line : path + ": " + line;
}

// A path that cannot be a genealogy file: a folder, a missing file, a device, pipe or socket (whose
// reading could wait for ever), one that cannot be looked at, an empty file.
void RequireReadableFile(const std::string& full) {
  if (platform::DirectoryExists(full)) throw std::runtime_error(full + " is a folder, not a genealogy file");
  if (!platform::FileExists(full)) {
    if (platform::PathIsGone(full)) throw std::runtime_error("The file " + full + " does not exist");
    const std::string error = platform::LookError(full);
    if (!error.empty()) throw std::runtime_error(full + ": " + error);
    throw std::runtime_error(full + " is a device, a pipe or a socket, not a genealogy file");
  }
  const auto status = platform::StatusOf(full);
  if (status && status->size == 0) throw std::runtime_error(full + ": the file is empty");
}

}  // namespace

GenealogyFile::GenealogyFile(const std::string& path, const WOptions& options, const EarlyVisit& early)
    : path_(platform::ExpandPath(path)) {
  const std::string& full = path_;
  RequireReadableFile(full);
  const auto start = std::chrono::steady_clock::now();
  std::string error;
  collection_ = CreateCollection(full, error, ReaderFormat::kUnknown, options);
  if (collection_ == nullptr) throw std::runtime_error(OneLineError(error, full));
  ClearCancel();
  if (!collection_->LoadWhileVisiting(early, earlyVisited_)) throw std::runtime_error("Cannot read " + full);
  encoding_ = collection_->Encoding();
  loadSeconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string GenealogyFile::Utf8(std::string_view text) const {
  return ToDisplayUtf8(text, encoding_);
}

std::string GenealogyFile::Utf8(std::string&& text) const {
  return ToDisplayUtf8(std::move(text), encoding_);
}

std::int32_t GenealogyFile::FindIndividual(const std::string& who) {
  std::int32_t index = 0;
  const auto* end = who.data() + who.size();
  const auto [stop, failure] = std::from_chars(who.data(), end, index);
  if (failure == std::errc() && stop == end) {
    if (index >= 1 && index <= collection_->IndividualCount()) return index;
    throw std::runtime_error("there is no individual " + who + " (the file has " +
                             std::to_string(collection_->IndividualCount()) + ")");
  }
  std::string_view id(who);
  if (id.size() >= 2 && id.front() == '@' && id.back() == '@') id = id.substr(1, id.size() - 2);
  index = collection_->FindIndividual(id);
  if (index == 0) throw std::runtime_error("there is no individual with the identifier " + who);
  return index;
}

void GenealogyFile::FailUnreadable(std::int32_t index) const {
  throw std::runtime_error(path_ + ": Error getting pointer to individual " + std::to_string(index));
}

std::runtime_error GenealogyFile::UnreadError(std::int32_t unread) const {
  return std::runtime_error(path_ + ": " + std::to_string(unread) + " of the " +
                            std::to_string(collection_->IndividualCount()) +
                            " individuals could not be read; the file may be cut short or damaged");
}

std::optional<std::runtime_error> GenealogyFile::DamageError() const {
  const std::string damage = collection_->LoadDamage();
  if (damage.empty()) return std::nullopt;
  return std::runtime_error(path_ + ": " + damage);
}

}  // namespace kinshelf
