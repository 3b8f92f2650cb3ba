// The settings of a listing's lines, read from the settings store.
#include "model/ListingOptions.h"

#include "settings/WOptions.h"

namespace kinshelf {

ListingOptions ListingOptions::Of(const WOptions& options) {
  return {options.GetBool(opt::NameUpper), options.GetBool(opt::PreSuf),       options.GetBool(opt::NameSlash),
          options.GetBool(opt::FNValueFlag), options.GetInt(opt::FNValue), options.GetBool(opt::PlaceCommas)};
}

}  // namespace kinshelf
