// The string values of a Wine text registry file.
#include "platform/WineRegistry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/AsciiCase.h"
#include "platform/FileIo.h"

namespace kinshelf::platform {

namespace {

constexpr std::string_view kSoftware = "software\\";
constexpr std::string_view kWowNode = "wow6432node\\";
constexpr std::string_view kExpandString = "str(2):";

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

void AppendUtf8(std::string& out, char32_t code) {
  const auto byte = [&out](char32_t value) { out += static_cast<char>(value); };
  if (code < 0x80) {
    byte(code);
  } else if (code < 0x800) {
    byte(0xC0 | (code >> 6));
    byte(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    byte(0xE0 | (code >> 12));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  } else {
    byte(0xF0 | (code >> 18));
    byte(0x80 | ((code >> 12) & 0x3F));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  }
}

// UTF-8 text from the file's own bytes and the UTF-16 code units of escapes; a surrogate pair
// written as two escapes becomes one character, a lone surrogate the replacement character.
class TextBuilder {
 public:
  void Byte(char c) {
    Flush();
    text_ += c;
  }
  void Unit(char32_t unit) {
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (low && high_ != 0) {
      AppendUtf8(text_, 0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00));
      high_ = 0;
      return;
    }
    Flush();
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      high_ = unit;
    } else {
      AppendUtf8(text_, low ? 0xFFFD : unit);
    }
  }
  std::string Finish() {
    Flush();
    return std::move(text_);
  }

 private:
  void Flush() {
    if (high_ != 0) AppendUtf8(text_, 0xFFFD);
    high_ = 0;
  }

  std::string text_;
  char32_t high_ = 0;
};

int DigitValue(char c, int base) {
  int value = base;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Reads up to `maxDigits` digits at `i`, moving past them; -1 when there is none.
long ReadNumber(std::string_view in, std::size_t& i, int base, int maxDigits) {
  long value = -1;
  for (int count = 0; count < maxDigits && i < in.size(); ++count, ++i) {
    const int digit = DigitValue(in[i], base);
    if (digit < 0) break;
    value = (value < 0 ? 0 : value * base) + digit;
  }
  return value;
}

char ControlEscape(char c) {
  switch (c) {
    case 'a':
      return '\a';
    case 'b':
      return '\b';
    case 'e':
      return '\x1b';
    case 'f':
      return '\f';
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    case 'v':
      return '\v';
    default:
      return '\0';
  }
}

// Decodes the escape whose backslash is just before `i`, moving `i` past it.
void DecodeEscape(std::string_view in, std::size_t& i, TextBuilder& text) {
  const char next = in[i];
  if (DigitValue(next, 8) >= 0) {
    text.Unit(static_cast<char32_t>(ReadNumber(in, i, 8, 3)));
    return;
  }
  ++i;
  if (next == 'x') {
    const long unit = ReadNumber(in, i, 16, 4);
    if (unit < 0) {
      text.Byte('x');
    } else {
      text.Unit(static_cast<char32_t>(unit));
    }
    return;
  }
  const char control = ControlEscape(next);
  if (control == '\0') {
    text.Byte(next);
  } else {
    text.Unit(static_cast<unsigned char>(control));
  }
}

// The text up to the first unescaped `end`, with its escapes decoded; `in` moves past the `end`.
// Nothing when the line holds no unescaped `end`.
std::optional<std::string> ReadEscaped(std::string_view& in, char end) {
  TextBuilder text;
  std::size_t i = 0;
  while (i < in.size()) {
    const char c = in[i++];
    if (c == end) {
      in.remove_prefix(i);
      return text.Finish();
    }
    if (c == '\\' && i < in.size()) {
      DecodeEscape(in, i, text);
    } else {
      text.Byte(c);
    }
  }
  return std::nullopt;
}

// A key path lower-cased, with empty parts dropped: "\Software\\Wine\" → "software\wine".
std::string NormalKey(std::string_view key) {
  std::string normal;
  while (!key.empty()) {
    const auto slash = key.find('\\');
    const auto part = key.substr(0, slash);
    key = slash == std::string_view::npos ? std::string_view() : key.substr(slash + 1);
    if (part.empty()) continue;
    if (!normal.empty()) normal += '\\';
    normal += Lower(part);
  }
  return normal;
}

std::string_view TrimLine(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// A key of the 32-bit view as the same key of the 64-bit one: "software\wow6432node\x" → "software\x".
std::string_view WithoutWowNode(std::string_view normal, std::string& buffer) {
  if (!normal.starts_with(kSoftware) || !normal.substr(kSoftware.size()).starts_with(kWowNode)) return normal;
  buffer.assign(kSoftware).append(normal.substr(kSoftware.size() + kWowNode.size()));
  return buffer;
}

// A key path as a key line writes it: each separator escaped.
std::string WrittenKey(std::string_view normal) {
  std::string written;
  for (const char c : normal) {
    if (c == '\\') written += '\\';
    written += c;
  }
  return written;
}

}  // namespace

WineRegistry::WineRegistry(std::string_view text, std::span<const std::string_view> kept) {
  for (const std::string_view key : kept) {
    std::string buffer;
    const std::string normal(WithoutWowNode(NormalKey(key), buffer));
    writtenKept_.push_back(WrittenKey(normal));
    if (normal.starts_with(kSoftware)) {
      writtenKept_.push_back(
          WrittenKey(std::string(kSoftware) + std::string(kWowNode) + normal.substr(kSoftware.size())));
    }
  }
  Values* current = nullptr;
  while (!text.empty()) {
    const auto end = text.find('\n');
    ParseLine(TrimLine(text.substr(0, end)), current);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
}

// Only a regular file is read: a pipe in its place would wait for a writer at every start.
WineRegistry WineRegistry::Load(const std::string& path, std::span<const std::string_view> kept) {
  try {
    const auto text = ReadSmallRegularFile(path, kMaxFileSize);
    return text ? WineRegistry(*text, kept) : WineRegistry();
  } catch (const std::runtime_error&) {
    return {};
  }
}

void WineRegistry::ParseLine(std::string_view line, Values*& current) {
  if (line.empty()) return;
  if (line.front() == '[') {
    line.remove_prefix(1);
    // Most keys are told apart from the kept ones by their first letters, without decoding.
    if (!MayBeKept(line)) {
      current = nullptr;
      return;
    }
    const auto key = ReadEscaped(line, ']');
    current = key ? &keys_[NormalKey(*key)] : nullptr;
    return;
  }
  if (current == nullptr) return;
  std::string name;
  if (line.front() == '"') {
    line.remove_prefix(1);
    const auto quoted = ReadEscaped(line, '"');
    if (!quoted) return;
    name = Lower(*quoted);
  } else if (line.front() == '@') {
    line.remove_prefix(1);
  } else {
    return;
  }
  if (line.empty() || line.front() != '=') return;
  line.remove_prefix(1);
  if (line.starts_with(kExpandString)) line.remove_prefix(kExpandString.size());
  if (line.empty() || line.front() != '"') {
    current->erase(name);  // a later value of another type replaces the string
    return;
  }
  line.remove_prefix(1);
  if (auto value = ReadEscaped(line, '"')) (*current)[name] = std::move(*value);
}

// Wine writes the ASCII letters of a key path as they are and its separators as "\\\\": a written
// key below a kept one starts with the kept key so written, in some case, in either view. A key
// whose name only begins as a kept one's is kept too, and never asked for.
bool WineRegistry::MayBeKept(std::string_view written) const {
  const auto startsWith = [written](std::string_view start) {
    return written.size() >= start.size() && EqualsIgnoringAsciiCase(written.substr(0, start.size()), start);
  };
  return writtenKept_.empty() || std::any_of(writtenKept_.begin(), writtenKept_.end(), startsWith);
}

const WineRegistry::Values* WineRegistry::OpenKey(std::string_view key) const {
  static const Values kNoValues;
  std::string normal = NormalKey(key);
  for (int view = 0; view < 2; ++view) {
    if (const auto found = keys_.find(normal); found != keys_.end()) return &found->second;
    // A key that has subkeys but no values of its own has no line in the file, yet it exists.
    const std::string parent = normal + '\\';
    if (const auto child = keys_.lower_bound(parent);
        child != keys_.end() && child->first.starts_with(parent))
      return &kNoValues;
    if (!normal.starts_with(kSoftware) || normal.substr(kSoftware.size()).starts_with(kWowNode)) break;
    normal.insert(kSoftware.size(), kWowNode);
  }
  return nullptr;
}

bool WineRegistry::KeyExists(std::string_view key) const {
  return OpenKey(key) != nullptr;
}

std::optional<std::string> WineRegistry::ReadString(std::string_view key, std::string_view name) const {
  const Values* values = OpenKey(key);
  if (values == nullptr) return std::nullopt;
  const auto found = values->find(Lower(name));
  if (found == values->end()) return std::nullopt;
  return found->second;
}

}  // namespace kinshelf::platform
