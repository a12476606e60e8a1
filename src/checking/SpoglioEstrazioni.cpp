#include "checking/SpoglioEstrazioni.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <unordered_set>

#include "core/Procedure.h"

namespace tlx {

RigaSpoglio RigaDaPunti(const Estrazione& e, const std::array<int64_t, 6>& punti,
                        const std::array<uint8_t, NUMERI>& pronostico, int numeriPronostico) {
  RigaSpoglio r;
  r.Data = e.Data;
  r.Numeri = e.Numeri;
  r.Punti = punti;
  std::array<bool, 256> estratto{};
  for (uint8_t x : e.Numeri) estratto[x] = x >= 1 && x <= 55;
  for (int i = 0; i < std::clamp(numeriPronostico, 0, NUMERI); ++i) r.Base += estratto[pronostico[static_cast<size_t>(i)]];
  for (int k = 0; k <= 5; ++k) {
    if (punti[static_cast<size_t>(k)] == 0) continue;
    r.Max = std::max(r.Max, k);
    r.Min = std::min(r.Min, k);
  }
  for (int k = 2; k <= 5; ++k) r.Vincita += punti[static_cast<size_t>(k)] * PremioInCentesimi(k);
  return r;
}

void AggiungiAiTotali(TotaliSpoglio& t, const RigaSpoglio& r) {
  for (int k = 2; k <= 5; ++k) t.Punti[static_cast<size_t>(k)] += r.Punti[static_cast<size_t>(k)];
  t.MaxBase = std::max(t.MaxBase, r.Base);
  t.MinMin = std::min(t.MinMin, r.Min);
  t.MaxMax = std::max(t.MaxMax, r.Max);
  if (r.Max >= 2) ++t.EstrazioniConMax[static_cast<size_t>(r.Max)];
  else ++t.EstrNonVincenti;
  t.TotVinto += r.Vincita;
  ++t.TotEstrazioni;
}

EsitoSpoglioEstrazioni SpoglioEstrazioni(const uint8_t* colonne, int32_t n, const std::vector<Estrazione>& estrazioni,
                                         const std::array<uint8_t, NUMERI>& pronostico, int numeriPronostico,
                                         Centesimi costoColonna, const Cedi& cedi, MetodoPunti metodo) {
  EsitoSpoglioEstrazioni esito;
  std::vector<std::array<uint8_t, 5>> numeri(estrazioni.size());
  std::transform(estrazioni.begin(), estrazioni.end(), numeri.begin(), [](const Estrazione& e) { return e.Numeri; });
  const auto punti = PuntiPerEstrazioni(colonne, n, numeri, cedi, metodo);
  if (!punti) {
    esito.Interrotto = true;
    return esito;
  }
  esito.Righe.reserve(estrazioni.size());
  for (size_t i = 0; i < estrazioni.size(); ++i) {
    esito.Righe.push_back(RigaDaPunti(estrazioni[i], (*punti)[i], pronostico, numeriPronostico));
    AggiungiAiTotali(esito.Totali, esito.Righe.back());
  }
  const auto costo = Moltiplica(costoColonna, n);
  esito.Totali.TotGiocato = costo ? Moltiplica(*costo, esito.Totali.TotEstrazioni) : std::nullopt;
  return esito;
}

// ---- The date lists and the range -------------------------------------------

DateArchivio ElencoDate(const std::vector<Estrazione>& archivio) {
  DateArchivio elenco;
  std::unordered_set<std::string> viste;
  for (const Estrazione& e : archivio) {
    // An empty slot, or a draw without a date, is nothing a range can start from.
    if (e.Numeri[0] == 0 || e.Data.find_first_not_of(' ') == std::string::npos) continue;
    if (!viste.insert(e.Data).second) continue;
    if (elenco.Date.size() == MAX_DATE) {
      elenco.Date.clear();
      elenco.errore = Messaggio{Icona::Critica, Pulsanti::Ok, "Errore dimensione archivio",
                                "Error : Archivio superiore alla dimensione massima...Spoglio Estrazioni non disponibile"};
      return elenco;
    }
    elenco.Date.push_back(e.Data);
  }
  return elenco;
}

std::optional<Intervallo> TrovaIntervallo(const std::vector<Estrazione>& archivio, const std::string& dal,
                                          const std::string& al) {
  auto e = [](const Estrazione& x) { return x.Numeri[0] != 0; };
  const auto inizio = std::find_if(archivio.begin(), archivio.end(), [&](const Estrazione& x) { return e(x) && x.Data == dal; });
  if (inizio == archivio.end()) return std::nullopt;
  auto fine = std::find_if(inizio, archivio.end(), [&](const Estrazione& x) { return x.Data == al; });
  if (fine == archivio.end()) fine = archivio.end() - 1;
  return Intervallo{static_cast<size_t>(inizio - archivio.begin()), static_cast<size_t>(fine - archivio.begin())};
}

std::optional<int64_t> GiornoDaData(const std::string& data) {
  const size_t primo = data.find_first_not_of(' ');
  if (primo == std::string::npos) return std::nullopt;
  const std::string_view testo(data.data() + primo, data.find_last_not_of(' ') + 1 - primo);
  int parti[3] = {};
  size_t cifre[3] = {};
  const char* p = testo.data();
  const char* const fine = p + testo.size();
  char separatore = 0;
  for (int i = 0; i < 3; ++i) {
    const auto [dopo, errore] = std::from_chars(p, fine, parti[i]);
    if (errore != std::errc() || parti[i] < 0) return std::nullopt;
    cifre[i] = static_cast<size_t>(dopo - p);
    p = dopo;
    if (i == 2) break;
    if (p == fine || (*p != '/' && *p != '-' && *p != '.') || (separatore && *p != separatore)) return std::nullopt;
    separatore = *p++;
  }
  if (p != fine) return std::nullopt;
  int anno = parti[2], mese = parti[1], giorno = parti[0];
  if (cifre[0] == 4) std::swap(anno, giorno);  // year first
  else if (cifre[2] != 4) return std::nullopt;
  if (anno < 1 || anno > 9999) return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year(anno), std::chrono::month(static_cast<unsigned>(mese)),
                                        std::chrono::day(static_cast<unsigned>(giorno))};
  if (!ymd.ok()) return std::nullopt;
  return std::chrono::sys_days(ymd).time_since_epoch().count();
}

// ---- Text ---------------------------------------------------------------------

namespace {
std::string Numero(int64_t n) { return std::to_string(n); }
std::string Euro(Centesimi c, const FormatoNumeri& f) { return FormattaScalato(c, 2, MASCHERA_IMPORTO, f); }
}  // namespace

std::string TestoImporto(Centesimi importo, const FormatoNumeri& formato) {
  return FormattaScalato(importo, 2, importo % 100 == 0 ? MASCHERA_IMPORTO : "###,###,###,##0.00", formato);
}

std::array<std::string, COLONNE_GRIGLIA> CelleRiga(const RigaSpoglio& r, const FormatoNumeri& formato) {
  std::string numeri;
  for (uint8_t x : r.Numeri) {
    if (!numeri.empty()) numeri += '.';
    numeri += Formatta(x, "00");
  }
  return {r.Data, numeri, Numero(r.Base), Numero(r.Max), Numero(r.Min), Numero(r.Punti[5]), Numero(r.Punti[4]),
          Numero(r.Punti[3]), Numero(r.Punti[2]), Euro(r.Vincita, formato)};
}

std::array<std::string, COLONNE_GRIGLIA> CelleTotali(const TotaliSpoglio& t, const FormatoNumeri& formato) {
  return {"TOTALE", "", Numero(t.MaxBase), Numero(t.MaxMax), Numero(t.MinMin), Numero(t.Punti[5]), Numero(t.Punti[4]),
          Numero(t.Punti[3]), Numero(t.Punti[2]), Euro(t.TotVinto, formato)};
}

std::string FileCsvSpoglio(const std::string& percorsoDati, const std::string& titoloFileSistema) {
  return percorsoDati + "/csv/" + SostituisciTutto(SostituisciTutto(titoloFileSistema, ".tlqvx", ".csv"), ".txt", ".csv");
}

std::string TestoAppunti(const std::function<std::string(int riga, int colonna)>& cella, int r1, int c1, int r2,
                         int c2) {
  std::string testo;
  for (int r = std::min(r1, r2); r <= std::max(r1, r2); ++r) {
    for (int c = std::min(c1, c2); c <= std::max(c1, c2); ++c) {
      if (c > std::min(c1, c2)) testo += '\t';
      testo += cella(r, c);
    }
    testo += "\r\n";
  }
  return testo;
}

}  // namespace tlx
