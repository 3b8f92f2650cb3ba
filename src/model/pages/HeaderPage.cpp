// What the details view shows about a file.
#include "model/pages/HeaderPage.h"

#include <cstdio>

#include "model/WABSCollection.h"
#include "model/WABSSubmitter.h"
#include "platform/Paths.h"

namespace kinshelf {

HeaderPage BuildHeaderPage(WABSCollection& collection, double loadSeconds) {
  HeaderPage page;
  page.header = collection.GetHeaderInfo();
  if (const auto submitter = collection.GetSubmitter()) {
    page.submitter = std::array<std::string, 7>{submitter->GetName(),         submitter->GetAddressLine1(),
                                                submitter->GetAddressLine2(), submitter->GetAddressLine3(),
                                                submitter->GetCountry(),      submitter->GetPhone(),
                                                submitter->GetEmail()};
  }
  page.fileName = std::string(platform::FileNamePart(collection.FilePath()));
  page.sizeText = collection.GetFileSizeText();
  page.dateText = collection.GetFileDateText();
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.3f seconds", loadSeconds);
  page.loadTimeText = seconds;
  page.individuals = collection.IndividualCount();
  page.marriages = collection.MarriageCount();
  page.notes = collection.NoteCount();
  page.sources = collection.SourceCount();
  return page;
}

}  // namespace kinshelf
