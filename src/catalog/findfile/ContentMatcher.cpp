// The content test of the file search.
#include "catalog/findfile/ContentMatcher.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/FileIo.h"

namespace kinshelf {

namespace {

// Stands for the start or the end of the file: not alphanumeric.
constexpr int kNoByte = -1;

bool IsWordByte(int byte) {
  if (byte == kNoByte) return false;
  return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
         (byte >= 'A' && byte <= 'Z');
}

class PhraseScanner {
 public:
  PhraseScanner(const TContentCriteria& criteria, std::size_t blockSize)
      : pattern_(criteria.Pattern()),
        table_(criteria.Translation()),
        wholeWord_(criteria.WholeWord()),
        buffer_(std::max(blockSize, pattern_.size() + 1)) {}

  bool Scan(int fd) {
    std::int64_t offset = 0;
    for (;;) {
      const std::int64_t count =
          platform::ReadAt(fd, buffer_.data() + carry_, buffer_.size() - carry_, offset);
      if (count < 0) return false;
      offset += count;
      const std::size_t filled = carry_ + static_cast<std::size_t>(count);
      const bool atEnd = count == 0;
      const std::size_t decided = DecidablePositions(filled, atEnd);
      if (FindIn(filled, decided)) return true;
      if (atEnd) return false;
      KeepUndecided(filled, decided);
    }
  }

 private:
  // How many leading start positions can be judged now: the phrase, and with WholeWord the byte after
  // it, must lie in the buffer, unless the file has ended.
  std::size_t DecidablePositions(std::size_t filled, bool atEnd) const {
    const std::size_t needed = pattern_.size() + ((wholeWord_ && !atEnd) ? 1 : 0);
    return filled >= needed ? filled - needed + 1 : 0;
  }

  bool FindIn(std::size_t filled, std::size_t positions) const {
    for (std::size_t i = 0; i < positions; ++i) {
      if (!MatchesAt(i)) continue;
      if (!wholeWord_) return true;
      const int before = i == 0 ? previous_ : buffer_[i - 1];
      const std::size_t end = i + pattern_.size();
      const int after = end < filled ? buffer_[end] : kNoByte;
      if (!IsWordByte(before) && !IsWordByte(after)) return true;
    }
    return false;
  }

  bool MatchesAt(std::size_t i) const {
    for (std::size_t k = 0; k < pattern_.size(); ++k) {
      if (table_[buffer_[i + k]] != static_cast<unsigned char>(pattern_[k])) return false;
    }
    return true;
  }

  // Moves the bytes from the first undecided position to the front, remembering the byte before them.
  void KeepUndecided(std::size_t filled, std::size_t decided) {
    if (decided > 0) previous_ = buffer_[decided - 1];
    carry_ = filled - decided;
    std::memmove(buffer_.data(), buffer_.data() + decided, carry_);
  }

  const std::string& pattern_;
  const TContentCriteria::Table& table_;
  const bool wholeWord_;
  std::vector<unsigned char> buffer_;
  std::size_t carry_ = 0;
  int previous_ = kNoByte;
};

}  // namespace

bool ContainsPhrase(int fd, const TContentCriteria& criteria, std::size_t blockSize) {
  if (criteria.Pattern().empty()) return true;
  return PhraseScanner(criteria, blockSize).Scan(fd);
}

}  // namespace kinshelf
