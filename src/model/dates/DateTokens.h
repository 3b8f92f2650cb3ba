// The tokens of a date phrase: at most 14 of at most 7 characters each, every one marked when it is
// all digits. Fixed layouts (12/03/1950, 03/1950, 1750/1751, <1820>) are split by position; any other
// text is split at blanks, "/" and "-", except that a year written with its dual part (1716/17,
// 1750/1751) stays one token that carries the dual part beside it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace kinshelf {

class DateTokens {
 public:
  static constexpr std::size_t kMaxTokens = 14;
  static constexpr std::size_t kMaxLength = 7;

  // The tokens of text; the views it returns do not point into text.
  static DateTokens Split(std::string_view text);

  // At least 1: a text without characters leaves one empty token.
  std::size_t Count() const { return count_; }
  // The token at index (from 0); empty past the last one. Valid as long as this object.
  std::string_view Text(std::size_t index) const;
  // The token's numeric mark; false past the last one.
  bool Numeric(std::size_t index) const;
  // The digits after the "/" of a year written with its dual part ("17" of 1716/17); empty for any
  // other token and past the last one. Valid as long as this object.
  std::string_view Dual(std::size_t index) const;

 private:
  static constexpr std::size_t kMaxDualLength = 4;

  struct Token {
    std::array<char, kMaxLength> chars{};
    std::uint8_t length = 0;
    bool numeric = false;
    std::array<char, kMaxDualLength> dual{};
    std::uint8_t dualLength = 0;
  };

  DateTokens();
  bool SplitFixedLayout(std::string_view text);
  void SplitAtSeparators(std::string_view text);
  void SetFixed(std::initializer_list<std::string_view> texts);
  void Append(char c);
  std::size_t DualPartLength(std::string_view text, std::size_t slash) const;

  std::array<Token, kMaxTokens> tokens_{};
  std::size_t count_ = 1;
};

}  // namespace kinshelf
