#pragma once
// The system in memory: the one set of shared state that every window and
// procedure reads and writes. The application owns a single instance.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Denaro.h"
#include "core/TestoFisso.h"

namespace tlx {

// Booleans of the stored records are 16-bit: -1 true, 0 false; any non-zero
// value reads as true.
using Flag = int16_t;
inline constexpr Flag VERO = -1;
inline constexpr Flag FALSO = 0;
inline constexpr bool Vero(Flag f) { return f != 0; }
inline constexpr Flag ComeFlag(bool b) { return b ? VERO : FALSO; }

inline constexpr int32_t CAPIENZA = 1'850'000;
inline constexpr int32_t MAX_FILTRI = 2000;
inline constexpr int MAX_FILTRI_DISTANZA = 5;
inline constexpr int NUMERI = 55;
inline constexpr int LUNGHEZZA_TITOLO = 50;

inline constexpr std::array<int32_t, 31> PotenzeDiDue = [] {
  std::array<int32_t, 31> p{};
  for (int i = 0; i < 31; ++i) p[i] = int32_t{1} << i;
  return p;
}();

// Arrays below keep the 1-based indexes of the stored records: element 0 is
// unused where the record starts at 1, so the code reads like the format.

struct RecordCondizioni {
  Flag PariAttiva = 0;
  Flag SommaAttiva = 0;
  Flag FisseAttiva = 0;
  std::array<Flag, 6> PariAmmessi{};          // 0..5
  std::array<int16_t, 2> SommaMinMax{};        // 0 minimum, 1 maximum
  std::array<uint8_t, NUMERI + 1> NumeriFissi{};  // 1..55
  uint8_t QuantiFissi = 0;
  Flag RidottoAttivo = 0;
  uint8_t Garanzia = 0;
  bool operator==(const RecordCondizioni&) const = default;
};

struct RecordDistanzaMinima {
  uint8_t Distanza = 0;
  Flag Attivo = 0;
  bool operator==(const RecordDistanzaMinima&) const = default;
};

struct RecordConsecutivi {
  int32_t LunghezzeMask = 0;
  Flag Attivo = 0;
  bool operator==(const RecordConsecutivi&) const = default;
};

struct RecordFiltro {
  std::array<uint8_t, NUMERI + 1> Numeri{};  // 1..55
  int32_t QuantiMask = 0;
  int32_t PosizioniMask = 0;
  Flag Attivo = 0;
  bool operator==(const RecordFiltro&) const = default;
};

struct RecordDistanza {
  uint8_t NumeroCoppie = 0;
  std::array<uint8_t, 6> Coppie{};  // 1..5
  uint8_t MinAttivo = 0;
  std::array<Flag, 55> MinOk{};     // 1..54
  uint8_t MaxAttivo = 0;
  std::array<Flag, 55> MaxOk{};     // 1..54
  Flag Attivo = 0;
  bool operator==(const RecordDistanza&) const = default;
};

// One archived draw: the date as stored (10 characters) and five numbers.
struct Estrazione {
  std::string Data;
  std::array<uint8_t, 5> Numeri{};
  bool operator==(const Estrazione&) const = default;
};

// The column table: 1,850,000 columns of five bytes in one block, allocated
// once and cleared in place. Columns are numbered from 1.
class TabellaColonne {
 public:
  TabellaColonne() : dati_(new uint8_t[static_cast<size_t>(CAPIENZA) * 5]()) {}
  uint8_t* Colonna(int32_t c) { return dati_.get() + static_cast<size_t>(c - 1) * 5; }
  const uint8_t* Colonna(int32_t c) const { return dati_.get() + static_cast<size_t>(c - 1) * 5; }
  uint8_t* Dati() { return dati_.get(); }
  const uint8_t* Dati() const { return dati_.get(); }
  void Cancella();

 private:
  std::unique_ptr<uint8_t[]> dati_;
};

struct Sistema {
  // The system.
  TabellaColonne Colonne;
  int32_t NumeroColonne = 0;
  TestoFisso<LUNGHEZZA_TITOLO> TitoloSistema;
  std::array<uint8_t, NUMERI> Pronostico{};  // positions 0..54
  uint8_t NumeriPronostico = 0;

  // The chosen state of each grid cell (index 0..54 for numbers 1..55): the
  // grid paints it, the prediction is read from it.
  std::array<uint8_t, NUMERI> NumeriScelti{};

  // Conditions and filters.
  RecordCondizioni Condizioni;
  RecordDistanzaMinima DistanzaMinima;
  RecordConsecutivi Consecutivi;
  std::vector<RecordFiltro> FiltriAnd = std::vector<RecordFiltro>(MAX_FILTRI + 1);  // 1..2000
  int32_t NumeroFiltriAnd = 0;
  std::vector<RecordFiltro> FiltriOr = std::vector<RecordFiltro>(MAX_FILTRI + 1);   // 1..2000
  int32_t NumeroFiltriOr = 0;
  std::array<RecordDistanza, MAX_FILTRI_DISTANZA + 1> FiltriDistanza{};  // 1..5
  uint8_t NumeroFiltriDistanza = 0;

  // Data folder, paths and settings. Paths use "/".
  std::string PercorsoDati;
  std::string FileImpostazioni;
  std::string FileTaratura1Colonna;
  std::string FileTaratura5Colonne;
  std::string FileTaraturaRidotti;
  std::string PercorsoArchivio;
  std::string NomeFileSistema;
  std::string TitoloFileSistema;
  Centesimi CostoColonna = 100;
  std::string IntestazioneStampa;
  std::string StampanteTabulato;

  // Run-wide flags and small tables.
  int32_t GuiBloccata = 0;
  Flag InterrompiSviluppo = 0;
  Flag StampaInterrotta = 0;
  Flag ChiusuraApplicazione = 0;
  uint8_t ColonnePerScheda = 0;
  int32_t TipoScheda = 0;
  std::array<uint8_t, 6> ColonnaSpoglio{};  // 1..5
  std::vector<Estrazione> ArchivioEstrazioni;
  Flag ModalitaRicalcolo = 0;
  int32_t MarcatoreCondizioni = 0;
};

// Sets the data folder and the files kept directly in it.
void ImpostaPercorsi(Sistema& s, std::string_view percorsoDati);

// The data part of the system reset: columns, description, conditions and
// filters (and the chosen numbers unless they are kept). The filter records
// read into FiltriOr, the paths, the settings and the archive stay.
void CancellaSistema(Sistema& s, bool MantieniPronostico);

// Grid state: toggling one cell keeps NumeriPronostico equal to the count of
// chosen cells; clearing unchooses them all.
void GrigliaNumeriClick(Sistema& s, int indice);
void CancellaPronostico(Sistema& s);

// Rebuilds Pronostico from the grid: the chosen numbers ascending from
// position 0, followed by a 0. NumeriPronostico is not changed.
void LeggiPronosticoDaGriglia(Sistema& s);

// Before a development: the prediction read from the grid, and the fixed
// numbers that are no longer chosen dropped from the fixed-numbers condition.
void PreparaSviluppo(Sistema& s);

// Discarding the columns keeps the chosen numbers, conditions and filters.
void ScartaColonne(Sistema& s);

}  // namespace tlx
