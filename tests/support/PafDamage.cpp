// One change at a time to a written file, in place.
#include "support/PafDamage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace kinshelf::test {
namespace {

// Opens the file for the life of the object.
class Descriptor {
 public:
  Descriptor(const std::string& path, int flags) : fd_(::open(path.c_str(), flags)) {
    if (fd_ < 0) throw std::runtime_error("cannot open " + path);
  }
  ~Descriptor() { ::close(fd_); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

void PafDamage::SetByte(std::int64_t offset, std::uint8_t value) const {
  Write(offset, &value, 1);
}

void PafDamage::FlipByte(std::int64_t offset) const {
  SetByte(offset, static_cast<std::uint8_t>(~ByteAt(offset)));
}

void PafDamage::SetInt16(std::int64_t offset, std::int16_t value) const {
  const auto bits = static_cast<std::uint16_t>(value);
  const unsigned char bytes[2] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8)};
  Write(offset, bytes, 2);
}

void PafDamage::SetInt32(std::int64_t offset, std::int32_t value) const {
  const auto bits = static_cast<std::uint32_t>(value);
  unsigned char bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
  Write(offset, bytes, 4);
}

void PafDamage::Truncate(std::int64_t size) const {
  if (::truncate(path_.c_str(), size) != 0) throw std::runtime_error("cannot truncate " + path_);
}

void PafDamage::PointOutside(std::int64_t offset) const {
  SetInt32(offset, static_cast<std::int32_t>(Size()));
}

std::uint8_t PafDamage::ByteAt(std::int64_t offset) const {
  const Descriptor file(path_, O_RDONLY);
  unsigned char byte = 0;
  if (::pread(file.Fd(), &byte, 1, offset) != 1) throw std::out_of_range("read past the end of " + path_);
  return byte;
}

std::int32_t PafDamage::Int32At(std::int64_t offset) const {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = bits << 8 | ByteAt(offset + i);
  return static_cast<std::int32_t>(bits);
}

void PafDamage::Write(std::int64_t offset, const unsigned char* bytes, std::size_t count) const {
  const Descriptor file(path_, O_WRONLY);
  if (::pwrite(file.Fd(), bytes, count, offset) != static_cast<ssize_t>(count)) {
    throw std::runtime_error("cannot write " + path_);
  }
}

std::int64_t PafDamage::Size() const {
  struct stat status {};
  if (::stat(path_.c_str(), &status) != 0) throw std::runtime_error("cannot stat " + path_);
  return status.st_size;
}

}  // namespace kinshelf::test
