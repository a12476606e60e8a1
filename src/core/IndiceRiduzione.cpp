#include "core/IndiceRiduzione.h"

#include <algorithm>
#include <array>
#include <bit>

namespace tlx {

namespace {

constexpr auto kBinomiali = [] {
  std::array<std::array<uint32_t, 6>, 56> b{};
  for (size_t n = 0; n < 56; ++n) {
    b[n][0] = 1;
    for (size_t k = 1; k < 6 && k <= n; ++k) b[n][k] = b[n - 1][k - 1] + (k <= n - 1 ? b[n - 1][k] : 0);
  }
  return b;
}();

// For each t, the masks of the five positions that hold t positions.
constexpr auto kSottoinsiemi = [] {
  std::array<std::array<uint8_t, 10>, 6> m{};
  std::array<uint8_t, 6> quanti{};
  for (uint8_t mask = 0; mask < 32; ++mask) {
    const int t = std::popcount(mask);
    m[static_cast<size_t>(t)][quanti[static_cast<size_t>(t)]++] = mask;
  }
  return m;
}();
constexpr std::array<int, 6> kQuantiSottoinsiemi{1, 5, 10, 10, 5, 1};

}  // namespace

uint32_t RangoColex(const uint8_t* numeriOrdinati, int t) {
  uint32_t rango = 0;
  for (int i = 0; i < t; ++i)
    rango += kBinomiali[static_cast<size_t>(numeriOrdinati[i] - 1)][static_cast<size_t>(i + 1)];
  return rango;
}

void IndiceSottoinsiemi::Prepara(int t) {
  t_ = t;
  const size_t bit = kBinomiali[55][static_cast<size_t>(t)];
  bit_.assign((bit + 63) / 64, 0);
}

template <typename F>
void IndiceSottoinsiemi::PerOgniSottoinsieme(const Candidato& c, F&& f) const {
  const auto& maschere = kSottoinsiemi[static_cast<size_t>(t_)];
  for (int s = 0; s < kQuantiSottoinsiemi[static_cast<size_t>(t_)]; ++s) {
    uint8_t scelti[5];
    int k = 0;
    for (int p = 0; p < 5; ++p)
      if (maschere[static_cast<size_t>(s)] & (1u << p)) scelti[k++] = c[static_cast<size_t>(p)];
    const uint32_t r = RangoColex(scelti, t_);
    if (f(r)) return;
  }
}

bool IndiceSottoinsiemi::Condivide(const Candidato& ordinato) const {
  bool trovato = false;
  PerOgniSottoinsieme(ordinato, [&](uint32_t r) {
    trovato = (bit_[r >> 6] >> (r & 63)) & 1u;
    return trovato;
  });
  return trovato;
}

void IndiceSottoinsiemi::Aggiungi(const Candidato& ordinato) {
  PerOgniSottoinsieme(ordinato, [&](uint32_t r) {
    bit_[r >> 6] |= uint64_t{1} << (r & 63);
    return false;
  });
}

}  // namespace tlx
