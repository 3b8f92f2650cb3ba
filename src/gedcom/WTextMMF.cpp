// Text over a whole file mapped read-only.
#include "gedcom/WTextMMF.h"

#include "gedcom/GedcomScan.h"

namespace kinshelf {

WTextMMF::WTextMMF(const std::string& fileName) : WMMFReadOnly(fileName) {}

const char* WTextMMF::NextRecord(const char* pos) const {
  if (pos == nullptr) return nullptr;
  const char* record = gedcom::FindRecordStart(pos, TextEnd());
  return record < TextEnd() ? record : nullptr;
}

bool WTextMMF::IsLFText() const {
  if (!styleKnown_) {
    const char* lineBreak = gedcom::FindBreak(TextStart(), TextEnd());
    lfStyle_ = lineBreak < TextEnd() && *lineBreak == '\n';
    styleKnown_ = true;
  }
  return lfStyle_;
}

}  // namespace kinshelf
