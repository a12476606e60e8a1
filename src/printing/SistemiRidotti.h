#pragma once
// Random reduced systems and the layout of their slips: each system is a
// set of 6 to 9 different numbers marked on one reduced-system slip, priced
// by how many numbers it holds.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/Denaro.h"
#include "core/Formato.h"
#include "printing/Impaginato.h"
#include "printing/TaraturaProvvisoria.h"

namespace tlx {

inline constexpr int MIN_NUMERI_RIDOTTO = 6;
inline constexpr int MAX_NUMERI_RIDOTTO = 9;
inline constexpr int MAX_SISTEMI_RIDOTTI = 50;

// Columns charged for a system of that many numbers: 2, 3, 5, 10 for 6..9,
// 0 for any other count.
int ColonneRidotto(int numeri);

// `sistemi` sets of `numeri` different numbers from 1 to `massimo`, each in
// the order drawn; sets are independent and may repeat. Nothing when the
// counts are impossible (no set can hold more numbers than there are).
std::vector<std::vector<uint8_t>> GeneraRidottiCasuali(int massimo, int numeri, int sistemi, std::mt19937& generatore);

struct DatiSchedaRidotto {
  std::vector<uint8_t> numeri;
  int numeroScheda = 1;
  Centesimi costoColonna = 0;
  std::string intestazione;
  FormatoNumeri formato;
};

// The progress window's label for a slip: "Scheda n. 00007".
std::string EtichettaAvanzamento(int numeroScheda);

// One reduced-system slip in millimetres.
Pagina ImpaginaSchedaRidotto(const DatiSchedaRidotto& dati, const TaraturaScheda& taratura, const MetricaRighe& metrica);

}  // namespace tlx
