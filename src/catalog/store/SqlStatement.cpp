// A prepared SQLite statement with positional parameters.
#include "catalog/store/SqlStatement.h"

#include <unistd.h>

#include "catalog/store/WFileStoreError.h"
#include "platform/Paths.h"

namespace kinshelf {

namespace {

// What went wrong in words the user can act on: a busy catalog is another process's search or
// refresh, and a catalog that cannot be written is mostly a folder that cannot be.
std::string Reason(sqlite3* db, const std::string& file) {
  switch (sqlite3_errcode(db)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "another Kinshelf process is changing the catalog; try again when it has finished";
    case SQLITE_READONLY: {
      const std::string folder(platform::FolderPart(file));
      if (!folder.empty() && ::access(folder.c_str(), W_OK) != 0) {
        return "the catalog cannot be changed: its folder " + folder + " is not writable";
      }
      return sqlite3_errmsg(db);
    }
    default:
      return sqlite3_errmsg(db);
  }
}

// The reason with the database file's name before it, so that every error says which catalog it is
// about.
std::string ErrorText(sqlite3* db) {
  const char* file = sqlite3_db_filename(db, "main");
  if (file == nullptr || *file == '\0') return Reason(db, {});
  return std::string(file) + ": " + Reason(db, file);
}

}  // namespace

SqlStatement::SqlStatement(sqlite3* db, std::string_view sql) : db_(db) {
  if (db_ == nullptr) throw WFileStoreError("Cannot perform this operation on a closed database");
  if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &statement_, nullptr) != SQLITE_OK) {
    throw WFileStoreError(ErrorText(db_));
  }
}

SqlStatement::~SqlStatement() {
  sqlite3_finalize(statement_);
}

SqlStatement& SqlStatement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
  return *this;
}

SqlStatement& SqlStatement::Bind(int index, std::int64_t value) {
  if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK) throw WFileStoreError(ErrorText(db_));
  return *this;
}

SqlStatement& SqlStatement::Bind(int index, double value) {
  if (sqlite3_bind_double(statement_, index, value) != SQLITE_OK) throw WFileStoreError(ErrorText(db_));
  return *this;
}

SqlStatement& SqlStatement::Bind(int index, std::string_view text) {
  if (sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) !=
      SQLITE_OK) {
    throw WFileStoreError(ErrorText(db_));
  }
  return *this;
}

bool SqlStatement::Step() {
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  const std::string message = ErrorText(db_);
  sqlite3_reset(statement_);
  throw WFileStoreError(message);
}

void SqlStatement::Run() {
  while (Step()) {
  }
}

std::int64_t SqlStatement::ColumnInt(int column) const {
  return sqlite3_column_int64(statement_, column);
}

double SqlStatement::ColumnDouble(int column) const {
  return sqlite3_column_double(statement_, column);
}

std::string SqlStatement::ColumnText(int column) const {
  return std::string(ColumnView(column));
}

std::string_view SqlStatement::ColumnView(int column) const {
  const auto* text = sqlite3_column_text(statement_, column);
  if (text == nullptr) return {};
  return {reinterpret_cast<const char*>(text),
          static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
}

}  // namespace kinshelf
