#include "checking/PuntiEstrazioni.h"

#include <algorithm>
#include <bit>

#include "checking/IndiceSottoinsiemi.h"
#include "core/Sistema.h"

namespace tlx {

namespace {

using Punti = std::array<int64_t, 6>;

// Lets the event loop in after about PASSO_CEDI units of work.
class Passo {
 public:
  explicit Passo(const Cedi& cedi) : cedi_(cedi) {}
  bool Avanza(size_t lavoro) {
    fatto_ += lavoro;
    if (fatto_ < static_cast<size_t>(PASSO_CEDI) || !cedi_) return true;
    fatto_ = 0;
    return cedi_();
  }

 private:
  const Cedi& cedi_;
  size_t fatto_ = 0;
};

// Five different numbers 1..55, left ascending: a column both ways can hold.
// Columns are stored ascending; anything else is sorted first.
bool Regolare(Cinquina& a) {
  if (!(a[0] < a[1] && a[1] < a[2] && a[2] < a[3] && a[3] < a[4])) std::sort(a.begin(), a.end());
  return a[0] >= 1 && a[4] <= NUMERI && a[0] < a[1] && a[1] < a[2] && a[2] < a[3] && a[3] < a[4];
}

// The draw's different numbers 1..55 ascending, after a 0 in each place
// left over.
Cinquina Estratti(const Cinquina& estrazione) {
  std::array<bool, 256> estratto{};
  for (const uint8_t x : estrazione) estratto[x] = x >= 1 && x <= NUMERI;
  Cinquina d{};
  size_t i = d.size();
  for (int x = NUMERI; x >= 1; --x)
    if (estratto[static_cast<size_t>(x)]) d[--i] = static_cast<uint8_t>(x);
  return d;
}

// Columns by hits 1..5 in words [da, a) of five rows. A column's hits are
// the sum of its five bits, added as binary digits b2 b1 b0 for 64 columns
// at once: two full adders, then the sum of their carries.
[[gnu::target_clones("popcnt", "default")]] Punti ContaParole(const std::array<const uint64_t*, 5>& r, size_t da,
                                                               size_t a) {
  int64_t b0 = 0, b1 = 0, b1b0 = 0, b2 = 0, b2b0 = 0;
  for (size_t w = da; w < a; ++w) {
    const uint64_t x = r[0][w], y = r[1][w], z = r[2][w], u = r[3][w], v = r[4][w];
    const uint64_t xy = x ^ y, s = xy ^ z, riporto1 = (x & y) | (xy & z);
    const uint64_t su = s ^ u, cifra0 = su ^ v, riporto2 = (s & u) | (su & v);
    const uint64_t cifra1 = riporto1 ^ riporto2, cifra2 = riporto1 & riporto2;
    b0 += std::popcount(cifra0);
    b1 += std::popcount(cifra1);
    b1b0 += std::popcount(cifra1 & cifra0);
    b2 += std::popcount(cifra2);
    b2b0 += std::popcount(cifra2 & cifra0);
  }
  // 4 and 5 hits set b2 (and never b1), 2 and 3 set b1, the odd ones b0.
  return {0, b0 - b1b0 - b2b0, b1 - b1b0, b1b0, b2 - b2b0, b2b0};
}

bool ContaConScansione(const std::vector<Cinquina>& colonne, const std::vector<Cinquina>& estratti,
                       std::vector<Punti>& punti, Passo& passo) {
  // Row x holds a bit for each column with number x; row 0 stays empty and
  // stands for the places a draw leaves over.
  const size_t parole = (colonne.size() + 63) / 64;
  std::vector<uint64_t> righe((NUMERI + 1) * parole);
  for (size_t c = 0; c < colonne.size(); ++c)  // a copy of each column: the rows' stores could alias it in place
    for (const uint8_t x : Cinquina(colonne[c])) righe[x * parole + c / 64] |= uint64_t{1} << (c % 64);
  // A block of every row stays in the cache across all the draws.
  constexpr size_t BLOCCO = 512;
  for (size_t da = 0; da < parole; da += BLOCCO) {
    const size_t a = std::min(parole, da + BLOCCO);
    for (size_t i = 0; i < estratti.size(); ++i) {
      std::array<const uint64_t*, 5> r;
      for (size_t k = 0; k < 5; ++k) r[k] = righe.data() + estratti[i][k] * parole;
      const Punti conte = ContaParole(r, da, a);
      for (size_t k = 1; k <= 5; ++k) punti[i][k] += conte[k];
      if (!passo.Avanza(a - da)) return false;
    }
  }
  for (Punti& p : punti) p[0] = static_cast<int64_t>(colonne.size()) - (p[1] + p[2] + p[3] + p[4] + p[5]);
  return true;
}

bool ContaConIndice(const std::vector<Cinquina>& colonne, const std::vector<Cinquina>& estratti,
                    std::vector<Punti>& punti, const Cedi& cedi) {
  IndiceSottoinsiemi indice;
  if (!indice.Costruisci(colonne, estratti, cedi)) return false;
  for (size_t i = 0; i < estratti.size(); ++i) punti[i] = indice.Punti(estratti[i]);
  return true;
}

// The odd columns (a repeated number, a 0, a number above 55) one by one:
// a number twice in a column hits twice, a stray number never.
bool ContaIrregolari(const std::vector<Cinquina>& colonne, const std::vector<Cinquina>& estratti,
                     std::vector<Punti>& punti, Passo& passo) {
  if (colonne.empty()) return true;
  for (size_t i = 0; i < estratti.size(); ++i) {
    std::array<uint8_t, 256> estratto{};
    for (const uint8_t x : estratti[i]) estratto[x] = x != 0;
    Punti conte{};
    for (const Cinquina& c : colonne) ++conte[estratto[c[0]] + estratto[c[1]] + estratto[c[2]] + estratto[c[3]] + estratto[c[4]]];
    for (size_t k = 0; k < conte.size(); ++k) punti[i][k] += conte[k];
    if (!passo.Avanza(colonne.size())) return false;
  }
  return true;
}

}  // namespace

// Counted in words of the scan (each word: 64 columns against one draw,
// about 3 ns here). Beyond what the scan's rows cost, the index costs some
// 4/3 of a word a column to build, 600,000 words for its fixed tables and
// 150 words a draw.
MetodoPunti MetodoConveniente(size_t colonne, size_t estrazioni) {
  const size_t scansione = estrazioni * ((colonne + 63) / 64);
  const size_t indice = colonne * 4 / 3 + 600'000 + 150 * estrazioni;
  return indice < scansione ? MetodoPunti::Indice : MetodoPunti::Scansione;
}

std::optional<std::vector<Punti>> PuntiPerEstrazioni(const uint8_t* colonne, int32_t n,
                                                     const std::vector<Cinquina>& estrazioni, const Cedi& cedi,
                                                     MetodoPunti metodo) {
  Passo passo(cedi);
  std::vector<Cinquina> regolari, irregolari;
  regolari.reserve(static_cast<size_t>(std::max(n, 0)));
  for (int32_t c = 0; c < n; ++c) {
    Cinquina a;
    std::copy_n(colonne + static_cast<size_t>(c) * 5, 5, a.begin());
    (Regolare(a) ? regolari : irregolari).push_back(a);
    if (!passo.Avanza(1)) return std::nullopt;
  }
  std::vector<Cinquina> estratti(estrazioni.size());
  std::transform(estrazioni.begin(), estrazioni.end(), estratti.begin(), Estratti);

  std::vector<Punti> punti(estrazioni.size());
  if (metodo == MetodoPunti::Scelto) metodo = MetodoConveniente(regolari.size(), estratti.size());
  const bool contate = metodo == MetodoPunti::Indice ? ContaConIndice(regolari, estratti, punti, cedi)
                                                     : ContaConScansione(regolari, estratti, punti, passo);
  if (!contate || !ContaIrregolari(irregolari, estratti, punti, passo)) return std::nullopt;
  return punti;
}

}  // namespace tlx
