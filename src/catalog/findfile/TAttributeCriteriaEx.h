// Per-attribute conditions on an entry's full attribute word: each attribute is ignored, must be set
// or must be clear. Held as a must-be-set mask and a must-be-clear mask.
#pragma once

#include <cstdint>

#include "platform/FileInfo.h"

namespace kinshelf {

enum TFileAttributeStatus { fsIgnore, fsSet, fsUnset };

class TAttributeCriteriaEx {
 public:
  // The condition on one platform attribute bit (platform::attr::k...).
  TFileAttributeStatus Status(std::uint32_t bit) const;
  void SetStatus(std::uint32_t bit, TFileAttributeStatus status);

  TFileAttributeStatus Archive() const { return Status(platform::attr::kArchive); }
  void SetArchive(TFileAttributeStatus s) { SetStatus(platform::attr::kArchive, s); }
  TFileAttributeStatus Readonly() const { return Status(platform::attr::kReadOnly); }
  void SetReadonly(TFileAttributeStatus s) { SetStatus(platform::attr::kReadOnly, s); }
  TFileAttributeStatus Hidden() const { return Status(platform::attr::kHidden); }
  void SetHidden(TFileAttributeStatus s) { SetStatus(platform::attr::kHidden, s); }
  TFileAttributeStatus System() const { return Status(platform::attr::kSystem); }
  void SetSystem(TFileAttributeStatus s) { SetStatus(platform::attr::kSystem, s); }
  TFileAttributeStatus Directory() const { return Status(platform::attr::kDirectory); }
  void SetDirectory(TFileAttributeStatus s) { SetStatus(platform::attr::kDirectory, s); }
  TFileAttributeStatus Compressed() const { return Status(platform::attr::kCompressed); }
  void SetCompressed(TFileAttributeStatus s) { SetStatus(platform::attr::kCompressed, s); }
  TFileAttributeStatus Encrypted() const { return Status(platform::attr::kEncrypted); }
  void SetEncrypted(TFileAttributeStatus s) { SetStatus(platform::attr::kEncrypted, s); }
  TFileAttributeStatus Offline() const { return Status(platform::attr::kOffline); }
  void SetOffline(TFileAttributeStatus s) { SetStatus(platform::attr::kOffline, s); }
  TFileAttributeStatus ReparsePoint() const { return Status(platform::attr::kReparsePoint); }
  void SetReparsePoint(TFileAttributeStatus s) { SetStatus(platform::attr::kReparsePoint, s); }
  TFileAttributeStatus SparseFile() const { return Status(platform::attr::kSparseFile); }
  void SetSparseFile(TFileAttributeStatus s) { SetStatus(platform::attr::kSparseFile, s); }
  TFileAttributeStatus Temporary() const { return Status(platform::attr::kTemporary); }
  void SetTemporary(TFileAttributeStatus s) { SetStatus(platform::attr::kTemporary, s); }

  std::uint32_t MustBeSet() const { return mustBeSet_; }
  std::uint32_t MustBeClear() const { return mustBeClear_; }
  // Every must-be-set bit is set and every must-be-clear bit is clear in `attributes`.
  bool Matches(std::uint32_t attributes) const;
  // The test involves a bit that only the entry's status can tell.
  bool NeedsStatus() const;

 private:
  std::uint32_t mustBeSet_ = 0;
  std::uint32_t mustBeClear_ = 0;
};

}  // namespace kinshelf
