// The print windows, the random reduced systems and the main window's lock
// states used together, as a user moves between them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QToolButton>

#include "ui/FinestraPrincipale.h"
#include "ui/printing/frmRidottiRandom.h"

namespace tlx::ui {
namespace {

using prova::FinestraPrincipale;

class Integrazione2 : public ::testing::Test {
 protected:
  Sistema& s() { return *f.sistema; }
  QToolButton* Pulsante(const char* nome) { return f.finestra->findChild<QToolButton*>(nome); }
  static frmRidottiRandom* Ridotti() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* r = qobject_cast<frmRidottiRandom*>(w)) return r;
    return nullptr;
  }

  FinestraPrincipale f;
};

// The reduced-systems window stays usable beside a development; closing it
// meanwhile must not give the main window back before the development ends.
TEST_F(Integrazione2, ChiudereIRidottiDuranteUnoSviluppoNonSbloccaLaFinestraPrincipale) {
  Pulsante("cmdRidotti")->click();
  ASSERT_NE(Ridotti(), nullptr);
  for (int n = 1; n <= 30; ++n) f.Scegli({n});
  bool chiusa = false, abilitataDurante = true;
  QTimer::singleShot(0, [&] {
    Ridotti()->close();
    chiusa = true;
    abilitataDurante = f.finestra->isEnabled();
  });
  Pulsante("cmdCalcolo")->click();
  ASSERT_TRUE(chiusa);
  EXPECT_FALSE(abilitataDurante);
  EXPECT_TRUE(f.finestra->isEnabled());
  EXPECT_EQ(s().NumeroColonne, 142506);
}

}  // namespace
}  // namespace tlx::ui
