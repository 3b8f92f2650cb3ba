// A place of an event, with its citations and note. Readers derive from it; every object a place
// returns is new and belongs to the caller.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kinshelf {

class WABSCitation;
class WABSNote;
class WOptions;

class WABSPlace {
 public:
  WABSPlace() = default;
  WABSPlace(const WABSPlace&) = delete;
  WABSPlace& operator=(const WABSPlace&) = delete;
  virtual ~WABSPlace();

  // Virtual operations in this order.
  // The place as the file stores it; empty when absent.
  virtual std::string GetPlaceText() = 0;
  // Base: the count the reader stored with SetCitationCount (0 until then).
  virtual std::int32_t CitationCount();
  // Citation n (1-based), or nullptr.
  virtual std::unique_ptr<WABSCitation> GetCitation(std::int32_t n) = 0;
  // The place's note, or nullptr.
  virtual std::unique_ptr<WABSNote> GetNote() = 0;

  // GetPlaceText() shaped for display by the PlaceCommas setting, read on each call.
  std::string PlaceDisplayText(const WOptions& options);
  // The place text trimmed; when `dropLeadingCommas`, leading commas and blanks (empty
  // jurisdictions) are removed too and the rest trimmed again.
  // A text with nothing to cut is handed on as it is.
  static std::string DisplayText(std::string placeText, bool dropLeadingCommas);
  // The part of the place text that DisplayText keeps.
  static std::string_view DisplayView(std::string_view placeText, bool dropLeadingCommas);

 protected:
  void SetCitationCount(std::int32_t count) { citationCount_ = count; }

 private:
  std::int32_t citationCount_ = 0;
};

}  // namespace kinshelf
