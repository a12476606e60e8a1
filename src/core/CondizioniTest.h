#pragma once
// The six tests that look at one candidate column and one condition or
// filter record. A candidate is five numbers c[0..4] (c1..c5), ascending,
// 1..55. Each test returns true to accept. Values out of their ranges (from
// a damaged file) never make a test read outside its tables.

#include <array>
#include <cstdint>

#include "core/Sistema.h"

namespace tlx {

using Candidato = std::array<uint8_t, 5>;

bool FiltroFisse(const Candidato& c, const RecordCondizioni& cond);
bool FiltroSomma(const Candidato& c, const RecordCondizioni& cond);
bool FiltroPari(const Candidato& c, const RecordCondizioni& cond);
bool FiltroCondizione(const Candidato& c, const RecordFiltro& filtro);
// LunghezzeAmmesse[r] (r = 1..5): a longest run of r consecutive numbers is allowed.
bool FiltroConsecutivi(const Candidato& c, const std::array<bool, 6>& LunghezzeAmmesse);
bool FiltroDistanzaNumeri(const Candidato& c, const RecordDistanza& filtro);

// The longest run of consecutive numbers of an ascending candidate, 1..5.
int LunghezzaMassimaConsecutivi(const Candidato& c);

}  // namespace tlx
