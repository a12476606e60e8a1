#include "printing/StampanteRegistrata.h"

#include <algorithm>

#include "core/Errori.h"

namespace tlx {

namespace {
double Caratteri(std::string_view testo) {
  return static_cast<double>(std::ranges::count_if(testo, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
}  // namespace

std::vector<OperazioneStampa> PaginaRegistrata::Di(OperazioneStampa::Tipo tipo) const {
  std::vector<OperazioneStampa> scelte;
  std::ranges::copy_if(operazioni, std::back_inserter(scelte), [tipo](const OperazioneStampa& o) { return o.tipo == tipo; });
  return scelte;
}

std::vector<std::string> PaginaRegistrata::Testi() const {
  std::vector<std::string> testi;
  for (const OperazioneStampa& o : Di(OperazioneStampa::Tipo::Testo)) testi.push_back(o.testo);
  return testi;
}

std::optional<OperazioneStampa> PaginaRegistrata::Testo(std::string_view inizio) const {
  for (const OperazioneStampa& o : operazioni)
    if (o.tipo == OperazioneStampa::Tipo::Testo && o.testo.starts_with(inizio)) return o;
  return std::nullopt;
}

double StampanteRegistrata::LarghezzaMm(std::string_view testo) const {
  return Caratteri(testo) * LARGHEZZA_CARATTERE * DimensioneFont() * MM_PER_PUNTO;
}

double StampanteRegistrata::AltezzaRigaMm() const { return INTERLINEA * DimensioneFont() * MM_PER_PUNTO; }

void StampanteRegistrata::Registra(OperazioneStampa op) {
  if (guastoDopo_ && operazioni_ >= *guastoDopo_) throw ErroreRuntime(ERRORE_STAMPANTE, "Printer error");
  ++operazioni_;
  if (!aperto_) {
    aperto_ = DocumentoRegistrato{corrente_, Qualita(), {}};
    aperto_->pagine.emplace_back();
    pagineInSospeso_ = 0;
  }
  // A new page is started only when something is drawn on it, so that an
  // end of document right after a page end prints no blank page.
  for (; pagineInSospeso_ > 0; --pagineInSospeso_) aperto_->pagine.emplace_back();
  op.font = FontNome();
  op.punti = DimensioneFont();
  op.grassetto = Grassetto();
  op.riempimento = Riempimento();
  op.spessore = SpessoreTratto();
  op.coloreRiempimento = ColoreRiempimento();
  aperto_->pagine.back().operazioni.push_back(std::move(op));
}

void StampanteRegistrata::DisegnaTesto(double x, double y, std::string_view testo) {
  OperazioneStampa op;
  op.tipo = OperazioneStampa::Tipo::Testo;
  op.x = x;
  op.y = y;
  op.testo = std::string(testo);
  op.colore = ColoreTesto();
  Registra(std::move(op));
}

void StampanteRegistrata::DisegnaRiquadro(double x1, double y1, double x2, double y2, int32_t colore) {
  OperazioneStampa op;
  op.tipo = OperazioneStampa::Tipo::Riquadro;
  op.x = x1;
  op.y = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.colore = colore;
  Registra(std::move(op));
}

void StampanteRegistrata::DisegnaImmagine(const std::string& percorso, double x, double y) {
  OperazioneStampa op;
  op.tipo = OperazioneStampa::Tipo::Immagine;
  op.x = x;
  op.y = y;
  op.testo = percorso;
  Registra(std::move(op));
}

void StampanteRegistrata::ChiudiPagina() {
  if (aperto_) ++pagineInSospeso_;
}

void StampanteRegistrata::ChiudiDocumento() {
  pagineInSospeso_ = 0;
  if (!aperto_) return;
  finiti_.push_back(std::move(*aperto_));
  aperto_.reset();
}

}  // namespace tlx
