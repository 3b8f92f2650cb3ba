// Writes JSON to a stream, indented two spaces per level. Strings are byte strings: well-formed
// UTF-8 passes through, and each byte that is not part of it is written as the escape \udcXX, the
// form that Python's "surrogateescape" reads back, so the exact bytes can be recovered. Output goes
// to the stream in large pieces; a document is all written once its outermost bracket closes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kinshelf::cli {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  // Ends the document with a line break once every object and array is closed.
  ~JsonWriter();

  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The key of the next member of the current object.
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view bytes);
  JsonWriter& Number(std::int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // The JSON string literal of the bytes, quotes included; and the same appended to `out`.
  static std::string Quote(std::string_view bytes);
  static void AppendQuoted(std::string& out, std::string_view bytes);
  // The literal without its quotes, so that a value can be written in pieces. Pieces escape as
  // their concatenation does when none ends inside a UTF-8 sequence that the next one completes.
  static void AppendEscaped(std::string& out, std::string_view bytes);
  // The same written at `out`, which has room for kMostEscapedPerByte bytes per byte given; the end
  // of what it wrote.
  static char* PutEscaped(char* out, std::string_view bytes);
  // True when the bytes go into a literal as they are: printable ASCII but the quote and backslash,
  // and well-formed UTF-8.
  static bool IsPlain(std::string_view bytes);
  // IsPlain of well-formed UTF-8, which needs only a look for controls, quotes and backslashes.
  static bool IsPlainWellFormed(std::string_view text);
  static constexpr std::size_t kMostEscapedPerByte = 6;  // \u001f, \udcff

 private:
  static constexpr std::size_t kBufferSize = 1 << 16;

  void Emit(std::string_view text);
  void WriteBuffer();
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);

  struct Level {
    bool empty = true;
  };
  std::ostream& out_;
  std::string buffer_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
  bool wroteSomething_ = false;
};

}  // namespace kinshelf::cli
