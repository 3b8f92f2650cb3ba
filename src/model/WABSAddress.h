// A postal address of a repository. Readers derive from it.
#pragma once

#include <string>

namespace kinshelf {

class WABSAddress {
 public:
  WABSAddress() = default;
  WABSAddress(const WABSAddress&) = delete;
  WABSAddress& operator=(const WABSAddress&) = delete;
  virtual ~WABSAddress() = default;

  // Virtual operations in this order; each text is empty when absent.
  // The whole address as the file stores it.
  virtual std::string GetAddress() = 0;
  virtual std::string GetAddress1() = 0;
  virtual std::string GetAddress2() = 0;
  virtual std::string GetCity() = 0;
  virtual std::string GetState() = 0;
  virtual std::string GetPostalCode() = 0;
  virtual std::string GetCountry() = 0;
  virtual std::string GetPhone() = 0;
};

}  // namespace kinshelf
