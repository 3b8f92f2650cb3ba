// One catalog transaction for the length of a scope: begun on construction, committed by Commit()
// or, when the scope is left by an exception, by the destructor, so that the work done so far is
// kept however the scope ends.
#pragma once

#include "catalog/store/WFileStore.h"

namespace kinshelf {

class TransactionScope {
 public:
  explicit TransactionScope(WFileStore& store) : store_(store) { store_.BeginTransaction(); }
  ~TransactionScope();
  TransactionScope(const TransactionScope&) = delete;
  TransactionScope& operator=(const TransactionScope&) = delete;

  // Commits now; throws the store's error when the commit fails.
  void Commit();

 private:
  WFileStore& store_;
  bool committed_ = false;
};

}  // namespace kinshelf
