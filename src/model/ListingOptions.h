// The settings a listing's lines are laid out by, read once for all of them.
#pragma once

namespace kinshelf {

class WOptions;

struct ListingOptions {
  bool capitalSurnames = false;  // NameUpper
  bool affixes = false;          // PreSuf: the name's prefix and suffix
  bool slashes = false;          // NameSlash: the surname between slashes
  bool idSuffix = false;         // FNValueFlag: an identifier after the name
  int idKind = 0;                // FNValue: 2 the index, 3 the reference number, else the identifier
  bool placeCommas = false;      // PlaceCommas

  static ListingOptions Of(const WOptions& options);
};

}  // namespace kinshelf
