#include "printing/SistemiRidotti.h"

#include "core/Sistema.h"
#include "printing/Schede.h"

namespace tlx {

namespace {
constexpr double PUNTI_TESTI = 8;
constexpr double PUNTI_GRANDI = 24;
}  // namespace

int ColonneRidotto(int numeri) {
  switch (numeri) {
    case 6: return 2;
    case 7: return 3;
    case 8: return 5;
    case 9: return 10;
    default: return 0;
  }
}

std::vector<std::vector<uint8_t>> GeneraRidottiCasuali(int massimo, int numeri, int sistemi, std::mt19937& generatore) {
  if (massimo < 1 || massimo > 255 || numeri < 1 || numeri > massimo || sistemi < 1) return {};
  std::uniform_int_distribution<int> estrazione(1, massimo);
  std::vector<std::vector<uint8_t>> tabella(static_cast<size_t>(sistemi));
  for (auto& sistema : tabella) {
    std::vector<bool> usato(static_cast<size_t>(massimo) + 1);
    while (sistema.size() < static_cast<size_t>(numeri)) {
      const int x = estrazione(generatore);
      if (usato[static_cast<size_t>(x)]) continue;
      usato[static_cast<size_t>(x)] = true;
      sistema.push_back(static_cast<uint8_t>(x));
    }
  }
  return tabella;
}

void StampaPaginaRidotto(Stampante& p, const TaraturaScheda& t, const DatiSchedaRidotto& dati) {
  const TipoScheda tipo = DatiTipoScheda(LayoutScheda::Ridotti);
  ImpostaPaginaScheda(p, StileRiempimento::Pieno, t.Qualita);
  p.ImpostaX(t.kWebX);
  p.ImpostaY(t.kWebY);
  p.ImpostaDimensioneFont(PUNTI_TESTI);
  p.Stampa(dati.intestazione, true);

  p.ImpostaDimensioneFont(tipo.puntiNumeri);
  Segni segni{};
  for (uint8_t n : dati.numeri)
    if (n >= 1 && n <= NUMERI) segni[n] = true;
  DisegnaPannello(p, t, InizioPannello(t, LayoutScheda::Ridotti, 1), segni, tipo.lato);
  DisegnaCasellaExtra(p, t);

  p.ImpostaX(t.kNomeX);
  p.ImpostaY(t.kNomeY);
  p.ImpostaDimensioneFont(PUNTI_GRANDI);
  p.Stampa("SISTEMA RIDOTTO", true);
  p.ImpostaX(t.kNomeX);
  p.ImpostaDimensioneFont(PUNTI_TESTI);
  p.Stampa("Scheda n. " + Formatta(dati.numeroScheda, "##,#00", dati.formato), false);
  p.ImpostaDimensioneFont(PUNTI_GRANDI);
  const Centesimi prezzo = CostoSistema(dati.costoColonna, ColonneRidotto(static_cast<int>(dati.numeri.size())));
  p.Stampa(TestoImportoScheda(prezzo, dati.formato), true);
  p.ImpostaDimensioneFont(PUNTI_TESTI);
  p.ImpostaX(t.kNomeX);
  p.Stampa(PIEDE_SCHEDA, true);
}

}  // namespace tlx
