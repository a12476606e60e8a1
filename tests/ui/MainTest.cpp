#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>

#include "FinestraPrincipale.h"
#include "platform/Stampanti.h"
#include "ui/main/GrigliaNumeri.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;
using prova::FinestraPrincipale;

QAction* Azione(frmMAIN& w, const char* nome) { return w.findChild<QAction*>(nome); }
QToolButton* Pulsante(frmMAIN& w, const char* nome) { return w.findChild<QToolButton*>(nome); }
QString Testo(frmMAIN& w, const char* etichetta) { return w.findChild<QLabel*>(etichetta)->text(); }

// The commands of the lock states that are enabled, in a fixed order.
QStringList Accesi(frmMAIN& w) {
  QStringList accesi;
  for (const char* b : {"cmdAdatta", "cmdCalcolo", "cmdCancella", "cmdModifiche", "cmdSchedine", "cmdSpoglio",
                        "cmdTabulato", "cmdVisualizza", "cmdRidotti", "cmdCruciverba", "cmdArchivio"})
    if (Pulsante(w, b)->isEnabled()) accesi << b;
  for (const char* m : {"menuadattamatrice", "menucalcolo", "menucondizioni", "menuoperazioni", "menuMescola",
                        "menumodifiche", "menuspoglio", "menuvisualizza", "menustampa"})
    if (Azione(w, m)->isEnabled()) accesi << m;
  if (w.findChild<QWidget*>("frameNumeri")->isEnabled()) accesi << "frameNumeri";
  if (w.findChild<QMenu*>("menuPopup")->isEnabled()) accesi << "menuPopup";
  return accesi;
}

std::vector<int> Scelti(const Sistema& s) {
  std::vector<int> numeri;
  for (int i = 0; i < NUMERI; ++i)
    if (s.NumeriScelti[static_cast<size_t>(i)] == 1) numeri.push_back(i + 1);
  return numeri;
}

std::vector<int> DaA(int da, int a) {
  std::vector<int> v;
  for (int n = da; n <= a; ++n) v.push_back(n);
  return v;
}

void Mouse(QWidget* w, QEvent::Type tipo, QPoint punto, Qt::MouseButton tasto = Qt::LeftButton) {
  const Qt::MouseButtons premuti = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(tasto);
  QMouseEvent e(tipo, punto, w->mapToGlobal(punto), tipo == QEvent::MouseMove ? Qt::NoButton : tasto, premuti,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

TEST(FinestraPrincipale, LoadsAnEmptyNewSystemWithTheEditingCommands) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  EXPECT_EQ(w.windowTitle(), "TremaluxorQVX - Ver. 0.2.5 - Freeware");
  EXPECT_EQ((QStringList{w.PannelloStato(1), w.PannelloStato(2), w.PannelloStato(3), w.PannelloStato(4).trimmed()}),
            (QStringList{"nuovo.tlqvx", "0", "€ 0,00", ""}));
  EXPECT_EQ(f.sistema->NomeFileSistema, f.sistema->PercorsoDati + "/sistemi/nuovo.tlqvx");
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [0]");
  EXPECT_EQ(Testo(w, "lblIntegrale"), "0");
  EXPECT_EQ(Accesi(w), (QStringList{"cmdCancella", "cmdRidotti", "cmdCruciverba", "cmdArchivio", "menuadattamatrice",
                                    "menucalcolo", "frameNumeri", "menuPopup"}));

  QStringList file;
  for (QAction* a : w.findChild<QMenu*>("menufile_items")->actions()) file << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(file, (QStringList{"&Apri", "I&mporta Colonne", "-", "&Salva", "Salva &come...", "Esporta Colonne", "-",
                               "&Elenco Sistemi Immediati", "&Impostazioni", "-", "&Uscita"}));
  for (const char* nascosto : {"menuImportaColonne", "menuEsportaColonne", "menuSpoglioEstrazioni"})
    EXPECT_FALSE(Azione(w, nascosto)->isVisible()) << nascosto;
}

TEST(GrigliaPrincipale, CountsAndCommandsFollowTheFifthNumber) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({1, 2, 3, 4});
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [04]");
  EXPECT_FALSE(Pulsante(w, "cmdCalcolo")->isEnabled());
  f.Scegli({5});
  EXPECT_EQ(Testo(w, "lblIntegrale"), "1");
  for (const char* comando : {"cmdCalcolo", "cmdAdatta", "menuoperazioni", "menucondizioni"})
    EXPECT_TRUE(Accesi(w).contains(comando)) << comando;
  f.Scegli({5});
  EXPECT_EQ(Testo(w, "lblIntegrale"), "0");
  EXPECT_FALSE(Accesi(w).contains("menucondizioni"));
  EXPECT_EQ(f.sistema->NumeriPronostico, 4);
}

TEST(GrigliaPrincipale, PressTogglesOnceAndDragTogglesEveryCellEntered) {
  FinestraPrincipale f;
  GrigliaNumeri* g = f.finestra->griglia();
  auto centro = [g](int numero) { return g->RettangoloCella(numero - 1).center(); };
  // 1..5 stand in the last five places of the first row, above 6..15.
  EXPECT_EQ(g->CellaIn(QPoint(2, 2)), -1);
  EXPECT_EQ(g->RettangoloCella(0).left(), g->RettangoloCella(10).left());

  Mouse(g, QEvent::MouseButtonPress, centro(7));
  for (int numero : {7, 8, 9, 8}) Mouse(g, QEvent::MouseMove, centro(numero) + QPoint(2, 1));
  Mouse(g, QEvent::MouseButtonRelease, centro(8));
  EXPECT_EQ(Scelti(*f.sistema), (std::vector<int>{7, 9}));

  Mouse(g, QEvent::MouseMove, centro(20), Qt::NoButton);
  Mouse(g, QEvent::MouseButtonPress, centro(9));
  Mouse(g, QEvent::MouseButtonRelease, centro(9));
  EXPECT_EQ(Scelti(*f.sistema), (std::vector<int>{7}));
}

TEST(MenuPronostico, PicksFollowTheFrequencyRanking) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  const std::pair<const char*, std::vector<int>> scelte[] = {{"mnu10piuFrequenti", DaA(46, 55)},
                                                             {"mnu10menoFrequenti", DaA(1, 10)},
                                                             {"mnu30piuFrequenti", DaA(26, 55)},
                                                             {"mnu30menoFrequenti", DaA(1, 30)},
                                                             {"mnuPronostico55Numeri", DaA(1, 55)}};
  for (const auto& [voce, attesi] : scelte) {
    Azione(w, voce)->trigger();
    EXPECT_EQ(Scelti(*f.sistema), attesi) << voce;
  }
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [55]");
  EXPECT_EQ(Testo(w, "lblIntegrale"), "3.478.761");
  Azione(w, "mnuCancellaPronostico")->trigger();
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [0]");

  w.ImpostaFrequenze(CalcolaFrequenzaNumeri({{"a", {1, 2, 3, 4, 5}}, {"b", {1, 2, 3, 6, 7}}}));
  w.SelezionaPiuFrequenti(10);
  EXPECT_EQ(Scelti(*f.sistema), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 53, 54, 55}));
  for (int volta = 0; volta < 3; ++volta) {
    Azione(w, "mnu25numeriCruciverba")->trigger();
    EXPECT_EQ(Scelti(*f.sistema).size(), 25u);
    EXPECT_EQ(Testo(w, "lblIntegrale"), "53.130");
  }
}

TEST(MenuPronostico, RedSquareOpensTheMenuOnlyWithoutColumns) {
  FinestraPrincipale f;
  auto* quadrato = f.finestra->findChild<QLabel*>("lbMnu");
  auto* menu = f.finestra->findChild<QMenu*>("menuPopup");
  Mouse(quadrato, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  f.Scegli({1, 2, 3, 4, 5});
  f.finestra->ElaboraSistema();
  Mouse(quadrato, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
  EXPECT_FALSE(menu->isVisible());
}

TEST(Elaborazione, FiveNumbersGiveOneColumnAndLockTheWindow) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({3, 8, 21, 40, 55});
  Pulsante(w, "cmdCalcolo")->click();
  EXPECT_EQ(f.sistema->NumeroColonne, 1);
  EXPECT_EQ((QStringList{w.PannelloStato(2), w.PannelloStato(3), w.PannelloStato(4).trimmed()}),
            (QStringList{"1", "€ 1,00", "Integrale"}));
  EXPECT_EQ(f.sistema->GuiBloccata, -1);
  EXPECT_EQ(Accesi(w), (QStringList{"cmdModifiche", "cmdSchedine", "cmdSpoglio", "cmdTabulato", "cmdVisualizza",
                                    "cmdRidotti", "cmdCruciverba", "cmdArchivio", "menucondizioni", "menuoperazioni",
                                    "menuMescola", "menumodifiche", "menuspoglio", "menuvisualizza", "menustampa"}));
  EXPECT_TRUE(w.isEnabled());
  EXPECT_TRUE(MessageBox::Mostrati().empty());

  w.CancellaSistema(true);
  f.sistema->CostoColonna = 150;
  f.Scegli({10, 11, 12, 13, 14});
  w.ElaboraSistema();
  EXPECT_EQ(w.PannelloStato(2), "252");
  EXPECT_EQ(w.PannelloStato(3), "€ 378,00");
}

// Develops with the abort button clicked at the first progress step and the
// question answered `risposta`.
void ElaboraEAnnulla(FinestraPrincipale& f, Risposta risposta) {
  MessageBox::Accoda(risposta);
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "frmCalcolo") w->findChild<QPushButton*>("cmdSvilAnnulla")->click();
  });
  f.finestra->ElaboraSistema();
}

TEST(Elaborazione, AbortYesKeepsTheColumnsSoFarAndNoGoesOn) {
  FinestraPrincipale f;
  f.finestra->SelezionaPiuFrequenti(30);
  ElaboraEAnnulla(f, Risposta::Si);
  ASSERT_EQ(MessageBox::Mostrati().size(), 1u);
  const Messaggio& domanda = MessageBox::Mostrati()[0];
  EXPECT_EQ(domanda.titolo, "Elaborazione in corso...");
  EXPECT_EQ(domanda.pulsanti, Pulsanti::SiNo);
  EXPECT_TRUE(domanda.testo.starts_with("Colonne da elaborare 142.506\r\nColonne elaborate ")) << domanda.testo;
  EXPECT_TRUE(domanda.testo.ends_with("\r\nUscire dallo sviluppo?"));
  EXPECT_GT(f.sistema->NumeroColonne, 0);
  EXPECT_LT(f.sistema->NumeroColonne, 142506);
  EXPECT_EQ(f.sistema->TitoloSistema.Trimmed(), "Integrale - ***");

  f.finestra->CancellaSistema(true);
  ElaboraEAnnulla(f, Risposta::No);
  EXPECT_EQ(f.sistema->NumeroColonne, 142506);
  EXPECT_EQ(f.sistema->TitoloSistema.Trimmed(), "Integrale");
}

TEST(ModificaSistema, YesDiscardsTheColumnsAndKeepsNumbersAndConditions) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({1, 2, 3, 4, 5, 6});
  f.sistema->Condizioni.SommaAttiva = VERO;
  f.sistema->Condizioni.SommaMinMax = {0, 300};
  w.ElaboraSistema();
  MessageBox::Accoda(Risposta::No);
  Pulsante(w, "cmdModifiche")->click();
  EXPECT_EQ(f.sistema->NumeroColonne, 6);
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo,
            "Questa operazione comporta la perdita \r     di tutte le combinazioni del sistema\r\r"
            "                    Continuare ?");

  MessageBox::Accoda(Risposta::Si);
  Azione(w, "menumodifiche")->trigger();
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  EXPECT_EQ(f.sistema->GuiBloccata, 0);
  EXPECT_EQ(f.sistema->NumeriPronostico, 6);
  EXPECT_TRUE(Vero(f.sistema->Condizioni.SommaAttiva));
  EXPECT_TRUE(Pulsante(w, "cmdCalcolo")->isEnabled());
}

TEST(CancellaSistema, ClearsEverythingButFiltriOrAndUnchecksTheConditions) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({1, 2, 3, 4, 5});
  Azione(w, "menuSomma")->setChecked(true);
  f.sistema->NumeroFiltriOr = 3;
  w.ElaboraSistema();
  w.CancellaSistema(false);
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  EXPECT_EQ(f.sistema->NumeriPronostico, 0);
  EXPECT_EQ(f.sistema->NumeroFiltriOr, 3);
  EXPECT_FALSE(Azione(w, "menuSomma")->isChecked());
  EXPECT_EQ(Accesi(w), (QStringList{"cmdCancella", "cmdRidotti", "cmdCruciverba", "cmdArchivio", "menuadattamatrice",
                                    "menucalcolo", "frameNumeri", "menuPopup"}));
  f.Scegli({10, 11, 12, 13, 14});
  w.CancellaSistema(true);
  EXPECT_TRUE(Pulsante(w, "cmdCalcolo")->isEnabled());
}

TEST(FinestraPrincipale, ClosingAnsweredNoKeepsTheProgramRunning) {
  FinestraPrincipale f;
  MessageBox::Accoda(Risposta::No);
  EXPECT_FALSE(f.finestra->close());
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo, "Uscire dall'applicazione?");
  EXPECT_EQ(MessageBox::Mostrati().at(0).titolo, f.finestra->windowTitle().toStdString());
  EXPECT_FALSE(Vero(f.sistema->ChiusuraApplicazione));
}

TEST(PulsanteCruciverba, LeftWantsTwentyFiveNumbersRightPicksThemOnlyWhileEditing) {
  FinestraPrincipale f;
  QToolButton* b = Pulsante(*f.finestra, "cmdCruciverba");
  Mouse(b, QEvent::MouseButtonPress, QPoint(5, 5));
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo, "Errore i numeri in gioco devono essere 25");
  EXPECT_EQ(MessageBox::Mostrati().at(0).titolo, "E R R O R E");
  Mouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(f.sistema->NumeriPronostico, 25);
  f.finestra->ElaboraSistema();
  const auto prima = f.sistema->NumeriScelti;
  Mouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(f.sistema->NumeriScelti, prima);
}

// Runs `azione` and returns the caption of the modal window it opened, which
// is then closed.
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

TEST(FinestreAperte, ViewerSettingsAndAboutOpenModallyAndSettingsAreReadAgain) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({3, 7, 12, 18, 21, 27});
  w.ElaboraSistema();
  w.grab().save("frmMAIN.png");
  EXPECT_EQ(FinestraModaleAperta([&] { Pulsante(w, "cmdVisualizza")->click(); }), " Visualizza");
  EXPECT_EQ(FinestraModaleAperta([&] { Azione(w, "menuinfo")->trigger(); }), "Informazioni su TremaluxorQVX");
  platform::ImpostaStampantiSimulate({"Laser"});
  std::ofstream(f.sistema->FileImpostazioni) << "[IMPOSTAZIONI]\r\ncosto_colonna=250\r\n";
  EXPECT_EQ(FinestraModaleAperta([&] { Azione(w, "menuImpostazioni")->trigger(); }), "Impostazioni");
  EXPECT_EQ(w.PannelloStato(3), "€ 15,00");
}

}  // namespace
}  // namespace tlx::ui
