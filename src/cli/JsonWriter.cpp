// Writes JSON to a stream with byte-exact strings.
#include "cli/JsonWriter.h"

#include <cstdio>
#include <string>

#include "text/Utf8.h"

namespace kinshelf::cli {

namespace {

std::string Hex4(unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04x", value & 0xFFFFu);
  return buffer;
}

void AppendEscapedAscii(std::string& out, char c) {
  switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    case '\b':
      out += "\\b";
      break;
    case '\f':
      out += "\\f";
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20) {
        out += "\\u" + Hex4(static_cast<unsigned char>(c));
      } else {
        out += c;
      }
  }
}

}  // namespace

JsonWriter::~JsonWriter() {
  if (wroteSomething_ && levels_.empty()) out_ << '\n';
}

std::string JsonWriter::Quote(std::string_view bytes) {
  std::string out = "\"";
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, pos);
    if (length == 1) {
      AppendEscapedAscii(out, bytes[pos]);
    } else if (length > 1) {
      out.append(bytes.substr(pos, length));
    } else {
      out += "\\u" + Hex4(0xDC00u | static_cast<unsigned char>(bytes[pos]));
    }
    pos += length == 0 ? 1 : length;
  }
  out += '"';
  return out;
}

void JsonWriter::BeforeValue() {
  wroteSomething_ = true;
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  out_ << (levels_.back().empty ? "\n" : ",\n") << std::string(levels_.size() * 2, ' ');
  levels_.back().empty = false;
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_ << bracket;
  levels_.push_back(Level{});
}

void JsonWriter::Close(char bracket) {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) out_ << '\n' << std::string(levels_.size() * 2, ' ');
  out_ << bracket;
}

JsonWriter& JsonWriter::BeginObject() {
  Open('{');
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  Close('}');
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Open('[');
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  Close(']');
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  BeforeValue();
  out_ << Quote(key) << ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view bytes) {
  BeforeValue();
  out_ << Quote(bytes);
  return *this;
}

JsonWriter& JsonWriter::Number(std::int64_t value) {
  BeforeValue();
  out_ << value;
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ << (value ? "true" : "false");
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ << "null";
  return *this;
}

}  // namespace kinshelf::cli
