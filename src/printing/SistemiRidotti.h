#pragma once
// Random reduced systems and their slips: each system is a set of 6 to 9
// different numbers marked on one reduced-system slip, priced by how many
// numbers it holds.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/Denaro.h"
#include "core/Formato.h"
#include "printing/Stampante.h"
#include "printing/Taratura.h"

namespace tlx {

inline constexpr int MIN_NUMERI_RIDOTTO = 6;
inline constexpr int MAX_NUMERI_RIDOTTO = 9;
inline constexpr int MAX_SISTEMI_RIDOTTI = 50;

// Columns charged for a system of that many numbers: 2, 3, 5, 10 for 6..9,
// 0 for any other count.
int ColonneRidotto(int numeri);

// `sistemi` sets of `numeri` different numbers from 1 to `massimo`, each in
// the order drawn; sets are independent and may repeat. Nothing when the
// counts are impossible (a set cannot hold more numbers than there are).
std::vector<std::vector<uint8_t>> GeneraRidottiCasuali(int massimo, int numeri, int sistemi, std::mt19937& generatore);

struct DatiSchedaRidotto {
  std::vector<uint8_t> numeri;
  int32_t numeroScheda = 1;
  Centesimi costoColonna = 0;
  std::string intestazione;
  FormatoNumeri formato;
};

// Prints one reduced-system slip on the current page, without ending it:
// the header, the set's marks, the extra box, "SISTEMA RIDOTTO", the slip
// number with the price, and the footer.
void StampaPaginaRidotto(Stampante& p, const TaraturaScheda& t, const DatiSchedaRidotto& dati);

}  // namespace tlx
