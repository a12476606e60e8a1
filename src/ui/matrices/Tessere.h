#pragma once
// Tiles that show chosen numbers in an order the player arranges: drag a
// tile onto another to swap their numbers (both turn yellow), or shuffle
// them (the moved tiles take the next colour of a cycle of five). Only
// active tiles take part; inactive ones are hidden.

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <span>
#include <vector>

class QLabel;

namespace tlx::ui {

class Tessere : public QWidget {
  Q_OBJECT
 public:
  // The lettering colours of shuffled tiles, in cycling order; the first is
  // also the colour of swapped tiles.
  static const QColor ColoriMescola[5];
  static const QColor FONDO_ATTIVA;
  static const QColor LETTERE_ATTIVA;

  // `quante` tiles, `perRiga` to a row, named `nome` followed by the index,
  // lettering of `punti` points.
  Tessere(const QString& nome, int quante, int perRiga, qreal punti, QWidget* parent = nullptr);

  // The first numeri.size() tiles become active, each showing its number in
  // white; the others are hidden. The colour cycle starts again.
  void Mostra(std::span<const uint8_t> numeri);
  // The numbers of the active tiles, in tile order.
  std::vector<uint8_t> Numeri() const;

  QLabel* Tessera(int i) const { return tessere_[static_cast<size_t>(i)]; }
  QColor ColoreLettere(int i) const { return colori_[static_cast<size_t>(i)]; }
  // The tile under a point of this widget, -1 for none.
  int TesseraIn(const QPoint& punto) const;

  // A drop of tile `sorgente` on tile `destinazione`: swaps their numbers
  // when both are active and different. True when it swapped.
  bool Scambia(int sorgente, int destinazione);
  // Ten exchanges per active tile, drawn from `seme`, in the next colour.
  void Mescola(uint32_t seme);

 signals:
  // The number being dragged while the pointer is over a tile; "" otherwise.
  void trascinamento(const QString& numero);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Stile(int i);

  std::vector<QLabel*> tessere_;
  std::vector<uint8_t> numeri_;
  std::vector<QColor> colori_;
  int attive_ = 0;
  int indiceColore_ = 0;
  int sorgente_ = -1;  // the tile being dragged
};

}  // namespace tlx::ui
