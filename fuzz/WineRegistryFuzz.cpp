// Fuzz target: parse a Wine registry text and ask it for keys and values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/WineRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const kinshelf::platform::WineRegistry registry(text);
  registry.ReadString("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
  registry.ReadString("Software\\Millennia Corporation\\Legacy 7.5\\", "InstallPath");
  registry.KeyExists(text.substr(0, size / 2));
  registry.ReadString(text.substr(0, size / 3), text.substr(size / 3, size / 3));
  return 0;
}
