#pragma once
// The program's own version and its comparison with the version line that
// the maker's web server publishes.

#include <string>
#include <string_view>

namespace tlx {

// Major, minor and revision joined by ".": "0.2.5" for this build.
std::string VersioneProgramma();

enum class ConfrontoVersione {
  ServerPiuRecente,         // the server offers a newer program
  ServerUgualeOPrecedente,  // nothing to offer
  ComponentiMancanti        // the server's line has fewer components than ours
};

// Splits both texts on "." and compares, for each of the local components in
// order, the numeric values of the two components (the leading digits, 0 when
// there are none), so "0.2.10" is newer than "0.2.5" and "1.0.0 beta" reads as
// 1, 0, 0. The first component that differs decides.
ConfrontoVersione ConfrontaVersioni(std::string_view locale, std::string_view server);

}  // namespace tlx
