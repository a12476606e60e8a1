#include "core/Impostazioni.h"

#include <array>
#include <charconv>
#include <cmath>

#include "core/Denaro.h"
#include "core/Errori.h"
#include "support/IniFile.h"

namespace tlx {

namespace {

constexpr std::string_view COSTO_PREDEFINITO = "100";
constexpr int ERRORE_OVERFLOW = 6;
// A cost of a column is a few euro: past this many hundredths the text
// would no longer be an ordinary decimal number.
constexpr double MAX_CENTESIMI = 1e15;

// The hundredths with at most four decimals and no trailing zeros: 150,
// 125,5 (a typed 1,255), never the float noise of the multiplication.
std::string TestoCentesimi(double centesimi, const FormatoNumeri& formato) {
  std::array<char, 64> cifre{};
  const std::to_chars_result scritto =
      std::to_chars(cifre.data(), cifre.data() + cifre.size(), centesimi, std::chars_format::fixed, 4);
  std::string testo(cifre.data(), scritto.ptr);
  testo.erase(testo.find_last_not_of('0') + 1);
  if (testo.ends_with('.')) testo.pop_back();
  if (const size_t punto = testo.find('.'); punto != std::string::npos)
    testo.replace(punto, 1, formato.separatoreDecimale);
  return testo;
}

}  // namespace

void ReadConfiguration(Sistema& s, const FormatoNumeri& formato) {
  const classINI ini(s.FileImpostazioni);
  s.CostoColonna =
      CentesimiDaTesto(ini.getProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_COSTO_COLONNA, COSTO_PREDEFINITO), formato).value_or(0);
  s.IntestazioneStampa = ini.getProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_INTESTAZIONE, INTESTAZIONE_PREDEFINITA);
  s.StampanteTabulato = ini.getProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_STAMPANTE, NESSUNA_STAMPANTE);
  s.ModalitaRicalcolo = FALSO;
}

void SalvaImpostazioni(const std::string& file, const std::string& costoTesto, const std::string& intestazione,
                       const std::string& stampante, const FormatoNumeri& formato) {
  double costo = 0;
  if (!LeggiNumero(costoTesto, formato, costo) || std::isnan(costo))
    throw ErroreRuntime(errore::TypeMismatch, "Type mismatch");
  const double centesimi = costo * 100;
  if (!(std::fabs(centesimi) < MAX_CENTESIMI)) throw ErroreRuntime(ERRORE_OVERFLOW, "Overflow");

  const classINI ini(file);
  ini.setProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_COSTO_COLONNA, TestoCentesimi(centesimi, formato));
  ini.setProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_INTESTAZIONE, intestazione);
  ini.setProperty(SEZIONE_IMPOSTAZIONI, CHIAVE_STAMPANTE, stampante);
}

}  // namespace tlx
