#include "core/ColonneTxt.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <string_view>

#include "core/Errori.h"
#include "core/FileSistema.h"
#include "core/Procedure.h"
#include "support/FileLettura.h"
#include "support/LettoreRighe.h"

namespace tlx {

namespace {

// Lines are gathered and written in blocks of about this size.
constexpr size_t BLOCCO_SCRITTURA = size_t{1} << 20;

void AggiungiRiga(std::string& out, const uint8_t* colonna) {
  out.push_back(' ');
  for (size_t p = 0; p < 5; ++p) {
    if (colonna[p] == 0) continue;
    if (colonna[p] < 10) out.push_back('0');
    out += std::to_string(colonna[p]);
    out.push_back(' ');
  }
  out += "\r\n";
}

ErroreRuntime FuoriIntervallo() { return ErroreRuntime(errore::SubscriptOutOfRange, "Subscript out of range"); }

// Reads the lines into the column table, never past its capacity, and marks
// every number met. Any bad line throws ErroreRuntime.
class LettoreColonneTxt {
 public:
  LettoreColonneTxt(Sistema& s, const std::function<void()>& elaboraEventi) : s_(s), elaboraEventi_(elaboraEventi) {}

  void Leggi(std::istream& in) {
    LettoreRighe righe(in, BYTE_MASSIMI_RIGA_COLONNE_TXT);
    std::string riga;
    for (int64_t letta = 0;; ++letta) {
      const LettoreRighe::Esito esito = righe.Leggi(riga);
      if (esito == LettoreRighe::Esito::Fine) return;
      if (esito == LettoreRighe::Esito::TroppoLunga) throw FuoriIntervallo();
      if (letta % PASSO_ELABORA_EVENTI == 0 && elaboraEventi_) elaboraEventi_();
      LeggiRiga(riga);
    }
  }

  int32_t Colonne() const { return colonne_; }
  const std::array<bool, NUMERI + 1>& Usati() const { return usati_; }

 private:
  void LeggiRiga(std::string_view riga) {
    std::array<uint8_t, 5> numeri{};
    size_t letti = 0;
    for (size_t p = riga.find_first_not_of(' '); p != std::string_view::npos && letti < numeri.size();
         p = riga.find_first_not_of(' ', p)) {
      const size_t fine = std::min(riga.find(' ', p), riga.size());
      numeri[letti++] = Numero(riga.substr(p, fine - p));
      p = fine;
    }
    if (letti == 0) return;  // an empty or blank line
    if (letti < numeri.size() || colonne_ >= CAPIENZA) throw FuoriIntervallo();
    uint8_t* colonna = s_.Colonne.Colonna(++colonne_);
    for (size_t p = 0; p < numeri.size(); ++p) {
      colonna[p] = numeri[p];
      usati_[numeri[p]] = true;
    }
  }

  static uint8_t Numero(std::string_view token) {
    int valore = 0;
    const auto [fine, ec] = std::from_chars(token.data(), token.data() + token.size(), valore);
    if (fine != token.data() + token.size() || ec == std::errc::invalid_argument)
      throw ErroreRuntime(errore::TypeMismatch, "Type mismatch");
    if (ec != std::errc{} || valore < 1 || valore > NUMERI) throw FuoriIntervallo();
    return static_cast<uint8_t>(valore);
  }

  Sistema& s_;
  const std::function<void()>& elaboraEventi_;
  int32_t colonne_ = 0;
  std::array<bool, NUMERI + 1> usati_{};
};

}  // namespace

Messaggio SalvaColonneTxt(const Sistema& s, const std::string& titoloFile) {
  try {
    const std::string cartella = s.PercorsoDati + "/txt";
    std::error_code ec;
    std::filesystem::create_directories(cartella, ec);  // a failure shows when the file is created
    ScritturaAtomica file(cartella + "/" + SostituisciTutto(titoloFile, ".tlqvx", ".txt"));
    std::string blocco;
    blocco.reserve(BLOCCO_SCRITTURA + 32);
    for (int32_t c = 1; c <= std::min(s.NumeroColonne, CAPIENZA); ++c) {
      AggiungiRiga(blocco, s.Colonne.Colonna(c));
      if (blocco.size() >= BLOCCO_SCRITTURA) {
        file.Scrivi(blocco);
        blocco.clear();
      }
    }
    file.Scrivi(blocco);
    file.Conferma();
  } catch (const ErroreRuntime& e) {
    return MessaggioErrore(e, "SalvaColonneTxt");
  }
  return Messaggio{Icona::Informazione, Pulsanti::Ok, "", "File " + titoloFile + " esportato"};
}

RisultatoImportaColonneTxt ImportaColonneTxt(Sistema& s, const std::string& percorso,
                                             const std::function<void()>& elaboraEventi) {
  RisultatoImportaColonneTxt r;
  if (percorso.empty()) return r;
  s.NomeFileSistema = percorso;
  LettoreColonneTxt lettore(s, elaboraEventi);
  try {
    FileLettura file(percorso);
    CancellaSistema(s, false);
    try {
      lettore.Leggi(file);
    } catch (const ErroreRuntime&) {
      CancellaSistema(s, false);
      throw;
    }
  } catch (const ErroreRuntime& e) {
    r.esito = EsitoImportaColonneTxt::ErroreRuntime;
    r.messaggi.push_back(MessaggioErrore(e, "ImportaColonneTxt"));
    return r;
  }
  for (int n = 1; n <= NUMERI; ++n)
    if (lettore.Usati()[static_cast<size_t>(n)]) GrigliaNumeriClick(s, n - 1);
  LeggiPronosticoDaGriglia(s);
  s.TitoloSistema = "FILE TXT";
  s.NumeroColonne = lettore.Colonne();
  if (s.NumeroColonne > 0) s.GuiBloccata = VERO;
  s.TitoloFileSistema = TitoloFileMinuscolo(s.NomeFileSistema);
  r.esito = EsitoImportaColonneTxt::Importato;
  return r;
}

}  // namespace tlx
