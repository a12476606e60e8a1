#pragma once
// Checking the system against a range of archived draws: one row per draw
// and the totals of the range; the date lists the range is picked from; the
// text of the results grid and of its clipboard copy.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "checking/PuntiEstrazioni.h"
#include "checking/Spoglio.h"
#include "core/Formato.h"
#include "core/Sistema.h"

namespace tlx {

struct RigaSpoglio {
  std::string Data;
  std::array<uint8_t, 5> Numeri{};
  int Base = 0;  // drawn numbers among the chosen ones
  int Max = 0;   // best hits of a column (0 without columns)
  int Min = 5;   // worst hits of a column (5 without columns)
  std::array<int64_t, 6> Punti{};  // columns by hits
  Centesimi Vincita = 0;
};

struct TotaliSpoglio {
  std::array<int64_t, 6> Punti{};  // winning columns over the range, 2..5 hits
  int MaxBase = 0;
  int MaxMax = 0;
  int MinMin = 5;
  int64_t TotEstrazioni = 0;
  std::array<int64_t, 6> EstrazioniConMax{};  // draws by best hits, 2..5
  int64_t EstrNonVincenti = 0;
  std::optional<Centesimi> TotGiocato = 0;  // none beyond the 64-bit range
  Centesimi TotVinto = 0;
};

struct EsitoSpoglioEstrazioni {
  std::vector<RigaSpoglio> Righe;
  TotaliSpoglio Totali;
  bool Interrotto = false;
};

// The row of one draw from its columns by hits.
RigaSpoglio RigaDaPunti(const Estrazione& e, const std::array<int64_t, 6>& punti, const std::array<uint8_t, NUMERI>& pronostico,
                        int numeriPronostico);
// Adds one row to the totals; the amount played is added by the caller.
void AggiungiAiTotali(TotaliSpoglio& t, const RigaSpoglio& r);

// Checks columns 1..n against every draw given, in order. The amount played
// is the exact cost of the system times the draws. `metodo` as for
// PuntiPerEstrazioni.
EsitoSpoglioEstrazioni SpoglioEstrazioni(const uint8_t* colonne, int32_t n, const std::vector<Estrazione>& estrazioni,
                                         const std::array<uint8_t, NUMERI>& pronostico, int numeriPronostico,
                                         Centesimi costoColonna, const Cedi& cedi = {},
                                         MetodoPunti metodo = MetodoPunti::Scelto);

// ---- The date lists and the range -------------------------------------------

inline constexpr size_t MAX_DATE = 32000;

// The archive's dates once each, oldest first, skipping empty slots; an
// error message instead when they are more than MAX_DATE.
struct DateArchivio {
  std::vector<std::string> Date;
  std::optional<Messaggio> errore;
};
DateArchivio ElencoDate(const std::vector<Estrazione>& archivio);

// Records inizio..fine (0-based, inclusive): from the first draw of DAL to
// the first draw of AL at or after it, or to the last draw when AL is not
// found after it. Nothing when DAL is no longer in the archive.
struct Intervallo {
  size_t inizio = 0;
  size_t fine = 0;
};
std::optional<Intervallo> TrovaIntervallo(const std::vector<Estrazione>& archivio, const std::string& dal,
                                          const std::string& al);

// A date as the archive writes it, day first (dd/mm/yyyy, also with "-" or
// "."), or year first (yyyy-mm-dd): a day count that orders dates. Nothing
// when the text is no date.
std::optional<int64_t> GiornoDaData(const std::string& data);

// ---- Text ---------------------------------------------------------------------

inline constexpr int COLONNE_GRIGLIA = 10;
inline constexpr std::array<const char*, COLONNE_GRIGLIA> IntestazioneGriglia = {
    "Date ", "Col ", "Base", "Max", "Min", "Pt.5", "Pt.4", "Pt.3", "Pt.2", "Euro"};
inline constexpr std::string_view MASCHERA_IMPORTO = "###,###,###,##0";

// An amount of the summary: whole euros, as the winnings always are; to the
// cent only when it has cents, as the amount played may have when a
// column's cost is not whole euros.
std::string TestoImporto(Centesimi importo, const FormatoNumeri& formato);

// The cells of a draw's row and of the totals row.
std::array<std::string, COLONNE_GRIGLIA> CelleRiga(const RigaSpoglio& r, const FormatoNumeri& formato);
std::array<std::string, COLONNE_GRIGLIA> CelleTotali(const TotaliSpoglio& t, const FormatoNumeri& formato);

// Where the results grid is exported: the csv folder of the data folder,
// under the system's file title with ".tlqvx" and then ".txt" replaced by
// ".csv".
std::string FileCsvSpoglio(const std::string& percorsoDati, const std::string& titoloFileSistema);

// The rows r1..r2 and columns c1..c2 of a grid (either corner first), each
// row's cells joined by tabs and ended by CR LF.
std::string TestoAppunti(const std::function<std::string(int riga, int colonna)>& cella, int r1, int c1, int r2,
                         int c2);

}  // namespace tlx
