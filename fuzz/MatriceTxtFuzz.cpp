// libFuzzer target of the text-matrix reader. Besides the sanitizers'
// checks, it aborts when a refusal leaves anything to rely on or an accepted
// matrix breaks what the reader promises.

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "Verifica.h"
#include "matrices/MatriceTxt.h"

using tlx::fuzz::Verifica;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t byte) {
  const std::string_view grezzo(reinterpret_cast<const char*>(dati), byte);
  std::istringstream testo{std::string(grezzo)};
  const tlx::matrix::RisultatoMatriceTxt r = tlx::matrix::LeggiMatriceTxt(testo);
  const tlx::matrix::IntestazioneMatrice& h = r.matrice.Intestazione;
  // With fewer lines than are ever read, a line past the bound is always met and refused.
  size_t piuLunga = 0;
  for (size_t inizio = 0; inizio <= grezzo.size();) {
    const size_t fine = std::min(grezzo.find_first_of("\r\n", inizio), grezzo.size());
    piuLunga = std::max(piuLunga, fine - inizio);
    inizio = fine + 1;
  }
  const auto fini = std::count_if(grezzo.begin(), grezzo.end(), [](char c) { return c == '\r' || c == '\n'; });
  if (fini < tlx::matrix::MAX_RIGHE_MATRICE_TXT)
    Verifica(piuLunga <= tlx::matrix::BYTE_MASSIMI_RIGA_MATRICE_TXT || h.V == 0, "a line past the bound is refused");
  if (h.V == 0) {
    Verifica(r.messaggi.size() == 1 && r.messaggi[0].titolo == "ERROR", "a refusal shows one box");
    return 0;
  }
  Verifica(r.messaggi.empty(), "no box when accepted");
  Verifica(h.C >= 1 && h.C <= tlx::matrix::MAX_RIGHE_MATRICE_TXT && h.K >= 1, "columns within bounds");
  Verifica(h.V <= tlx::matrix::MAX_VALORE_MATRICE_TXT, "values up to 90");
  Verifica(r.matrice.Matrice.size() == static_cast<size_t>(h.C) * h.K, "C x K entries");
  std::vector<bool> usati(h.V + 1u);
  for (const uint8_t v : r.matrice.Matrice) {
    Verifica(v >= 1 && v <= h.V, "entries 1..V");
    usati[v] = true;
  }
  Verifica(std::count(usati.begin() + 1, usati.end(), true) == h.V, "every value 1..V used");
  return 0;
}
