#include "core/Versione.h"

#include <algorithm>
#include <cctype>
#include <compare>
#include <vector>

namespace tlx {
namespace {

std::vector<std::string_view> Componenti(std::string_view testo) {
  std::vector<std::string_view> parti;
  for (size_t inizio = 0;;) {
    const size_t punto = testo.find('.', inizio);
    parti.push_back(testo.substr(inizio, punto - inizio));
    if (punto == std::string_view::npos) return parti;
    inizio = punto + 1;
  }
}

// The leading digits without leading zeros: comparing these texts by length,
// then digit by digit, compares the values without any limit on their size.
std::string_view Cifre(std::string_view componente) {
  const auto fine = std::find_if_not(componente.begin(), componente.end(),
                                     [](unsigned char c) { return std::isdigit(c) != 0; });
  std::string_view cifre(componente.begin(), fine);
  cifre.remove_prefix(std::min(cifre.find_first_not_of('0'), cifre.size()));
  return cifre;
}

std::strong_ordering ConfrontaValori(std::string_view a, std::string_view b) {
  const std::string_view x = Cifre(a), y = Cifre(b);
  if (x.size() != y.size()) return x.size() <=> y.size();
  return x <=> y;
}

}  // namespace

std::string VersioneProgramma() {
  return std::to_string(TLX_VERSIONE_MAJOR) + "." + std::to_string(TLX_VERSIONE_MINOR) + "." +
         std::to_string(TLX_VERSIONE_REVISION);
}

ConfrontoVersione ConfrontaVersioni(std::string_view locale, std::string_view server) {
  const auto nostri = Componenti(locale);
  const auto loro = Componenti(server);
  if (loro.size() < nostri.size()) return ConfrontoVersione::ComponentiMancanti;
  for (size_t k = 0; k < nostri.size(); ++k) {
    const auto ordine = ConfrontaValori(loro[k], nostri[k]);
    if (ordine > 0) return ConfrontoVersione::ServerPiuRecente;
    if (ordine < 0) return ConfrontoVersione::ServerUgualeOPrecedente;
  }
  return ConfrontoVersione::ServerUgualeOPrecedente;
}

}  // namespace tlx
