// Helpers for catalog tests: raw SQL on a catalog file, traced statements, and rows made quickly.
#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

#include "catalog/store/WFileStore.h"

namespace kinshelf::test {

// Runs SQL on a separate connection to the file; the rows of the last statement as texts.
std::vector<std::vector<std::string>> QueryFile(const std::string& file, const std::string& sql);

// Records every statement the connection runs while it lives.
class StatementTrace {
 public:
  explicit StatementTrace(sqlite3* db);
  ~StatementTrace();
  const std::vector<std::string>& Statements() const { return statements_; }
  // The number of statements that start with the text.
  int CountStartingWith(const std::string& start) const;

 private:
  static int OnStatement(unsigned type, void* self, void* statement, void* sql);
  sqlite3* db_;
  std::vector<std::string> statements_;
};

// Inserts a row as a search would, for a file that need not exist; returns its id.
std::int32_t AddRow(WFileStore& store, const std::string& fullPath, FileKind kind, std::int64_t size = 0,
                    double modified = 0, bool bookmark = false);

}  // namespace kinshelf::test
