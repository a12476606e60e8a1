#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "core/Sistema.h"
#include "ui/main/frmVisualizza.h"

namespace tlx::ui {
namespace {

class VisualizzaTest : public ::testing::Test {
 protected:
  // Column c holds five consecutive numbers from 1 + c % 51, so neighbouring rows differ.
  void Apri(int32_t colonne) {
    for (int32_t c = 1; c <= colonne; ++c)
      for (int i = 0; i < 5; ++i) sistema->Colonne.Colonna(c)[i] = static_cast<uint8_t>(1 + c % 51 + i);
    sistema->NumeroColonne = colonne;
    finestra = std::make_unique<frmVisualizza>(*sistema);
  }
  static QString RigaAttesa(int32_t c) {
    const int n = 1 + c % 51;
    return QString::asprintf("  %02d-%02d-%02d-%02d-%02d", n, n + 1, n + 2, n + 3, n + 4);
  }
  QPushButton* Pulsante(const char* nome) const { return finestra->findChild<QPushButton*>(nome); }

  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  std::unique_ptr<frmVisualizza> finestra;
};

// The last panel shows its one column and nine blank rows.
TEST_F(VisualizzaTest, ClicksAndKeysStepThroughTwentyFivePanelsClampingAtBothEnds) {
  Apri(241);
  finestra->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
  ASSERT_EQ(finestra->UltimoPannello(), 25);
  // Button, key pressed on it (none: a mouse click), how many times, the panel then shown.
  const std::tuple<const char*, Qt::Key, int, int32_t> passi[] = {
      {"cmdPrev1", {}, 1, 1},             {"cmdTOP", {}, 1, 25},             {"cmdNext2", {}, 1, 25},
      {"cmdPrev2", Qt::Key_Return, 1, 15}, {"cmdPrev1", Qt::Key_A, 1, 14},   {"cmdBOTTOM", {}, 1, 1},
      {"cmdNext2", Qt::Key_Right, 1, 11}, {"cmdNext1", {}, 9, 20},          {"cmdNext2", {}, 1, 25},
      {"cmdBOTTOM", {}, 1, 1},            {"cmdNext1", Qt::Key_Space, 4, 5}, {"cmdPrev2", {}, 1, 1}};
  for (const auto& [nome, tasto, volte, pannello] : passi) {
    for (int i = 0; i < volte; ++i) {
      if (tasto) QTest::keyClick(Pulsante(nome), tasto);
      else QTest::mouseClick(Pulsante(nome), Qt::LeftButton);
    }
    const auto riga = [&](int r) { return pannello == 25 && r > 0 ? "" : RigaAttesa(10 * pannello - 9 + r); };
    EXPECT_EQ(QStringList({finestra->TestoRiga(0), finestra->TestoRiga(1), finestra->TestoRiga(9),
                           finestra->findChild<QLabel*>("labNscheda")->text()}),
              QStringList({riga(0), riga(1), riga(9), QString::number(pannello)}))
        << nome;
  }

  // A held key steps on each repeat; Tab moves the focus on and steps nothing.
  Pulsante("cmdNext1")->setFocus();
  QTest::keyPress(Pulsante("cmdNext1"), Qt::Key_Space);
  QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
  for (int i = 0; i < 2; ++i) QApplication::sendEvent(Pulsante("cmdNext1"), &ripetuto);
  QTest::keyRelease(Pulsante("cmdNext1"), Qt::Key_Space);
  EXPECT_EQ(finestra->PannelloCorrente(), 4);
  QTest::keyClick(Pulsante("cmdNext1"), Qt::Key_Tab);
  EXPECT_EQ(finestra->PannelloCorrente(), 4);
  EXPECT_FALSE(Pulsante("cmdNext1")->hasFocus());
}

// Labels whose text overflows them and controls that stick out of the window.
QStringList Tagliati(const QWidget& finestra) {
  QStringList tagliati;
  for (const QWidget* w : finestra.findChildren<QWidget*>()) {
    bool intero = finestra.rect().contains(QRect(w->mapTo(&finestra, QPoint()), w->size()));
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
      const QFontMetrics misure(l->font());
      intero &= misure.horizontalAdvance(l->text()) <= l->contentsRect().width() &&
                misure.height() <= l->contentsRect().height();
    }
    if (!intero) tagliati << w->objectName();
  }
  return tagliati;
}

TEST_F(VisualizzaTest, EveryControlScalesWithTheWindowAndShowsWholeAtTheMinimum) {
  Apri(20);
  finestra->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
  EXPECT_EQ(finestra->UltimoPannello(), 2) << "full panels need no blank one after them";
  const auto misure = [this](QSize dimensione) {
    finestra->resize(dimensione);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(Tagliati(*finestra).join(",").toStdString(), "") << dimensione.width();
    return std::array<double, 4>{finestra->findChild<QLabel*>("lblInfo")->font().pointSizeF(),
                                 double(finestra->findChild<QLabel*>("labVisualizza0")->font().pixelSize()),
                                 double(Pulsante("cmdNext1")->iconSize().height()), double(Pulsante("cmdNext1")->height())};
  };
  const auto grande = misure(finestra->minimumSize() * 2);
  const auto piccola = misure(finestra->minimumSize());
  finestra->grab().save("frmVisualizza.png");
  for (size_t i = 0; i < grande.size(); ++i) EXPECT_GE(grande[i], 1.8 * piccola[i]) << i;
}

}  // namespace
}  // namespace tlx::ui
