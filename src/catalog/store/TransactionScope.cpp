// One catalog transaction for the length of a scope.
#include "catalog/store/TransactionScope.h"

namespace kinshelf {

TransactionScope::~TransactionScope() {
  if (committed_) return;
  try {
    store_.CommitTransaction();
  } catch (const std::exception&) {
    // Already unwinding from another error, which is the one to report.
  }
}

void TransactionScope::Commit() {
  committed_ = true;
  store_.CommitTransaction();
}

}  // namespace kinshelf
