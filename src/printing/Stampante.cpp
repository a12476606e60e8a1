#include "printing/Stampante.h"

#include <algorithm>

namespace tlx {

namespace {
constexpr double MM_PER_TWIP = MM_PER_POLLICE / TWIP_PER_POLLICE;
}

bool Stampante::Seleziona(std::string_view nome) {
  if (occupata_) return false;
  const auto installate = Installate();
  const auto trovata = std::ranges::find(installate, nome);
  if (trovata == installate.end()) return false;
  ImpostaCorrente(*trovata);
  return true;
}

double Stampante::InMm(double v) const { return unita_ == UnitaStampa::Twip ? v * MM_PER_TWIP : v; }
double Stampante::DaMm(double mm) const { return unita_ == UnitaStampa::Twip ? mm / MM_PER_TWIP : mm; }

void Stampante::ImpostaUnita(UnitaStampa u) { unita_ = u; }

void Stampante::Stampa(std::string_view testo, bool aCapo) {
  DisegnaTesto(xMm_, yMm_, testo);
  if (aCapo) {
    xMm_ = 0;
    yMm_ += AltezzaRigaMm();
  } else {
    xMm_ += LarghezzaMm(testo);
  }
}

void Stampante::Riquadro(double x1, double y1, double x2, double y2, int32_t colore) {
  DisegnaRiquadro(InMm(x1), InMm(y1), InMm(x2), InMm(y2), colore);
}

void Stampante::Immagine(const std::string& percorso, double x, double y) {
  DisegnaImmagine(percorso, InMm(x), InMm(y));
}

void Stampante::NuovaPagina() {
  ChiudiPagina();
  ++pagina_;
  xMm_ = 0;
  yMm_ = 0;
}

void Stampante::FineDocumento() {
  // The page count restarts even when the printer refuses the document.
  pagina_ = 1;
  xMm_ = 0;
  yMm_ = 0;
  ChiudiDocumento();
}

}  // namespace tlx
