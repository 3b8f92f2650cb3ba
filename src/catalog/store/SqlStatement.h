// A prepared SQLite statement: binds values by position, steps through rows, and reads columns as byte
// strings. Errors raise WFileStoreError with SQLite's message after the database file's name.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace kinshelf {

class SqlStatement {
 public:
  // Prepares the statement on the connection; throws WFileStoreError when it does not compile.
  SqlStatement(sqlite3* db, std::string_view sql);
  ~SqlStatement();
  SqlStatement(const SqlStatement&) = delete;
  SqlStatement& operator=(const SqlStatement&) = delete;

  // Clears the previous run and its bindings so the statement can run again.
  SqlStatement& Reset();
  // Binds parameter `index` (1-based).
  SqlStatement& Bind(int index, std::int64_t value);
  SqlStatement& Bind(int index, double value);
  SqlStatement& Bind(int index, std::string_view text);

  // Runs to the next row: true when a row is ready, false when the statement is done. A database
  // another connection holds is waited for as long as this connection's busy timeout says; then the
  // busy error is raised.
  bool Step();
  // Steps until the statement is done.
  void Run();

  std::int64_t ColumnInt(int column) const;
  double ColumnDouble(int column) const;
  // A copy of the column's bytes as stored; empty for NULL.
  std::string ColumnText(int column) const;
  // The column's bytes without a copy, valid until the next Step or Reset.
  std::string_view ColumnView(int column) const;

  // A use of a statement kept for reuse: resets it (results and bindings) when the use ends, so
  // that no cursor stays open between operations.
  class Lease {
   public:
    explicit Lease(SqlStatement& statement) : statement_(statement) {}
    ~Lease() { statement_.Reset(); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    SqlStatement* operator->() const { return &statement_; }
    SqlStatement& operator*() const { return statement_; }

   private:
    SqlStatement& statement_;
  };

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace kinshelf
