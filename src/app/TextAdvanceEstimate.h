// A quick estimate of how wide a UTF-8 text draws in one font: the sum of its characters' advances,
// each measured once and kept. Kerning and shaping make the drawn width differ by a few pixels, so
// callers measure exactly whatever the estimate ranks widest.
#pragma once

#include <QFontMetricsF>
#include <array>
#include <string_view>
#include <unordered_map>

namespace kinshelf {

class TextAdvanceEstimate {
 public:
  explicit TextAdvanceEstimate(const QFont& font);

  double Estimate(std::string_view utf8);
  // The drawn width in whole pixels, as QFontMetrics gives it.
  int Exact(std::string_view utf8) const;

 private:
  double Advance(char32_t character);

  QFont font_;
  QFontMetricsF metrics_;
  std::array<double, 128> ascii_{};
  std::unordered_map<char32_t, double> others_;
};

}  // namespace kinshelf
