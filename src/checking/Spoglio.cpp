#include "checking/Spoglio.h"

#include <algorithm>
#include <cctype>

namespace tlx {

EsitoSpoglio SpoglioColonne(const uint8_t* colonne, int32_t n, const std::array<uint8_t, 5>& estrazione,
                            const Cedi& cedi) {
  EsitoSpoglio esito;
  // Every byte value indexes the table, so a stray number in a column is
  // simply not a hit.
  std::array<uint8_t, 256> estratto{};
  for (uint8_t numero : estrazione)
    if (numero >= 1 && numero <= 55) estratto[numero] = 1;

  // The hot loop keeps only the sum of all hits and the winning columns:
  // the counts of 0 and 1 hit follow from them.
  int64_t sommaPunti = 0;
  for (int32_t inizio = 0; inizio < n; inizio += PASSO_CEDI) {
    const int32_t fine = std::min(n, inizio + PASSO_CEDI);
    const uint8_t* p = colonne + static_cast<size_t>(inizio) * 5;
    for (int32_t c = inizio; c < fine; ++c, p += 5) {
      const int punti = estratto[p[0]] + estratto[p[1]] + estratto[p[2]] + estratto[p[3]] + estratto[p[4]];
      sommaPunti += punti;
      if (punti >= 2) esito.Vincenti[static_cast<size_t>(5 - punti)].push_back(c + 1);
    }
    if (fine < n && cedi && !cedi()) {
      esito.Interrotto = true;
      return esito;
    }
  }

  int64_t vincenti = 0;
  for (int punti = 2; punti <= 5; ++punti) {
    const auto quante = static_cast<int64_t>(esito.Vincenti[static_cast<size_t>(5 - punti)].size());
    esito.VincitePunti[static_cast<size_t>(punti)] = quante;
    sommaPunti -= punti * quante;
    vincenti += quante;
    esito.Totale += quante * PremioInCentesimi(punti);
  }
  esito.VincitePunti[1] = sommaPunti;
  esito.VincitePunti[0] = n - vincenti - sommaPunti;
  for (int punti = 0; punti <= 5; ++punti) {
    if (esito.VincitePunti[static_cast<size_t>(punti)] == 0) continue;
    if (!esito.MinPunti) esito.MinPunti = punti;
    esito.MaxPunti = punti;
  }
  return esito;
}

int ValoreCasella(const std::string& testo) {
  int valore = 0;
  for (char c : testo) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    valore = valore * 10 + (c - '0');
    if (valore > 1000) break;  // a masked box holds two digits; never overflow
  }
  return valore;
}

ControlloColonna ControllaColonnaSpoglio(const std::array<int, 5>& valori) {
  ControlloColonna esito;
  for (int i = 0; i < 5; ++i) esito.ordine[static_cast<size_t>(i)] = i;
  auto valore = [&](int i) { return valori[static_cast<size_t>(esito.ordine[static_cast<size_t>(i)])]; };
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j)
      if (valore(i) > valore(j)) std::swap(esito.ordine[static_cast<size_t>(i)], esito.ordine[static_cast<size_t>(j)]);

  auto rifiuta = [&](int casella, std::string testo) {
    esito.errore = Messaggio{Icona::Esclamazione, Pulsanti::Ok, "Colonna Errata", std::move(testo)};
    esito.casellaErrata = casella;
    return esito;
  };
  for (int i = 0; i < 4; ++i)
    if (valore(i) == valore(i + 1)) return rifiuta(i, "Duplicazione di numeri");
  for (int i = 0; i < 5; ++i)
    if (valore(i) == 0 || valore(i) > 55) return rifiuta(i, "Valore " + std::to_string(valore(i)) + " non ammesso");
  for (int i = 0; i < 5; ++i) esito.numeri[static_cast<size_t>(i)] = static_cast<uint8_t>(valore(i));
  return esito;
}

}  // namespace tlx
