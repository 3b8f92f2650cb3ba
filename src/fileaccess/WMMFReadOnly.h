// An existing file mapped whole for reading only; it never grows, so its bytes stay where they are
// for the life of the object. Readers of outside input take their bounded view from Bytes().
#pragma once

#include <span>
#include <string>

#include "fileaccess/WMMF.h"

namespace kinshelf {

class WMMFReadOnly : public WMMF {
 public:
  // Maps the file privately, so nothing can write through the view. Throws WMMFError: step 2 when
  // the file is missing, not a regular file or can't be opened, 3 when it is empty, 4 when it can't
  // be mapped. A probe that only peeks at a file catches the error and treats the file as no match.
  explicit WMMFReadOnly(const std::string& fileName);

  // Exactly the bytes of the file as mapped, [Memory(), End()). Valid for the life of the object.
  // Another process may still shorten the file; bytes past its new end then read as zeros, and
  // Damaged() tells.
  std::span<const unsigned char> Bytes() const { return {Memory(), static_cast<std::size_t>(Size())}; }
  // True when the file was shortened after mapping, so that some bytes may have read as zeros
  // instead of the file's. A reader asks once it has read what it needs. Any thread.
  bool Damaged() const;
  // True once a read went past the shortened file's new end: from that page on, every byte reads
  // as zero. Cheap enough to ask before every record. Any thread.
  bool LostPages() const;
  // Lets the pages read so far go from this process's memory; see platform::MappedView. A walk over
  // a file larger than it needs at once calls it now and then.
  void ReleaseResidentPages() const;
};

}  // namespace kinshelf
