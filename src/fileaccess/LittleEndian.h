// Little-endian 32-bit values inside the stores, whatever the byte order of the machine.
#pragma once

#include <cstdint>

namespace kinshelf {

// Reads the four bytes at `bytes`; the caller has checked that they lie inside the store.
inline std::uint32_t LoadUint32LE(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Writes the four bytes at `bytes`; the caller has checked that they lie inside the store.
inline void StoreUint32LE(unsigned char* bytes, std::uint32_t value) {
  bytes[0] = static_cast<unsigned char>(value);
  bytes[1] = static_cast<unsigned char>(value >> 8);
  bytes[2] = static_cast<unsigned char>(value >> 16);
  bytes[3] = static_cast<unsigned char>(value >> 24);
}

}  // namespace kinshelf
