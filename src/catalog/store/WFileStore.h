// The catalog store: one SQLite database that records every genealogy file found on the computer,
// one row per file. It creates the file and its schema on first use, upgrades older files in place,
// and answers the few queries the program needs. Single-threaded: every caller is on one thread.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "catalog/store/ListedRow.h"
#include "catalog/store/ListingFilter.h"
#include "catalog/store/SqlStatement.h"
#include "catalog/store/WFileStoreFile.h"

namespace kinshelf {

class WIntArray;
struct ListingQuery;

class WFileStore {
 public:
  // The version this program writes and reads.
  static constexpr std::string_view kVersion = "2.003";

  // Opens baseName + ".sdb", creating it with the full schema when it does not exist or is empty
  // (built beside it and renamed into place, so that an interruption leaves no half catalog),
  // upgrading an older one in place. Throws WFileStoreError: "Cannot open file %s", "Cannot create
  // file %s", SQLite's message, or one line naming the file and what is wrong with it: a folder, no
  // regular file, no SQLite database or one of another program, a version written by a newer
  // program; such a file is left untouched. Readers may read while another store writes (the
  // catalog keeps a write-ahead log where its folder allows one).
  explicit WFileStore(const std::string& baseName);
  ~WFileStore();
  WFileStore(const WFileStore&) = delete;
  WFileStore& operator=(const WFileStore&) = delete;

  // The base name of the catalog in the user's catalog folder, creating the folders on the way.
  static std::string DefaultBaseName();
  // The database file's path.
  std::string FileName() const { return baseName_ + ".sdb"; }
  // The base name it was opened on, for another connection to the same catalog.
  const std::string& BaseName() const { return baseName_; }

  // Transactions nest by counting: only the outermost begin and commit reach SQLite. An outermost
  // commit that fails, after waiting up to 5 s for other readers, is rolled back and throws.
  void BeginTransaction();
  void CommitTransaction();

  // The number of rows of a kind.
  std::int32_t CountByKind(FileKind kind);
  // The number of rows of every kind that has any, in one pass over the catalog.
  std::map<FileKind, std::int32_t> CountsByKind();
  // The id of the row for that file, or 0. Paths compare byte for byte, as file names do here.
  std::int32_t FindFileID(const std::string& fullPath);
  // A new, unsaved record for a file on disk. Empties the record cache.
  std::unique_ptr<WFileStoreFile> NewFile(const std::string& fullPath, FileKind kind);
  // The same with the file's status already read.
  std::unique_ptr<WFileStoreFile> NewFile(const std::string& fullPath, FileKind kind,
                                          const platform::FileStatus& status);
  // A record loaded from its row, owned by the caller. Empties the record cache.
  std::unique_ptr<WFileStoreFile> GetFile(std::int32_t fileID);
  // The store's own cached record for the id, loaded only when the id differs from the cached one.
  // Valid until the next NewFile, GetFile or GetCachedFile for another id.
  WFileStoreFile& GetCachedFile(std::int32_t fileID);

  void DeleteFileRow(std::int32_t fileID);
  // Deletes the rows of the files in that folder and in every folder below it, nothing else;
  // returns how many.
  std::int64_t DeleteFolderRows(const std::string& folder);
  // Sets every search mark to `value` before a search.
  void ResetTmpFlag(std::int32_t value);
  // Deletes every row whose search mark is still `value` after a search; returns how many.
  std::int64_t DeleteByTmpFlag(std::int32_t value);
  // Calls visit(id, folder, name, kind) for every row whose search mark is `value`; the folder is
  // the file's folder path with a trailing separator. The store must not be changed from visit.
  using MarkedRowVisit = std::function<void(std::int32_t, const std::string&, const std::string&, FileKind)>;
  void ForEachRowMarked(std::int32_t value, const MarkedRowVisit& visit);

  bool KeyExists(const std::string& key);
  // The value of a key of the store's own table; empty when absent.
  std::string GetValue(const std::string& key);
  void SetValue(const std::string& key, const std::string& value);

  // The ids of the catalogued files the filter lists, in its order, as a new list owned by the
  // caller.
  std::unique_ptr<WIntArray> List(const ListingFilter& filter);
  // Calls visit for every row the filter lists, in no particular order, with one statement: the
  // grid measures its columns over the whole listing this way. The store must not be changed from
  // visit.
  using ListedRowVisit = std::function<void(const ListedRow&)>;
  void ForEachListed(const ListingFilter& filter, const ListedRowVisit& visit);
  // The ids of the listed rows in display order, as a new list owned by the caller. List type 1
  // lists catalogued files as List does, with one flag per kind and the sort column's number;
  // types 2 to 4 list the persons table; others list nothing.
  std::unique_ptr<WIntArray> GetIterator(int listType, const std::string& nameFilter, bool showGenbox,
                                         bool showTMG, bool showHFT, bool showAQ, bool showFTM,
                                         bool showGEDCOM, bool showPAF, bool showRootsMagic, bool showLegacy,
                                         bool ascending, int sortColumn, bool bookmarksOnly);

  sqlite3* Database() const { return db_.get(); }
  // The prepared statement for the text, kept for reuse; reset when the lease ends.
  SqlStatement::Lease Statement(std::string_view sql);

 private:
  void OpenAt(const std::string& file, int flags, const char* failure);
  void Open();
  bool NeedsCreating() const;
  void OpenExisting();
  void Create();
  void RequireCatalogTables();
  void UseWriteAheadLog();
  void CommitOutermost();
  void Upgrade();
  void Execute(std::string_view sql);
  // Runs a statement once, without keeping it for reuse.
  void ExecuteScript(std::string_view sql);
  // The positive ids the query's first column gives, in its order.
  std::unique_ptr<WIntArray> ListIds(const ListingQuery& query);

  struct CloseDatabase {
    void operator()(sqlite3* db) const;
  };

  std::string baseName_;
  // Declared before the statements, so that they are finalized before the connection closes; an
  // open transaction is rolled back by the close.
  std::unique_ptr<sqlite3, CloseDatabase> db_;
  int transactionDepth_ = 0;
  std::int32_t cachedFileID_ = -1;
  std::unique_ptr<WFileStoreFile> cachedFile_;
  std::map<std::string, std::unique_ptr<SqlStatement>, std::less<>> statements_;
};

}  // namespace kinshelf
