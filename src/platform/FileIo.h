// Opening, creating, sizing and writing files by descriptor. Failures leave errno set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileDescriptor.h"

namespace kinshelf::platform {

// Opens an existing file for reading, or for reading and writing. A closed descriptor on failure.
FileDescriptor OpenExistingFile(const std::string& path, bool writable);
// Creates a file for reading and writing, replacing any file of that name.
FileDescriptor CreateFileAlways(const std::string& path);
// The size of an open file.
std::optional<std::int64_t> FileSizeOf(int fd);
// Sets the size of an open file, filling with zeros when it grows.
bool ResizeFile(int fd, std::int64_t size);
// Writes every byte, retrying short writes.
bool WriteAll(int fd, const void* data, std::size_t size);
// Reads up to `size` bytes from the offset; the count read, or -1 on error.
std::int64_t ReadAt(int fd, void* data, std::size_t size, std::int64_t offset);
// Deletes a file; true when it is gone.
bool RemoveFile(const std::string& path);
// Renames `from` to `to` in one step, replacing a file there; false with errno set when it fails.
bool RenameFile(const std::string& from, const std::string& to);
// The whole text of a small file the program keeps (settings, exclusion list): nothing when no file
// is there. Throws std::runtime_error naming the file when something else is there (a folder, a
// pipe, a device), when it holds more than `limit` bytes, or when it cannot be read. Never waits on
// a pipe and never reads past the limit, whatever the file claims.
std::optional<std::string> ReadSmallRegularFile(const std::string& path, std::size_t limit);
// Writes the bytes to a temporary file beside the target, then renames it over the target, so that
// readers see the old file or the new one, never a part. Throws std::runtime_error naming the file.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kinshelf::platform
