#pragma once
// The toggle-label grids as a user's mouse drives them, for the window tests.

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <vector>

#include "ui/widgets/GrigliaEtichette.h"

namespace tlx::ui::prova {

inline std::vector<int> Selezionate(const GrigliaEtichette* g) {
  std::vector<int> s;
  for (int i = g->Primo(); i <= g->Ultimo(); ++i)
    if (g->Selezionata(i)) s.push_back(i);
  return s;
}

// One press on the first label, a move over each of the others and the
// release on the last, through the window system; the labels may lie in
// different grids of one window.
using Etichetta = std::pair<const GrigliaEtichette*, int>;
inline void Trascina(const std::vector<Etichetta>& etichette) {
  QWidget* finestra = etichette.front().first->window();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(finestra));
  std::vector<QPoint> punti;
  for (auto [g, i] : etichette) punti.push_back(g->Etichetta(i)->mapTo(finestra, g->Etichetta(i)->rect().center()));
  QWindow* w = finestra->windowHandle();
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, punti.front());
  for (size_t i = 1; i < punti.size(); ++i) QTest::mouseMove(w, punti[i]);
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, punti.back());
}
inline void Trascina(const GrigliaEtichette* g, std::initializer_list<int> etichette) {
  std::vector<Etichetta> e;
  for (int i : etichette) e.emplace_back(g, i);
  Trascina(e);
}

}  // namespace tlx::ui::prova
