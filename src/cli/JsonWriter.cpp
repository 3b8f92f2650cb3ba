// Writes JSON to a stream with byte-exact strings.
#include "cli/JsonWriter.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/Utf8.h"

namespace kinshelf::cli {

namespace {

// Writes \u and the four lower-case hex digits of `value`.
char* PutUnicodeEscape(char* out, unsigned value) {
  constexpr char kDigits[] = "0123456789abcdef";
  *out++ = '\\';
  *out++ = 'u';
  for (int shift = 12; shift >= 0; shift -= 4) *out++ = kDigits[(value >> shift) & 0xFu];
  return out;
}

// Bytes that go into a JSON string as they are: printable ASCII but the quote and the backslash.
constexpr std::array<bool, 256> kPlainBytes = [] {
  std::array<bool, 256> plain{};
  for (int c = 0x20; c < 0x80; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
  return plain;
}();

// True when one of the eight bytes of `word` is not plain: below 0x20, 0x80 or above, a quote or a
// backslash. The usual tests for a byte below a bound and for a zero byte (after an xor with the
// byte looked for); they may flag more bytes than those, but never miss one.
constexpr bool HasSpecialByte(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighs = 0x8080808080808080;
  const auto below = [](std::uint64_t x, std::uint64_t bound) { return (x - kOnes * bound) & ~x & kHighs; };
  return (below(word, 0x20) | below(word ^ (kOnes * '"'), 1) | below(word ^ (kOnes * '\\'), 1) |
          (word & kHighs)) != 0;
}

// The number of plain bytes from `pos`: they are copied as one. Sixteen or eight at a time while none
// is special, the last few too, padded with blanks: most texts are short and plain.
std::size_t PlainAsciiRun(std::string_view bytes, std::size_t pos) {
  std::size_t end = pos;
#if defined(__SSE2__)
  // Sixteen at a time: as signed bytes, those below 0x20 and those from 0x80 on are both below 0x20.
  for (; end + 16 <= bytes.size(); end += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + end));
    const __m128i special = _mm_or_si128(
        _mm_cmplt_epi8(v, _mm_set1_epi8(0x20)),
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('"')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\\'))));
    if (_mm_movemask_epi8(special) != 0) break;
  }
#endif
  for (std::uint64_t word = 0; end + 8 <= bytes.size(); end += 8) {
    std::memcpy(&word, bytes.data() + end, 8);
    if (HasSpecialByte(word)) break;
  }
  if (end < bytes.size() && end + 8 > bytes.size()) {
    std::uint64_t word = 0x2020202020202020;
    std::memcpy(&word, bytes.data() + end, bytes.size() - end);
    if (!HasSpecialByte(word)) return bytes.size() - pos;
  }
  while (end < bytes.size() && kPlainBytes[static_cast<unsigned char>(bytes[end])]) ++end;
  return end - pos;
}

// The escape of an ASCII byte that isn't plain, or the byte itself.
char* PutEscapedAscii(char* out, char c) {
  char shown = 0;
  switch (c) {
    case '"':
    case '\\':
      shown = c;
      break;
    case '\n':
      shown = 'n';
      break;
    case '\r':
      shown = 'r';
      break;
    case '\t':
      shown = 't';
      break;
    case '\b':
      shown = 'b';
      break;
    case '\f':
      shown = 'f';
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20) return PutUnicodeEscape(out, static_cast<unsigned char>(c));
      *out++ = c;
      return out;
  }
  *out++ = '\\';
  *out++ = shown;
  return out;
}

// The number of bytes from `pos` that go into a literal as they are: plain ASCII runs and the
// well-formed UTF-8 sequences between them, copied as one piece.
std::size_t PlainRun(std::string_view bytes, std::size_t pos) {
  std::size_t end = pos;
  while (true) {
    end += PlainAsciiRun(bytes, end);
    const std::size_t length = Utf8SequenceLength(bytes, end);
    if (length < 2) return end - pos;
    end += length;
  }
}

// Hands the literal's bytes to put(piece, size) in order: plain runs and well-formed UTF-8 as they
// are, every other byte escaped.
template <typename Put>
void Escape(std::string_view bytes, Put put) {
  char escape[8];
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t plain = PlainRun(bytes, pos);
    put(bytes.data() + pos, plain);
    pos += plain;
    if (pos == bytes.size()) break;
    // A byte PlainRun stops at is ASCII that needs an escape, or no part of a UTF-8 sequence.
    const char* end = Utf8SequenceLength(bytes, pos) == 1
                          ? PutEscapedAscii(escape, bytes[pos])
                          : PutUnicodeEscape(escape, 0xDC00u | static_cast<unsigned char>(bytes[pos]));
    put(escape, static_cast<std::size_t>(end - escape));
    ++pos;
  }
}

}  // namespace

JsonWriter::~JsonWriter() {
  if (wroteSomething_ && levels_.empty()) buffer_ += '\n';
  WriteBuffer();
}

std::string JsonWriter::Quote(std::string_view bytes) {
  std::string out;
  AppendQuoted(out, bytes);
  return out;
}

// Pieces gather in a buffer that goes to the stream in large writes.
void JsonWriter::Emit(std::string_view text) {
  buffer_ += text;
  if (buffer_.size() >= kBufferSize) WriteBuffer();
}

void JsonWriter::WriteBuffer() {
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

void JsonWriter::AppendQuoted(std::string& out, std::string_view bytes) {
  out += '"';
  AppendEscaped(out, bytes);
  out += '"';
}

void JsonWriter::AppendEscaped(std::string& out, std::string_view bytes) {
  Escape(bytes, [&out](const char* piece, std::size_t size) { out.append(piece, size); });
}

#if defined(__SSE2__)
namespace {

// The bytes among sixteen that go into a literal only escaped: controls, quotes and backslashes.
__m128i SpecialBytes(__m128i v) {
  const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(0x1F)), v);
  return _mm_or_si128(
      control, _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('"')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\\'))));
}

// What IsPlain looks at in sixteen bytes: the bytes to escape, a bit per byte, and where there are
// bytes from 0x80 on, their marks.
struct PlainBits {
  std::uint32_t special = 0;
  Utf8Marks marks;
};

PlainBits PlainBitsAt(const char* at) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  PlainBits bits;
  bits.special = static_cast<std::uint32_t>(_mm_movemask_epi8(SpecialBytes(v)));
  if (_mm_movemask_epi8(v) != 0) bits.marks = Utf8MarksOf(v);
  return bits;
}

}  // namespace
#endif

// Texts of ASCII and two-byte sequences, most of those in Latin scripts, are looked at sixteen bytes
// at a time, the last sixteen read again in part; from a longer sequence or a stray byte on, they are
// walked.
bool JsonWriter::IsPlain(std::string_view bytes) {
  std::size_t walkFrom = 0;
#if defined(__SSE2__)
  if (bytes.size() >= 16) {
    // 1 when the block before ends with a lead.
    std::uint32_t pending = 0;
    std::size_t pos = 0;
    for (; pos + 16 <= bytes.size(); pos += 16) {
      const PlainBits bits = PlainBitsAt(bytes.data() + pos);
      if (bits.special != 0) return false;
      if (!PairedTwoByteSequences(bits.marks, pending)) break;
      pending = bits.marks.leads >> 15;
    }
    walkFrom = pos - pending;
    if (pos == bytes.size()) return pending == 0;
    if (pos + 16 > bytes.size()) {
      // Bytes before the last sixteen are whole sequences, so a two-byte one at the byte before them
      // tells whether the first of them continues it; the text may not end with a lead.
      const std::size_t last = bytes.size() - 16;
      const PlainBits bits = PlainBitsAt(bytes.data() + last);
      if (bits.special != 0) return false;
      if (PairedTwoByteSequences(bits.marks, Utf8SequenceLength(bytes, last - 1) == 2 ? 1 : 0) &&
          (bits.marks.leads >> 15) == 0)
        return true;
    }
  }
#endif
  return PlainRun(bytes, walkFrom) == bytes.size() - walkFrom;
}

// Sixteen bytes at a time, the last sixteen read again in part; a short text is left to IsPlain.
bool JsonWriter::IsPlainWellFormed(std::string_view text) {
#if defined(__SSE2__)
  if (text.size() >= 16) {
    const auto special = [](const char* at) {
      return SpecialBytes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)));
    };
    __m128i found = special(text.data() + text.size() - 16);
    for (std::size_t pos = 0; pos + 16 <= text.size(); pos += 16)
      found = _mm_or_si128(found, special(text.data() + pos));
    return _mm_movemask_epi8(found) == 0;
  }
#endif
  return IsPlain(text);
}

char* JsonWriter::PutEscaped(char* out, std::string_view bytes) {
  Escape(bytes, [&out](const char* piece, std::size_t size) {
    std::memcpy(out, piece, size);
    out += size;
  });
  return out;
}

void JsonWriter::BeforeValue() {
  wroteSomething_ = true;
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  buffer_ += levels_.back().empty ? "\n" : ",\n";
  buffer_.append(levels_.size() * 2, ' ');
  levels_.back().empty = false;
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  Emit(std::string_view(&bracket, 1));
  levels_.push_back(Level{});
}

void JsonWriter::Close(char bracket) {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) {
    buffer_ += '\n';
    buffer_.append(levels_.size() * 2, ' ');
  }
  Emit(std::string_view(&bracket, 1));
  if (levels_.empty()) WriteBuffer();
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
  AppendQuoted(buffer_, key);
  Emit(": ");
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view bytes) {
  BeforeValue();
  AppendQuoted(buffer_, bytes);
  Emit(std::string_view());
  return *this;
}

JsonWriter& JsonWriter::Number(std::int64_t value) {
  BeforeValue();
  char digits[24];
  const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
  Emit(std::string_view(digits, static_cast<std::size_t>(end - digits)));
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  Emit(value ? "true" : "false");
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  Emit("null");
  return *this;
}

}  // namespace kinshelf::cli
