#pragma once
// What the ordering and crossword windows share: the chosen numbers on tiles
// in a frame, the number being dragged shown beside them, and the button
// that shuffles them.

#include <QDialog>

#include "core/Sistema.h"

class QFrame;
class QLabel;
class QToolButton;

namespace tlx::ui {

class Tessere;

class FinestraTessere : public QDialog {
  Q_OBJECT
 public:
  Tessere* tessere() const { return tessere_; }
  void MescolaNumeri();

 protected:
  // `quante` tiles named `nomeTessere`, `perRiga` a row, their text in
  // `punti` points; the shuffle button's picture and side in pixels.
  FinestraTessere(Sistema& sistema, const QString& nomeTessere, int quante, int perRiga, qreal punti, int latoIcona,
                  int latoPulsante, QWidget* parent);
  // Once the layout is built and the tiles shown: sized and centred.
  void Completa();

  Sistema& sistema_;
  QFrame* frameOrdinePronostico_ = nullptr;
  Tessere* tessere_ = nullptr;
  QLabel* l1_ = nullptr;
  QToolButton* mescola_ = nullptr;
};

}  // namespace tlx::ui
