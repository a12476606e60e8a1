#include "checking/IndiceSottoinsiemi.h"

#include <algorithm>
#include <bit>

#include "core/Sistema.h"

namespace tlx {

namespace {

// C(x, k) for x = 0..55 and k = 0..5: the colex rank of the k-set
// x1 < x2 < ... < xk of numbers 0..54 is C(x1, 1) + C(x2, 2) + ... + C(xk, k).
constexpr auto kBinomiali = [] {
  std::array<std::array<uint32_t, 6>, 56> b{};
  for (size_t x = 0; x < 56; ++x) {
    b[x][0] = 1;
    for (size_t k = 1; k <= 5; ++k) b[x][k] = x == 0 ? 0 : b[x - 1][k - 1] + b[x - 1][k];
  }
  return b;
}();

constexpr uint32_t C(size_t x, size_t k) { return kBinomiali[x][k]; }

// A set of numbers is ranked mirrored, number x as 55 - x: the columns of a
// system come in ascending order, and mirrored, consecutive columns and
// their subsets have neighbouring ranks, so the counts are touched nearly in
// sequence. Termine is the term of the t-th smallest (from 0) of k numbers.
constexpr uint32_t Termine(uint8_t numero, size_t t, size_t k) { return C(NUMERI - numero, k - t); }

uint32_t RangoCinquina(const Cinquina& a) {
  uint32_t rango = 0;
  for (size_t t = 0; t < 5; ++t) rango += Termine(a[t], t, 5);
  return rango;
}

// From the counts of the k-sets to those of the (k-1)-sets. A column
// holding a (k-1)-set holds 6 - k of the k-sets above it, so the sum over
// those k-sets counts it that many times. The k-sets are walked in colex
// order, which is the order of their ranks.
void ContaSottoinsiemi(const std::vector<uint32_t>& sopra, std::vector<uint32_t>& sotto, size_t k) {
  sotto.assign(C(55, k - 1), 0);
  std::array<size_t, 5> e{};
  for (size_t i = 0; i < k; ++i) e[i] = i;
  for (size_t rango = 0; rango < sopra.size(); ++rango) {
    if (const uint32_t v = sopra[rango]; v != 0) {
      // Dropping element i shifts the later ones down one place.
      for (size_t i = 0; i < k; ++i) {
        uint32_t r = 0;
        for (size_t j = 0; j < k; ++j)
          if (j != i) r += C(e[j], j < i ? j + 1 : j);
        sotto[r] += v;
      }
    }
    // The next k-set in colex order.
    size_t i = 0;
    while (i + 1 < k && e[i] + 1 == e[i + 1]) ++i;
    ++e[i];
    for (size_t j = 0; j < i; ++j) e[j] = j;
  }
  for (uint32_t& v : sotto) v /= static_cast<uint32_t>(6 - k);
}

}  // namespace

bool IndiceSottoinsiemi::Costruisci(const std::vector<Cinquina>& colonne, const std::vector<Cinquina>& estratti,
                                    const Cedi& cedi) {
  colonne_ = static_cast<int64_t>(colonne.size());
  cinquine_.clear();
  for (const Cinquina& e : estratti)
    if (e[0] != 0) cinquine_.push_back(RangoCinquina(e));
  std::sort(cinquine_.begin(), cinquine_.end());
  cinquine_.erase(std::unique(cinquine_.begin(), cinquine_.end()), cinquine_.end());
  uguali_.assign(cinquine_.size(), 0);
  // A filter small enough for the fastest cache: a clear bit tells at a
  // glance that a column equals no draw.
  constexpr uint32_t FILTRO = (1u << 18) - 1;
  std::vector<bool> forse(FILTRO + 1);
  for (const uint32_t r : cinquine_) forse[r & FILTRO] = true;

  std::vector<uint32_t>& quaterne = conteggi_[4];
  quaterne.assign(C(55, 4), 0);
  for (size_t inizio = 0; inizio < colonne.size(); inizio += PASSO_CEDI) {
    const size_t fine = std::min(colonne.size(), inizio + PASSO_CEDI);
    for (size_t c = inizio; c < fine; ++c) {
      const Cinquina a = colonne[c];  // a copy: the counts' stores could alias bytes read in place
      if (const uint32_t r = RangoCinquina(a); forse[r & FILTRO])
        if (const auto i = PostoCinquina(r)) ++uguali_[*i];
      // The four numbers left when number i is dropped.
      for (size_t i = 0; i < 5; ++i) {
        uint32_t r = 0;
        for (size_t j = 0; j < 5; ++j)
          if (j != i) r += Termine(a[j], j < i ? j : j - 1, 4);
        ++quaterne[r];
      }
    }
    if (fine < colonne.size() && cedi && !cedi()) return false;
  }
  for (size_t k = 4; k >= 2; --k) ContaSottoinsiemi(conteggi_[k], conteggi_[k - 1], k);
  return true;
}

std::optional<size_t> IndiceSottoinsiemi::PostoCinquina(uint32_t rango) const {
  const auto i = std::lower_bound(cinquine_.begin(), cinquine_.end(), rango);
  if (i == cinquine_.end() || *i != rango) return std::nullopt;
  return static_cast<size_t>(i - cinquine_.begin());
}

std::array<int64_t, 6> IndiceSottoinsiemi::Punti(const Cinquina& estratti) const {
  const auto zeri = static_cast<size_t>(std::count(estratti.begin(), estratti.end(), 0));
  const uint8_t* d = estratti.data() + zeri;
  const size_t m = 5 - zeri;
  // S[j]: the sum over the j-subsets T of the draw of the columns holding
  // T, that is the sum over the columns of C(hits, j).
  std::array<int64_t, 6> S{};
  S[0] = colonne_;
  for (unsigned maschera = 1; maschera < (1u << m); ++maschera) {
    const auto j = static_cast<size_t>(std::popcount(maschera));
    uint32_t rango = 0;
    size_t t = 0;
    for (unsigned resto = maschera; resto != 0; resto &= resto - 1) rango += Termine(d[std::countr_zero(resto)], t++, j);
    if (j < 5) S[j] += conteggi_[j][rango];
    else if (const auto i = PostoCinquina(rango)) S[j] += uguali_[*i];
  }
  // Inverting S[j] = sum over k of C(k, j) E[k].
  std::array<int64_t, 6> punti{};
  for (size_t k = 0; k <= m; ++k) {
    int64_t e = 0;
    for (size_t j = k; j <= m; ++j) e += ((j - k) % 2 == 0 ? 1 : -1) * int64_t{C(j, k)} * S[j];
    punti[k] = e;
  }
  return punti;
}

}  // namespace tlx
