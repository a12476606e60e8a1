#include "core/Impostazioni.h"

#include <cmath>

#include "core/Denaro.h"
#include "core/Errori.h"
#include "support/IniFile.h"

namespace tlx {

namespace {

constexpr std::string_view COSTO_PREDEFINITO = "100";

// The digits typed after the decimal separator, trailing zeros aside.
size_t Decimali(std::string_view testo, const FormatoNumeri& formato) {
  const std::string_view separatore = formato.separatoreDecimale;
  const size_t inizio = separatore.empty() ? std::string_view::npos : testo.find(separatore);
  if (inizio == std::string_view::npos) return 0;
  std::string cifre;
  for (char c : testo.substr(inizio + separatore.size()))
    if (c >= '0' && c <= '9') cifre += c;
  cifre.erase(cifre.find_last_not_of('0') + 1);
  return cifre.size();
}

// Digits with blanks, signs and the two separators only: a number typed
// wrong ("1.50" in Italian), which the cost's own message explains, rather
// than no number at all.
bool NumeroMalScritto(std::string_view testo, const FormatoNumeri& formato) {
  std::string resto(testo);
  for (const std::string& separatore : {formato.separatoreDecimale, formato.separatoreMigliaia})
    for (size_t i = 0; !separatore.empty() && (i = resto.find(separatore)) != std::string::npos;)
      resto.erase(i, separatore.size());
  return resto.find_first_of("0123456789") != std::string::npos &&
         resto.find_first_not_of("0123456789 +-") == std::string::npos;
}

}  // namespace

void ReadConfiguration(Sistema& s) {
  const classINI ini(s.FileImpostazioni);
  // A cost the settings window would refuse (a file of an earlier version,
  // or edited by hand) reads as 0 like one that is no number: beyond the
  // limit the cost of a full system could overflow.
  const Centesimi costo =
      CentesimiDaTesto(ini.getProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_COSTO_COLONNA, COSTO_PREDEFINITO)).value_or(0);
  s.CostoColonna = costo >= 0 && costo <= COSTO_COLONNA_MASSIMO ? costo : 0;
  s.IntestazioneStampa = ini.getProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_INTESTAZIONE, INTESTAZIONE_PREDEFINITA);
  s.StampanteTabulato = ini.getProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_STAMPANTE, NESSUNA_STAMPANTE);
  s.ModalitaRicalcolo = FALSO;
}

std::optional<Centesimi> CostoColonnaDaTesto(std::string_view testo, const FormatoNumeri& formato) {
  double euro = 0;
  if (!LeggiNumero(testo, formato, euro)) {
    if (NumeroMalScritto(testo, formato)) return std::nullopt;
    throw ErroreRuntime(errore::TypeMismatch, "Type mismatch");
  }
  const double centesimi = euro * CENTESIMI_PER_EURO;
  if (!(centesimi >= 0 && centesimi < COSTO_COLONNA_MASSIMO + 0.5) || Decimali(testo, formato) > 2) return std::nullopt;
  return static_cast<Centesimi>(std::nearbyint(centesimi));
}

Messaggio CostoColonnaNonValido(const FormatoNumeri& formato) {
  return Messaggio{Icona::Critica, Pulsanti::Ok, "Importante",
                   "Attenzione costo colonna non valido: da 0 a " +
                       FormattaEuro(COSTO_COLONNA_MASSIMO, formato, "###,###,##0.00") +
                       " euro, con al massimo due decimali"};
}

void SalvaImpostazioni(const std::string& file, Centesimi costo, const std::string& intestazione,
                       const std::string& stampante) {
  const classINI ini(file);
  ini.setProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_COSTO_COLONNA, std::to_string(costo));
  ini.setProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_INTESTAZIONE, intestazione);
  ini.setProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_STAMPANTE, stampante);
}

}  // namespace tlx
