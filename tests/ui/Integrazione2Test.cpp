// The print windows, the random reduced systems and the main window's lock
// states used together, as a user moves between them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "ui/FinestraPrincipale.h"
#include "platform/StampanteQt.h"
#include "printing/Tabulato.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/printing/frmRidottiRandom.h"
#include "ui/printing/frmTabulato.h"

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

// The count bars of the reduced systems and of the listing's copies: the
// upper end is the highest count, and every way of moving the bar agrees
// with it: the arrows, a click in the groove, the keys and the wheel.
TEST_F(Integrazione2, LeBarreDeiConteggiSalgonoVersoLAlto) {
  Pulsante("cmdRidotti")->click();
  frmTabulato tabulato(s(), [] { return QString(); }, [] {});
  tabulato.show();
  QScrollBar* barre[] = {Ridotti()->findChild<QScrollBar*>("scrollNsis"), tabulato.findChild<QScrollBar*>("VsCopie")};
  for (QScrollBar* b : barre) {
    SCOPED_TRACE(b->objectName().toStdString());
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
    ASSERT_LT(su.y(), sopraIlCursore.y());
    ASSERT_LT(sopraIlCursore.y(), giu.y());
    const auto dopo = [&](const std::function<void()>& azione) {
      b->setValue(5);
      azione();
      return b->value();
    };
    EXPECT_EQ(dopo([&] { QTest::mouseClick(b, Qt::LeftButton, {}, su); }), 6);
    EXPECT_EQ(dopo([&] { QTest::mouseClick(b, Qt::LeftButton, {}, giu); }), 4);
    EXPECT_GT(dopo([&] { QTest::mouseClick(b, Qt::LeftButton, {}, sopraIlCursore); }), 5);
    EXPECT_EQ(dopo([&] { QTest::keyClick(b, Qt::Key_Up); }), 6);
    EXPECT_EQ(dopo([&] {
                QWheelEvent rotella(QPointF(su), b->mapToGlobal(QPointF(su)), QPoint(), QPoint(0, 120), Qt::NoButton,
                                    Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(b, &rotella);
              }),
              8);
    // From the lowest count the upper arrow raises it, from the highest the
    // lower arrow lowers it; at the top the upper arrow changes nothing.
    b->setValue(b->minimum());
    QTest::mouseClick(b, Qt::LeftButton, {}, su);
    EXPECT_EQ(b->value(), b->minimum() + 1);
    b->setValue(b->maximum());
    QTest::mouseClick(b, Qt::LeftButton, {}, giu);
    EXPECT_EQ(b->value(), b->maximum() - 1);
    b->setValue(b->maximum());
    QTest::mouseClick(b, Qt::LeftButton, {}, su);
    EXPECT_EQ(b->value(), b->maximum());
    opzioni.sliderPosition = opzioni.sliderValue = b->maximum();
    EXPECT_LT(centro(QStyle::SC_ScrollBarSlider).y(), b->height() / 2);
  }
}

// The listing's logo stands beside the system's name: at its usual place
// for a short name, pushed to the right of a long one instead of over it.
TEST(TabulatoNomeSistema, IlLogoNonCopreUnNomeLungo) {
  Sistema s;
  s.NumeroColonne = 1;
  QTemporaryDir dir;
  platform::StampanteQt misura(dir.filePath("misura.pdf"));
  misura.ImpostaUnita(UnitaStampa::Twip);
  const MetricaStampante metrica(misura);
  for (const std::string nome : {"prova.tlqvx", "Sistema della domenica con fisse e filtri.tlqvx"}) {
    SCOPED_TRACE(nome);
    const Pagina pagina = Tabulato(s, nome, {true, true, true}, FormatoLocale(), metrica).ImpaginaPagina(1);
    const auto riga = std::ranges::find_if(pagina.righe, [](const RigaTesto& r) { return r.Testo().starts_with("Nome"); });
    ASSERT_NE(riga, pagina.righe.end());
    const double fine = riga->x + metrica.Larghezza(CARATTERE_TABULATO, riga->Testo());
    const auto logo = std::ranges::find_if(pagina.immagini, [](const auto& i) { return i.figura == Figura::Logo; });
    ASSERT_NE(logo, pagina.immagini.end());
    EXPECT_GT(logo->x, fine);
    EXPECT_EQ(logo->y, riga->y);
    if (nome.size() < 20) {
      EXPECT_EQ(logo->x, 4000);
    }
  }
}

}  // namespace
}  // namespace tlx::ui
