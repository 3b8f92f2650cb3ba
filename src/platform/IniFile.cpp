// A plain INI file read and written with the semantics of the Windows profile functions.
#include "platform/IniFile.h"

#include <stdexcept>

#include "platform/AsciiCase.h"
#include "platform/FileIo.h"

namespace kinshelf::platform {

namespace {

// The section name of a header line "[name]", or nothing.
bool SectionName(std::string_view line, std::string_view& name) {
  line = IniFile::Trimmed(line);
  if (line.empty() || line.front() != '[') return false;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = IniFile::Trimmed(line.substr(1, close - 1));
  return true;
}

// The key and value of a line "key=value"; comment lines have none.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  line = IniFile::Trimmed(line);
  if (line.empty() || line.front() == ';' || line.front() == '#') return false;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  key = IniFile::Trimmed(line.substr(0, equals));
  value = IniFile::Trimmed(line.substr(equals + 1));
  return true;
}

void CheckText(std::string_view text, std::string_view forbidden, const char* what) {
  if (text.find_first_of(forbidden) != std::string_view::npos) {
    throw std::invalid_argument(std::string("The ") + what + " \"" + std::string(text) +
                                "\" cannot be written to a settings file");
  }
}

}  // namespace

std::string_view IniFile::Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  if (const auto text = ReadSmallRegularFile(path_, kSizeLimit)) SetText(*text);
}

IniFile::IniFile(std::string path, std::string_view text) : path_(std::move(path)) {
  SetText(text);
}

void IniFile::SetText(std::string_view text) {
  // A byte order mark, put first by some editors, would hide the first section's header.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  // CR LF, LF and a lone CR all end a line, so that no value read keeps a line break it could
  // not be written back with.
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    lines_.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
}

long IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i], name) && EqualsIgnoringAsciiCase(name, section)) return static_cast<long>(i);
  }
  return -1;
}

long IniFile::FindKey(long header, std::string_view key) const {
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i], name)) break;
    std::string_view found, value;
    if (KeyValue(lines_[i], found, value) && EqualsIgnoringAsciiCase(found, key)) return static_cast<long>(i);
  }
  return -1;
}

long IniFile::SectionEnd(long header) const {
  long end = header + 1;
  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
    std::string_view name;
    if (SectionName(lines_[i], name)) break;
    if (!Trimmed(lines_[i]).empty()) end = static_cast<long>(i) + 1;
  }
  return end;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const long header = FindSection(section);
  if (header < 0) return std::string(fallback);
  const long line = FindKey(header, key);
  if (line < 0) return std::string(fallback);
  std::string_view found, value;
  KeyValue(lines_[static_cast<std::size_t>(line)], found, value);
  return std::string(value);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  CheckText(section, "\r\n]", "section name");
  CheckText(key, "\r\n=", "key");
  CheckText(value, "\r\n", "value");
  const std::string text = std::string(key) + "=" + std::string(value);
  long header = FindSection(section);
  if (header < 0) {
    if (!lines_.empty() && !Trimmed(lines_.back()).empty()) lines_.emplace_back();
    std::string line("[");
    lines_.push_back(line.append(section).append("]"));
    header = static_cast<long>(lines_.size()) - 1;
  }
  const long line = FindKey(header, key);
  if (line >= 0) {
    std::string_view found, old;
    KeyValue(lines_[static_cast<std::size_t>(line)], found, old);
    lines_[static_cast<std::size_t>(line)] = std::string(found) + "=" + std::string(value);
    return;
  }
  lines_.insert(lines_.begin() + SectionEnd(header), text);
}

std::string IniFile::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

void IniFile::Save() const {
  const std::string text = Text();
  // A file this large could not be read again.
  if (text.size() > kSizeLimit) {
    throw std::runtime_error("Cannot write " + path_ + ": it would be larger than " +
                             std::to_string(kSizeLimit / (1024 * 1024)) + " MB; it was left unchanged");
  }
  ReplaceFileAtomically(path_, text);
}

}  // namespace kinshelf::platform
