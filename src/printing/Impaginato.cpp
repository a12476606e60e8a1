#include "printing/Impaginato.h"

namespace tlx {

namespace {
void ImpostaCarattere(Stampante& p, const Carattere& c) {
  p.ImpostaFont(c.nome);
  p.ImpostaDimensioneFont(c.punti);
  p.ImpostaGrassetto(c.grassetto);
}
}  // namespace

std::string RigaTesto::Testo() const {
  std::string t;
  for (const Segmento& s : segmenti) t += s.testo;
  return t;
}

double MetricaStampante::AltezzaRiga(const Carattere& carattere) const {
  ImpostaCarattere(p_, carattere);
  return p_.AltezzaRiga();
}

double MetricaStampante::Larghezza(const Carattere& carattere, const std::string& testo) const {
  ImpostaCarattere(p_, carattere);
  return p_.LarghezzaTesto(testo);
}

void StampaPagina(Stampante& p, const Pagina& pagina, const std::function<std::string(Figura)>& percorso) {
  p.ImpostaRiempimento(StileRiempimento::Trasparente);
  for (const Riquadro& r : pagina.riquadri) {
    p.ImpostaSpessoreTratto(r.spessore);
    p.Riquadro(r.x1, r.y1, r.x2, r.y2, r.colore);
  }
  p.ImpostaSpessoreTratto(1);
  for (const Immagine& i : pagina.immagini) p.Immagine(percorso(i.figura), i.x, i.y);
  for (const RigaTesto& riga : pagina.righe) {
    p.ImpostaColoreTesto(riga.colore);
    p.ImpostaX(riga.x);
    p.ImpostaY(riga.y);
    for (const Segmento& s : riga.segmenti) {
      ImpostaCarattere(p, s.carattere);
      p.Stampa(s.testo, false);
    }
  }
  p.ImpostaColoreTesto(COLORE_NERO);
}

}  // namespace tlx
