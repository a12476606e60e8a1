#pragma once
// Drag painting: one press of the mouse and the sweep that follows, turned
// into "entered" calls. The press enters the item under it; while the button
// is held, each item the pointer enters is entered once, and not again while
// the pointer stays on it. A gap between items forgets the last one, so
// sweeping back over an item enters it again. Moves are followed in small
// steps, so a fast sweep skips no item on its way.
//
// The owner hit-tests (an item key, -1 for none) and decides what entering
// means (toggle, or nothing for an inert item).

#include <QPoint>
#include <functional>

namespace tlx::ui {

class PitturaTrascinamento {
 public:
  using Cerca = std::function<int(QPoint)>;
  using Entra = std::function<void(int)>;

  PitturaTrascinamento(Cerca cerca, Entra entra) : cerca_(std::move(cerca)), entra_(std::move(entra)) {}

  void Premi(QPoint punto);
  // Moves without a press in progress are ignored.
  void Muovi(QPoint punto);
  void Rilascia();
  bool InCorso() const { return inCorso_; }

 private:
  void Visita(QPoint punto);

  Cerca cerca_;
  Entra entra_;
  bool inCorso_ = false;
  QPoint ultimoPunto_;
  int ultimo_ = -1;
};

}  // namespace tlx::ui
