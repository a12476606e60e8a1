#include "core/IndiceRiduzione.h"

#include <array>
#include <bit>

namespace tlx {

namespace {

// kBinomiali[n][k] = C(n, k) for n = 0..55, k = 0..5.
constexpr auto kBinomiali = [] {
  std::array<std::array<uint32_t, 6>, 56> b{};
  for (size_t n = 0; n < 56; ++n) {
    b[n][0] = 1;
    for (size_t k = 1; k < 6 && k <= n; ++k) b[n][k] = b[n - 1][k - 1] + (k <= n - 1 ? b[n - 1][k] : 0);
  }
  return b;
}();

// For each t, the C(5, t) choices of t of the five positions, each listed
// ascending.
struct Scelte {
  std::array<std::array<uint8_t, 5>, 10> posizioni{};
  int quante = 0;
};
constexpr auto kScelte = [] {
  std::array<Scelte, 6> s{};
  for (uint8_t mask = 0; mask < 32; ++mask) {
    Scelte& perT = s[static_cast<size_t>(std::popcount(mask))];
    auto& posizioni = perT.posizioni[static_cast<size_t>(perT.quante++)];
    size_t k = 0;
    for (uint8_t p = 0; p < 5; ++p)
      if (mask & (1u << p)) posizioni[k++] = p;
  }
  return s;
}();

}  // namespace

void IndiceRiduzione::Prepara(int t) {
  t_ = t;
  const size_t bit = kBinomiali[55][static_cast<size_t>(t)];
  bit_.assign((bit + 63) / 64, 0);
}

namespace {

// The ranks of the candidate's t-subsets, handed to f until it returns true.
// With t known at compile time the loops unroll and the binomial lookups
// shared between subsets are made once.
template <int T, typename F>
void RanghiSottoinsiemi(const Candidato& c, F&& f) {
  constexpr Scelte scelte = kScelte[T];
  for (int s = 0; s < scelte.quante; ++s) {
    uint32_t rango = 0;
    for (int i = 0; i < T; ++i)
      rango += kBinomiali[static_cast<size_t>(c[scelte.posizioni[static_cast<size_t>(s)][static_cast<size_t>(i)]] - 1)]
                         [static_cast<size_t>(i + 1)];
    if (f(rango)) return;
  }
}

}  // namespace

template <typename F>
void IndiceRiduzione::PerOgniSottoinsieme(const Candidato& c, F&& f) const {
  switch (t_) {
    case 1:
      return RanghiSottoinsiemi<1>(c, f);
    case 2:
      return RanghiSottoinsiemi<2>(c, f);
    case 3:
      return RanghiSottoinsiemi<3>(c, f);
    case 4:
      return RanghiSottoinsiemi<4>(c, f);
    case 5:
      return RanghiSottoinsiemi<5>(c, f);
    default:
      return;
  }
}

bool IndiceRiduzione::Condivide(const Candidato& ordinato) const {
  bool trovato = false;
  PerOgniSottoinsieme(ordinato, [&](uint32_t r) {
    trovato = (bit_[r >> 6] >> (r & 63)) & 1u;
    return trovato;
  });
  return trovato;
}

void IndiceRiduzione::Aggiungi(const Candidato& ordinato) {
  PerOgniSottoinsieme(ordinato, [&](uint32_t r) {
    bit_[r >> 6] |= uint64_t{1} << (r & 63);
    return false;
  });
}

}  // namespace tlx
