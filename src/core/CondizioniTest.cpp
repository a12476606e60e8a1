#include "core/CondizioniTest.h"

#include <algorithm>

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

void FiltriCondizione::Prepara(const std::vector<RecordFiltro>& filtriAnd, int32_t numeroFiltriAnd) {
  const int32_t inTabella = std::min<int32_t>(MAX_FILTRI, static_cast<int32_t>(filtriAnd.size()) - 1);
  const auto record = static_cast<size_t>(std::max(0, std::min(numeroFiltriAnd, inTabella)));
  parole_ = (record + 63) / 64;
  colpi_.assign(5 * (NUMERI + 1) * parole_, 0);
  std::array<uint64_t, 6> tutti;
  tutti.fill(~uint64_t{0});  // the unused bits of the last word accept any count
  ammessi_.assign(parole_, tutti);
  for (size_t f = 0; f < record; ++f) {
    const RecordFiltro& r = filtriAnd[f + 1];
    const size_t parola = f / 64;
    const uint64_t bit = uint64_t{1} << (f % 64);
    for (int colpi = 0; colpi <= 5; ++colpi)
      if (!Bit(r.QuantiMask, colpi)) ammessi_[parola][static_cast<size_t>(colpi)] &= ~bit;
    for (int p = 1; p <= 5; ++p) {
      if (!Bit(r.PosizioniMask, p)) continue;
      for (size_t n = 1; n <= NUMERI; ++n)
        if (r.Numeri[n] == 1) colpi_[((static_cast<size_t>(p - 1) * (NUMERI + 1)) + n) * parole_ + parola] |= bit;
    }
  }
}

bool FiltriCondizione::Accetta(const Candidato& c) const {
  std::array<const uint64_t*, 5> riga;
  for (size_t p = 0; p < 5; ++p) riga[p] = colpi_.data() + (p * (NUMERI + 1) + c[p]) * parole_;
  for (size_t w = 0; w < parole_; ++w) {
    const uint64_t a = riga[0][w], b = riga[1][w], d = riga[2][w], e = riga[3][w], f = riga[4][w];
    // hits = uno + 2 * (due1 + due2), summed bit by bit for 64 records.
    const uint64_t abd = a ^ b ^ d;
    const uint64_t due1 = (a & b) | (d & (a ^ b));
    const uint64_t uno = abd ^ e ^ f;
    const uint64_t due2 = (abd & e) | (f & (abd ^ e));
    const uint64_t s0 = uno, s1 = due1 ^ due2, s2 = due1 & due2;
    const std::array<uint64_t, 6>& q = ammessi_[w];
    const uint64_t accettano = (~s2 & ~s1 & ~s0 & q[0]) | (~s2 & ~s1 & s0 & q[1]) | (~s2 & s1 & ~s0 & q[2]) |
                               (~s2 & s1 & s0 & q[3]) | (s2 & ~s1 & ~s0 & q[4]) | (s2 & ~s1 & s0 & q[5]);
    if (accettano != ~uint64_t{0}) return false;
  }
  return true;
}

}  // namespace tlx
