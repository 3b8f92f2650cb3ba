// The settings store: every setting as a string in memory, read from and written to one INI file.
#include "settings/WOptions.h"

#include <charconv>
#include <span>
#include <stdexcept>

#include "platform/AsciiCase.h"
#include "platform/FolderLock.h"
#include "platform/Launcher.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"
#include "settings/OptionTables.h"

namespace kinshelf {

namespace {

// A setting's value "T": read for every line of a listing, so compared without a search for the
// literal's end.
bool IsTrue(const std::string& value) {
  return value.size() == 1 && value.front() == 'T';
}

constexpr int kRecentCount = opt::File10 - opt::File1 + 1;

bool IsGeneral(int id) {
  return id >= opt::kGeneralFirst && id <= opt::kGeneralLast;
}

bool IsCatalog(int id) {
  return id >= opt::kCatalogFirst && id <= opt::kCatalogLast;
}

const opt::Row& RowOf(int id) {
  if (IsGeneral(id)) return opt::GeneralRows()[static_cast<std::size_t>(id - opt::kGeneralFirst)];
  if (IsCatalog(id)) return opt::CatalogRows()[static_cast<std::size_t>(id - opt::kCatalogFirst)];
  throw std::out_of_range("No setting has the id " + std::to_string(id));
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// Like the profile functions' integer reading: a value that is not wholly a number counts as 0.
int ToInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end ? value : 0;
}

std::vector<std::string> Defaults(std::span<const opt::Row> rows) {
  std::vector<std::string> values;
  values.reserve(rows.size());
  for (const auto& row : rows) values.emplace_back(row.defaultValue);
  return values;
}

void ReadTable(const platform::IniFile& file, std::span<const opt::Row> rows,
               std::vector<std::string>& values) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    values[i] = file.ReadString(rows[i].section, rows[i].key, rows[i].defaultValue);
  }
}

// Writes the rows this store changed since `saved` was read, and those the file lacks; takes the
// file's value of every other row, which another process may have changed since. `saved` becomes
// what the file now holds.
void MergeTable(platform::IniFile& file, std::span<const opt::Row> rows, std::vector<std::string>& values,
                std::vector<std::string>& saved) {
  // No value holds a line break: this fallback tells a missing key.
  constexpr std::string_view kMissing = "\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (values[i] != saved[i] || file.ReadString(rows[i].section, rows[i].key, kMissing) == kMissing) {
      file.WriteString(rows[i].section, rows[i].key, values[i]);
    } else {
      values[i] = file.ReadString(rows[i].section, rows[i].key, rows[i].defaultValue);
    }
  }
  saved = values;
}

void RequireOpen(bool open, const char* operation) {
  if (!open) throw std::logic_error(std::string("The settings store must be opened before ") + operation);
}

}  // namespace

WOptions::WOptions()
    : general_(Defaults(opt::GeneralRows())),
      catalog_(Defaults(opt::CatalogRows())),
      generalSaved_(general_),
      catalogSaved_(catalog_) {}

std::string WOptions::DefaultPath() {
  const std::string folder = platform::SettingsFolder();
  platform::ForceDirectories(folder);
  return platform::JoinPath(folder, "Kinshelf.ini");
}

std::string WOptions::FallbackPath() {
  const std::string program = platform::ExecutablePath();
  if (program.empty()) throw std::runtime_error("Cannot find the program's own path");
  const std::string_view name = platform::FileNamePart(program);
  const std::string_view base = name.substr(0, name.size() - platform::ExtensionPart(name).size());
  return platform::JoinPath(platform::FolderPart(program), std::string(base) + ".ini");
}

void WOptions::Open(const std::string& path) {
  if (IsOpen()) throw std::logic_error("The settings store is already open on " + file_->Path());
  file_.emplace(path.empty() ? FallbackPath() : path);
}

std::string WOptions::Path() const {
  return IsOpen() ? file_->Path() : std::string();
}

std::string WOptions::ReadUnlisted(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
  return IsOpen() ? file_->ReadString(section, key, fallback) : std::string(fallback);
}

void WOptions::Load(int kind) {
  RequireOpen(IsOpen(), "loading");
  ReadTable(*file_, opt::GeneralRows(), general_);
  generalSaved_ = general_;
  if (kind != kCatalogKind) return;
  ReadTable(*file_, opt::CatalogRows(), catalog_);
  catalogSaved_ = catalog_;
  catalogLoaded_ = true;
}

void WOptions::Save() {
  RequireOpen(IsOpen(), "saving");
  // Read the file again right before writing, under a lock that makes the saves of processes
  // running together one after another, so that what another process changed since Open (other
  // settings, other keys and sections, comments) survives; only the settings changed here are
  // written.
  const platform::FolderLock saving(std::string(platform::FolderPart(file_->Path())));
  platform::IniFile fresh(file_->Path());
  // Merged in copies, taken only once written: after a save that fails, the changes are still
  // changes, for the next save to write.
  std::vector<std::string> general = general_, generalSaved = generalSaved_;
  std::vector<std::string> catalog = catalog_, catalogSaved = catalogSaved_;
  MergeTable(fresh, opt::GeneralRows(), general, generalSaved);
  if (catalogLoaded_) MergeTable(fresh, opt::CatalogRows(), catalog, catalogSaved);
  fresh.Save();
  general_ = std::move(general);
  generalSaved_ = std::move(generalSaved);
  catalog_ = std::move(catalog);
  catalogSaved_ = std::move(catalogSaved);
  file_ = std::move(fresh);
}

void WOptions::Close() {
  file_.reset();
}

bool WOptions::IsLoaded(int id) const {
  return IsGeneral(id) || (IsCatalog(id) && catalogLoaded_);
}

std::string& WOptions::Slot(int id) {
  return const_cast<std::string&>(static_cast<const WOptions&>(*this).Slot(id));
}

const std::string& WOptions::Slot(int id) const {
  if (IsGeneral(id)) return general_[static_cast<std::size_t>(id - opt::kGeneralFirst)];
  if (IsCatalog(id)) return catalog_[static_cast<std::size_t>(id - opt::kCatalogFirst)];
  throw std::out_of_range("No setting has the id " + std::to_string(id));
}

// Refusing line breaks and dropping the blanks around a value here keep memory and file in
// agreement: the file could not hold the one, and its reading drops the other.
void WOptions::Store(int id, std::string_view value) {
  std::string& slot = Slot(id);
  if (!CanHold(value)) {
    throw std::invalid_argument("The setting " + std::string(RowOf(id).key) + " cannot hold a line break");
  }
  slot.assign(platform::IniFile::Trimmed(value));
}

bool WOptions::CanHold(std::string_view value) {
  return !HasLineBreak(value);
}

std::string WOptions::GetString(opt::General id) const {
  return Slot(id);
}
bool WOptions::GetBool(opt::General id) const {
  return IsTrue(Slot(id));
}
int WOptions::GetInt(opt::General id) const {
  return ToInt(Slot(id));
}
void WOptions::SetString(opt::General id, std::string_view value) {
  Store(id, value);
}
void WOptions::SetBool(opt::General id, bool value) {
  Store(id, value ? "T" : "F");
}
void WOptions::SetInt(opt::General id, int value) {
  Store(id, std::to_string(value));
}

std::string WOptions::GetString(opt::Catalog id) const {
  return Slot(id);
}
bool WOptions::GetBool(opt::Catalog id) const {
  return IsTrue(Slot(id));
}
int WOptions::GetInt(opt::Catalog id) const {
  return ToInt(Slot(id));
}
void WOptions::SetString(opt::Catalog id, std::string_view value) {
  Store(id, value);
}
void WOptions::SetBool(opt::Catalog id, bool value) {
  Store(id, value ? "T" : "F");
}
void WOptions::SetInt(opt::Catalog id, int value) {
  Store(id, std::to_string(value));
}

std::vector<WOptions::Entry> WOptions::Entries() const {
  std::vector<Entry> entries;
  for (int id = opt::kGeneralFirst; id <= opt::kGeneralLast; ++id) {
    entries.push_back({id, RowOf(id).section, RowOf(id).key});
  }
  if (!catalogLoaded_) return entries;
  for (int id = opt::kCatalogFirst; id <= opt::kCatalogLast; ++id) {
    entries.push_back({id, RowOf(id).section, RowOf(id).key});
  }
  return entries;
}

std::optional<int> WOptions::FindId(std::string_view key) const {
  const std::string wanted = platform::UpperAsciiText(key);
  for (const Entry& entry : Entries()) {
    if (platform::UpperAsciiText(entry.key) == wanted) return entry.id;
  }
  return std::nullopt;
}

std::string WOptions::Value(int id) const {
  if (!IsLoaded(id)) throw std::out_of_range("No loaded setting has the id " + std::to_string(id));
  return Slot(id);
}

void WOptions::SetValue(int id, std::string_view value) {
  if (!IsLoaded(id)) throw std::out_of_range("No loaded setting has the id " + std::to_string(id));
  Store(id, value);
}

void WOptions::AddRecentFile(const std::string& path) {
  if (path.empty() || HasLineBreak(path)) return;
  const std::string wanted = platform::UpperAsciiText(path);
  // Entry n of the list, 1-based; above the head there is nothing. Copies, as slots are overwritten.
  const auto entry = [this](int n) { return n >= 1 ? Slot(opt::File1 + n - 1) : std::string(); };
  bool found = false;
  for (int n = 1; n <= kRecentCount; ++n) found = found || platform::UpperAsciiText(entry(n)) == wanted;
  // Walk the list from the bottom, skipping the equal entry, so each target takes the entry above it.
  int source = found ? kRecentCount : kRecentCount - 1;
  for (int target = kRecentCount; target >= 2; --target) {
    if (platform::UpperAsciiText(entry(source)) == wanted) --source;
    Slot(opt::File1 + target - 1) = entry(source);
    --source;
  }
  Slot(opt::File1) = path;
}

}  // namespace kinshelf
