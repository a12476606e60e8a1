#pragma once
// The toggle-label grids as a user's mouse drives them, for the window tests.

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <vector>

#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui::prova {

inline std::vector<int> Selezionate(const GrigliaEtichette* g) {
  std::vector<int> s;
  for (int i = g->Primo(); i <= g->Ultimo(); ++i)
    if (g->Selezionata(i)) s.push_back(i);
  return s;
}

// The centre of label i of the grid, in the window's coordinates.
inline QPoint Centro(const QWidget& finestra, const GrigliaEtichette* g, int i) {
  return g->Etichetta(i)->mapTo(&finestra, g->Etichetta(i)->rect().center());
}

// One press at the first point, a move to each of the others and the release
// at the last, through the window system.
inline void Trascina(QWidget& finestra, const std::vector<QPoint>& punti) {
  QWindow* w = finestra.windowHandle();
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, punti.front());
  for (size_t i = 1; i < punti.size(); ++i) QTest::mouseMove(w, punti[i]);
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, punti.back());
}

}  // namespace tlx::ui::prova
