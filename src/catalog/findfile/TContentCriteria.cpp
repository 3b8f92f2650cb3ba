// The content condition of a file search.
#include "catalog/findfile/TContentCriteria.h"

#include <utility>

#include "platform/CaseTables.h"

namespace kinshelf {

TContentCriteria::TContentCriteria() {
  Prepare();
}

void TContentCriteria::SetPhrase(std::string phrase) {
  phrase_ = std::move(phrase);
  Prepare();
}

void TContentCriteria::SetIgnoreCase(bool ignoreCase) {
  ignoreCase_ = ignoreCase;
  Prepare();
}

void TContentCriteria::Prepare() {
  const platform::CaseTables& cases = platform::CaseTables::User();
  for (std::size_t byte = 0; byte < translation_.size(); ++byte) {
    const auto value = static_cast<unsigned char>(byte);
    translation_[byte] = ignoreCase_ ? cases.Lower(value) : value;
  }
  pattern_.clear();
  for (const char c : phrase_) pattern_ += static_cast<char>(translation_[static_cast<unsigned char>(c)]);
}

}  // namespace kinshelf
