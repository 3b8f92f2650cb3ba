// The catalog store on the SQLite C API.
#include "catalog/store/WFileStore.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

#include "catalog/store/CatalogSchema.h"
#include "catalog/store/ListingQuery.h"
#include "catalog/store/WFileStoreError.h"
#include "fileaccess/WIntArray.h"
#include "platform/FileInfo.h"
#include "platform/FileIo.h"
#include "platform/FolderLock.h"
#include "platform/Paths.h"
#include "platform/UserFolders.h"
#include "text/CaseFold.h"

namespace kinshelf {

namespace {

constexpr int kVersionThousandths = 2003;
constexpr auto kCommitPatience = std::chrono::seconds(5);
constexpr auto kCommitPause = std::chrono::milliseconds(10);
constexpr int kBusyWaitMilliseconds = 1000;

// The stored version in thousandths; an empty text is 2.001. Nothing when it is not a decimal number.
std::optional<long long> VersionThousandths(const std::string& stored) {
  if (stored.empty()) return 2001;
  std::string_view text(stored);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double value = 0;
  const auto* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  // Older steps do nothing, so a walk from far below may start at 2000; the small bias keeps
  // 2.001 from becoming 2000.999.
  const double thousandths = std::floor(value * 1000.0 + 1e-6);
  return thousandths < 2000 ? 2000 : static_cast<long long>(std::fmin(thousandths, 1e15));
}

std::string_view TextValue(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return text != nullptr ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value)))
                         : std::string_view();
}

void DeleteFoldedPattern(void* pattern) {
  delete static_cast<std::u32string*>(pattern);
}

// "Y LIKE X" calls like(X, Y). The catalog's names are UTF-8, and SQLite's own LIKE folds only
// ASCII letters: Müller would not find MÜLLER. The pattern, the same for every row of a listing,
// is folded once and kept with the statement.
void UnicodeLike(sqlite3_context* context, int, sqlite3_value** values) {
  if (sqlite3_value_type(values[0]) == SQLITE_NULL || sqlite3_value_type(values[1]) == SQLITE_NULL) {
    sqlite3_result_null(context);
    return;
  }
  auto* pattern = static_cast<std::u32string*>(sqlite3_get_auxdata(context, 0));
  if (pattern == nullptr) {
    pattern = new std::u32string(FoldedCharacters(TextValue(values[0])));
    sqlite3_set_auxdata(context, 0, pattern, &DeleteFoldedPattern);
    // SQLite may free the pattern at once when it cannot keep it; then fold again for this row.
    if (sqlite3_get_auxdata(context, 0) == nullptr) {
      sqlite3_result_int(context, LikeFolded(TextValue(values[0]), TextValue(values[1])) ? 1 : 0);
      return;
    }
  }
  sqlite3_result_int(context, LikeFolded(std::u32string_view(*pattern), TextValue(values[1])) ? 1 : 0);
}

}  // namespace

WFileStore::WFileStore(const std::string& baseName) : baseName_(baseName) {
  if (NeedsCreating()) {
    // Processes that start together would each make the catalog, and one's could replace another's
    // already in use: one makes it while the others wait, and they find it made.
    const platform::FolderLock creating(std::string(platform::FolderPart(FileName())));
    if (NeedsCreating()) {
      Create();
    } else {
      OpenExisting();
    }
  } else {
    OpenExisting();
  }
  UseWriteAheadLog();
  BeginTransaction();
  CommitTransaction();
}

// True when there is no catalog yet, or an empty file in its place: SQLite takes an empty file for an
// empty database, and it is a catalog whose creation was interrupted. Refuses what cannot be one.
bool WFileStore::NeedsCreating() const {
  const std::string file = FileName();
  if (platform::DirectoryExists(file)) throw WFileStoreError(file + " is a folder, not a catalog");
  const auto status = platform::StatusOf(file);
  if (!status && platform::PathIsGone(file)) return true;
  if (!status || !platform::FileExists(file))
    throw WFileStoreError(file + " is not a regular file and cannot be the catalog");
  return status->size == 0;
}

void WFileStore::OpenExisting() {
  Open();
  try {
    RequireCatalogTables();
    Upgrade();
  } catch (const WFileStoreError& error) {
    // SQLite's own messages do not say which file they are about.
    const std::string message = error.what();
    if (message.find(FileName()) != std::string::npos) throw;
    throw WFileStoreError(FileName() + ": " + message);
  }
}

// A file that is no SQLite database, or one of another program, is refused before anything writes
// to it.
void WFileStore::RequireCatalogTables() {
  int tables = 0;
  try {
    SqlStatement count(
        db_.get(), "SELECT count(*) FROM sqlite_master WHERE type='table' AND name IN ('General','Files');");
    if (count.Step()) tables = static_cast<int>(count.ColumnInt(0));
  } catch (const WFileStoreError&) {
    // Only a file SQLite cannot read as a database is no catalog. Any other error (a catalog another
    // process holds locked, a folder that cannot be written, a full disk) has its own message.
    const int error = sqlite3_errcode(db_.get());
    if (error != SQLITE_NOTADB && error != SQLITE_CORRUPT) throw;
    throw WFileStoreError(FileName() + " is not a Kinshelf catalog (" + sqlite3_errmsg(db_.get()) +
                          "); it was left unchanged");
  }
  if (tables != 2) {
    throw WFileStoreError(FileName() +
                          " is not a Kinshelf catalog (it has no General and Files tables); it was "
                          "left unchanged");
  }
}

// Readers (a listing, the window's grid) go on while a search or a refresh writes. A folder where
// the log cannot be made keeps the rollback journal.
void WFileStore::UseWriteAheadLog() {
  sqlite3_exec(db_.get(), "PRAGMA journal_mode=WAL;", nullptr, nullptr, nullptr);
}

WFileStore::~WFileStore() = default;

void WFileStore::CloseDatabase::operator()(sqlite3* db) const {
  sqlite3_close_v2(db);
}

std::string WFileStore::DefaultBaseName() {
  const std::string folder = platform::CatalogFolder();
  platform::ForceDirectories(folder);
  return platform::JoinPath(folder, "Catalog");
}

void WFileStore::OpenAt(const std::string& file, int flags, const char* failure) {
  sqlite3* db = nullptr;
  // One connection serves one thread; the window's grid reads the whole listing more than once per
  // change, so a catalog of 100,000 files stays in the connection's own cache.
  const int result = sqlite3_open_v2(file.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  db_.reset(db);
  if (result != SQLITE_OK) {
    db_.reset();
    throw WFileStoreError(failure + file);
  }
  // Another process holds the catalog locked for moments, as when it ends and folds its log into the
  // database, or for as long as it writes; a statement waits a while for it before it fails.
  sqlite3_busy_timeout(db, kBusyWaitMilliseconds);
  sqlite3_exec(db, "PRAGMA cache_size=-32768;", nullptr, nullptr, nullptr);
  sqlite3_create_function_v2(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, &UnicodeLike,
                             nullptr, nullptr, nullptr);
}

void WFileStore::Open() {
  OpenAt(FileName(), SQLITE_OPEN_READWRITE, "Cannot open file ");
}

// The catalog is built under a temporary name beside its place and renamed into it, so that an
// interruption (a kill, a full disk) leaves either no catalog or a whole one, never an empty file
// that every later start would fail on.
void WFileStore::Create() {
  const std::string building = FileName() + ".new";
  platform::RemoveFile(building);
  try {
    OpenAt(building, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, "Cannot create file ");
    BeginTransaction();
    for (const auto statement : schema::kCreateStatements) ExecuteScript(statement);
    SetValue("Version", std::string(kVersion));
    CommitTransaction();
    statements_.clear();
    db_.reset();
    if (!platform::RenameFile(building, FileName()))
      throw WFileStoreError("Cannot create file " + FileName());
  } catch (...) {
    transactionDepth_ = 0;
    statements_.clear();
    db_.reset();
    platform::RemoveFile(building);
    throw;
  }
  Open();
}

void WFileStore::Upgrade() {
  const std::string stored = GetValue("Version");
  if (stored.size() == kVersion.size() && sqlite3_strnicmp(stored.c_str(), kVersion.data(), 5) == 0) return;
  const auto start = VersionThousandths(stored);
  if (!start || *start > kVersionThousandths) {
    throw WFileStoreError("The catalog " + FileName() + " holds version \"" + stored +
                          "\", which this program cannot read; the file was left unchanged.");
  }
  // All steps in one transaction, so that an interrupted upgrade can simply run again.
  BeginTransaction();
  for (long long step = *start; step <= kVersionThousandths; ++step) {
    if (step == 2001) {
      Execute(schema::kAddTmpFlag);
      Execute(schema::kAddFileVer);
    } else if (step == 2002) {
      Execute(schema::kAddCrc32);
    } else if (step == kVersionThousandths) {
      SetValue("Version", std::string(kVersion));
    }
  }
  CommitTransaction();
}

void WFileStore::Execute(std::string_view sql) {
  Statement(sql)->Run();
}

void WFileStore::ExecuteScript(std::string_view sql) {
  SqlStatement(db_.get(), sql).Run();
}

SqlStatement::Lease WFileStore::Statement(std::string_view sql) {
  auto found = statements_.find(sql);
  if (found == statements_.end()) {
    found = statements_.emplace(std::string(sql), std::make_unique<SqlStatement>(db_.get(), sql)).first;
  }
  return SqlStatement::Lease(*found->second);
}

void WFileStore::BeginTransaction() {
  if (transactionDepth_ == 0) Execute("BEGIN DEFERRED TRANSACTION;");
  ++transactionDepth_;
}

void WFileStore::CommitTransaction() {
  if (transactionDepth_ == 0) return;
  if (transactionDepth_ == 1) CommitOutermost();
  --transactionDepth_;
}

void WFileStore::CommitOutermost() {
  // Another program reading the catalog can hold a commit up for a while; waiting for it is better
  // than losing a whole search. A commit that still fails is rolled back, so that the store never
  // stays inside a transaction that no later commit would end.
  const auto giveUp = std::chrono::steady_clock::now() + kCommitPatience;
  for (;;) {
    try {
      Execute("COMMIT TRANSACTION;");
      return;
    } catch (const WFileStoreError&) {
      const bool stillOpen = sqlite3_get_autocommit(db_.get()) == 0;
      if (stillOpen && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(kCommitPause);
        continue;
      }
      transactionDepth_ = 0;
      if (stillOpen) sqlite3_exec(db_.get(), "ROLLBACK TRANSACTION;", nullptr, nullptr, nullptr);
      throw;
    }
  }
}

std::int32_t WFileStore::CountByKind(FileKind kind) {
  const auto count = Statement("select count(*) from Files where type=?;");
  count->Bind(1, static_cast<std::int64_t>(KindCode(kind)));
  return count->Step() ? static_cast<std::int32_t>(count->ColumnInt(0)) : 0;
}

std::map<FileKind, std::int32_t> WFileStore::CountsByKind() {
  std::map<FileKind, std::int32_t> counts;
  const auto count = Statement("select type, count(*) from Files group by type;");
  while (count->Step())
    counts[static_cast<FileKind>(count->ColumnInt(0))] = static_cast<std::int32_t>(count->ColumnInt(1));
  return counts;
}

std::int32_t WFileStore::FindFileID(const std::string& fullPath) {
  const auto parts = platform::SplitPath(fullPath);
  // Linux file names are case-sensitive: two files whose names differ only in case are two rows.
  const auto find = Statement(
      "SELECT FileID FROM Files WHERE path=? COLLATE BINARY and Name=? COLLATE BINARY and Drive=? COLLATE "
      "BINARY;");
  find->Bind(1, parts.folder).Bind(2, parts.baseName + parts.extension).Bind(3, parts.drive);
  return find->Step() ? static_cast<std::int32_t>(find->ColumnInt(0)) : 0;
}

std::unique_ptr<WFileStoreFile> WFileStore::NewFile(const std::string& fullPath, FileKind kind) {
  cachedFileID_ = -1;
  cachedFile_.reset();
  return std::make_unique<WFileStoreFile>(*this, kind, fullPath);
}

std::unique_ptr<WFileStoreFile> WFileStore::NewFile(const std::string& fullPath, FileKind kind,
                                                    const platform::FileStatus& status) {
  cachedFileID_ = -1;
  cachedFile_.reset();
  return std::make_unique<WFileStoreFile>(*this, kind, fullPath, status);
}

std::unique_ptr<WFileStoreFile> WFileStore::GetFile(std::int32_t fileID) {
  cachedFileID_ = -1;
  cachedFile_.reset();
  return std::make_unique<WFileStoreFile>(*this, fileID);
}

WFileStoreFile& WFileStore::GetCachedFile(std::int32_t fileID) {
  if (cachedFile_ == nullptr || cachedFileID_ != fileID) {
    cachedFile_ = std::make_unique<WFileStoreFile>(*this, fileID);
    cachedFileID_ = fileID;
  }
  return *cachedFile_;
}

void WFileStore::DeleteFileRow(std::int32_t fileID) {
  const auto remove = Statement("DELETE FROM Files where FileID=?;");
  remove->Bind(1, static_cast<std::int64_t>(fileID)).Run();
}

std::int64_t WFileStore::DeleteFolderRows(const std::string& folder) {
  // A byte-wise prefix test on the row's folder with a separator after it: the folder itself and
  // everything below it match, /data never takes /data2 along, and no character has a pattern
  // meaning.
  const std::string exact(platform::WithoutTrailingSeparator(folder));
  const std::string prefix = exact == "/" ? exact : exact + platform::kSeparator;
  const auto remove =
      Statement("delete from Files where substr(CAST(Drive||Path||'/' AS BLOB),1,?)=CAST(? AS BLOB);");
  remove->Bind(1, static_cast<std::int64_t>(prefix.size())).Bind(2, prefix).Run();
  return sqlite3_changes64(db_.get());
}

void WFileStore::ResetTmpFlag(std::int32_t value) {
  const auto reset = Statement("update Files set TmpFlag=?1 where TmpFlag<>?1;");
  reset->Bind(1, static_cast<std::int64_t>(value)).Run();
}

std::int64_t WFileStore::DeleteByTmpFlag(std::int32_t value) {
  const auto sweep = Statement("Delete from files where TmpFlag=?;");
  sweep->Bind(1, static_cast<std::int64_t>(value)).Run();
  return sqlite3_changes64(db_.get());
}

void WFileStore::ForEachRowMarked(std::int32_t value, const MarkedRowVisit& visit) {
  const auto rows = Statement("SELECT FileID, Drive, Path, Name, Type FROM Files WHERE TmpFlag=?;");
  rows->Bind(1, static_cast<std::int64_t>(value));
  while (rows->Step()) {
    const std::string folder =
        platform::JoinPath(platform::JoinPath(rows->ColumnText(1), rows->ColumnText(2)), "");
    visit(static_cast<std::int32_t>(rows->ColumnInt(0)), folder, rows->ColumnText(3),
          static_cast<FileKind>(rows->ColumnInt(4)));
  }
}

bool WFileStore::KeyExists(const std::string& key) {
  const auto find = Statement("SELECT KeyStr FROM General WHERE KeyStr=?;");
  return find->Bind(1, key).Step();
}

std::string WFileStore::GetValue(const std::string& key) {
  const auto find = Statement("SELECT ValueStr FROM General WHERE KeyStr=?;");
  return find->Bind(1, key).Step() ? find->ColumnText(0) : std::string();
}

void WFileStore::SetValue(const std::string& key, const std::string& value) {
  const auto write = Statement(KeyExists(key) ? "UPDATE General SET ValueStr=? WHERE KeyStr=?;"
                                              : "INSERT INTO General (ValueStr,KeyStr) VALUES (?,?);");
  write->Bind(1, value).Bind(2, key).Run();
}

std::unique_ptr<WIntArray> WFileStore::List(const ListingFilter& filter) {
  return ListIds(BuildListingQuery(filter));
}

void WFileStore::ForEachListed(const ListingFilter& filter, const ListedRowVisit& visit) {
  const ListingQuery query = BuildListingQuery(filter, "Name, Drive, Path, Type, Size, FLastMod, BookMark");
  SqlStatement select(db_.get(), query.sql);
  if (!query.namePattern.empty()) select.Bind(1, query.namePattern);
  ListedRow row;
  while (select.Step()) {
    row.name = select.ColumnView(0);
    row.drive = select.ColumnView(1);
    row.path = select.ColumnView(2);
    row.kind = static_cast<FileKind>(select.ColumnInt(3));
    row.size = select.ColumnInt(4);
    row.modified = select.ColumnDouble(5);
    row.bookmark = select.ColumnInt(6) == 1;
    visit(row);
  }
}

std::unique_ptr<WIntArray> WFileStore::GetIterator(int listType, const std::string& nameFilter,
                                                   bool showGenbox, bool showTMG, bool showHFT, bool showAQ,
                                                   bool showFTM, bool showGEDCOM, bool showPAF,
                                                   bool showRootsMagic, bool showLegacy, bool ascending,
                                                   int sortColumn, bool bookmarksOnly) {
  switch (listType) {
    case 1: {
      ListingFilter filter{nameFilter, KindSet(), bookmarksOnly, static_cast<ListingColumn>(sortColumn),
                           ascending};
      filter.kinds[FileKind::kGenbox] = showGenbox;
      filter.kinds[FileKind::kMasterGenealogist] = showTMG;
      filter.kinds[FileKind::kHeritage] = showHFT;
      filter.kinds[FileKind::kAncestralQuest] = showAQ;
      filter.kinds[FileKind::kFamilyTreeMaker] = showFTM;
      filter.kinds[FileKind::kGedcom] = showGEDCOM;
      filter.kinds[FileKind::kPaf] = showPAF;
      filter.kinds[FileKind::kRootsMagic] = showRootsMagic;
      filter.kinds[FileKind::kLegacy] = showLegacy;
      return List(filter);
    }
    case 2:
      return ListIds({"SELECT PersonID FROM persons;", ""});
    case 3:
      return ListIds({"SELECT PersonID FROM persons order by Given;", ""});
    case 4:
      return ListIds({"SELECT PersonID FROM persons order by surname;", ""});
    default:
      return std::make_unique<WIntArray>(std::string(), 0);
  }
}

std::unique_ptr<WIntArray> WFileStore::ListIds(const ListingQuery& query) {
  auto list = std::make_unique<WIntArray>(std::string(), 0);
  BeginTransaction();
  try {
    // Not kept for reuse: the filters make too many different texts.
    SqlStatement select(db_.get(), query.sql);
    if (!query.namePattern.empty()) select.Bind(1, query.namePattern);
    while (select.Step()) {
      const auto id = select.ColumnInt(0);
      if (id > 0) list->AddValue(static_cast<std::int32_t>(id));
    }
  } catch (...) {
    CommitTransaction();
    throw;
  }
  CommitTransaction();
  return list;
}

}  // namespace kinshelf
