// The two checking windows driven as a user drives them: typed boxes, the
// archive's dates, the results grid and its clipboard copy, and the main
// window's commands that must not change the system while a check runs.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "platform/Attesa.h"
#include "platform/Shell.h"
#include "ui/Chiusura.h"
#include "ui/FinestraPrincipale.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/archive/frmArchivio.h"
#include "ui/checking/GrigliaRisultati.h"
#include "ui/checking/frmSpoglio.h"
#include "ui/checking/frmSpoglioEstrazioni.h"

// Readable failures: gtest prints a QString as its text.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tlx::ui {
namespace {

struct SpoglioFinestre : ::testing::Test {
  prova::FinestraPrincipale f;

  // The columns given, and the main window locked on them.
  void Sistema(const std::vector<std::array<uint8_t, 5>>& colonne) {
    std::memcpy(f.sistema->Colonne.Dati(), colonne.data(), colonne.size() * 5);
    f.sistema->NumeroColonne = static_cast<int32_t>(colonne.size());
    f.finestra->LockGUI();
  }
  QAction* Azione(const char* nome) const { return f.finestra->findChild<QAction*>(nome); }
  // A command of the main window or of a window it owns, a menu item or a button.
  bool Acceso(const QString& nome) const { return f.finestra->findChild<QObject*>(nome)->property("enabled").toBool(); }
  static QStringList Testi(QWidget* w, std::initializer_list<const char*> etichette) {
    QStringList testi;
    for (const char* nome : etichette) testi << w->findChild<QLabel*>(nome)->text();
    return testi;
  }
  static QStringList Messaggi() {
    QStringList testi;
    for (const Messaggio& m : platform::MessageBox::Mostrati()) testi << QString::fromStdString(m.testo);
    return testi;
  }

  // The single check: its boxes, and its summary followed by the four lists of winning columns.
  QLineEdit* Casella(int i) const { return f.finestra->finestre().Spoglio()->findChild<QLineEdit*>(QString("meSpoglio_%1").arg(i)); }
  void Scrivi(std::array<const char*, 5> testi) {
    for (int i = 0; i < 5; ++i) Casella(i)->setText(testi[static_cast<size_t>(i)]);
  }
  QStringList Esito() const {
    QStringList esito = Testi(f.finestra->finestre().Spoglio(), {"labVincite_0", "labVincite_1", "labVincite_2", "labVincite_3",
                                                      "lblMaxPunti", "lblMinPunti", "labTot"});
    for (int k = 0; k < 4; ++k) {
      QStringList righe;
      auto* m = f.finestra->finestre().Spoglio()->findChild<QListView*>(QString("listVin_%1").arg(k))->model();
      for (int r = 0; r < m->rowCount(); ++r) righe << m->index(r, 0).data().toString();
      esito << righe.join(',');
    }
    return esito;
  }

  // The range check: a grid row, and the summary.
  static QStringList Riga(frmSpoglioEstrazioni* w, int r) {
    QStringList celle;
    for (int c = 0; c < COLONNE_GRIGLIA; ++c) celle << w->Griglia()->TestoCella(r, c);
    return celle;
  }
  static QStringList Valori(frmSpoglioEstrazioni* w) {
    return Testi(w, {"lblValTotEstr", "lblValEstrPt5", "lblValEstrPt4", "lblValEstrPt3", "lblValEstrPt2",
                     "lblValEstrNonVincenti", "lblValTotGiocato", "lblValTotVinto"});
  }
  // The grid as the window shows it: its columns, the rows that stay in view and those that scroll, the
  // heading's first cell, the first row's, whether it scrolls sideways, and what a key copies.
  static auto Forma(frmSpoglioEstrazioni* w) {
    GrigliaRisultati* g = w->Griglia();
    QTableView* dati = g->VistaEstrazioni();
    // The scroll bars follow the columns at the event loop's next turns.
    QScrollBar* barra = dati->horizontalScrollBar();
    (void)QTest::qWaitFor([dati, barra] {
      return barra->isVisible() == (dati->horizontalHeader()->length() > dati->viewport()->width());
    });
    QApplication::clipboard()->clear();
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Shift);
    const int fisse = 1 + w->findChild<QTableView*>("flexGridTotale")->model()->rowCount();
    return std::tuple(dati->model()->columnCount(), fisse, dati->model()->rowCount(), g->TestoCella(0, 0),
                      g->TestoCella(1, 0), barra->isVisible(), QApplication::clipboard()->text());
  }
  // The grid reset: one column, the heading holding "-" over one empty row, no sideways scroll bar; with no
  // cell picked, the current cell is the heading's.
  static constexpr auto RESET = std::tuple(1, 1, 1, "-", "", false, "-\r\n");
};

TEST_F(SpoglioFinestre, OneDrawSortsTheBoxesListsTheWinnersAndRefusesBadEntries) {
  Sistema({{1, 7, 12, 20, 30}, {7, 12, 33, 40, 50}, {1, 2, 3, 4, 5}});
  Azione("menuspoglio")->trigger();
  frmSpoglio* w = f.finestra->finestre().Spoglio();
  Scrivi({"33", "7", "55", "12", "41"});
  w->cmdSpoglio_Click();
  const QStringList vinto = {"0", "0", "1", "1", "3", "0", "52,00", "", "", "C. 2", "C. 1"};
  EXPECT_EQ(std::tuple(Casella(0)->text(), Casella(4)->text(), f.sistema->ColonnaSpoglio, Esito()),
            std::tuple("7", "55", std::array<uint8_t, 6>{0, 7, 12, 33, 41, 55}, vinto));
  w->grab().save("frmSpoglio.png");

  // A refused entry: the message, the focus on the bad box once sorted, the results as they were.
  Scrivi({"07", "12", "56", "33", "41"});
  w->cmdSpoglio_Click();
  EXPECT_EQ(std::tuple(Messaggi(), Esito(), w->focusWidget(), Casella(4)->text()),
            std::tuple(QStringList{"Valore 56 non ammesso"}, vinto, Casella(4), "56"));

  // Clearing empties the draw and the results.
  w->findChild<QToolButton*>("cmdCancella")->click();
  const QStringList vuoto = {"0", "0", "0", "0", "-", "-", "-", "", "", "", ""};
  EXPECT_EQ(std::tuple(Esito(), f.sistema->ColonnaSpoglio), std::tuple(vuoto, std::array<uint8_t, 6>{}));
  // Enter moves on from the fifth box to the check button, and checks nothing.
  Casella(4)->setFocus();
  QTest::keyClick(Casella(4), Qt::Key_Return);
  EXPECT_EQ(std::tuple(w->focusWidget(), Esito()), std::tuple(w->findChild<QToolButton*>("cmdSpoglio"), vuoto));
}

TEST_F(SpoglioFinestre, WhileACheckRunsTheSystemStaysAndAPickedDrawWaits) {
  Sistema(std::vector<std::array<uint8_t, 5>>(2 * PASSO_CEDI, {1, 2, 3, 4, 5}));  // long enough to yield
  frmArchivio* a = f.finestra->finestre().Archivio();
  f.sistema->ArchivioEstrazioni = {{"01/03/2021", {1, 2, 3, 4, 5}}};
  a->PopolaListView();
  a->findChild<QListView*>("lst")->setCurrentIndex(a->findChild<QListView*>("lst")->model()->index(0, 0));
  Azione("menuspoglio")->trigger();
  frmSpoglio* w = f.finestra->finestre().Spoglio();
  Scrivi({"07", "12", "33", "41", "55"});
  // At the check's first yield: what the main window and the archive offer (every command that replaces,
  // clears, reorders or builds the columns is held back), a pick in the archive, an attempt to discard the
  // columns, and a check of a range run meanwhile, which leaves the commands held back when it ends.
  QStringList accesi;
  CoordinatoreFinestre& c = f.finestra->finestre();
  QTimer::singleShot(0, f.finestra.get(), [&] {
    for (const char* nome : {"menuapri", "menuImportaColonne", "menumodifiche", "menuMescola", "menucalcolo",
                                "menuadattamatrice", "mnu_Elenco", "cmdModifiche", "cmdCancella", "cmdCalcolo",
                                "cmdAdatta", "cmdCruciverba"})
      if (Acceso(nome) || !c.Trattenuto(nome)) accesi << nome;
    if (Acceso("cmdUpdate")) accesi << "cmdUpdate";
    a->lst_DblClick();
    Azione("menumodifiche")->trigger();
    Azione("menuSpoglioEstrazioni")->trigger();
    c.SpoglioEstrazioni()->cmdSpoglioEstrazioni_Click();
    if (Acceso("menumodifiche") || Acceso("cmdUpdate")) accesi << "after the range";
  });
  w->cmdSpoglio_Click();
  // Nothing was on offer, the archive gave notice of the pick, the columns stayed.
  EXPECT_EQ(std::tuple(accesi, platform::MessageBox::Mostrati().size(), f.sistema->NumeroColonne, c.SpoglioEstrazioni()->Griglia()->Righe()),
            std::tuple(QStringList{}, 1u, 2 * PASSO_CEDI, 3));
  // The results are those of the draw typed (no hits); the picked draw then
  // shows, emptying the lists as a pick does.
  EXPECT_EQ(std::tuple(Esito(), Casella(0)->displayText()),
            std::tuple(QStringList{"0", "0", "0", "0", "0", "0", "0,00", "", "", "", ""}, "01"));
  // Afterwards the commands are back as the lock state has them.
  EXPECT_EQ(std::tuple(Acceso("menumodifiche"), Acceso("cmdUpdate"), Acceso("cmdCancella")), std::tuple(true, true, false));

  // Closing the window during a check stops it.
  Scrivi({"07", "12", "33", "41", "55"});
  QTimer::singleShot(0, w, [w] { w->close(); });
  w->cmdSpoglio_Click();
  EXPECT_EQ(std::tuple(Testi(w, {"lblMaxPunti"}), Acceso("menumodifiche")), std::tuple(QStringList{"-"}, true));
  // So does closing the range check during its check: its summary keeps the last whole check's results.
  Azione("menuSpoglioEstrazioni")->trigger();
  frmSpoglioEstrazioni* r = f.finestra->finestre().SpoglioEstrazioni();
  r->cmdSpoglioEstrazioni_Click();
  const QStringList intero = Valori(r);
  QTimer::singleShot(0, r, [r] { prova::ChiudiDalGestore(r); });
  r->cmdSpoglioEstrazioni_Click();
  EXPECT_EQ(std::tuple(Valori(r), intero.value(0), Acceso("menumodifiche")), std::tuple(intero, "1", true));
}

TEST_F(SpoglioFinestre, RangesRowsTotalsTheCopyAndTheRefusedRange) {
  Sistema({{1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {20, 21, 22, 23, 24}});
  f.sistema->Pronostico = {1, 2, 3, 4, 5, 6, 7, 8, 20, 21, 22, 23, 24};
  f.sistema->NumeriPronostico = 13;
  f.sistema->CostoColonna = 55;
  f.sistema->ArchivioEstrazioni = {{"01/03/2021", {5, 4, 3, 2, 1}}, {"03/03/2021", {1, 2, 30, 40, 50}},
                                   {"03/03/2021", {20, 40, 41, 42, 43}}, {"05/03/2021", {1, 30, 31, 32, 33}}};
  Azione("menuSpoglioEstrazioni")->trigger();
  frmSpoglioEstrazioni* w = f.finestra->finestre().SpoglioEstrazioni();
  EXPECT_EQ(std::tuple(w->Al()->count(), w->Al()->currentText()), std::tuple(3, "05/03/2021"));
  EXPECT_EQ(Forma(w), RESET);
  w->grab().save("frmSpoglioEstrazioni-vuota.png");
  // The main window's commands are blocked while the check runs.
  bool bloccato = false;
  QObject::connect(w, &FinestraSpoglio::spoglioInCorso, w, [&](bool inCorso) {
    if (inCorso) bloccato = !Acceso("menumodifiche") && !Acceso("menuapri");
  });
  w->cmdSpoglioEstrazioni_Click();
  EXPECT_EQ(std::tuple(bloccato, Acceso("menumodifiche"), Acceso("cmdSpoglioEstrazioni"), w->Griglia()->Righe()),
            std::tuple(true, true, true, 6));
  EXPECT_EQ(Riga(w, 1), (QStringList{"TOTALE", "", "5", "5", "0", "1", "0", "0", "3", "1.000.006"}));
  EXPECT_EQ(Riga(w, 2), (QStringList{"01/03/2021", "05.04.03.02.01", "5", "5", "0", "1", "0", "0", "1", "1.000.002"}));
  // Four draws of three columns at 0,55: 6,60 played, to the cent; the winnings in whole euros.
  EXPECT_EQ(Valori(w), (QStringList{"4", "1", "0", "0", "1", "2", "6,60", "1.000.006"}));
  // The archive replaced while the check yields (its old memory freed) changes nothing of the check under way.
  const std::vector<Estrazione> archivio = f.sistema->ArchivioEstrazioni;
  platform::AlCedere([this] { std::vector<Estrazione>{{"09/09/2021", {9, 10, 11, 12, 13}}}.swap(f.sistema->ArchivioEstrazioni); });
  w->cmdSpoglioEstrazioni_Click();
  platform::AlCedere({});
  f.sistema->ArchivioEstrazioni = archivio;
  EXPECT_EQ(std::tuple(Riga(w, 2), Riga(w, 5), Valori(w)),
            std::tuple(QStringList{"01/03/2021", "05.04.03.02.01", "5", "5", "0", "1", "0", "0", "1", "1.000.002"},
                       QStringList{"05/03/2021", "01.30.31.32.33", "1", "1", "0", "0", "0", "0", "0", "0"},
                       QStringList{"4", "1", "0", "0", "1", "2", "6,60", "1.000.006"}));

  // Rows 5 to 2 and columns 3 to 1 of the grid, selected from the far corner back; then any key, the
  // copy keys too, copies them all.
  QTableView* dati = w->Griglia()->VistaEstrazioni();
  // Max, Min and Pt.5 in their colours on every row; the totals row bold on light cyan.
  const QAbstractItemModel* totali = w->findChild<QTableView*>("flexGridTotale")->model();
  auto colore = [](const QAbstractItemModel* m, int c) { return m->index(0, c).data(Qt::BackgroundRole).value<QColor>().name(); };
  EXPECT_EQ(std::tuple(colore(dati->model(), 3), colore(dati->model(), 4), colore(dati->model(), 5), colore(totali, 9),
                       totali->index(0, 0).data(Qt::FontRole).value<QFont>().bold()),
            std::tuple("#ffffc0", "#80ff80", "#c0ffc0", "#80ffff", true));
  dati->setFocus();
  dati->setCurrentIndex(dati->model()->index(3, 3));
  dati->selectionModel()->select(QItemSelection(dati->model()->index(3, 3), dati->model()->index(0, 1)),
                                 QItemSelectionModel::ClearAndSelect);
  QString atteso;
  for (int r = 2; r <= 5; ++r) atteso += Riga(w, r).mid(1, 3).join('\t') + "\r\n";
  for (const QKeyCombination tasto : {QKeyCombination(Qt::Key_C), Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}) {
    QApplication::clipboard()->clear();
    QTest::keyClick(dati, tasto.key(), tasto.keyboardModifiers());
    EXPECT_EQ(QApplication::clipboard()->text(), atteso) << tasto.toCombined();
  }
  w->grab().save("frmSpoglioEstrazioni.png");

  // The hidden filter boxes: above each column "*" and the column's texts once each, in order of first
  // appearance; a row shows while it matches every box not showing "*"; the boxes follow their columns.
  auto* chkFiltri = w->findChild<QCheckBox*>("chkFiltri");
  chkFiltri->click();
  GrigliaRisultati* g = w->Griglia();
  auto voci = [g](int c) {
    QStringList v;
    for (int i = 0; i < g->Filtro(c)->count(); ++i) v << g->Filtro(c)->itemText(i);
    return v;
  };
  auto mostrate = [dati] {
    QString r;
    for (int i = 0; i < dati->model()->rowCount(); ++i) r += dati->isRowHidden(i) ? "" : QString::number(i + 2);
    return r;
  };
  EXPECT_EQ(std::tuple(voci(0), voci(8), mostrate()),
            std::tuple(QStringList{"*", "01/03/2021", "03/03/2021", "05/03/2021"}, QStringList{"*", "1", "2", "0"}, "2345"));
  QStringList passi;
  for (const auto& [c, indice] : {std::pair(0, 2), std::pair(8, 3), std::pair(0, 0), std::pair(8, 0)}) {
    g->Filtro(c)->setCurrentIndex(indice);
    passi << mostrate();
  }
  EXPECT_EQ(passi, (QStringList{"34", "4", "45", "2345"}));
  QApplication::clipboard()->clear();
  g->Filtro(0)->setFocus();
  QTest::keyClick(g->Filtro(0), Qt::Key_C);  // the window sees the boxes' keys first too
  EXPECT_EQ(QApplication::clipboard()->text(), atteso);
  QHeaderView* colonne = dati->horizontalHeader();
  colonne->resizeSection(1, 900);
  ASSERT_TRUE(QTest::qWaitFor([dati] { return dati->horizontalScrollBar()->maximum() > 0; }));
  for (const bool scorsa : {false, true}) {
    if (scorsa) dati->horizontalScrollBar()->setValue(dati->horizontalScrollBar()->maximum());
    for (int c = 0; c < COLONNE_GRIGLIA; ++c)
      EXPECT_EQ(std::pair(g->Filtro(c)->x(), g->Filtro(c)->width()),
                std::pair(colonne->sectionViewportPosition(c), colonne->sectionSize(c)))
          << c << (scorsa ? " scrolled" : " resized");
  }
  g->Filtro(0)->setCurrentIndex(1);
  chkFiltri->click();  // off: the boxes go, every row shows
  EXPECT_EQ(std::tuple(g->Filtro(0), mostrate()), std::tuple(nullptr, "2345"));
  chkFiltri->click();
  w->cmdSpoglioEstrazioni_Click();  // a new check unticks it
  EXPECT_EQ(std::tuple(chkFiltri->isChecked(), g->Filtro(0), chkFiltri->isHidden()), std::tuple(false, nullptr, true));

  // The hidden CSV export: the whole grid, each cell followed by ";", into the csv folder under the
  // system's file title, then opened with its program; a file that cannot be written is reported.
  platform::SimulazioneShell().Registra();
  auto* cmdCSV = w->findChild<QPushButton*>("cmdCSV");
  f.sistema->TitoloFileSistema = "prova.tlqvx";
  cmdCSV->click();
  const QString csv = f.cartella.filePath("csv/prova.csv");
  QFile letto(csv);
  ASSERT_TRUE(letto.open(QIODevice::ReadOnly));
  const QList<QByteArray> righe = letto.readAll().split('\n');
  EXPECT_EQ(std::tuple(righe.size(), righe[0], righe[1], righe[2], cmdCSV->isHidden()),
            std::tuple(7, "Date ;Col ;Base;Max;Min;Pt.5;Pt.4;Pt.3;Pt.2;Euro;\r", "TOTALE;;5;5;0;1;0;0;3;1.000.006;\r",
                       "01/03/2021;05.04.03.02.01;5;5;0;1;0;0;1;1.000.002;\r", true));
  f.sistema->TitoloFileSistema = "cartella.txt";
  QDir().mkpath(f.cartella.filePath("csv/cartella.csv"));
  cmdCSV->click();
  EXPECT_EQ(std::tuple(platform::SimulazioneShell().Richieste(), Messaggi().size(), Messaggi().value(0).contains("MSHFlexGridTocsv")),
            std::tuple(std::vector{QUrl::fromLocalFile(csv)}, 1, true));
  platform::SimulazioneShell().Ferma();
  platform::MessageBox::Azzera();

  // AL before DAL: the message, an empty grid, the summary as it was.
  const QStringList prima = Valori(w);
  w->Dal()->setCurrentText("05/03/2021");
  w->Al()->setCurrentText("01/03/2021");
  w->cmdSpoglioEstrazioni_Click();
  EXPECT_EQ(Messaggi(), QStringList{"Error -2147211504 ('DA' è maggiore di 'A') in procedure SpoglioArchivioEstrazioni "
                                    "of Form frmSpoglioEstrazioni"});
  EXPECT_EQ(std::tuple(w->Griglia()->Righe(), Valori(w), Forma(w)), std::tuple(2, prima, RESET));

  // The archive loses the chosen DAL while the window is open: no check, the lists are filled again.
  platform::MessageBox::Azzera();
  w->Dal()->setCurrentText("01/03/2021");
  f.sistema->ArchivioEstrazioni.erase(f.sistema->ArchivioEstrazioni.begin());
  w->cmdSpoglioEstrazioni_Click();
  EXPECT_EQ(std::tuple(Messaggi().size(), w->Griglia()->Righe(), w->Dal()->currentText()), std::tuple(1, 2, "03/03/2021"));

  // Dates that are no dates keep the archive's order: a later one before an earlier one is refused.
  platform::MessageBox::Azzera();
  f.sistema->ArchivioEstrazioni = {{"prima     ", {1, 2, 3, 4, 5}}, {"dopo      ", {1, 2, 3, 4, 5}}};
  Azione("menuSpoglioEstrazioni")->trigger();
  w->Dal()->setCurrentIndex(1), w->Al()->setCurrentIndex(0);
  w->cmdSpoglioEstrazioni_Click();
  w->Dal()->setCurrentIndex(0), w->Al()->setCurrentIndex(0);
  w->cmdSpoglioEstrazioni_Click();
  EXPECT_EQ(std::tuple(Messaggi().size(), w->Griglia()->Righe()), std::tuple(1, 3));

  // An empty archive (one empty slot) offers nothing to run.
  f.sistema->ArchivioEstrazioni = {Estrazione{"          ", {}}};
  Azione("menuSpoglioEstrazioni")->trigger();
  EXPECT_FALSE(Acceso("cmdSpoglioEstrazioni"));
  EXPECT_TRUE(w->findChild<QLabel*>("lblArchivioVuoto")->isVisible());

  // An archive of more dates than the lists take: its message, and the closed window stays closed.
  prova::ChiudiDalGestore(w);
  f.sistema->ArchivioEstrazioni.clear();
  for (int giorno = 0; giorno <= 32000; ++giorno)
    f.sistema->ArchivioEstrazioni.push_back({QDate(1900, 1, 1).addDays(giorno).toString("dd/MM/yyyy").toStdString(), {1, 2, 3, 4, 5}});
  platform::MessageBox::Azzera();
  Azione("menuSpoglioEstrazioni")->trigger();
  EXPECT_EQ(std::pair(Messaggi().size(), w->isVisible()), std::pair(qsizetype{1}, false));
}

}  // namespace
}  // namespace tlx::ui
