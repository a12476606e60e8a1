#pragma once
// The tests that look at one candidate column and the condition or filter
// records. A candidate is five numbers c[0..4] (c1..c5), 1..55, all
// different, in prediction order (ascending when the prediction is). Each
// test returns true to accept. Values out of their ranges (from a damaged
// file) never make a test read outside its tables.

#include <array>
#include <cstdint>
#include <vector>

#include "core/Sistema.h"

namespace tlx {

using Candidato = std::array<uint8_t, 5>;

bool FiltroFisse(const Candidato& c, const RecordCondizioni& cond);
bool FiltroSomma(const Candidato& c, const RecordCondizioni& cond);
bool FiltroPari(const Candidato& c, const RecordCondizioni& cond);
// LunghezzeAmmesse[r] (r = 1..5): a longest run of r consecutive numbers is allowed.
bool FiltroConsecutivi(const Candidato& c, const std::array<bool, 6>& LunghezzeAmmesse);
bool FiltroDistanzaNumeri(const Candidato& c, const RecordDistanza& filtro);

// The longest run of consecutive numbers of a candidate, 1..5.
int LunghezzaMassimaConsecutivi(const Candidato& c);

// The AND filters, records 1..NumeroFiltriAnd of the table (no more than the
// table holds), all tested at once. A hit of a record is a counted position
// (bit p of PosizioniMask, p = 1..5) whose number belongs to the record's
// group (Numeri = 1); the candidate passes when every record has the bit of
// its hit count (0..5) in QuantiMask.
class FiltriCondizione {
 public:
  void Prepara(const std::vector<RecordFiltro>& filtriAnd, int32_t numeroFiltriAnd);
  bool Vuoto() const { return parole_ == 0; }
  bool Accetta(const Candidato& c) const;

 private:
  // One bit per record, 64 records to a word. colpi_ holds, for each
  // position (0..4) and number (0..55), the records that count a hit there;
  // ammessi_ holds, for each word, the records that accept each hit count.
  // The hits of all records are summed in bit-sliced form.
  size_t parole_ = 0;
  std::vector<uint64_t> colpi_;
  std::vector<std::array<uint64_t, 6>> ammessi_;
};

}  // namespace tlx
