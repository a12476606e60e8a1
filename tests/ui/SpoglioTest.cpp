// The two checking windows driven as a user drives them: typed boxes, the
// archive's dates, the results grid and its clipboard copy, and the main
// window's commands that must not change the system while a check runs.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/FinestraPrincipale.h"
#include "ui/archive/frmArchivio.h"
#include "ui/checking/GrigliaRisultati.h"
#include "ui/checking/frmSpoglio.h"
#include "ui/checking/frmSpoglioEstrazioni.h"

// Readable failures: gtest prints a QString as its text.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tlx::ui {
namespace {

using prova::FinestraPrincipale;

class SpoglioFinestreTest : public ::testing::Test {
 protected:
  // The columns given, and the main window locked on them.
  void Sistema(std::initializer_list<std::array<uint8_t, 5>> colonne) {
    int32_t c = 0;
    for (const auto& col : colonne) std::copy(col.begin(), col.end(), f.sistema->Colonne.Colonna(++c));
    Blocca(c);
  }
  // Every column of 55 numbers up to the capacity.
  void SistemaIntegrale() {
    uint8_t* p = f.sistema->Colonne.Dati();
    for (uint8_t a = 1; a <= 51; ++a)
      for (uint8_t b = a + 1; b <= 52; ++b)
        for (uint8_t c = b + 1; c <= 53; ++c)
          for (uint8_t d = c + 1; d <= 54; ++d)
            for (uint8_t e = d + 1; e <= 55 && p < f.sistema->Colonne.Dati() + CAPIENZA * 5; ++e, p += 5)
              p[0] = a, p[1] = b, p[2] = c, p[3] = d, p[4] = e;
    for (int i = 0; i < NUMERI; ++i) f.sistema->Pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
    f.sistema->NumeriPronostico = NUMERI;
    Blocca(CAPIENZA);
  }
  void Blocca(int32_t colonne) {
    f.sistema->NumeroColonne = colonne;
    f.finestra->LockGUI();
  }
  QString Testo(QWidget* w, const QString& nome) const { return w->findChild<QLabel*>(nome)->text(); }
  QLineEdit* Casella(int i) const { return f.finestra->Spoglio()->findChild<QLineEdit*>(QString("meSpoglio_%1").arg(i)); }
  void Scrivi(std::array<const char*, 5> testi) {
    for (int i = 0; i < 5; ++i) Casella(i)->setText(testi[static_cast<size_t>(i)]);
  }
  QStringList Lista(int k) const {
    QStringList righe;
    auto* m = f.finestra->Spoglio()->findChild<QListView*>(QString("listVin_%1").arg(k))->model();
    for (int r = 0; r < m->rowCount(); ++r) righe << m->index(r, 0).data().toString();
    return righe;
  }
  QStringList Riassunto(QWidget* w) const {
    QStringList valori;
    for (const char* nome : {"labVincite_0", "labVincite_1", "labVincite_2", "labVincite_3", "lblMaxPunti", "lblMinPunti", "labTot"})
      valori << Testo(w, nome);
    return valori;
  }
  QAction* Azione(const char* nome) const { return f.finestra->findChild<QAction*>(nome); }

  FinestraPrincipale f;
};

TEST_F(SpoglioFinestreTest, OneDrawSortsTheBoxesListsTheWinnersAndRefusesBadEntries) {
  Sistema({{1, 7, 12, 20, 30}, {7, 12, 33, 40, 50}, {1, 2, 3, 4, 5}});
  Azione("menuspoglio")->trigger();
  frmSpoglio* w = f.finestra->Spoglio();
  ASSERT_TRUE(w->isVisible());
  Scrivi({"33", "7", "55", "12", "41"});
  w->cmdSpoglio_Click();
  EXPECT_EQ(std::tuple(Casella(0)->text(), Casella(4)->text()), std::tuple("7", "55"));
  EXPECT_EQ(f.sistema->ColonnaSpoglio, (std::array<uint8_t, 6>{0, 7, 12, 33, 41, 55}));
  EXPECT_EQ(Riassunto(w), (QStringList{"0", "0", "1", "1", "3", "0", "52,00"}));
  EXPECT_EQ(Lista(2), QStringList{"C. 2"});
  EXPECT_EQ(Lista(3), QStringList{"C. 1"});
  w->grab().save("frmSpoglio.png");

  // A refused entry: the message, the boxes sorted, the focus on the bad
  // box, the results as they were.
  Scrivi({"07", "12", "56", "33", "41"});
  w->cmdSpoglio_Click();
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, "Valore 56 non ammesso");
  EXPECT_EQ(Riassunto(w), (QStringList{"0", "0", "1", "1", "3", "0", "52,00"}));
  EXPECT_EQ(w->focusWidget(), Casella(4));
  EXPECT_EQ(Casella(4)->text(), "56");

  // Clearing empties the draw and the results; init shows the stored draw.
  w->findChild<QToolButton*>("cmdCancella")->click();
  EXPECT_EQ(Riassunto(w), (QStringList{"0", "0", "0", "0", "-", "-", "-"}));
  EXPECT_EQ(f.sistema->ColonnaSpoglio, (std::array<uint8_t, 6>{}));
  f.sistema->ColonnaSpoglio = {0, 5, 4, 3, 2, 1};
  w->init();
  EXPECT_EQ(Casella(0)->displayText(), "05");
  // Enter moves on from the fifth box to the check button, and checks nothing.
  Casella(4)->setFocus();
  QTest::keyClick(Casella(4), Qt::Key_Return);
  EXPECT_EQ(w->focusWidget(), w->findChild<QToolButton*>("cmdSpoglio"));
  EXPECT_EQ(Lista(3), QStringList{});
  // A system without columns shows no best or worst column.
  f.sistema->NumeroColonne = 0;
  w->cmdSpoglio_Click();
  EXPECT_EQ(Riassunto(w), (QStringList{"0", "0", "0", "0", "-", "-", "0,00"}));
}

TEST_F(SpoglioFinestreTest, WhileACheckRunsTheSystemStaysAndAPickedDrawWaits) {
  SistemaIntegrale();
  frmArchivio* a = f.finestra->Archivio();
  f.sistema->ArchivioEstrazioni = {{"01/03/2021", {1, 2, 3, 4, 5}}};
  a->PopolaListView();
  a->findChild<QListView*>("lst")->setCurrentIndex(a->findChild<QListView*>("lst")->model()->index(0, 0));
  Azione("menuspoglio")->trigger();
  frmSpoglio* w = f.finestra->Spoglio();
  Scrivi({"07", "12", "33", "41", "55"});
  // At the check's first yield: what the main window and the archive offer,
  // a pick in the archive, and an attempt to discard the columns.
  QStringList accesi;
  QTimer::singleShot(0, f.finestra.get(), [&] {
    for (const char* nome : {"menuapri", "menumodifiche", "menuMescola"})
      if (Azione(nome)->isEnabled()) accesi << nome;
    for (const char* nome : {"cmdModifiche", "cmdCancella"})
      if (f.finestra->findChild<QToolButton*>(nome)->isEnabled()) accesi << nome;
    if (a->findChild<QWidget*>("cmdUpdate")->isEnabled()) accesi << "cmdUpdate";
    a->lst_DblClick();
    Azione("menumodifiche")->trigger();
  });
  w->cmdSpoglio_Click();
  EXPECT_EQ(accesi, QStringList{});
  EXPECT_EQ(platform::MessageBox::Mostrati().size(), 1u);  // the archive's notice of the pick
  EXPECT_EQ(f.sistema->NumeroColonne, CAPIENZA);
  // The results are those of the draw typed; the picked draw then shows,
  // emptying the lists as a pick does.
  const EsitoSpoglio atteso = SpoglioColonne(f.sistema->Colonne.Dati(), CAPIENZA, {7, 12, 33, 41, 55});
  EXPECT_EQ(Riassunto(w), (QStringList{"0", "0", "0", "0", "5", "0", QString::fromStdString(FormattaEuro(atteso.Totale, {}, "###,###,###,##0.00"))}));
  EXPECT_EQ(Casella(0)->displayText(), "01");
  // Afterwards the commands are back as the lock state has them.
  EXPECT_TRUE(Azione("menumodifiche")->isEnabled());
  EXPECT_TRUE(a->findChild<QWidget*>("cmdUpdate")->isEnabled());
  EXPECT_FALSE(f.finestra->findChild<QToolButton*>("cmdCancella")->isEnabled());

  // Closing the window during a check stops it.
  Scrivi({"07", "12", "33", "41", "55"});
  QTimer::singleShot(0, w, [w] { w->close(); });
  w->cmdSpoglio_Click();
  EXPECT_EQ(Testo(w, "lblMaxPunti"), "-");
  EXPECT_TRUE(Azione("menumodifiche")->isEnabled());
}

class SpoglioEstrazioniTest : public SpoglioFinestreTest {
 protected:
  frmSpoglioEstrazioni* Apri() {
    Azione("menuSpoglioEstrazioni")->trigger();
    return f.finestra->SpoglioEstrazioni();
  }
  static QStringList Voci(QComboBox* c) {
    QStringList v;
    for (int i = 0; i < c->count(); ++i) v << c->itemText(i);
    return v;
  }
  QStringList Valori(frmSpoglioEstrazioni* w) const {
    QStringList v;
    for (const char* nome : {"lblValTotEstr", "lblValEstrPt5", "lblValEstrPt4", "lblValEstrPt3", "lblValEstrPt2",
                             "lblValEstrNonVincenti", "lblValTotGiocato", "lblValTotVinto"})
      v << Testo(w, nome);
    return v;
  }
  static QStringList Riga(frmSpoglioEstrazioni* w, int r) {
    QStringList celle;
    for (int c = 0; c < COLONNE_GRIGLIA; ++c) celle << w->Griglia()->TestoCella(r, c);
    return celle;
  }
  void Spoglia(frmSpoglioEstrazioni* w, const QString& dal, const QString& al) {
    w->Dal()->setCurrentText(dal);
    w->Al()->setCurrentText(al);
    w->cmdSpoglioEstrazioni_Click();
  }
};

TEST_F(SpoglioEstrazioniTest, RangesRowsTotalsAndTheRefusedRange) {
  Sistema({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {20, 21, 22, 23, 24}});
  f.sistema->Pronostico = {1, 2, 3, 4, 5, 6, 7, 8, 20, 21, 22, 23, 24};
  f.sistema->NumeriPronostico = 13;
  f.sistema->CostoColonna = 50;
  f.sistema->ArchivioEstrazioni = {{"01/03/2021", {5, 4, 3, 2, 1}},
                                   {"03/03/2021", {1, 2, 30, 40, 50}},
                                   {"03/03/2021", {20, 40, 41, 42, 43}},
                                   {"05/03/2021", {1, 30, 31, 32, 33}}};
  frmSpoglioEstrazioni* w = Apri();
  EXPECT_EQ(Voci(w->Al()), (QStringList{"01/03/2021", "03/03/2021", "05/03/2021"}));
  EXPECT_EQ(w->Al()->currentIndex(), 2);

  w->cmdSpoglioEstrazioni_Click();
  EXPECT_EQ(w->Griglia()->Righe(), 6);
  EXPECT_EQ(Riga(w, 1), (QStringList{"TOTALE", "", "5", "5", "0", "1", "0", "0", "3", "1.000.006"}));
  EXPECT_EQ(Riga(w, 2), (QStringList{"01/03/2021", "05.04.03.02.01", "5", "5", "0", "1", "0", "0", "1", "1.000.002"}));
  // Four draws of three columns at 0,50: 6,00 played.
  EXPECT_EQ(Valori(w), (QStringList{"4", "1", "0", "0", "1", "2", "6,00", "1.000.006,00"}));
  // The range chosen, from a date of two draws: both are checked.
  Spoglia(w, "03/03/2021", "05/03/2021");
  EXPECT_EQ(w->Griglia()->Righe(), 5);
  // AL before DAL: the message, an empty grid, the summary as it was.
  const QStringList prima = Valori(w);
  Spoglia(w, "05/03/2021", "01/03/2021");
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo,
            "Error -2147211504 ('DA' è maggiore di 'A') in procedure SpoglioArchivioEstrazioni of Form frmSpoglioEstrazioni");
  EXPECT_EQ(w->Griglia()->Righe(), 2);
  EXPECT_EQ(Valori(w), prima);

  // The archive loses the chosen DAL while the window is open: no check, the
  // lists are filled again.
  platform::MessageBox::Azzera();
  w->Dal()->setCurrentText("01/03/2021");
  f.sistema->ArchivioEstrazioni.erase(f.sistema->ArchivioEstrazioni.begin());
  w->cmdSpoglioEstrazioni_Click();
  EXPECT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(w->Griglia()->Righe(), 2);
  EXPECT_EQ(Voci(w->Dal()), (QStringList{"03/03/2021", "05/03/2021"}));
}

TEST_F(SpoglioEstrazioniTest, AnEmptyArchiveOffersNothingToRun) {
  // An empty archive is one empty slot.
  Sistema({{1, 2, 3, 4, 5}});
  f.sistema->ArchivioEstrazioni = {Estrazione{"          ", {}}};
  frmSpoglioEstrazioni* w = Apri();
  ASSERT_TRUE(w->isVisible());
  EXPECT_FALSE(w->findChild<QToolButton*>("cmdSpoglioEstrazioni")->isEnabled());
  EXPECT_TRUE(w->findChild<QLabel*>("lblArchivioVuoto")->isVisible());
}

TEST_F(SpoglioEstrazioniTest, AKeyCopiesTheSelectedCellsAndAFullSystemChecksWithTheCommandsBlocked) {
  SistemaIntegrale();
  f.sistema->ArchivioEstrazioni.clear();
  for (int i = 0; i < 300; ++i)
    f.sistema->ArchivioEstrazioni.push_back({QDate(2000, 1, 1).addDays(i).toString("dd/MM/yyyy").toStdString(),
                                             {static_cast<uint8_t>(1 + i % 50), static_cast<uint8_t>(2 + i % 50), 53, 54, 55}});
  frmSpoglioEstrazioni* w = Apri();
  bool bloccato = false;
  QTimer::singleShot(0, w, [&] { bloccato = !Azione("menumodifiche")->isEnabled() && !Azione("menuapri")->isEnabled(); });
  w->cmdSpoglioEstrazioni_Click();
  EXPECT_TRUE(bloccato);
  EXPECT_TRUE(Azione("menumodifiche")->isEnabled());
  ASSERT_EQ(w->Griglia()->Righe(), 302);
  EXPECT_EQ(Testo(w, "lblValTotGiocato"), "555.000.000,00");

  // Rows 5 to 2 and columns 3 to 1 of the grid, selected from the far
  // corner back; then any key.
  QTableView* dati = w->Griglia()->VistaEstrazioni();
  dati->setFocus();
  dati->setCurrentIndex(dati->model()->index(3, 3));
  dati->selectionModel()->select(QItemSelection(dati->model()->index(3, 3), dati->model()->index(0, 1)),
                                 QItemSelectionModel::ClearAndSelect);
  QApplication::clipboard()->clear();
  QTest::keyClick(dati, Qt::Key_C);
  QString atteso;
  for (int r = 2; r <= 5; ++r) atteso += Riga(w, r).mid(1, 3).join('\t') + "\r\n";
  EXPECT_TRUE(atteso.startsWith("01.02.53.54.55\t5\t5\r\n02.03.53.54.55\t5\t5\r\n"));
  EXPECT_EQ(QApplication::clipboard()->text(), atteso);

  w->grab().save("frmSpoglioEstrazioni.png");
}

}  // namespace
}  // namespace tlx::ui
