#include "core/CondizioniTest.h"

namespace tlx {

namespace {
inline bool Bit(int32_t maschera, int bit) { return (maschera & PotenzeDiDue[static_cast<size_t>(bit)]) > 0; }
}  // namespace

bool FiltroFisse(const Candidato& c, const RecordCondizioni& cond) {
  int fissi = 0;
  for (uint8_t n : c)
    if (cond.NumeriFissi[n] == 1) ++fissi;
  return fissi == cond.QuantiFissi;
}

bool FiltroSomma(const Candidato& c, const RecordCondizioni& cond) {
  const int somma = c[0] + c[1] + c[2] + c[3] + c[4];
  return cond.SommaMinMax[0] <= somma && somma <= cond.SommaMinMax[1];
}

bool FiltroPari(const Candidato& c, const RecordCondizioni& cond) {
  int pari = 0;
  for (uint8_t n : c)
    if (n % 2 == 0) ++pari;
  return Vero(cond.PariAmmessi[static_cast<size_t>(pari)]);
}

bool FiltroCondizione(const Candidato& c, const RecordFiltro& filtro) {
  int colpi = 0;
  for (int p = 1; p <= 5; ++p)
    if (filtro.Numeri[c[static_cast<size_t>(p - 1)]] == 1 && Bit(filtro.PosizioniMask, p)) ++colpi;
  return Bit(filtro.QuantiMask, colpi);
}

int LunghezzaMassimaConsecutivi(const Candidato& c) {
  int serie = 1;
  int massima = 1;
  for (size_t p = 0; p < 4; ++p) {
    if (c[p] + 1 == c[p + 1]) {
      ++serie;
      if (serie >= massima) massima = serie;
    } else {
      serie = 1;
    }
  }
  return massima;
}

bool FiltroConsecutivi(const Candidato& c, const std::array<bool, 6>& LunghezzeAmmesse) {
  return LunghezzeAmmesse[static_cast<size_t>(LunghezzaMassimaConsecutivi(c))];
}

bool FiltroDistanzaNumeri(const Candidato& c, const RecordDistanza& filtro) {
  int minima = 54;
  int massima = 0;
  // A count beyond the five stored pairs, or an entry that names no gap
  // between two positions, is passed over.
  const int coppie = filtro.NumeroCoppie < 5 ? filtro.NumeroCoppie : 5;
  for (int k = 1; k <= coppie; ++k) {
    const int p = filtro.Coppie[static_cast<size_t>(k)];
    if (p < 1 || p > 4) continue;
    const int distanza = c[static_cast<size_t>(p)] - c[static_cast<size_t>(p - 1)];
    if (distanza < 1 || distanza > 54) continue;
    if (distanza <= minima) minima = distanza;
    if (distanza >= massima) massima = distanza;
  }
  // With no gap evaluated the largest gap stays 0 and its part passes.
  const bool massimaOk = filtro.MaxAttivo == 0 || massima == 0 || Vero(filtro.MaxOk[static_cast<size_t>(massima)]);
  const bool minimaOk = filtro.MinAttivo == 0 || Vero(filtro.MinOk[static_cast<size_t>(minima)]);
  return massimaOk && minimaOk;
}

}  // namespace tlx
