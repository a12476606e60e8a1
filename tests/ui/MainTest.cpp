#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>
#include <numeric>
#include <tuple>

#include "FinestraPrincipale.h"
#include "platform/Stampanti.h"
#include "ui/main/GrigliaNumeri.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;

// The commands enabled while a system is being edited (no columns).
const QStringList IN_MODIFICA = {"cmdCancella", "cmdRidotti",        "cmdCruciverba", "cmdArchivio",
                                 "menuadattamatrice", "menucalcolo", "frameNumeri",   "menuPopup"};

struct Principale : ::testing::Test {
  prova::FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  Sistema& s = *f.sistema;

  QAction* Azione(const char* nome) const { return w.findChild<QAction*>(nome); }
  QToolButton* Pulsante(const char* nome) const { return w.findChild<QToolButton*>(nome); }
  QString Testo(const char* etichetta) const { return w.findChild<QLabel*>(etichetta)->text(); }
  QStringList Stato() const { return {w.PannelloStato(2), w.PannelloStato(3), w.PannelloStato(4).trimmed()}; }

  // The commands of the lock states that are enabled, in a fixed order.
  QStringList Accesi() const {
    QStringList accesi;
    for (const char* b : {"cmdAdatta", "cmdCalcolo", "cmdCancella", "cmdModifiche", "cmdSchedine", "cmdSpoglio",
                          "cmdTabulato", "cmdVisualizza", "cmdRidotti", "cmdCruciverba", "cmdArchivio"})
      if (Pulsante(b)->isEnabled()) accesi << b;
    for (const char* m : {"menuadattamatrice", "menucalcolo", "menucondizioni", "menuoperazioni", "menuMescola",
                          "menumodifiche", "menuspoglio", "menuvisualizza", "menustampa"})
      if (Azione(m)->isEnabled()) accesi << m;
    for (const char* c : {"frameNumeri", "menuPopup"})
      if (w.findChild<QWidget*>(c)->isEnabled()) accesi << c;
    return accesi;
  }
  std::vector<int> Scelti() const {
    std::vector<int> numeri;
    for (int i = 0; i < NUMERI; ++i)
      if (s.NumeriScelti[static_cast<size_t>(i)] == 1) numeri.push_back(i + 1);
    return numeri;
  }
};

std::vector<int> DaA(int da, int a) {
  std::vector<int> v(static_cast<size_t>(a - da + 1));
  std::iota(v.begin(), v.end(), da);
  return v;
}

void Mouse(QWidget* w, QEvent::Type tipo, QPoint punto, Qt::MouseButton tasto = Qt::LeftButton) {
  const Qt::MouseButtons premuti = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(tasto);
  QMouseEvent e(tipo, punto, w->mapToGlobal(punto), tipo == QEvent::MouseMove ? Qt::NoButton : tasto, premuti,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

TEST_F(Principale, NewSystemIsEmptyAndTheFifthNumberEnablesDeveloping) {
  EXPECT_EQ((QStringList{w.PannelloStato(1)} + Stato()), (QStringList{"nuovo.tlqvx", "0", "€ 0,00", ""}));
  EXPECT_EQ(s.NomeFileSistema, s.PercorsoDati + "/sistemi/nuovo.tlqvx");
  EXPECT_EQ(Accesi(), IN_MODIFICA);
  for (const char* nascosto : {"menuImportaColonne", "menuEsportaColonne", "menuSpoglioEstrazioni"})
    EXPECT_FALSE(Azione(nascosto)->isVisible()) << nascosto;

  f.Scegli({1, 2, 3, 4});
  EXPECT_EQ(Testo("labnumeri"), "Numeri in gioco [04]");
  EXPECT_FALSE(Pulsante("cmdCalcolo")->isEnabled());
  f.Scegli({5});
  EXPECT_EQ(Testo("lblIntegrale"), "1");
  for (const char* comando : {"cmdCalcolo", "cmdAdatta", "menuoperazioni", "menucondizioni"})
    EXPECT_TRUE(Accesi().contains(comando)) << comando;
  f.Scegli({5});
  EXPECT_EQ(Testo("lblIntegrale"), "0");
  EXPECT_FALSE(Accesi().contains("menucondizioni"));
}

// One table for what the user reads on the window: menus, the prediction
// pop-up and the tool tips of the picture buttons and the status bar.
TEST_F(Principale, CaptionsOfEveryMenuPopUpItemAndToolTip) {
  const auto voci = [](const QList<QAction*>& azioni) {
    QStringList testi;
    for (const QAction* a : azioni) testi << (a->isSeparator() ? "-" : a->text());
    return testi;
  };
  const auto suggerimenti = [this](std::initializer_list<const char*> nomi) {
    QStringList testi;
    for (const char* nome : nomi) testi << w.findChild<QWidget*>(nome)->toolTip();
    return testi;
  };
  const std::pair<QStringList, QStringList> tabella[] = {
      {voci(w.menuBar()->actions()), {"&File", "&Condizioni", "&Operazioni", "&Stampa", "&Info"}},
      {voci(w.findChild<QMenu*>("menufile_items")->actions()),
       {"&Apri", "I&mporta Colonne", "-", "&Salva", "Salva &come...", "Esporta Colonne", "-",
        "&Elenco Sistemi Immediati", "&Impostazioni", "-", "&Uscita"}},
      {voci(w.findChild<QMenu*>("menucondizioni_items")->actions()),
       {"&Colonne Filtro", "&Distanza Numeri", "C&onsecutivi", "&Fisse", "&Pari e Dispari", "&Somma", "-", "&Ridotto",
        "Ridotto a &Distanza Minima"}},
      {voci(w.findChild<QMenu*>("menuoperazioni_items")->actions()),
       {"&Adatta matrice", "-", "&Mescola Colonne", "-", "&Elabora", "&Spoglio", "Spoglio Estrazion&i", "&Visualizza",
        "&Archivio Estrazioni", "S&tatistiche", "-", "&Modifiche"}},
      {voci(w.findChild<QMenu*>("menustampa_items")->actions()), {"Stampa &Tabulato", "Stampa &Schedine"}},
      {voci(w.findChild<QMenu*>("menuPopup")->actions()),
       {"Cancella Pronostico", "Tutti e 55 i numeri", "10 numeri più frequenti", "10 numeri meno frequenti",
        "30 numeri più frequenti", "30 numeri meno frequenti", "25 numeri Cruciverba"}},
      {suggerimenti({"cmdRidotti", "cmdCruciverba", "cmdArchivio", "cmdModifiche", "cmdAdatta", "cmdSpoglio",
                     "cmdVisualizza", "cmdCancella", "cmdCalcolo", "cmdTabulato", "cmdSchedine", "lblIntegrale",
                     "StBar1", "StBar2", "StBar3", "StBar4"}),
       {"Generatore di sistemi Ridotti", "click Dx genera pronostico - click Sx sviluppa cruciverba",
        "Archivio Estrazioni", "Modifica Sistema", "Adatta Matrice", "Spoglio Sistema", "Visualizza Sistema",
        "Cancella Sistema", "Elabora Sistema", "Stampa Tabulato", "Stampa Schedine", "Colonne Integrali",
        "Nome Sistema", "Numero Combinazioni", "Costo Sistema", "Tipo Sistema"}}};
  for (const auto& [avute, attese] : tabella) EXPECT_EQ(avute, attese);
}

TEST_F(Principale, PressTogglesOnceAndDragTogglesEveryCellEntered) {
  GrigliaNumeri* g = w.griglia();
  auto centro = [g](int numero) { return g->RettangoloCella(numero - 1).center(); };
  // 1..5 stand in the last five places of the first row, above 6..15.
  EXPECT_EQ(g->CellaIn(QPoint(2, 2)), -1);
  EXPECT_EQ(g->RettangoloCella(0).left(), g->RettangoloCella(10).left());

  Mouse(g, QEvent::MouseButtonPress, centro(7));
  for (int numero : {7, 8, 9, 8}) Mouse(g, QEvent::MouseMove, centro(numero) + QPoint(2, 1));
  Mouse(g, QEvent::MouseButtonRelease, centro(8));
  EXPECT_EQ(Scelti(), (std::vector<int>{7, 9}));

  Mouse(g, QEvent::MouseMove, centro(20), Qt::NoButton);
  Mouse(g, QEvent::MouseButtonPress, centro(9));
  Mouse(g, QEvent::MouseButtonRelease, centro(9));
  EXPECT_EQ(Scelti(), (std::vector<int>{7}));
}

TEST_F(Principale, PredictionMenuPicksFollowTheFrequencyRankingAndOpensOnlyWithoutColumns) {
  const std::pair<const char*, std::vector<int>> scelte[] = {
      {"mnu10piuFrequenti", DaA(46, 55)}, {"mnu30menoFrequenti", DaA(1, 30)}, {"mnuPronostico55Numeri", DaA(1, 55)}};
  for (const auto& [voce, attesi] : scelte) {
    Azione(voce)->trigger();
    EXPECT_EQ(Scelti(), attesi) << voce;
  }
  EXPECT_EQ(Testo("lblIntegrale"), "3.478.761");
  Azione("mnuCancellaPronostico")->trigger();
  EXPECT_EQ(Testo("labnumeri"), "Numeri in gioco [0]");

  w.ImpostaFrequenze(CalcolaFrequenzaNumeri({{"a", {1, 2, 3, 4, 5}}, {"b", {1, 2, 3, 6, 7}}}));
  w.SelezionaPiuFrequenti(10);
  EXPECT_EQ(Scelti(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 53, 54, 55}));
  Azione("mnu25numeriCruciverba")->trigger();
  EXPECT_EQ(Scelti().size(), 25u);
  EXPECT_EQ(Testo("lblIntegrale"), "53.130");

  // The red square opens the menu while editing only.
  auto* quadrato = w.findChild<QLabel*>("lbMnu");
  auto* menu = w.findChild<QMenu*>("menuPopup");
  Mouse(quadrato, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  w.ElaboraSistema();
  Mouse(quadrato, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
  EXPECT_FALSE(menu->isVisible());
}

TEST_F(Principale, DevelopingLocksTheWindowAndShowsCountAndCost) {
  f.Scegli({3, 8, 21, 40, 55});
  Pulsante("cmdCalcolo")->click();
  EXPECT_EQ(s.NumeroColonne, 1);
  EXPECT_EQ(Stato(), (QStringList{"1", "€ 1,00", "Integrale"}));
  EXPECT_EQ(s.GuiBloccata, -1);
  EXPECT_EQ(Accesi(), (QStringList{"cmdModifiche", "cmdSchedine", "cmdSpoglio", "cmdTabulato", "cmdVisualizza",
                                   "cmdRidotti", "cmdCruciverba", "cmdArchivio", "menucondizioni", "menuoperazioni",
                                   "menuMescola", "menumodifiche", "menuspoglio", "menuvisualizza", "menustampa"}));
  EXPECT_TRUE(w.isEnabled());
  EXPECT_TRUE(MessageBox::Mostrati().empty());

  w.CancellaSistema(true);
  s.CostoColonna = 150;
  f.Scegli({10, 11, 12, 13, 14});
  w.ElaboraSistema();
  EXPECT_EQ(Stato().mid(0, 2), (QStringList{"252", "€ 378,00"}));
}

// Develops with the abort button clicked at the first progress step and the question answered `risposta`.
void ElaboraEAnnulla(frmMAIN& w, Risposta risposta) {
  MessageBox::Accoda(risposta);
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "frmCalcolo") w->findChild<QPushButton*>("cmdSvilAnnulla")->click();
  });
  w.ElaboraSistema();
}

TEST_F(Principale, AbortYesKeepsTheColumnsSoFarAndNoGoesOn) {
  w.SelezionaPiuFrequenti(30);
  ElaboraEAnnulla(w, Risposta::Si);
  ASSERT_EQ(MessageBox::Mostrati().size(), 1u);
  const Messaggio& domanda = MessageBox::Mostrati()[0];
  EXPECT_EQ(std::tuple(domanda.titolo, domanda.pulsanti), std::tuple("Elaborazione in corso...", Pulsanti::SiNo));
  EXPECT_TRUE(domanda.testo.starts_with("Colonne da elaborare 142.506\r\nColonne elaborate ")) << domanda.testo;
  EXPECT_TRUE(domanda.testo.ends_with("\r\nUscire dallo sviluppo?"));
  EXPECT_GT(s.NumeroColonne, 0);
  EXPECT_LT(s.NumeroColonne, 142506);
  EXPECT_EQ(s.TitoloSistema.Trimmed(), "Integrale - ***");

  w.CancellaSistema(true);
  ElaboraEAnnulla(w, Risposta::No);
  EXPECT_EQ(s.NumeroColonne, 142506);
  EXPECT_EQ(s.TitoloSistema.Trimmed(), "Integrale");
}

TEST_F(Principale, FiftyFiveNumbersStopAtTheCapacityWithItsWarningAndLock) {
  QString allarme;
  MessageBox::AlMostra([&allarme](const Messaggio&) {
    for (QWidget* finestra : QApplication::topLevelWidgets())
      if (finestra->objectName() == "frmCalcolo" && finestra->isVisible())
        allarme = finestra->findChild<QLabel*>("labAllarm")->text();
  });
  Azione("mnuPronostico55Numeri")->trigger();
  Azione("menucalcolo")->trigger();
  EXPECT_EQ(allarme, "Colonne superiori alla capienza della memoria");
  const Messaggio avviso{Icona::Critica, Pulsanti::Ok, "ATTENZIONE",
                         "!!! Colonne superiori alla capienza della memoria\rCapienza memoria 1.850.000 colonne"};
  EXPECT_EQ(MessageBox::Mostrati(), std::vector{avviso});
  EXPECT_EQ(Stato(), (QStringList{"1.850.000", "€ 1.850.000,00", "Integrale - ***"}));
  EXPECT_EQ(s.GuiBloccata, -1);
}

TEST_F(Principale, EditingAsksAndYesDiscardsTheColumnsKeepingNumbersAndConditions) {
  f.Scegli({1, 2, 3, 4, 5, 6});
  s.Condizioni.SommaAttiva = VERO;
  s.Condizioni.SommaMinMax = {0, 300};
  w.ElaboraSistema();
  MessageBox::Accoda(Risposta::No);
  Pulsante("cmdModifiche")->click();
  EXPECT_EQ(s.NumeroColonne, 6);
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo,
            "Questa operazione comporta la perdita \r     di tutte le combinazioni del sistema\r\r"
            "                    Continuare ?");

  MessageBox::Accoda(Risposta::Si);
  Azione("menumodifiche")->trigger();
  EXPECT_EQ(std::tuple(s.NumeroColonne, s.GuiBloccata, s.NumeriPronostico), std::tuple(0, 0, 6));
  EXPECT_TRUE(Vero(s.Condizioni.SommaAttiva));
  EXPECT_TRUE(Pulsante("cmdCalcolo")->isEnabled());
}

TEST_F(Principale, ClearingEmptiesEverythingButFiltriOrAndUnchecksTheConditions) {
  f.Scegli({1, 2, 3, 4, 5});
  Azione("menuSomma")->setChecked(true);
  s.NumeroFiltriOr = 3;
  w.ElaboraSistema();
  s.Condizioni.SommaAttiva = s.Condizioni.RidottoAttivo = VERO, s.Condizioni.NumeriFissi[7] = 1;
  s.FiltriAnd[1].Attivo = VERO, s.NumeroFiltriAnd = 1, s.FiltriDistanza[1].Attivo = VERO, s.NumeroFiltriDistanza = 1;
  s.Consecutivi = {6, VERO}, s.DistanzaMinima = {2, VERO}, s.MarcatoreCondizioni = 12345;
  w.CancellaSistema(false);
  EXPECT_EQ(std::tuple(s.Condizioni, s.FiltriAnd[1], s.NumeroFiltriAnd, s.FiltriDistanza[1], s.NumeroFiltriDistanza,
                       s.Consecutivi, s.DistanzaMinima, s.MarcatoreCondizioni, s.NumeroColonne, s.NumeriPronostico),
            std::tuple(RecordCondizioni{}, RecordFiltro{}, 0, RecordDistanza{}, 0, RecordConsecutivi{},
                       RecordDistanzaMinima{}, 0, 0, 0));
  EXPECT_EQ(s.NumeroFiltriOr, 3);
  EXPECT_FALSE(Azione("menuSomma")->isChecked());
  EXPECT_EQ(Accesi(), IN_MODIFICA);
}

TEST_F(Principale, ClosingAsksNoKeepsTheProgramRunningYesClosesEveryWindow) {
  MessageBox::Accoda(Risposta::No);
  EXPECT_FALSE(w.close());
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo, "Uscire dall'applicazione?");
  EXPECT_FALSE(Vero(s.ChiusuraApplicazione));

  QWidget altra;
  altra.show();
  MessageBox::Accoda(Risposta::Si);
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(Vero(s.ChiusuraApplicazione));
  EXPECT_FALSE(altra.isVisible());
}

TEST_F(Principale, CrosswordButtonLeftWantsTwentyFiveNumbersRightPicksThemOnlyWhileEditing) {
  QToolButton* b = Pulsante("cmdCruciverba");
  Mouse(b, QEvent::MouseButtonPress, QPoint(5, 5));
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo, "Errore i numeri in gioco devono essere 25");
  Mouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(s.NumeriPronostico, 25);
  w.ElaboraSistema();
  const auto prima = s.NumeriScelti;
  Mouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(s.NumeriScelti, prima);
}

// Runs `azione` and returns the caption of the modal window it opened, which is then closed.
QString FinestraModaleAperta(const std::function<void()>& azione) {
  QString titolo;
  QTimer chiudi;
  QObject::connect(&chiudi, &QTimer::timeout, [&] {
    if (QWidget* modale = QApplication::activeModalWidget()) {
      titolo = modale->windowTitle();
      modale->close();
    }
  });
  chiudi.start(10);
  azione();
  return titolo;
}

TEST_F(Principale, ViewerSettingsAndAboutOpenModallyAndSettingsAreReadAgain) {
  f.Scegli({3, 7, 12, 18, 21, 27});
  w.ElaboraSistema();
  w.grab().save("frmMAIN.png");
  EXPECT_EQ(FinestraModaleAperta([&] { Pulsante("cmdVisualizza")->click(); }), " Visualizza");
  EXPECT_EQ(FinestraModaleAperta([&] { Azione("menuinfo")->trigger(); }), "Informazioni su TremaluxorQVX");
  platform::ImpostaStampantiSimulate({"Laser"});
  std::ofstream(s.FileImpostazioni) << "[IMPOSTAZIONI]\r\ncosto_colonna=250\r\n";
  EXPECT_EQ(FinestraModaleAperta([&] { Azione("menuImpostazioni")->trigger(); }), "Impostazioni");
  EXPECT_EQ(w.PannelloStato(3), "€ 15,00");
}

}  // namespace
}  // namespace tlx::ui
