#include "ui/widgets/PitturaTrascinamento.h"

#include <algorithm>
#include <cstdlib>

namespace tlx::ui {

namespace {
// Smaller than any gap between two items, so no item is jumped over.
constexpr int kPasso = 2;
}  // namespace

void PitturaTrascinamento::Premi(QPoint punto) {
  inCorso_ = true;
  ultimoPunto_ = punto;
  ultimo_ = -1;
  Visita(punto);
}

void PitturaTrascinamento::Muovi(QPoint punto) {
  if (!inCorso_) return;
  const QPoint delta = punto - ultimoPunto_;
  const int passi = std::max(1, std::max(std::abs(delta.x()), std::abs(delta.y())) / kPasso);
  const QPoint partenza = ultimoPunto_;
  for (int i = 1; i <= passi && inCorso_; ++i) Visita(partenza + delta * i / passi);
  ultimoPunto_ = punto;
}

void PitturaTrascinamento::Rilascia() {
  inCorso_ = false;
  ultimo_ = -1;
}

void PitturaTrascinamento::Visita(QPoint punto) {
  const int elemento = cerca_(punto);
  if (elemento == ultimo_) return;
  ultimo_ = elemento;
  if (elemento >= 0) entra_(elemento);
}

}  // namespace tlx::ui
