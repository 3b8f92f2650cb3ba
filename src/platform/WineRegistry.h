// The string values of a Wine text registry file (system.reg, user.reg), read only.
//
// The file format, as Wine writes it:
//   WINE REGISTRY Version 2              header; lines starting with ";" or "#" are comments or
//   #arch=win64                          metadata
//   [Software\\Microsoft\\Windows] 1234  a key: its path relative to the file's root (system.reg:
//   "ProgramFilesDir"="C:\\Program Files"  HKEY_LOCAL_MACHINE), then a time stamp; then its values,
//   @="default value"                    one a line: a quoted name (or @ for the default value), "=",
//   "Path"=str(2):"%SystemRoot%\\x"      and the data: a quoted string (REG_SZ), str(2):"..."
//   "Count"=dword:00000001               (REG_EXPAND_SZ), str(7):"..." (REG_MULTI_SZ), dword:, hex:
//   "Data"=hex:01,02,\                   or hex(N): with continuation lines.
//     03
// Inside quotes and key paths a backslash escapes the next character: \\ \" \] stand for the
// character, \n \t \r \a \b \e \f \v for control characters, \x followed by up to four hex digits
// for a UTF-16 code unit, and \ with up to three octal digits for a small code. The separator of a
// key path is an escaped backslash.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kinshelf::platform {

class WineRegistry {
 public:
  // An empty registry: every key is missing.
  WineRegistry() = default;
  // Parses the text of a registry file. Lines that cannot be read are skipped; nothing throws.
  // With `kept` given, only the keys at or below those named there (as KeyExists names them, in
  // either view) are kept: a prefix's registry holds thousands of keys a reader never asks for.
  explicit WineRegistry(std::string_view text, std::span<const std::string_view> kept = {});
  // Reads and parses the file; a missing or unreadable file, one that is not a regular file, or one
  // larger than any real registry file (kMaxFileSize), gives an empty registry.
  static WineRegistry Load(const std::string& path, std::span<const std::string_view> kept = {});

  static constexpr std::size_t kMaxFileSize = 256u << 20;

  // Whether the key can be opened. Key paths are separated by single backslashes and compared
  // without regard to ASCII case; leading and trailing backslashes do not count. A key below
  // "Software" that is missing is also looked for below "Software\Wow6432Node", where a 64-bit
  // prefix keeps the keys of 32-bit programs.
  bool KeyExists(std::string_view key) const;
  // The text of the REG_SZ or REG_EXPAND_SZ value `name` (empty: the default value) of the key
  // opened as KeyExists opens it, in UTF-8; environment variables are left unexpanded. Nothing
  // when the key or the value is missing or the value holds another type. Names compare without
  // regard to ASCII case.
  std::optional<std::string> ReadString(std::string_view key, std::string_view name) const;

 private:
  // Lower-cased value name → text of the string values.
  using Values = std::map<std::string, std::string, std::less<>>;

  void ParseLine(std::string_view line, Values*& current);
  bool MayBeKept(std::string_view written) const;
  const Values* OpenKey(std::string_view key) const;

  // The keys kept as a key line writes them, in both views; empty: every key.
  std::vector<std::string> writtenKept_;

  // Lower-cased key path without leading or trailing backslashes → its string values.
  std::map<std::string, Values, std::less<>> keys_;
};

}  // namespace kinshelf::platform
