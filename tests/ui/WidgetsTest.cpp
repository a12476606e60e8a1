#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui/widgets/CoppiaOnOff.h"
#include "ui/widgets/FiltroTastiNumerici.h"

namespace tlx::ui {
namespace {

TEST(CoppiaOnOff, APressShowsThePressedOptionYellowAndReportsTheStateBefore) {
  QWidget finestra;
  auto* coppia = new CoppiaOnOff(&finestra);
  (new QVBoxLayout(&finestra))->addWidget(coppia);
  finestra.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
  QSignalSpy spia(coppia, &CoppiaOnOff::opzioneCliccata);
  for (int i : {0, 0, 1}) QTest::mouseClick(coppia->Opzione(i), Qt::LeftButton);
  std::vector<std::pair<int, int>> segnali;
  for (const QList<QVariant>& s : spia) segnali.emplace_back(s[0].toInt(), s[1].toInt());
  EXPECT_EQ(segnali, (std::vector<std::pair<int, int>>{{0, 1}, {0, 0}, {1, 0}}));
  EXPECT_TRUE(coppia->Opzione(1)->isChecked() && !coppia->Opzione(0)->isChecked());
  coppia->MostraStato(0);
  EXPECT_EQ(spia.size(), 3) << "showing a state is no click";
  EXPECT_TRUE(coppia->On());
  finestra.repaint();
  EXPECT_EQ(coppia->Opzione(0)->grab().toImage().pixelColor(4, 4), QColor(Qt::yellow));
}

TEST(FiltroTastiNumerici, TypedCharactersPassOrBeepAndEnterMovesTheFocus) {
  const std::tuple<bool, const char*, const char*, int> casi[] = {{false, "12a.5,x", "12.5", 3},
                                                                  {true, "12a.5,x", "12.5,", 2}};
  for (const auto& [virgola, digitato, testo, rifiutati] : casi) {
    QWidget finestra;
    auto* layout = new QVBoxLayout(&finestra);
    QLineEdit* caselle[3];
    for (QLineEdit*& e : caselle) layout->addWidget(e = new QLineEdit(&finestra));
    auto* filtro = new FiltroTastiNumerici(virgola, &finestra);
    filtro->Installa(caselle[0], caselle[2]);
    filtro->Installa(caselle[1]);
    QSignalSpy spia(filtro, &FiltroTastiNumerici::carattereRifiutato);
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    caselle[0]->setFocus();
    QTest::keyClicks(caselle[0], digitato);
    EXPECT_EQ(caselle[0]->text(), testo) << digitato;
    for (Qt::Key tasto : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Delete}) QTest::keyClick(caselle[0], tasto);
    EXPECT_EQ(caselle[0]->text(), QString(testo).chopped(2)) << "editing keys pass";
    // Enter goes where it was told, or on along the focus chain.
    QTest::keyClick(caselle[0], Qt::Key_Return);
    EXPECT_TRUE(caselle[2]->hasFocus());
    caselle[1]->setFocus();
    QTest::keyClick(caselle[1], Qt::Key_Enter);
    EXPECT_TRUE(caselle[2]->hasFocus());
    EXPECT_EQ(spia.size(), rifiutati) << digitato;
  }
}

}  // namespace
}  // namespace tlx::ui
