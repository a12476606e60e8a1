// The windows used together, as a user moves between them: the main window
// with the archive, statistics, checking and slip windows open beside it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QToolButton>

#include "archive/Archivio.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/FinestraPrincipale.h"
#include "ui/archive/frmArchivio.h"
#include "ui/archive/frmStatistiche.h"
#include "ui/checking/frmSpoglio.h"
#include "ui/checking/frmSpoglioEstrazioni.h"
#include "ui/printing/frmStampa.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;
using prova::FinestraPrincipale;

class Integrazione : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(QString::fromStdString(s().PercorsoDati) + "/archivio");
    QFile file(QString::fromStdString(s().PercorsoArchivio));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string byte = CodificaArchivio({{"01/01/2018", {1, 2, 3, 4, 5}}, {"03/01/2018", {1, 2, 3, 4, 6}}});
    file.write(byte.data(), static_cast<qint64>(byte.size()));
  }
  Sistema& s() { return *f.sistema; }
  QToolButton* Pulsante(const char* nome) { return f.finestra->findChild<QToolButton*>(nome); }
  // Seven numbers chosen and developed: 21 columns, the window locked.
  void Sviluppa() {
    f.Scegli({1, 2, 3, 4, 5, 6, 7});
    Pulsante("cmdCalcolo")->click();
    ASSERT_EQ(s().NumeroColonne, 21);
  }
  static frmStampa* Schedine() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* st = qobject_cast<frmStampa*>(w); st && st->isVisible()) return st;
    return nullptr;
  }

  FinestraPrincipale f;
};

// The development's reduction index and the range check's subset index
// live side by side in one program: developing and then checking a range
// of draws works in the same run.
TEST_F(Integrazione, SviluppoEControlloDiUnIntervalloNelloStessoProgramma) {
  Sviluppa();
  EXPECT_EQ(f.finestra->PannelloStato(2), "21");
  EXPECT_TRUE(Pulsante("cmdSpoglio")->isEnabled());
  f.finestra->findChild<QAction*>("menuSpoglioEstrazioni")->trigger();
  frmSpoglioEstrazioni* intervallo = f.finestra->finestre().SpoglioEstrazioni();
  ASSERT_TRUE(intervallo->isVisible());
  intervallo->cmdSpoglioEstrazioni_Click();
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

// The slip window disables the main window only: the archive, statistics
// and checking windows beside it stay usable, and a check that is running
// keeps its window disabled until it ends.
TEST_F(Integrazione, LaFinestraDelleSchedineLasciaUsabiliLeAltreFinestre) {
  Sviluppa();
  Pulsante("cmdArchivio")->click();
  f.finestra->findChild<QAction*>("menuStatistiche")->trigger();
  Pulsante("cmdSpoglio")->click();
  f.finestra->findChild<QAction*>("menuSpoglioEstrazioni")->trigger();
  QWidget* finestre[] = {f.finestra->finestre().Archivio(), f.finestra->finestre().Statistiche(), f.finestra->finestre().Spoglio(),
                         f.finestra->finestre().SpoglioEstrazioni()};
  f.finestra->finestre().SpoglioEstrazioni()->setEnabled(false);  // as while its check runs

  Pulsante("cmdSchedine")->click();
  frmStampa* stampa = Schedine();
  ASSERT_NE(stampa, nullptr);
  EXPECT_FALSE(f.finestra->isEnabled());
  for (QWidget* w : finestre) EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(finestre[i]->isEnabled()) << finestre[i]->objectName().toStdString();
  EXPECT_FALSE(finestre[3]->isEnabled());
  EXPECT_TRUE(f.finestra->finestre().Archivio()->findChild<QListView*>("lst")->isEnabled());

  stampa->close();
  EXPECT_TRUE(f.finestra->isEnabled());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(finestre[i]->isEnabled());
  f.finestra->finestre().SpoglioEstrazioni()->setEnabled(true);
}

}  // namespace
}  // namespace tlx::ui
