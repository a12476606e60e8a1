#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/widgets/Colori.h"
#include "ui/widgets/CoppiaOnOff.h"
#include "ui/widgets/FiltroTastiNumerici.h"
#include "ProvaEtichette.h"

namespace tlx::ui {
namespace {

using prova::Selezionate;

// Two toggle-label grids in one window, each label toggling when activated.
struct DueGriglie {
  QWidget finestra;
  GrigliaEtichette* sopra = new GrigliaEtichette(0, 5, 6, 0, &finestra);
  GrigliaEtichette* sotto = new GrigliaEtichette(1, 5, 5, 0, &finestra);

  DueGriglie() {
    auto* layout = new QVBoxLayout(&finestra);
    layout->addWidget(sopra);
    layout->addWidget(sotto);
    for (GrigliaEtichette* g : {sopra, sotto})
      QObject::connect(g, &GrigliaEtichette::etichettaAttivata, g, [g](int i) { g->Inverti(i); });
    finestra.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&finestra));
  }
  QPoint Centro(GrigliaEtichette* g, int i) const { return prova::Centro(finestra, g, i); }
  void Trascina(const std::vector<QPoint>& punti) { prova::Trascina(finestra, punti); }
};

TEST(GrigliaEtichette, OneSweepPaintsAcrossTheGridsOfAWindowButNotADisabledOne) {
  DueGriglie d;
  // The lower grid's label i stands under the upper grid's label i-1.
  d.Trascina({d.Centro(d.sopra, 2), d.Centro(d.sotto, 3)});
  EXPECT_EQ(Selezionate(d.sopra), (std::vector<int>{2}));
  EXPECT_EQ(Selezionate(d.sotto), (std::vector<int>{3}));

  d.sotto->setEnabled(false);
  d.Trascina({d.Centro(d.sopra, 3), d.Centro(d.sotto, 4)});
  // A press on the disabled grid does nothing at all.
  d.Trascina({d.Centro(d.sotto, 5), d.Centro(d.sopra, 4)});
  EXPECT_EQ(Selezionate(d.sopra), (std::vector<int>{2, 3}));
  EXPECT_EQ(Selezionate(d.sotto), (std::vector<int>{3}));
}

TEST(CoppiaOnOff, APressShowsThePressedOptionYellowAndReportsTheStateBefore) {
  QWidget finestra;
  auto* coppia = new CoppiaOnOff(&finestra);
  new QVBoxLayout(&finestra);
  finestra.layout()->addWidget(coppia);
  finestra.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
  QSignalSpy spia(coppia, &CoppiaOnOff::opzioneCliccata);
  auto sfondo = [&](int i) {
    finestra.repaint();
    return coppia->Opzione(i)->grab().toImage().pixelColor(4, 4);
  };

  EXPECT_EQ(coppia->Indice(), 1);
  QTest::mouseClick(coppia->Opzione(0), Qt::LeftButton);
  QTest::mouseClick(coppia->Opzione(0), Qt::LeftButton);
  QTest::mouseClick(coppia->Opzione(1), Qt::LeftButton);
  ASSERT_EQ(spia.size(), 3);
  const std::pair<int, int> attesi[] = {{0, 1}, {0, 0}, {1, 0}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(spia[i][0].toInt(), attesi[i].first);
    EXPECT_EQ(spia[i][1].toInt(), attesi[i].second);
  }
  EXPECT_TRUE(coppia->Opzione(1)->isChecked());
  EXPECT_FALSE(coppia->Opzione(0)->isChecked());
  EXPECT_EQ(sfondo(1), QColor(Qt::yellow));
  EXPECT_EQ(sfondo(0), ColoreBgr(colori::FACCIA_PULSANTE));

  coppia->MostraStato(0);
  EXPECT_EQ(spia.size(), 3);
  EXPECT_TRUE(coppia->On());
  EXPECT_EQ(sfondo(0), QColor(Qt::yellow));
}

TEST(FiltroTastiNumerici, TypedCharactersPassOrBeepAndEnterMovesTheFocus) {
  struct Caso {
    bool virgola;
    const char* digitato;
    const char* testo;
    int rifiutati;
  };
  const Caso casi[] = {{false, "12a.5,x", "12.5", 3}, {true, "12a.5,x", "12.5,", 2}, {true, "-1 e2", "12", 3}};
  for (const Caso& c : casi) {
    QWidget finestra;
    auto* uno = new QLineEdit(&finestra);
    auto* due = new QLineEdit(&finestra);
    auto* tre = new QLineEdit(&finestra);
    auto* layout = new QVBoxLayout(&finestra);
    for (QLineEdit* e : {uno, due, tre}) layout->addWidget(e);
    auto* filtro = new FiltroTastiNumerici(c.virgola, &finestra);
    filtro->Installa(uno, tre);
    filtro->Installa(due);
    QSignalSpy spia(filtro, &FiltroTastiNumerici::carattereRifiutato);
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    uno->setFocus();
    QTest::keyClicks(uno, c.digitato);
    EXPECT_EQ(uno->text(), c.testo) << c.digitato;
    EXPECT_EQ(spia.size(), c.rifiutati) << c.digitato;
    QTest::keyClick(uno, Qt::Key_Backspace);
    QTest::keyClick(uno, Qt::Key_Left);
    QTest::keyClick(uno, Qt::Key_Delete);
    EXPECT_EQ(uno->text(), QString(c.testo).chopped(2));

    // Enter goes where it was told, or on along the focus chain.
    QTest::keyClick(uno, Qt::Key_Return);
    EXPECT_TRUE(tre->hasFocus());
    due->setFocus();
    QTest::keyClick(due, Qt::Key_Enter);
    EXPECT_TRUE(tre->hasFocus());
    EXPECT_EQ(spia.size(), c.rifiutati);
  }
}

}  // namespace
}  // namespace tlx::ui
