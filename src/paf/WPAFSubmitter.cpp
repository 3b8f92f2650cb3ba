// The submitter of a PAF file.
#include "paf/WPAFSubmitter.h"

#include "model/ItemTexts.h"
#include "paf/WPAFCollection.h"

namespace kinshelf {

WPAFSubmitter::WPAFSubmitter(const WPAFCollection& collection)
    : fields_(collection.Fields().submitter), header_(collection.File().Header()) {}

std::string WPAFSubmitter::GetName() {
  std::string name = header_.Text(fields_.name);
  if (fields_.nameSecondPart.width != 0) name.append(" ").append(header_.Text(fields_.nameSecondPart));
  return TrimBlanks(name);
}

}  // namespace kinshelf
