#include "matrices/Cruciverba.h"

#include <random>

#include "core/Procedure.h"

namespace tlx::matrix {

void SviluppaCruciverba(Sistema& s, const std::array<uint8_t, CELLE_CRUCIVERBA>& disposizione) {
  CancellaSistema(s, true);
  std::copy(disposizione.begin(), disposizione.end(), s.Pronostico.begin());
  for (int32_t c = 1; c <= COLONNE_CRUCIVERBA; ++c) {
    uint8_t* colonna = s.Colonne.Colonna(c);
    for (size_t p = 0; p < 5; ++p) colonna[p] = disposizione[SchemaCruciverba[static_cast<size_t>(c - 1)][p] - 1u];
    OrdinaColonna(colonna);
  }
  s.NumeroColonne = COLONNE_CRUCIVERBA;
  s.TitoloSistema = TITOLO_CRUCIVERBA;
}

std::vector<bool> MescolaNumeri(std::span<uint8_t> numeri, uint32_t seme) {
  std::vector<bool> mossi(numeri.size());
  if (numeri.size() < 2) return mossi;
  std::mt19937 generatore(seme);
  std::uniform_int_distribution<size_t> posto(0, numeri.size() - 1);
  for (size_t volta = 0; volta < numeri.size() * 10; ++volta) {
    const size_t a = posto(generatore);
    size_t b = posto(generatore);
    while (b == a) b = posto(generatore);
    std::swap(numeri[a], numeri[b]);
    mossi[a] = mossi[b] = true;
  }
  return mossi;
}

}  // namespace tlx::matrix
