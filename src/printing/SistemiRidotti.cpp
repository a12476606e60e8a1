#include "printing/SistemiRidotti.h"

namespace tlx {

namespace {
constexpr double LATO_MARCATORE = 4.0;
constexpr int16_t SOLO_RIQUADRO = 9999;

const Carattere kPiccolo{"Arial", 8, false};
const Carattere kGrande{"Arial", 24, false};

// The top-left corner of number m's box on a one-panel slip: 1..5 in the
// last five places of the first row, then rows of ten from kLeft.
std::pair<double, double> PosizioneNumero(int m, const TaraturaScheda& t) {
  if (m <= 5) return {t.kLeft + (5 + m - 1) * t.kX, t.kTop};
  return {t.kLeft + ((m - 6) % 10) * t.kX, t.kTop + ((m - 6) / 10 + 1) * t.kY};
}
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

std::string EtichettaAvanzamento(int numeroScheda) { return "Scheda n. " + Formatta(numeroScheda, "00000"); }

Pagina ImpaginaSchedaRidotto(const DatiSchedaRidotto& dati, const TaraturaScheda& t, const MetricaRighe& metrica) {
  Pagina p;
  p.righe.push_back({t.kWebX, t.kWebY, {{dati.intestazione, kPiccolo}}});

  for (uint8_t numero : dati.numeri) {
    const auto [x, y] = PosizioneNumero(numero, t);
    p.riquadri.push_back({x, y, x + LATO_MARCATORE, y + LATO_MARCATORE, true});
    // The number sits on a filled square: printed in white it stays legible.
    if (t.Marcatore != SOLO_RIQUADRO) p.righe.push_back({x, y, {{Formatta(numero, "00"), kPiccolo}}, 0xFFFFFF});
  }
  const double xExtra = t.kLeft + 9 * t.kX - 2;
  const double yExtra = t.kTop + 8 * t.kY - 2;
  p.riquadri.push_back({xExtra, yExtra, xExtra + LATO_MARCATORE, yExtra + LATO_MARCATORE, true});

  const double altezzaGrande = metrica.AltezzaRiga(kGrande);
  double y = t.kNomeY;
  p.righe.push_back({t.kNomeX, y, {{"SISTEMA RIDOTTO", kGrande}}});
  y += altezzaGrande;
  const Centesimi prezzo = CostoSistema(dati.costoColonna, ColonneRidotto(static_cast<int>(dati.numeri.size())));
  p.righe.push_back({t.kNomeX,
                     y,
                     {{"Scheda n. " + Formatta(dati.numeroScheda, "##,#00", dati.formato), kPiccolo},
                      {FormattaScalato(prezzo, 2, "   € #,##0.00", dati.formato), kGrande}}});
  y += altezzaGrande;  // the line ends in the large font
  p.righe.push_back({t.kNomeX, y, {{std::string("TremaluxorQVX by Velmora - ") + INDIRIZZO_WEB_STAMPA, kPiccolo}}});
  return p;
}

}  // namespace tlx
