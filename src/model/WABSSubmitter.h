// The submitter of a file: who made it and how to reach them. Readers derive from it.
#pragma once

#include <string>

namespace kinshelf {

class WABSSubmitter {
 public:
  WABSSubmitter() = default;
  WABSSubmitter(const WABSSubmitter&) = delete;
  WABSSubmitter& operator=(const WABSSubmitter&) = delete;
  virtual ~WABSSubmitter() = default;

  // Virtual operations in this order; each text is empty when absent.
  virtual std::string GetName() = 0;
  virtual std::string GetAddressLine1() = 0;
  virtual std::string GetAddressLine2() = 0;
  virtual std::string GetAddressLine3() = 0;
  virtual std::string GetCountry() = 0;
  virtual std::string GetPhone() = 0;
  virtual std::string GetEmail() = 0;
  // The raw record as text.
  virtual std::string GetRecordText() = 0;
};

}  // namespace kinshelf
