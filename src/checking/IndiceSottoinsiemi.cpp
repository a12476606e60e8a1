#include "checking/IndiceSottoinsiemi.h"

#include <algorithm>
#include <bit>

namespace tlx {

namespace {

// C(x, k) for x = 0..55 and k = 0..5: the colex rank of the k-set
// x1 < x2 < ... < xk of numbers 0..54 is C(x1, 1) + C(x2, 2) + ... + C(xk, k).
constexpr auto kBinomiali = [] {
  std::array<std::array<int32_t, 6>, 56> b{};
  for (int x = 0; x < 56; ++x) {
    b[static_cast<size_t>(x)][0] = 1;
    for (int k = 1; k <= 5; ++k)
      b[static_cast<size_t>(x)][static_cast<size_t>(k)] =
          x == 0 ? 0 : b[static_cast<size_t>(x - 1)][static_cast<size_t>(k - 1)] + b[static_cast<size_t>(x - 1)][static_cast<size_t>(k)];
  }
  return b;
}();

constexpr int32_t C(int x, int k) { return kBinomiali[static_cast<size_t>(x)][static_cast<size_t>(k)]; }

// The rank of the subset of a[0..m) (ascending, 0-based) picked by `maschera`.
inline int32_t Rango(const uint8_t* a, unsigned maschera) {
  int32_t rango = 0;
  int k = 0;
  for (unsigned resto = maschera; resto != 0; resto &= resto - 1)
    rango += C(a[std::countr_zero(resto)], ++k);
  return rango;
}

int Punti(const std::array<uint8_t, 5>& colonna, const std::array<uint8_t, 256>& estratto) {
  return estratto[colonna[0]] + estratto[colonna[1]] + estratto[colonna[2]] + estratto[colonna[3]] +
         estratto[colonna[4]];
}

}  // namespace

bool IndiceSottoinsiemi::Costruisci(const uint8_t* colonne, int32_t n, const Cedi& cedi) {
  for (auto& c : conteggi_) c.clear();
  ranghiCinquine_.clear();
  regolari_ = 0;
  irregolari_.clear();
  std::vector<std::array<uint8_t, 5>> poche;
  std::vector<int32_t> ranghi;
  // Below this many columns, adding each column's 30 smaller subsets costs
  // less than walking every 5-set of 55 numbers.
  const bool perColonna = static_cast<int64_t>(n) * 30 < C(55, 5);
  (perColonna ? poche.reserve(static_cast<size_t>(n)) : ranghi.reserve(static_cast<size_t>(n)));
  for (int32_t inizio = 0; inizio < n; inizio += PASSO_CEDI) {
    const int32_t fine = std::min(n, inizio + PASSO_CEDI);
    for (int32_t c = inizio; c < fine; ++c) {
      std::array<uint8_t, 5> a;
      std::copy_n(colonne + static_cast<size_t>(c) * 5, 5, a.begin());
      // Columns are stored ascending; anything else is sorted first.
      if (!(a[0] < a[1] && a[1] < a[2] && a[2] < a[3] && a[3] < a[4])) std::sort(a.begin(), a.end());
      if (a[0] < 1 || a[4] > 55 || a[0] == a[1] || a[1] == a[2] || a[2] == a[3] || a[3] == a[4]) {
        irregolari_.push_back(a);
        continue;
      }
      for (uint8_t& x : a) --x;
      if (perColonna) poche.push_back(a);
      else ranghi.push_back(Rango(a.data(), 31));
    }
    if (fine < n && cedi && !cedi()) return false;
  }
  regolari_ = static_cast<int64_t>(perColonna ? poche.size() : ranghi.size());
  if (perColonna) CostruisciPerColonna(poche);
  else CostruisciDaCinquine(ranghi);
  return true;
}

void IndiceSottoinsiemi::CostruisciPerColonna(const std::vector<std::array<uint8_t, 5>>& colonne) {
  for (int k = 1; k <= 4; ++k) conteggi_[static_cast<size_t>(k)].assign(static_cast<size_t>(C(55, k)), 0);
  for (const auto& a : colonne) {
    for (unsigned maschera = 1; maschera < 31; ++maschera)
      ++conteggi_[static_cast<size_t>(std::popcount(maschera))][static_cast<size_t>(Rango(a.data(), maschera))];
    ranghiCinquine_.push_back(Rango(a.data(), 31));
  }
  std::sort(ranghiCinquine_.begin(), ranghiCinquine_.end());
}

void IndiceSottoinsiemi::CostruisciDaCinquine(const std::vector<int32_t>& ranghi) {
  for (int k = 1; k <= 5; ++k) conteggi_[static_cast<size_t>(k)].assign(static_cast<size_t>(C(55, k)), 0);
  for (int32_t r : ranghi) ++conteggi_[5][static_cast<size_t>(r)];
  // A column holding a (k-1)-set holds 6 - k of the k-sets above it, so the
  // sum over those k-sets counts it that many times. The k-sets are walked
  // in colex order, which is the order of their ranks.
  for (int k = 5; k >= 2; --k) {
    const std::vector<int32_t>& sopra = conteggi_[static_cast<size_t>(k)];
    std::vector<int32_t>& sotto = conteggi_[static_cast<size_t>(k - 1)];
    std::array<int, 5> e{};
    for (int i = 0; i < k; ++i) e[static_cast<size_t>(i)] = i;
    for (size_t rango = 0; rango < sopra.size(); ++rango) {
      if (const int32_t v = sopra[rango]; v != 0) {
        // Dropping element i shifts the later ones down one position.
        for (int i = 0; i < k; ++i) {
          int32_t r = 0;
          for (int j = 0; j < k; ++j)
            if (j != i) r += C(e[static_cast<size_t>(j)], j < i ? j + 1 : j);
          sotto[static_cast<size_t>(r)] += v;
        }
      }
      // The next k-set in colex order.
      int i = 0;
      while (i + 1 < k && e[static_cast<size_t>(i)] + 1 == e[static_cast<size_t>(i + 1)]) ++i;
      ++e[static_cast<size_t>(i)];
      for (int j = 0; j < i; ++j) e[static_cast<size_t>(j)] = j;
    }
    for (int32_t& v : sotto) v /= 6 - k;
  }
}

int64_t IndiceSottoinsiemi::ColonneUguali(int32_t rango) const {
  if (!conteggi_[5].empty()) return conteggi_[5][static_cast<size_t>(rango)];
  const auto [da, a] = std::equal_range(ranghiCinquine_.begin(), ranghiCinquine_.end(), rango);
  return a - da;
}

std::array<int64_t, 6> IndiceSottoinsiemi::PuntiPerEstrazione(const std::array<uint8_t, 5>& estrazione) const {
  std::array<uint8_t, 256> estratto{};
  for (uint8_t x : estrazione)
    if (x >= 1 && x <= 55) estratto[x] = 1;
  // The drawn set, ascending and 0-based.
  std::array<uint8_t, 5> d{};
  int m = 0;
  for (int x = 1; x <= 55; ++x)
    if (estratto[static_cast<size_t>(x)]) d[static_cast<size_t>(m++)] = static_cast<uint8_t>(x - 1);

  // S[j]: the sum over the j-subsets T of the draw of the columns holding
  // T, that is the sum over the columns of C(hits, j).
  std::array<int64_t, 6> S{};
  S[0] = regolari_;
  for (unsigned maschera = 1; maschera < (1u << m); ++maschera) {
    const int j = std::popcount(maschera);
    const int32_t rango = Rango(d.data(), maschera);
    S[static_cast<size_t>(j)] += j == 5 ? ColonneUguali(rango) : conteggi_[static_cast<size_t>(j)][static_cast<size_t>(rango)];
  }
  // Inverting S[j] = sum over k of C(k, j) E[k].
  std::array<int64_t, 6> punti{};
  for (int k = 0; k <= m; ++k) {
    int64_t e = 0;
    for (int j = k; j <= m; ++j) e += ((j - k) % 2 == 0 ? 1 : -1) * int64_t{C(j, k)} * S[static_cast<size_t>(j)];
    punti[static_cast<size_t>(k)] = e;
  }
  for (const auto& colonna : irregolari_) ++punti[static_cast<size_t>(Punti(colonna, estratto))];
  return punti;
}

}  // namespace tlx
