#include "archive/Frequenze.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace tlx {

TabellaFrequenza CalcolaFrequenzaNumeri(const std::vector<Estrazione>& archivio) {
  std::array<int32_t, NUMERI + 1> conteggi{};
  for (const Estrazione& e : archivio)
    for (uint8_t n : e.Numeri)
      if (n >= 1 && n <= NUMERI) ++conteggi[n];
  std::array<int32_t, NUMERI> ordine{};
  std::iota(ordine.begin(), ordine.end(), 1);
  std::sort(ordine.begin(), ordine.end(), [&](int32_t a, int32_t b) {
    return conteggi[static_cast<size_t>(a)] != conteggi[static_cast<size_t>(b)]
               ? conteggi[static_cast<size_t>(a)] > conteggi[static_cast<size_t>(b)]
               : a > b;
  });
  TabellaFrequenza t{};
  for (size_t j = 1; j <= NUMERI; ++j) {
    t[1][j] = ordine[j - 1];
    t[0][j] = conteggi[static_cast<size_t>(ordine[j - 1])];
  }
  return t;
}

namespace {
void AggiungiSeValida(std::vector<int>& celle, int32_t numero) {
  if (numero >= 1 && numero <= NUMERI) celle.push_back(numero - 1);
}
}  // namespace

std::vector<int> CellePiuFrequenti(const TabellaFrequenza& tabella, int quanti) {
  std::vector<int> celle;
  for (int i = 1; i <= std::min(quanti, NUMERI); ++i) AggiungiSeValida(celle, tabella[1][static_cast<size_t>(i)]);
  return celle;
}

std::vector<int> CelleMenoFrequenti(const TabellaFrequenza& tabella, int quanti) {
  std::vector<int> celle;
  for (int i = NUMERI; i >= std::max(1, NUMERI + 1 - quanti); --i)
    AggiungiSeValida(celle, tabella[1][static_cast<size_t>(i)]);
  return celle;
}

std::vector<int> CelleCruciverbaCasuali(uint32_t seme) {
  std::mt19937 generatore(seme);
  std::uniform_real_distribution<double> uniforme(0.0, 1.0);
  std::array<bool, NUMERI> estratta{};
  std::vector<int> celle;
  while (celle.size() < 25) {
    const int k = std::min(NUMERI - 1, static_cast<int>(uniforme(generatore) * NUMERI));
    if (estratta[static_cast<size_t>(k)]) continue;
    estratta[static_cast<size_t>(k)] = true;
    celle.push_back(k);
  }
  return celle;
}

}  // namespace tlx
