// Helpers for the GEDCOM reader's tests: files made from lines in a scratch folder, loaded
// collections, and a guard page right after a mapping so that any read past it faults.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "gedcom/WGEDCollection.h"
#include "model/WABSAddress.h"
#include "model/WABSCitation.h"
#include "model/WABSIndividual.h"
#include "model/WABSLDSEvent.h"
#include "model/WABSMarriage.h"
#include "model/WABSName.h"
#include "model/WABSNote.h"
#include "model/WABSPlace.h"
#include "model/WABSRepo.h"
#include "model/WABSSource.h"
#include "model/WABSSubmitter.h"
#include "model/WABSVitEvent.h"
#include "model/dates/WDate.h"
#include "settings/WOptions.h"
#include "support/ScratchFolder.h"

namespace kinshelf::test {

// The lines, each followed by `lineBreak`.
std::string GedLines(std::initializer_list<std::string_view> lines, std::string_view lineBreak = "\n");

// A file written into its own scratch folder and opened as a collection, loaded and linked.
class LoadedGedcom {
 public:
  explicit LoadedGedcom(std::string_view bytes, bool load = true);

  WGEDCollection& operator*() { return *collection_; }
  WGEDCollection* operator->() { return collection_.get(); }
  const std::string& Path() const { return path_; }
  WOptions& Options() { return options_; }

 private:
  ScratchFolder folder_;
  std::string path_;
  WOptions options_;
  std::unique_ptr<WGEDCollection> collection_;
};

// An inaccessible page, made just before a file is mapped: new mappings are placed right below
// the last one, so a mapping of whole pages made next usually ends where this page starts, and any
// read past its end faults at once. Removed with the object.
class GuardPage {
 public:
  GuardPage();
  ~GuardPage();
  GuardPage(const GuardPage&) = delete;
  GuardPage& operator=(const GuardPage&) = delete;
  // True when a mapping ending at `end` has this page right after it, or the page could be moved
  // there because that address was free.
  bool Follows(const char* end);

 private:
  void* page_ = nullptr;
};

}  // namespace kinshelf::test
