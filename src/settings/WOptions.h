// The settings store: every setting as a string in memory, read from and written to one INI file.
//
// The program creates one store and passes it by reference; it is used from the main thread only.
// States and the rules that hold:
//  1. A new store is closed and holds every value at its default; the general table counts as
//     present from the start, the catalog table only after Load(kCatalogKind).
//  2. Open moves it to open; Close moves it back to closed and keeps the values in memory.
//  3. Load and Save need an open store (std::logic_error otherwise); Open needs a closed one.
//  4. Save writes the general table and every loaded table, never a table that was not loaded.
//  5. No value in memory holds a line break, so every value can be written to the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniFile.h"
#include "settings/OptionIds.h"

namespace kinshelf {

class WOptions {
 public:
  // The program kind whose table is the catalog table.
  static constexpr int kCatalogKind = 3;

  // One row of a loaded table. The views stay valid as long as the program runs.
  struct Entry {
    int id;
    std::string_view section;
    std::string_view key;
  };

  WOptions();
  WOptions(const WOptions&) = delete;
  WOptions& operator=(const WOptions&) = delete;
  WOptions(WOptions&&) = default;
  WOptions& operator=(WOptions&&) = default;

  // <settings folder>/Kinshelf.ini, creating the folders on the way. Throws std::runtime_error
  // when a folder cannot be created.
  static std::string DefaultPath();
  // The executable's own path with its extension changed to ".ini" (from /proc/self/exe).
  // Throws std::runtime_error when the executable's path cannot be read.
  static std::string FallbackPath();

  // Reads the INI file at `path`, or at FallbackPath() when `path` is empty; a missing file is an
  // empty one. Throws std::logic_error when already open, std::runtime_error when the file exists
  // but cannot be read.
  void Open(const std::string& path);
  bool IsOpen() const { return file_.has_value(); }
  // The path of the open file; empty when closed.
  std::string Path() const;
  // Reads every general row, then the table of `kind` when it is kCatalogKind (other kinds have
  // no table here), each value falling back to its default. Throws std::logic_error when closed.
  void Load(int kind);
  // Writes the rows of the general table and of each loaded table that were changed here since they
  // were read, and those the file lacks, keeping every other line of the file; the other rows take
  // the file's values, which another process may have changed. Throws std::logic_error when
  // closed, std::runtime_error naming the file when it fails.
  void Save();
  // Releases the file; the values stay in memory. Does nothing when already closed.
  void Close();

  // Booleans are "T" and "F": only exactly "T" reads as true. Integers are decimal: anything that
  // is not a whole decimal number in the range of int, the empty text included, reads as 0.
  // Setters throw std::invalid_argument naming the key when the value holds a line break, and drop
  // the blanks around a text, as the file's reading would.
  std::string GetString(opt::General id) const;
  bool GetBool(opt::General id) const;
  int GetInt(opt::General id) const;
  void SetString(opt::General id, std::string_view value);
  void SetBool(opt::General id, bool value);
  void SetInt(opt::General id, int value);

  // The catalog values can be read and set before Load(kCatalogKind), but Load replaces them and
  // Save writes them only once that table is loaded.
  std::string GetString(opt::Catalog id) const;
  bool GetBool(opt::Catalog id) const;
  int GetInt(opt::Catalog id) const;
  void SetString(opt::Catalog id, std::string_view value);
  void SetBool(opt::Catalog id, bool value);
  void SetInt(opt::Catalog id, int value);

  // Whether a value can be set: one holding a line break cannot.
  static bool CanHold(std::string_view value);

  // Every row of the loaded tables: the general rows in id order, then the catalog rows.
  std::vector<Entry> Entries() const;
  // The id of a key of a loaded table, ignoring ASCII case; nothing when no loaded table has it.
  std::optional<int> FindId(std::string_view key) const;
  // The value of any id of a loaded table. Throws std::out_of_range for any other id.
  std::string Value(int id) const;
  // Sets the value of any id of a loaded table. Throws std::out_of_range for any other id and
  // std::invalid_argument naming the key when the value holds a line break.
  void SetValue(int id, std::string_view value);

  // A key that no table holds, read straight from the open file (Save keeps its line like every
  // other); `fallback` when the store is closed or the file has no such key.
  std::string ReadUnlisted(std::string_view section, std::string_view key, std::string_view fallback) const;

  // Puts `path` at the head of File1 ... File10: an entry equal to it after ASCII upper-casing is
  // removed, the entries above it move down one place; when none is equal, File10 drops off.
  // An empty path or one holding a line break cannot be remembered and is ignored.
  void AddRecentFile(const std::string& path);

 private:
  bool IsLoaded(int id) const;
  std::string& Slot(int id);
  const std::string& Slot(int id) const;
  void Store(int id, std::string_view value);

  std::optional<platform::IniFile> file_;
  std::vector<std::string> general_;  // index id - kGeneralFirst
  std::vector<std::string> catalog_;  // index id - kCatalogFirst
  // The values as last read from or written to the file: a save writes only what differs.
  std::vector<std::string> generalSaved_;
  std::vector<std::string> catalogSaved_;
  bool catalogLoaded_ = false;
};

}  // namespace kinshelf
