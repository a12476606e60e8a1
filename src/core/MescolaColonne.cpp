#include "core/MescolaColonne.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace tlx {

void MescolaColonne(Sistema& s, const std::function<double()>& uniforme) {
  const int32_t n = std::clamp(s.NumeroColonne, 0, CAPIENZA);
  std::vector<int32_t> idx(static_cast<size_t>(n) + 1);  // 1..n
  std::iota(idx.begin(), idx.end(), 0);
  for (int32_t i = 1; i <= n; ++i) {
    // u * n may round up to n itself when u is just below 1.
    const auto j = std::clamp(static_cast<int32_t>(uniforme() * n + 1), 1, n);
    std::swap(idx[static_cast<size_t>(i)], idx[static_cast<size_t>(j)]);
    uint8_t* a = s.Colonne.Colonna(idx[static_cast<size_t>(i)]);
    uint8_t* b = s.Colonne.Colonna(idx[static_cast<size_t>(j)]);
    std::swap_ranges(a, a + 5, b);
  }
}

void MescolaColonne(Sistema& s, uint32_t seme) {
  std::mt19937 generatore(seme);
  std::uniform_real_distribution<double> uniforme(0.0, 1.0);
  MescolaColonne(s, [&] { return uniforme(generatore); });
}

}  // namespace tlx
