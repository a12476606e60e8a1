// libFuzzer target of the system-file reader: the input is written to a file
// and opened. Besides the sanitizers' checks, it aborts when the reader
// leaves the system in a state it must never leave.

#include <algorithm>
#include <cstdint>
#include <string>

#include "FileProva.h"
#include "Verifica.h"
#include "core/FileSistema.h"

using tlx::fuzz::FileProva;
using tlx::fuzz::Verifica;

namespace {

using namespace tlx;

Sistema& SistemaCondiviso() {
  static Sistema* s = new Sistema();
  return *s;
}

int Scelti(const Sistema& s) { return static_cast<int>(std::count(s.NumeriScelti.begin(), s.NumeriScelti.end(), 1)); }

void VerificaLetto(const Sistema& s) {
  Verifica(s.NumeroColonne >= 0 && s.NumeroColonne <= CAPIENZA, "column count within the table");
  const uint8_t* dati = s.Colonne.Dati();
  const size_t byte = static_cast<size_t>(s.NumeroColonne) * 5;
  Verifica(std::all_of(dati, dati + byte, [](uint8_t v) { return v <= NUMERI; }), "numbers 0..55");
  Verifica(byte == 0 || std::find(dati + byte - 5, dati + byte, 0) == dati + byte, "no 0 in the last column");
  const size_t oltre = std::min<size_t>(500, static_cast<size_t>(CAPIENZA) * 5 - byte);
  Verifica(std::all_of(dati + byte, dati + byte + oltre, [](uint8_t v) { return v == 0; }), "rows past the count empty");
  Verifica(s.GuiBloccata == (s.NumeroColonne > 0 ? VERO : FALSO), "locked exactly when columns exist");
  Verifica(s.NumeroFiltriAnd >= 0 && s.NumeroFiltriAnd <= MAX_FILTRI, "AND filter count");
  Verifica(s.NumeroFiltriOr >= 0 && s.NumeroFiltriOr <= MAX_FILTRI, "id-16 filter count");
  Verifica(s.NumeroFiltriDistanza <= MAX_FILTRI_DISTANZA, "distance filter count");
  Verifica(s.NumeriPronostico == Scelti(s), "chosen count matches the grid");
  Verifica(std::all_of(s.Pronostico.begin(), s.Pronostico.end(), [](uint8_t n) { return n <= NUMERI; }),
           "prediction numbers 0..55");
}

void VerificaVuoto(const Sistema& s, int32_t filtriOrPrima) {
  Verifica(s.NumeroColonne == 0 && s.GuiBloccata == 0, "refused: no columns, unlocked");
  Verifica(s.NumeroFiltriAnd == 0 && s.NumeroFiltriDistanza == 0, "refused: no filters");
  Verifica(s.MarcatoreCondizioni == 0 && s.NumeriPronostico == 0 && Scelti(s) == 0, "refused: nothing chosen");
  Verifica(s.NumeroFiltriOr == filtriOrPrima, "refused: no id-16 filter kept");
  Verifica(std::all_of(s.Colonne.Dati(), s.Colonne.Dati() + 500, [](uint8_t v) { return v == 0; }), "refused: table clear");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  Sistema& s = SistemaCondiviso();
  const int32_t colonnePrima = s.NumeroColonne;
  const int32_t filtriOrPrima = s.NumeroFiltriOr;
  const RisultatoApriFile r = ApriFile(s, FileProva(dati, byte, ".tlqvx").Percorso());
  switch (r.esito) {
    case EsitoApriFile::Letto:
      VerificaLetto(s);
      break;
    case EsitoApriFile::VersioneNonValida:
      Verifica(r.messaggi.size() == 1 && s.NumeroColonne == colonnePrima, "no system file of a known version: system untouched");
      break;
    case EsitoApriFile::NonSequenziale:
      Verifica(!r.messaggi.empty() && r.messaggi.back().titolo == "Attenzione!!", "refusal message last");
      VerificaVuoto(s, filtriOrPrima);
      break;
    default:
      Verifica(false, "an existing file always reads");
  }
  // Records of id 16 pile up across files by design; start again now and then.
  if (s.NumeroFiltriOr > 1000) s.NumeroFiltriOr = 0;
  return 0;
}
