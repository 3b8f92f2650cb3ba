// Fuzz target: convert ANSEL bytes to Windows-1252 and check what must always hold of the result.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/Ansel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view ansel(reinterpret_cast<const char*>(data), size);
  const std::string ansi = kinshelf::AnselToAnsi(ansel);
  // The conversion stops at the first NUL and never writes more bytes than it reads.
  const std::string_view converted = ansel.substr(0, ansel.find('\0'));
  if (ansi.size() > converted.size() || ansi.find('\0') != std::string::npos) __builtin_trap();
  // Text without bytes of 0xA2 or above has nothing to convert.
  const bool plain = std::all_of(converted.begin(), converted.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0xA2; });
  if (plain && ansi != converted) __builtin_trap();
  return 0;
}
