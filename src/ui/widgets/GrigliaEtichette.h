#pragma once
// A row or grid of toggle labels, captioned with two-digit numbers. A label
// is selected when its "Tag" property is "1" and not when it is "0".
//
// Drag painting: the labels are transparent for the mouse and the grid
// handles it. A press on a label activates it; while the button is held,
// every label the pointer enters activates once more, also in the other
// toggle-label grids of the same window, so one sweep paints across groups.
// Activating only signals: the owner decides whether the label toggles.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class QLabel;

namespace tlx::ui {

class PitturaTrascinamento;

class GrigliaEtichette : public QWidget {
  Q_OBJECT
 public:
  // Labels for the indexes primo..ultimo, perRiga to a row, each captioned
  // with its index plus scartoDidascalia formatted "00".
  GrigliaEtichette(int primo, int ultimo, int perRiga, int scartoDidascalia = 0, QWidget* parent = nullptr);
  ~GrigliaEtichette() override;

  int Primo() const { return primo_; }
  int Ultimo() const { return primo_ + static_cast<int>(etichette_.size()) - 1; }
  QLabel* Etichetta(int indice) const;

  bool Selezionata(int indice) const;
  // Tag "1" with the selected colours, or Tag "0" with white back and black
  // text.
  void Seleziona(int indice, bool selezionata);
  void Inverti(int indice) { Seleziona(indice, !Selezionata(indice)); }
  // The selected colours of this grid (red back, white text unless set).
  void ImpostaColoriSelezione(uint32_t sfondo, uint32_t testo);
  void Colora(int indice, uint32_t sfondo, uint32_t testo);
  // The inert look of a label that ignores clicks: light grey italic text.
  void Ingrigisci(int indice);

  // The label (as an index of this grid) under a point of the grid, or -1.
  int EtichettaIn(QPoint punto) const;

 signals:
  void etichettaAttivata(int indice);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  // Grids of the window that a sweep started here may paint, taken at the press.
  std::vector<QPointer<GrigliaEtichette>> gruppi_;
  int CercaNelGruppo(QPoint puntoLocale) const;

  int primo_;
  std::vector<QLabel*> etichette_;
  uint32_t sfondoSelezione_;
  uint32_t testoSelezione_;
  std::unique_ptr<PitturaTrascinamento> pittura_;
};

}  // namespace tlx::ui
