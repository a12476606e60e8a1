#pragma once
// The six statistics over the draw archive, the ";"-separated statistics
// file written with every computation, and the rows of each chart.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/Frequenze.h"
#include "core/Messaggio.h"
#include "core/Procedure.h"
#include "core/Sistema.h"

namespace tlx {

// Per-draw measures, over the five numbers sorted ascending.
int ContaPari(std::span<const uint8_t, 5> ordinati);
int SommaNumeri(std::span<const uint8_t, 5> ordinati);
// The longest run of numbers each one more than the one before; 1 when none.
int MaxConsecutivi(std::span<const uint8_t, 5> ordinati);
// How many of these numbers are among the other draw's five.
int ContaRipetuti(std::span<const uint8_t, 5> numeri, std::span<const uint8_t, 5> altra);
// The class 1..5 of a sum: 15-65, 66-115, 116-165, 166-215, 216-265.
int ClasseSomma(int somma);

// Counts of draws by value. Index k of each table is the value k; index 0 of
// the run and sum tables stays 0 (a run is at least 1, classes start at 1).
struct Statistiche {
  std::array<int32_t, 6> Consecutivi{};
  std::array<int32_t, 6> Ripetuti{};  // the oldest draw has no previous one
  std::array<int32_t, 6> Pari{};
  std::array<int32_t, 6> Dispari{};
  std::array<int32_t, 6> Somma{};
  TabellaFrequenza FrequenzaNumeri = CalcolaFrequenzaNumeri({});
};

Statistiche CalcolaStatistiche(const std::vector<Estrazione>& archivio);

// ---- The statistics file -----------------------------------------------------

inline constexpr std::string_view INTESTAZIONE_STATISTICHE = "Data;P1;P2;P3;P4;P5;Ripetuti;Pari;Dispari;Consecutivi;Somma";

// "trlxqvx_YYYYMMDD_HHMMSS.csv"
std::string NomeFileStatistiche(const DataOra& momento);

// The whole file: the heading, then one line per draw, newest first, every
// line ended by CR LF. The oldest draw's Ripetuti field is empty: it has no
// previous draw to repeat.
std::string TestoFileStatistiche(const std::vector<Estrazione>& archivio);

// Writes the file (in Windows-1252), replacing one of the same name. On
// failure returns the error message of procedure Statistiche.
Messaggi ScriviFileStatistiche(const std::vector<Estrazione>& archivio, const std::string& percorso);

// Deletes the "trlxqvx_*.csv" files of the folder, and what writes of such
// files killed in any copy of the program left there (once no copy can be
// writing them any more); returns how many of the files could not be
// deleted (they stay for a later run).
int CancellaFileStatistiche(const std::string& cartella);

// ---- Charts ------------------------------------------------------------------

enum class Grafico { Consecutivi, Ripetuti, Pari, Dispari, Somma, Frequenza };
inline constexpr int NUMERO_GRAFICI = 6;

struct DatiGrafico {
  std::string titolo;
  std::vector<std::string> etichette;  // per row: name, " --> ", count as "     0"
  std::vector<int32_t> valori;         // per row, in the same order
};

DatiGrafico DatiDelGrafico(const Statistiche& s, Grafico grafico);

}  // namespace tlx
