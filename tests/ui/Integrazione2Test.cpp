// The reduced-systems window beside the main window's development, and the
// count bars it shares with the listing window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "ui/FinestraPrincipale.h"
#include "ui/printing/frmRidottiRandom.h"
#include "ui/printing/frmTabulato.h"

namespace tlx::ui {
namespace {

using prova::FinestraPrincipale;

class Integrazione2 : public ::testing::Test {
 protected:
  QToolButton* Pulsante(const char* nome) { return f.finestra->findChild<QToolButton*>(nome); }
  static QWidgetList Ridotti() {
    QWidgetList aperte = QApplication::topLevelWidgets();
    aperte.removeIf([](QWidget* w) { return !qobject_cast<frmRidottiRandom*>(w) || !w->isVisible(); });
    return aperte;
  }

  FinestraPrincipale f;
};

// The reduced-systems window: one however often its button is pressed,
// modeless and no child of the main window, so usable beside a development;
// closing it meanwhile must not give the main window back before the
// development ends.
TEST_F(Integrazione2, ChiudereIRidottiDuranteUnoSviluppoNonSbloccaLaFinestraPrincipale) {
  for (int volte = 0; volte < 2; ++volte) Pulsante("cmdRidotti")->click();
  ASSERT_EQ(Ridotti().size(), 1);
  for (int n = 1; n <= 30; ++n) f.Scegli({n});
  bool chiusa = false, usabile = false, abilitataDurante = true;
  QTimer::singleShot(0, [&] {
    usabile = Ridotti()[0]->isEnabled() && !Ridotti()[0]->isModal();
    Ridotti()[0]->close();
    chiusa = true;
    abilitataDurante = f.finestra->isEnabled();
  });
  Pulsante("cmdCalcolo")->click();
  ASSERT_TRUE(chiusa);
  EXPECT_EQ(std::tuple(usabile, abilitataDurante, f.finestra->isEnabled(), f.sistema->NumeroColonne),
            std::tuple(true, false, true, 142506));
}

// The count bars of the reduced systems and of the listing's copies: the
// upper end is the highest count, and every way of moving the bar agrees
// with it: the arrows (also next to either end), a click in the groove, the
// keys and the wheel.
TEST_F(Integrazione2, LeBarreDeiConteggiSalgonoVersoLAlto) {
  Pulsante("cmdRidotti")->click();
  frmTabulato tabulato(*f.sistema, [] { return QString(); }, [] {});
  tabulato.show();
  for (QScrollBar* b : {Ridotti()[0]->findChild<QScrollBar*>("scrollNsis"), tabulato.findChild<QScrollBar*>("VsCopie")}) {
    SCOPED_TRACE(b->objectName().toStdString());
    b->setFixedHeight(160);  // room for a groove beside the thumb, as some desktop styles leave
    QStyleOptionSlider opzioni;
    opzioni.initFrom(b);
    opzioni.orientation = Qt::Vertical;
    opzioni.minimum = b->minimum();
    opzioni.maximum = b->maximum();
    opzioni.subControls = QStyle::SC_All;
    opzioni.upsideDown = b->invertedAppearance();
    opzioni.sliderPosition = opzioni.sliderValue = 5;
    opzioni.pageStep = b->pageStep();
    const auto centro = [&](QStyle::SubControl parte) {
      return b->style()->subControlRect(QStyle::CC_ScrollBar, &opzioni, parte, b).center();
    };
    const QPoint su = centro(QStyle::SC_ScrollBarSubLine), giu = centro(QStyle::SC_ScrollBarAddLine);
    const QPoint sopraIlCursore = centro(QStyle::SC_ScrollBarSubPage);
    ASSERT_TRUE(su.y() < sopraIlCursore.y() && sopraIlCursore.y() < giu.y());
    const auto clic = [b](QPoint punto) { return [b, punto] { QTest::mouseClick(b, Qt::LeftButton, {}, punto); }; };
    const auto rotella = [b, su] {
      QWheelEvent e(QPointF(su), b->mapToGlobal(QPointF(su)), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
      QApplication::sendEvent(b, &e);
    };
    // The value before, a move, the value after.
    const std::tuple<int, std::function<void()>, int> mosse[] = {
        {5, clic(su), 6}, {5, clic(giu), 4}, {5, [b] { QTest::keyClick(b, Qt::Key_Up); }, 6}, {5, rotella, 8},
        {b->minimum(), clic(su), b->minimum() + 1}, {b->maximum(), clic(giu), b->maximum() - 1},
        {b->maximum(), clic(su), b->maximum()}};
    for (const auto& [prima, mossa, dopo] : mosse) {
      b->setValue(prima);
      mossa();
      EXPECT_EQ(b->value(), dopo) << prima;
    }
    b->setValue(5);
    clic(sopraIlCursore)();
    EXPECT_GT(b->value(), 5) << "a click in the groove above the thumb";
    opzioni.sliderPosition = opzioni.sliderValue = b->maximum();
    EXPECT_LT(centro(QStyle::SC_ScrollBarSlider).y(), b->height() / 2) << "the thumb high for the highest count";
  }
}

}  // namespace
}  // namespace tlx::ui
