// Helpers for catalog tests: raw SQL on a catalog file, traced statements, and rows made quickly.
#include "support/CatalogTestSupport.h"

#include <gtest/gtest.h>

#include "platform/Paths.h"

namespace kinshelf::test {

std::vector<std::vector<std::string>> QueryFile(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  std::vector<std::vector<std::string>> rows;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << "cannot open " << file;
    sqlite3_close(db);
    return rows;
  }
  char* error = nullptr;
  const auto collect = [](void* target, int count, char** values, char**) {
    auto& out = *static_cast<std::vector<std::vector<std::string>>*>(target);
    out.emplace_back();
    for (int i = 0; i < count; ++i) out.back().emplace_back(values[i] != nullptr ? values[i] : "NULL");
    return 0;
  };
  if (sqlite3_exec(db, sql.c_str(), collect, &rows, &error) != SQLITE_OK) {
    ADD_FAILURE() << "SQL failed: " << (error != nullptr ? error : "") << " in " << sql;
    sqlite3_free(error);
  }
  sqlite3_close(db);
  return rows;
}

StatementTrace::StatementTrace(sqlite3* db) : db_(db) {
  sqlite3_trace_v2(db_, SQLITE_TRACE_STMT, &OnStatement, this);
}

StatementTrace::~StatementTrace() {
  sqlite3_trace_v2(db_, 0, nullptr, nullptr);
}

int StatementTrace::OnStatement(unsigned, void* self, void*, void* sql) {
  static_cast<StatementTrace*>(self)->statements_.emplace_back(static_cast<const char*>(sql));
  return 0;
}

int StatementTrace::CountStartingWith(const std::string& start) const {
  int count = 0;
  for (const auto& statement : statements_) count += statement.rfind(start, 0) == 0 ? 1 : 0;
  return count;
}

std::int32_t AddRow(WFileStore& store, const std::string& fullPath, FileKind kind, std::int64_t size,
                    double modified, bool bookmark) {
  auto record = store.NewFile(fullPath, kind);
  const auto parts = platform::SplitPath(fullPath);
  record->SetDrive(parts.drive);
  record->SetPath(parts.folder);
  record->SetName(parts.baseName + parts.extension);
  record->SetSize(size);
  record->SetModified(modified);
  record->SetBookmark(bookmark);
  record->SaveToStore();
  return record->FileID();
}

}  // namespace kinshelf::test
