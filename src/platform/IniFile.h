// A plain INI file read and written with the semantics of the Windows profile functions.
//
// Section and key names match without regard to ASCII case; a missing file, section or key yields
// the default; a write replaces one key's value and keeps every other line (comments and keys this
// program does not know included). Writes change the text in memory; Save writes the whole file
// atomically.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kinshelf::platform {

class IniFile {
 public:
  // A settings file larger than this is no settings file.
  static constexpr std::size_t kSizeLimit = 8 * 1024 * 1024;

  // Reads the file when it exists; a missing file is an empty one. Throws std::runtime_error naming
  // the file when it exists but cannot be read, is no regular file or is larger than kSizeLimit.
  explicit IniFile(std::string path);
  // Takes the text of the file as given, without reading anything.
  IniFile(std::string path, std::string_view text);

  const std::string& Path() const { return path_; }

  // The text without the blanks a line's reading drops around names and values.
  static std::string_view Trimmed(std::string_view text);

  // The value of the first matching key in the first matching section, with surrounding blanks
  // removed; `fallback` when there is none.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;

  // Sets the value of a key, adding the key (and its section) when missing. Section, key and value
  // must not contain line breaks, and section and key no "]" or "=" either: std::invalid_argument.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // Writes the file (replacing it atomically). Throws std::runtime_error naming the file, and
  // leaves it as it was when the text would be larger than kSizeLimit.
  void Save() const;

  // The whole text as Save would write it.
  std::string Text() const;

 private:
  void SetText(std::string_view text);
  // Index of the section's header line, or -1.
  long FindSection(std::string_view section) const;
  // Index of the key's line within the section starting at `header`, or -1.
  long FindKey(long header, std::string_view key) const;
  // One past the section's last non-blank line.
  long SectionEnd(long header) const;

  std::string path_;
  std::vector<std::string> lines_;
};

}  // namespace kinshelf::platform
