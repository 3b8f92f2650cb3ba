// Fuzz target: parse an INI text, read and write keys, and render it again.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kinshelf::platform::IniFile ini("fuzz.ini", text);
  const std::string value = ini.ReadString("General", "FontSize", "8");
  ini.ReadString(text.substr(0, size / 2), text.substr(size / 2), "");
  // A value read back can always be written back: reading ends lines at every line break.
  ini.WriteString("General", "FontSize", value);
  ini.WriteString("Kinshelf", "FontZoom", "12");
  try {
    ini.WriteString(text.substr(0, size / 3), "Key", text.substr(size / 3));
  } catch (const std::invalid_argument&) {
    // Names and values with line breaks are refused; that is the expected outcome.
  }
  const std::string rendered = ini.Text();
  kinshelf::platform::IniFile again("fuzz.ini", rendered);
  if (again.ReadString("Kinshelf", "FontZoom", "") != "12") __builtin_trap();
  return 0;
}
