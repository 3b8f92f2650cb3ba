// The PAF version from the signature texts.
#include "paf/PafSignature.h"

namespace kinshelf {

namespace {

constexpr std::size_t kFirstText = 4;
constexpr std::size_t kSecondText = 8;
constexpr std::size_t kTextWidth = 4;

std::string_view SignatureText(std::string_view bytes, std::size_t start) {
  const std::string_view field = bytes.substr(start, kTextWidth);
  return field.substr(0, field.find('\0'));
}

}  // namespace

int PafSignatureVersion(std::string_view firstBytes) {
  if (firstBytes.size() < kPafSignatureEnd) return kPafUnrecognised;
  const std::string_view first = SignatureText(firstBytes, kFirstText);
  const std::string_view second = SignatureText(firstBytes, kSecondText);
  if (second == "300") return 300;
  if (second == "400") return 400;
  if (second == "PAF" && first == "500") return 500;
  return kPafUnrecognised;
}

}  // namespace kinshelf
