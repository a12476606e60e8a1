// The column viewer: paging ten columns at a time, clamping at both ends,
// the row texts and the step keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <array>
#include <memory>

#include "core/Sistema.h"
#include "ui/main/frmVisualizza.h"

namespace tlx::ui {
namespace {

class VisualizzaTest : public ::testing::Test {
 protected:
  // Column c holds five consecutive numbers starting from a value that
  // changes with c, so every row of a panel differs from its neighbours.
  static std::array<uint8_t, 5> NumeriColonna(int32_t c) {
    const auto primo = static_cast<uint8_t>(1 + c % 51);
    return {primo, static_cast<uint8_t>(primo + 1), static_cast<uint8_t>(primo + 2), static_cast<uint8_t>(primo + 3),
            static_cast<uint8_t>(primo + 4)};
  }

  static QString RigaAttesa(int32_t c) {
    const auto n = NumeriColonna(c);
    return QString::asprintf("  %02d-%02d-%02d-%02d-%02d", n[0], n[1], n[2], n[3], n[4]);
  }

  void Riempi(int32_t colonne) {
    for (int32_t c = 1; c <= colonne; ++c) {
      const auto n = NumeriColonna(c);
      std::copy(n.begin(), n.end(), sistema_->Colonne.Colonna(c));
    }
    sistema_->NumeroColonne = colonne;
  }

  QPushButton* Pulsante(frmVisualizza& finestra, const char* nome) {
    auto* pulsante = finestra.findChild<QPushButton*>(nome);
    EXPECT_NE(pulsante, nullptr) << nome;
    return pulsante;
  }

  void Clic(frmVisualizza& finestra, const char* nome, int volte = 1) {
    for (int i = 0; i < volte; ++i) QTest::mouseClick(Pulsante(finestra, nome), Qt::LeftButton);
  }

  std::unique_ptr<Sistema> sistema_ = std::make_unique<Sistema>();
};

TEST_F(VisualizzaTest, OpensOnPanelOneWithTheStepButtonsAndTheirTips) {
  Riempi(37);
  frmVisualizza finestra(*sistema_);
  EXPECT_EQ(finestra.windowTitle(), " Visualizza");
  EXPECT_EQ(finestra.PannelloCorrente(), 1);
  EXPECT_EQ(finestra.UltimoPannello(), 4);
  for (int r = 0; r < frmVisualizza::RIGHE; ++r) EXPECT_EQ(finestra.TestoRiga(r), RigaAttesa(r + 1)) << r;

  const std::array<std::pair<const char*, const char*>, 6> suggerimenti{{{"cmdBOTTOM", "Primo Pannello"},
                                                                         {"cmdPrev2", "Indietro di 10 pannelli"},
                                                                         {"cmdPrev1", "Indietro di 1 pannello"},
                                                                         {"cmdNext1", "Avanti di 1 pannello"},
                                                                         {"cmdNext2", "Avanti di 10 pannelli"},
                                                                         {"cmdTOP", "Ultimo Pannello"}}};
  for (const auto& [nome, suggerimento] : suggerimenti) {
    QPushButton* pulsante = Pulsante(finestra, nome);
    EXPECT_EQ(pulsante->toolTip(), suggerimento);
    EXPECT_TRUE(pulsante->text().isEmpty()) << nome;
    EXPECT_FALSE(pulsante->icon().isNull()) << nome;
  }
}

TEST_F(VisualizzaTest, TenColumnsFillOnePanelElevenNeedASecondWithNineBlankRows) {
  Riempi(10);
  {
    frmVisualizza finestra(*sistema_);
    EXPECT_EQ(finestra.UltimoPannello(), 1);
    Clic(finestra, "cmdNext1");
    EXPECT_EQ(finestra.PannelloCorrente(), 1);
    EXPECT_EQ(finestra.TestoRiga(9), RigaAttesa(10));
  }

  Riempi(11);
  frmVisualizza finestra(*sistema_);
  EXPECT_EQ(finestra.UltimoPannello(), 2);
  Clic(finestra, "cmdNext1");
  EXPECT_EQ(finestra.PannelloCorrente(), 2);
  EXPECT_EQ(finestra.findChild<QLabel*>("labNscheda")->text(), "2");
  EXPECT_EQ(finestra.TestoRiga(0), RigaAttesa(11));
  for (int r = 1; r < frmVisualizza::RIGHE; ++r) EXPECT_EQ(finestra.TestoRiga(r), "") << r;
}

TEST_F(VisualizzaTest, StepsClampAtTheFirstAndTheLastPanel) {
  Riempi(241);  // 25 panels, the last with one column
  frmVisualizza finestra(*sistema_);
  ASSERT_EQ(finestra.UltimoPannello(), 25);

  Clic(finestra, "cmdPrev1");
  EXPECT_EQ(finestra.PannelloCorrente(), 1);
  Clic(finestra, "cmdPrev2");
  EXPECT_EQ(finestra.PannelloCorrente(), 1);

  Clic(finestra, "cmdTOP");
  EXPECT_EQ(finestra.PannelloCorrente(), 25);
  EXPECT_EQ(finestra.TestoRiga(0), RigaAttesa(241));
  Clic(finestra, "cmdNext1");
  EXPECT_EQ(finestra.PannelloCorrente(), 25);
  Clic(finestra, "cmdNext2");
  EXPECT_EQ(finestra.PannelloCorrente(), 25);

  Clic(finestra, "cmdBOTTOM");
  Clic(finestra, "cmdNext2");
  Clic(finestra, "cmdNext1", 9);
  ASSERT_EQ(finestra.PannelloCorrente(), 20);
  EXPECT_EQ(finestra.TestoRiga(0), RigaAttesa(191));
  Clic(finestra, "cmdNext2");
  EXPECT_EQ(finestra.PannelloCorrente(), 25);

  Clic(finestra, "cmdBOTTOM");
  Clic(finestra, "cmdNext1", 4);
  ASSERT_EQ(finestra.PannelloCorrente(), 5);
  Clic(finestra, "cmdPrev2");
  EXPECT_EQ(finestra.PannelloCorrente(), 1);
  EXPECT_EQ(finestra.TestoRiga(0), RigaAttesa(1));
}

TEST_F(VisualizzaTest, EmptyPositionsAreLeftOutOfTheRow) {
  const std::array<std::array<uint8_t, 5>, 3> colonne{{{3, 8, 21, 40, 55}, {3, 8, 21, 40, 0}, {0, 8, 0, 40, 55}}};
  for (int32_t c = 1; c <= 3; ++c) std::copy(colonne[c - 1].begin(), colonne[c - 1].end(), sistema_->Colonne.Colonna(c));
  sistema_->NumeroColonne = 3;

  frmVisualizza finestra(*sistema_);
  EXPECT_EQ(finestra.TestoRiga(0), "  03-08-21-40-55");
  EXPECT_EQ(finestra.TestoRiga(1), "  03-08-21-40-");
  EXPECT_EQ(finestra.TestoRiga(2), "  08-40-55");
  EXPECT_EQ(finestra.TestoRiga(3), "");
}

TEST_F(VisualizzaTest, WithoutColumnsShowsPanelOneBlank) {
  frmVisualizza finestra(*sistema_);
  Clic(finestra, "cmdNext2");
  Clic(finestra, "cmdTOP");
  EXPECT_EQ(finestra.PannelloCorrente(), 1);
  EXPECT_EQ(finestra.findChild<QLabel*>("labNscheda")->text(), "1");
  for (int r = 0; r < frmVisualizza::RIGHE; ++r) EXPECT_EQ(finestra.TestoRiga(r), "") << r;
}

TEST_F(VisualizzaTest, EveryKeyDownOnAStepButtonIsOneStepAndHeldKeysRepeat) {
  Riempi(1000);
  frmVisualizza finestra(*sistema_);
  finestra.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));

  QPushButton* cmdNext1 = Pulsante(finestra, "cmdNext1");
  cmdNext1->setFocus();
  // A held key: the first key-down, two repeats, then the release.
  QTest::keyPress(cmdNext1, Qt::Key_Space);
  for (int i = 0; i < 2; ++i) {
    QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(cmdNext1, &ripetuto);
  }
  QTest::keyRelease(cmdNext1, Qt::Key_Space);
  EXPECT_EQ(finestra.PannelloCorrente(), 4);

  QTest::keyClick(Pulsante(finestra, "cmdNext2"), Qt::Key_Right);
  EXPECT_EQ(finestra.PannelloCorrente(), 14);
  QTest::keyClick(Pulsante(finestra, "cmdPrev2"), Qt::Key_Return);
  EXPECT_EQ(finestra.PannelloCorrente(), 4);
  QTest::keyClick(Pulsante(finestra, "cmdPrev1"), Qt::Key_A);
  EXPECT_EQ(finestra.PannelloCorrente(), 3);

  // Tab still moves the focus on and pages nothing.
  cmdNext1->setFocus();
  QTest::keyClick(cmdNext1, Qt::Key_Tab);
  EXPECT_EQ(finestra.PannelloCorrente(), 3);
  EXPECT_FALSE(cmdNext1->hasFocus());
}

TEST_F(VisualizzaTest, RowsGrowWithTheWindow) {
  Riempi(250);
  frmVisualizza finestra(*sistema_);
  finestra.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
  Clic(finestra, "cmdNext2");
  Clic(finestra, "cmdNext1", 2);
  finestra.grab().save("frmVisualizza.png");

  auto* riga = finestra.findChild<QLabel*>("labVisualizza0");
  const int piccolo = riga->font().pixelSize();
  finestra.resize(finestra.width() * 2, finestra.height() * 2);
  EXPECT_GT(riga->font().pixelSize(), piccolo);
  // The widest row still fits its label.
  EXPECT_LE(riga->fontMetrics().horizontalAdvance(riga->text()), riga->contentsRect().width());
}

}  // namespace
}  // namespace tlx::ui
