#include "printing/IntervalloSchede.h"

#include <charconv>
#include <cmath>

namespace tlx {

int32_t TotaleSchede(int32_t colonne, int colonnePerScheda) {
  if (colonne <= 0 || colonnePerScheda <= 0) return 0;
  return (colonne + colonnePerScheda - 1) / colonnePerScheda;
}

double ValoreIniziale(std::string_view testo) {
  size_t i = testo.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  const bool negativo = testo[i] == '-';
  if (testo[i] == '+' || testo[i] == '-') ++i;
  // Digits with at most one decimal point, whatever the regional format.
  const size_t inizio = i;
  for (bool punto = false; i < testo.size(); ++i) {
    if (testo[i] == '.' && !punto) punto = true;
    else if (testo[i] < '0' || testo[i] > '9') break;
  }
  double v = 0;
  const auto esito = std::from_chars(testo.data() + inizio, testo.data() + i, v, std::chars_format::fixed);
  if (esito.ec != std::errc{}) return 0;
  return negativo ? -v : v;
}

std::variant<IntervalloSchede, Messaggio> ControllaIntervallo(std::string_view da, std::string_view a,
                                                              int32_t minima, int32_t totale) {
  const double vDa = ValoreIniziale(da);
  const double vA = ValoreIniziale(a);
  if (vDa > vA) return Messaggio{Icona::Esclamazione, Pulsanti::Ok, " !!! E R R O R E !!! ", "'DA' è maggiore di 'A'"};
  if (da.empty() || vDa < minima)
    return Messaggio{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'DA' è minore del minimo"};
  if (!a.empty() && vA > totale)
    return Messaggio{Icona::Esclamazione, Pulsanti::Ok, "!!! E R R O R E !!!", "'A' è maggiore del massimo"};
  // Here minima <= da <= a <= totale (an empty "a" counts 0 and stops at the
  // first check), so both fit.
  return IntervalloSchede{static_cast<int32_t>(std::nearbyint(vDa)), static_cast<int32_t>(std::nearbyint(vA))};
}

}  // namespace tlx
