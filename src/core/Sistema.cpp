#include "core/Sistema.h"

#include <algorithm>
#include <cstring>

namespace tlx {

namespace {
size_t LunghezzaCaratteri(std::string_view s) {
  return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}
}  // namespace

std::string TagliaOPadda(std::string_view testo, size_t caratteri) {
  // Plain ASCII, the common case: each character is one byte.
  if (std::all_of(testo.begin(), testo.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    std::string out(testo.substr(0, caratteri));
    out.resize(caratteri, ' ');
    return out;
  }
  std::string out;
  size_t n = 0;
  for (size_t i = 0; i < testo.size(); ++i) {
    const bool inizio = (static_cast<unsigned char>(testo[i]) & 0xC0) != 0x80;
    if (inizio && n == caratteri) break;
    if (inizio) ++n;
    out.push_back(testo[i]);
  }
  out.append(caratteri - std::min(caratteri, LunghezzaCaratteri(out)), ' ');
  return out;
}

std::string Trim(std::string_view testo) {
  const auto primo = testo.find_first_not_of(' ');
  if (primo == std::string_view::npos) return {};
  const auto ultimo = testo.find_last_not_of(' ');
  return std::string(testo.substr(primo, ultimo - primo + 1));
}

void TabellaColonne::Cancella() {
  std::memset(dati_.get(), 0, static_cast<size_t>(CAPIENZA) * 5);
}

void ImpostaPercorsi(Sistema& s, std::string_view percorsoDati) {
  s.PercorsoDati = std::string(percorsoDati);
  s.FileImpostazioni = s.PercorsoDati + "/impostazioni.cfg";
  s.FileTaratura1Colonna = s.PercorsoDati + "/Scheda1Colonna.cfg";
  s.FileTaratura5Colonne = s.PercorsoDati + "/Scheda5Colonne.cfg";
  s.FileTaraturaRidotti = s.PercorsoDati + "/SchedaRidotti.cfg";
  s.PercorsoArchivio = s.PercorsoDati + "/archivio/tremaluxorqvx.dat";
}

void CancellaSistema(Sistema& s, bool MantieniPronostico) {
  if (!MantieniPronostico) CancellaPronostico(s);
  s.Colonne.Cancella();
  s.NumeroColonne = 0;
  s.TitoloSistema.Svuota();
  s.Condizioni = RecordCondizioni{};
  std::fill(s.FiltriAnd.begin(), s.FiltriAnd.end(), RecordFiltro{});
  s.NumeroFiltriAnd = 0;
  s.Consecutivi = RecordConsecutivi{};
  s.FiltriDistanza.fill(RecordDistanza{});
  s.NumeroFiltriDistanza = 0;
  s.DistanzaMinima = RecordDistanzaMinima{};
  s.MarcatoreCondizioni = 0;
  s.GuiBloccata = 0;
}

void GrigliaNumeriClick(Sistema& s, int indice) {
  if (indice < 0 || indice >= NUMERI) return;
  uint8_t& scelto = s.NumeriScelti[static_cast<size_t>(indice)];
  if (scelto == 0) {
    scelto = 1;
    if (s.NumeriPronostico < NUMERI) ++s.NumeriPronostico;
  } else {
    scelto = 0;
    if (s.NumeriPronostico > 0) --s.NumeriPronostico;
  }
}

void CancellaPronostico(Sistema& s) {
  s.NumeriPronostico = 0;
  s.NumeriScelti.fill(0);
}

void LeggiPronosticoDaGriglia(Sistema& s) {
  size_t k = 0;
  for (int i = 0; i < NUMERI; ++i) {
    if (s.NumeriScelti[static_cast<size_t>(i)] == 1) {
      s.Pronostico[k++] = static_cast<uint8_t>(i + 1);
    } else if (k < s.Pronostico.size()) {
      s.Pronostico[k] = 0;
    }
  }
}

void PreparaSviluppo(Sistema& s) {
  LeggiPronosticoDaGriglia(s);
  RecordCondizioni& c = s.Condizioni;
  for (int n = 1; n <= NUMERI; ++n) {
    if (c.NumeriFissi[static_cast<size_t>(n)] == 1 && s.NumeriScelti[static_cast<size_t>(n - 1)] != 1) {
      c.NumeriFissi[static_cast<size_t>(n)] = 0;
      --c.QuantiFissi;
    }
  }
}

void ScartaColonne(Sistema& s) {
  s.Colonne.Cancella();
  s.NumeroColonne = 0;
  s.TitoloSistema.Svuota();
}

}  // namespace tlx
