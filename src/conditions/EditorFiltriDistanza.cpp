#include "conditions/EditorFiltriDistanza.h"

#include <algorithm>
#include <span>
#include <vector>

#include "conditions/Compattazione.h"

namespace tlx {

void CompattaFiltriDistanza(Sistema& s) {
  s.NumeroFiltriDistanza = static_cast<uint8_t>(CompattaAttivi(std::span(s.FiltriDistanza)));
}

DistanzePossibili CalcolaDistanzePossibili(const std::array<uint8_t, NUMERI>& NumeriScelti) {
  std::vector<int> p;
  for (int n = 1; n <= NUMERI; ++n)
    if (NumeriScelti[static_cast<size_t>(n - 1)] == 1) p.push_back(n);
  DistanzePossibili d;
  const size_t n = p.size();
  if (n < 5) return d;
  d.minima = DistanzePossibili::MAX_DISTANZA;
  for (size_t i = 0; i + 1 < n; ++i) d.minima = std::min(d.minima, p[i + 1] - p[i]);
  for (size_t i = 0; i < 4; ++i) d.massima = std::max(d.massima, p[n - 4 + i] - p[i]);
  return d;
}

EditorFiltriDistanza::EditorFiltriDistanza(Sistema& s)
    : EditorAPannelli(MAX_FILTRI_DISTANZA, PASSO_LUNGO),
      s_(s),
      distanze_(CalcolaDistanzePossibili(s.NumeriScelti)),
      contaAttivi_(std::min<int32_t>(s.NumeroFiltriDistanza, MAX_FILTRI_DISTANZA)) {
  MostraCorrente();
}

// Only the four pairs a column has are shown: an entry naming no pair, from
// a damaged file, is dropped when the panel is saved.
void EditorFiltriDistanza::Mostra(const RecordDistanza& r) {
  coppie_.fill(false);
  for (size_t k = 1; k <= COPPIE; ++k)
    if (r.Coppie[k] >= 1 && r.Coppie[k] <= COPPIE) coppie_[r.Coppie[k]] = true;
  for (size_t g = 1; g <= MAX_DISTANZA; ++g) {
    minime_[g] = Vero(r.MinOk[g]);
    massime_[g] = Vero(r.MaxOk[g]);
  }
  attivo_ = Vero(r.Attivo);
}

RecordDistanza EditorFiltriDistanza::LeggiFiltroDistanza() const {
  RecordDistanza r;
  for (uint8_t p = 1; p <= COPPIE; ++p)
    if (coppie_[p]) r.Coppie[++r.NumeroCoppie] = p;
  for (size_t g = 1; g <= MAX_DISTANZA; ++g) {
    r.MinOk[g] = ComeFlag(minime_[g]);
    r.MaxOk[g] = ComeFlag(massime_[g]);
    r.MinAttivo = static_cast<uint8_t>(r.MinAttivo + (minime_[g] ? 1 : 0));
    r.MaxAttivo = static_cast<uint8_t>(r.MaxAttivo + (massime_[g] ? 1 : 0));
  }
  r.Attivo = ComeFlag(attivo_);
  return r;
}

void EditorFiltriDistanza::CambiaCoppia(int p) {
  if (Modificabile() && p >= 1 && p <= COPPIE) coppie_[static_cast<size_t>(p)] ^= true;
}

void EditorFiltriDistanza::CambiaMinima(int g) {
  if (Modificabile() && g >= 1 && g <= MAX_DISTANZA) minime_[static_cast<size_t>(g)] ^= true;
}

void EditorFiltriDistanza::CambiaMassima(int g) {
  if (Modificabile() && g >= 1 && g <= MAX_DISTANZA) massime_[static_cast<size_t>(g)] ^= true;
}

void EditorFiltriDistanza::ImpostaAttivo(bool on) {
  if (!Modificabile() || on == attivo_) return;
  attivo_ = on;
  contaAttivi_ += on ? 1 : -1;
}

void EditorFiltriDistanza::Cancella() {
  if (!Modificabile()) return;
  if (attivo_) --contaAttivi_;
  Mostra(RecordDistanza{});
}

void EditorFiltriDistanza::Compatta() {
  CompattaFiltriDistanza(s_);
  contaAttivi_ = s_.NumeroFiltriDistanza;
}

}  // namespace tlx
