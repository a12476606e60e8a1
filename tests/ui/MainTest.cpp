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

using prova::FinestraPrincipale;

QAction* Azione(frmMAIN& w, const char* nome) { return w.findChild<QAction*>(nome); }
QToolButton* Pulsante(frmMAIN& w, const char* nome) { return w.findChild<QToolButton*>(nome); }
QString Testo(frmMAIN& w, const char* etichetta) { return w.findChild<QLabel*>(etichetta)->text(); }

std::vector<int> Scelti(const Sistema& s) {
  std::vector<int> numeri;
  for (int i = 0; i < NUMERI; ++i)
    if (s.NumeriScelti[static_cast<size_t>(i)] == 1) numeri.push_back(i + 1);
  return numeri;
}

void Premi(QWidget* w, QEvent::Type tipo, QPoint punto, Qt::MouseButtons tasti) {
  QMouseEvent e(tipo, punto, w->mapToGlobal(punto), tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, tasti,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// ---- Loading ----------------------------------------------------------------

TEST(FinestraPrincipale, AfterLoadingShowsAnEmptyNewSystem) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  EXPECT_EQ(w.windowTitle(), "TremaluxorQVX - Ver. 0.2.5 - Freeware");
  EXPECT_EQ(w.PannelloStato(1), "nuovo.tlqvx");
  EXPECT_EQ(w.PannelloStato(2), "0");
  EXPECT_EQ(w.PannelloStato(3), "€ 0,00");
  EXPECT_EQ(w.PannelloStato(4).trimmed(), "");
  EXPECT_EQ(f.sistema->NomeFileSistema, f.sistema->PercorsoDati + "/sistemi/nuovo.tlqvx");
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [0]");
  EXPECT_EQ(Testo(w, "lblIntegrale"), "0");
  EXPECT_FLOAT_EQ(f.sistema->CostoColonna, 1.0f);

  for (const char* acceso : {"cmdRidotti", "cmdCruciverba", "cmdArchivio", "cmdCancella"})
    EXPECT_TRUE(Pulsante(w, acceso)->isEnabled()) << acceso;
  for (const char* spento :
       {"cmdAdatta", "cmdCalcolo", "cmdModifiche", "cmdSchedine", "cmdSpoglio", "cmdTabulato", "cmdVisualizza"})
    EXPECT_FALSE(Pulsante(w, spento)->isEnabled()) << spento;
  for (const char* spento : {"menucondizioni", "menuoperazioni", "menustampa"}) EXPECT_FALSE(Azione(w, spento)->isEnabled());
  EXPECT_TRUE(Azione(w, "menufile")->isEnabled());
  EXPECT_TRUE(Azione(w, "menuinfo")->isEnabled());
  EXPECT_TRUE(f.sistema->NumeriScelti == decltype(f.sistema->NumeriScelti){});
}

TEST(FinestraPrincipale, MenuTreeHasTheCaptionsInOrderAndHidesTheColumnTextItems) {
  FinestraPrincipale f;
  QMenu* file = f.finestra->findChild<QMenu*>("menufile_items");
  QStringList voci;
  for (QAction* a : file->actions()) voci << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(voci, (QStringList{"&Apri", "I&mporta Colonne", "-", "&Salva", "Salva &come...", "Esporta Colonne", "-",
                               "&Elenco Sistemi Immediati", "&Impostazioni", "-", "&Uscita"}));
  EXPECT_FALSE(Azione(*f.finestra, "menuImportaColonne")->isVisible());
  EXPECT_FALSE(Azione(*f.finestra, "menuEsportaColonne")->isVisible());
  EXPECT_FALSE(Azione(*f.finestra, "menuSpoglioEstrazioni")->isVisible());

  QMenu* popup = f.finestra->findChild<QMenu*>("menuPopup");
  QStringList scelte;
  for (QAction* a : popup->actions()) scelte << a->text();
  EXPECT_EQ(scelte, (QStringList{"Cancella Pronostico", "Tutti e 55 i numeri", "10 numeri più frequenti",
                                 "10 numeri meno frequenti", "30 numeri più frequenti", "30 numeri meno frequenti",
                                 "25 numeri Cruciverba"}));
}

// ---- Grid ---------------------------------------------------------------------

TEST(GrigliaPrincipale, FifthNumberEnablesTheCommandsAndShowsOneColumn) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({1, 2, 3, 4});
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [04]");
  EXPECT_EQ(Testo(w, "lblIntegrale"), "0");
  EXPECT_FALSE(Pulsante(w, "cmdCalcolo")->isEnabled());

  f.Scegli({5});
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [05]");
  EXPECT_EQ(Testo(w, "lblIntegrale"), "1");
  for (const char* b : {"cmdCalcolo", "cmdAdatta"}) EXPECT_TRUE(Pulsante(w, b)->isEnabled());
  for (const char* m : {"menuoperazioni", "menucondizioni"}) EXPECT_TRUE(Azione(w, m)->isEnabled());

  f.Scegli({5});
  EXPECT_EQ(Testo(w, "lblIntegrale"), "0");
  EXPECT_FALSE(Pulsante(w, "cmdCalcolo")->isEnabled());
  EXPECT_FALSE(Azione(w, "menucondizioni")->isEnabled());
  EXPECT_EQ(f.sistema->NumeriPronostico, 4);
}

TEST(GrigliaPrincipale, PressingToggleOnceAndDragPaintsEveryCellEntered) {
  FinestraPrincipale f;
  GrigliaNumeri* g = f.finestra->griglia();
  auto centro = [g](int numero) { return g->RettangoloCella(numero - 1).center(); };
  EXPECT_EQ(g->CellaIn(centro(7)), 6);

  // Press on 7, drag across 8 and 9 and back onto 8.
  Premi(g, QEvent::MouseButtonPress, centro(7), Qt::LeftButton);
  Premi(g, QEvent::MouseMove, centro(7) + QPoint(3, 2), Qt::LeftButton);
  Premi(g, QEvent::MouseMove, centro(8), Qt::LeftButton);
  Premi(g, QEvent::MouseMove, centro(9), Qt::LeftButton);
  Premi(g, QEvent::MouseMove, centro(8), Qt::LeftButton);
  Premi(g, QEvent::MouseButtonRelease, centro(8), Qt::NoButton);
  EXPECT_EQ(Scelti(*f.sistema), (std::vector<int>{7, 9}));
  EXPECT_EQ(f.sistema->NumeriPronostico, 2);

  // Moving without a button held paints nothing; a new press toggles again.
  Premi(g, QEvent::MouseMove, centro(20), Qt::NoButton);
  Premi(g, QEvent::MouseButtonPress, centro(9), Qt::LeftButton);
  Premi(g, QEvent::MouseButtonRelease, centro(9), Qt::NoButton);
  EXPECT_EQ(Scelti(*f.sistema), (std::vector<int>{7}));
}

TEST(GrigliaPrincipale, LayoutPutsOneToFiveInTheLastPlacesOfTheFirstRow) {
  FinestraPrincipale f;
  GrigliaNumeri* g = f.finestra->griglia();
  EXPECT_EQ(g->CellaIn(QPoint(2, 2)), -1);  // first place of the first row stays empty
  EXPECT_GT(g->RettangoloCella(0).left(), g->RettangoloCella(5).left());
  EXPECT_EQ(g->RettangoloCella(5).left(), g->RettangoloCella(15).left());  // 6 above 16
  EXPECT_EQ(g->RettangoloCella(0).left(), g->RettangoloCella(10).left());  // 1 above 11
  EXPECT_LT(g->RettangoloCella(14).right(), g->RettangoloCella(4).right() + 1);
}

TEST(MenuPronostico, PicksFollowTheFrequencyOrderAndClearResetsTheCount) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  auto daA = [](int da, int a) {
    std::vector<int> v;
    for (int n = da; n <= a; ++n) v.push_back(n);
    return v;
  };
  Azione(w, "mnu10piuFrequenti")->trigger();
  EXPECT_EQ(Scelti(*f.sistema), daA(46, 55));
  Azione(w, "mnu10menoFrequenti")->trigger();
  EXPECT_EQ(Scelti(*f.sistema), daA(1, 10));
  Azione(w, "mnu30piuFrequenti")->trigger();
  EXPECT_EQ(Scelti(*f.sistema), daA(26, 55));
  Azione(w, "mnu30menoFrequenti")->trigger();
  EXPECT_EQ(Scelti(*f.sistema), daA(1, 30));
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [30]");

  Azione(w, "mnuPronostico55Numeri")->trigger();
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [55]");
  EXPECT_EQ(Testo(w, "lblIntegrale"), "3.478.761");

  Azione(w, "mnuCancellaPronostico")->trigger();
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [0]");
  EXPECT_EQ(Testo(w, "lblIntegrale"), "0");
  EXPECT_FALSE(Pulsante(w, "cmdCalcolo")->isEnabled());

  // With a ranking from an archive: the drawn numbers, then the highest of
  // the never drawn.
  std::vector<Estrazione> archivio{{"01/01/2020", {1, 2, 3, 4, 5}}, {"02/01/2020", {1, 2, 3, 6, 7}}};
  w.ImpostaFrequenze(CalcolaFrequenzaNumeri(archivio));
  w.SelezionaPiuFrequenti(10);
  EXPECT_EQ(Scelti(*f.sistema), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 53, 54, 55}));
}

TEST(MenuPronostico, CrosswordPickAlwaysEndsWithTwentyFiveNumbers) {
  FinestraPrincipale f;
  f.Scegli({1, 2, 3, 40, 41, 42, 43});
  for (int volta = 0; volta < 5; ++volta) {
    Azione(*f.finestra, "mnu25numeriCruciverba")->trigger();
    EXPECT_EQ(Scelti(*f.sistema).size(), 25u);
    EXPECT_EQ(f.sistema->NumeriPronostico, 25);
    EXPECT_EQ(Testo(*f.finestra, "lblIntegrale"), "53.130");
  }
}

// ---- Developing ------------------------------------------------------------

TEST(Elaborazione, FiveNumbersGiveOneColumnAndLockTheWindow) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({3, 8, 21, 40, 55});
  Pulsante(w, "cmdCalcolo")->click();

  EXPECT_EQ(f.sistema->NumeroColonne, 1);
  EXPECT_EQ(w.PannelloStato(2), "1");
  EXPECT_EQ(w.PannelloStato(3), "€ 1,00");
  EXPECT_EQ(w.PannelloStato(4).trimmed(), "Integrale");
  EXPECT_EQ(f.sistema->GuiBloccata, -1);
  EXPECT_TRUE(w.isEnabled());
  for (const char* acceso : {"cmdModifiche", "cmdSchedine", "cmdSpoglio", "cmdTabulato", "cmdVisualizza"})
    EXPECT_TRUE(Pulsante(w, acceso)->isEnabled()) << acceso;
  for (const char* spento : {"cmdAdatta", "cmdCalcolo", "cmdCancella"}) EXPECT_FALSE(Pulsante(w, spento)->isEnabled()) << spento;
  for (const char* acceso : {"menuMescola", "menumodifiche", "menuspoglio", "menuvisualizza", "menustampa"})
    EXPECT_TRUE(Azione(w, acceso)->isEnabled()) << acceso;
  EXPECT_FALSE(Azione(w, "menucalcolo")->isEnabled());
  EXPECT_FALSE(Azione(w, "menuadattamatrice")->isEnabled());
  EXPECT_FALSE(w.findChild<QWidget*>("frameNumeri")->isEnabled());
  EXPECT_FALSE(w.findChild<QMenu*>("menuPopup")->isEnabled());
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
  // The progress window is gone once the development ends.
  EXPECT_EQ(w.findChild<QWidget*>("frmCalcolo"), nullptr);
}

TEST(Elaborazione, CostFollowsTheSettingsAndTheCount) {
  FinestraPrincipale f;
  f.sistema->CostoColonna = 1.5f;
  f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  Azione(*f.finestra, "menucalcolo")->trigger();
  EXPECT_EQ(f.finestra->PannelloStato(2), "252");
  EXPECT_EQ(f.finestra->PannelloStato(3), "€ 378,00");
}

// Clicks the progress window's abort button as soon as the development
// yields to the event loop.
void AnnullaAlPrimoPasso() {
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "frmCalcolo") w->findChild<QPushButton*>("cmdSvilAnnulla")->click();
  });
}

TEST(Elaborazione, AbortAnsweredYesKeepsWhatWasKeptAndMarksTheDescription) {
  FinestraPrincipale f;
  f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30});
  platform::MessageBox::Accoda(Risposta::Si);
  AnnullaAlPrimoPasso();
  f.finestra->ElaboraSistema();

  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  const Messaggio& domanda = platform::MessageBox::Mostrati()[0];
  EXPECT_EQ(domanda.titolo, "Elaborazione in corso...");
  EXPECT_EQ(domanda.icona, Icona::Domanda);
  EXPECT_EQ(domanda.pulsanti, Pulsanti::SiNo);
  EXPECT_TRUE(domanda.testo.starts_with("Colonne da elaborare 142.506\r\nColonne elaborate ")) << domanda.testo;
  EXPECT_TRUE(domanda.testo.ends_with("\r\nUscire dallo sviluppo?"));
  EXPECT_GT(f.sistema->NumeroColonne, 0);
  EXPECT_LT(f.sistema->NumeroColonne, 142506);
  EXPECT_EQ(f.sistema->TitoloSistema.Trimmed(), "Integrale - ***");
  EXPECT_EQ(f.sistema->GuiBloccata, -1);
}

TEST(Elaborazione, AbortAnsweredNoLetsTheDevelopmentFinish) {
  FinestraPrincipale f;
  f.Scegli({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  platform::MessageBox::Accoda(Risposta::No);
  AnnullaAlPrimoPasso();
  f.finestra->ElaboraSistema();
  EXPECT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(f.sistema->NumeroColonne, 15504);
  EXPECT_EQ(f.sistema->TitoloSistema.Trimmed(), "Integrale");
}

// ---- Discarding, clearing, closing ------------------------------------------

TEST(ModificaSistema, YesDiscardsTheColumnsButKeepsNumbersAndConditions) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({1, 2, 3, 4, 5, 6});
  f.sistema->Condizioni.SommaAttiva = VERO;
  f.sistema->Condizioni.SommaMinMax = {0, 300};
  w.ElaboraSistema();
  ASSERT_EQ(f.sistema->NumeroColonne, 6);

  platform::MessageBox::Accoda(Risposta::No);
  Pulsante(w, "cmdModifiche")->click();
  EXPECT_EQ(f.sistema->NumeroColonne, 6);
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].titolo, "Attenzione");
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo,
            "Questa operazione comporta la perdita \r     di tutte le combinazioni del sistema\r\r"
            "                    Continuare ?");

  platform::MessageBox::Accoda(Risposta::Si);
  Azione(w, "menumodifiche")->trigger();
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  EXPECT_EQ(f.sistema->GuiBloccata, 0);
  EXPECT_EQ(w.PannelloStato(2), "0");
  EXPECT_EQ(f.sistema->NumeriPronostico, 6);
  EXPECT_TRUE(Vero(f.sistema->Condizioni.SommaAttiva));
  EXPECT_TRUE(Pulsante(w, "cmdCalcolo")->isEnabled());
  EXPECT_FALSE(Pulsante(w, "cmdVisualizza")->isEnabled());
  EXPECT_EQ(f.sistema->Colonne.Colonna(1)[0], 0);
}

TEST(CancellaSistema, ClearsEverythingAndUnchecksTheConditionItems) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({1, 2, 3, 4, 5});
  Azione(w, "menuSomma")->setChecked(true);
  Azione(w, "menuColonnaFiltro")->setChecked(true);
  f.sistema->NumeroFiltriAnd = 1;
  f.sistema->NumeroFiltriOr = 3;
  w.ElaboraSistema();

  w.CancellaSistema(false);
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  EXPECT_EQ(f.sistema->NumeriPronostico, 0);
  EXPECT_EQ(f.sistema->NumeroFiltriAnd, 0);
  EXPECT_EQ(f.sistema->NumeroFiltriOr, 3);
  EXPECT_FALSE(Azione(w, "menuSomma")->isChecked());
  EXPECT_FALSE(Azione(w, "menuColonnaFiltro")->isChecked());
  EXPECT_EQ(Testo(w, "labnumeri"), "Numeri in gioco [0]");
  EXPECT_FALSE(Pulsante(w, "cmdCalcolo")->isEnabled());
  EXPECT_TRUE(Pulsante(w, "cmdCancella")->isEnabled());

  // Keeping the prediction keeps the grid and what it enables.
  f.Scegli({10, 11, 12, 13, 14});
  w.CancellaSistema(true);
  EXPECT_EQ(f.sistema->NumeriPronostico, 5);
  EXPECT_TRUE(Pulsante(w, "cmdCalcolo")->isEnabled());
}

TEST(FinestraPrincipale, ClosingAnsweredNoKeepsTheProgramRunning) {
  FinestraPrincipale f;
  f.Scegli({1, 2, 3});
  platform::MessageBox::Accoda(Risposta::No);
  EXPECT_FALSE(f.finestra->close());
  EXPECT_TRUE(f.finestra->isVisible());
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, "Uscire dall'applicazione?");
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].titolo, f.finestra->windowTitle().toStdString());
  EXPECT_EQ(f.sistema->NumeriPronostico, 3);
  EXPECT_FALSE(Vero(f.sistema->ChiusuraApplicazione));
}

TEST(PulsanteCruciverba, LeftButtonWantsTwentyFiveNumbersAndRightButtonPicksThemWhileUnlocked) {
  FinestraPrincipale f;
  QToolButton* b = Pulsante(*f.finestra, "cmdCruciverba");
  Premi(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, "Errore i numeri in gioco devono essere 25");
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].titolo, "E R R O R E");

  QMouseEvent destro(QEvent::MouseButtonPress, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                     Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(b, &destro);
  EXPECT_EQ(f.sistema->NumeriPronostico, 25);

  // While a system is shown the right button picks nothing.
  f.finestra->ElaboraSistema();
  const auto prima = f.sistema->NumeriScelti;
  QApplication::sendEvent(b, &destro);
  EXPECT_EQ(f.sistema->NumeriScelti, prima);
}

TEST(FinestraPrincipale, ScreenshotWithADevelopedSystem) {
  FinestraPrincipale f;
  f.Scegli({3, 7, 12, 18, 21, 27, 33, 40, 46, 55});
  f.finestra->ElaboraSistema();
  const QPixmap immagine = f.finestra->grab();
  EXPECT_FALSE(immagine.isNull());
  immagine.save("frmMAIN.png");
}

}  // namespace
}  // namespace tlx::ui

namespace tlx::ui {
namespace {

using prova::FinestraPrincipale;

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

TEST(FinestreAperte, ViewerSettingsAndAboutOpenModally) {
  FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  f.Scegli({1, 2, 3, 4, 5, 6});
  w.ElaboraSistema();
  EXPECT_EQ(FinestraModaleAperta([&] { w.findChild<QToolButton*>("cmdVisualizza")->click(); }), " Visualizza");
  EXPECT_EQ(FinestraModaleAperta([&] { w.findChild<QAction*>("menuvisualizza")->trigger(); }), " Visualizza");
  EXPECT_EQ(FinestraModaleAperta([&] { w.findChild<QAction*>("menuinfo")->trigger(); }), "Informazioni su TremaluxorQVX");

  // The settings are read again once their window closes.
  platform::ImpostaStampantiSimulate({"Laser"});
  std::ofstream(f.sistema->FileImpostazioni) << "[IMPOSTAZIONI]\r\ncosto_colonna=250\r\n";
  EXPECT_EQ(FinestraModaleAperta([&] { w.findChild<QAction*>("menuImpostazioni")->trigger(); }), "Impostazioni");
  EXPECT_FLOAT_EQ(f.sistema->CostoColonna, 2.5f);
  EXPECT_EQ(w.PannelloStato(3), "€ 15,00");
}

TEST(MenuPronostico, RedSquareOpensTheMenuOnlyWithoutColumns) {
  FinestraPrincipale f;
  auto* quadrato = f.finestra->findChild<QLabel*>("lbMnu");
  auto* menu = f.finestra->findChild<QMenu*>("menuPopup");
  QMouseEvent premi(QEvent::MouseButtonPress, QPointF(3, 3), quadrato->mapToGlobal(QPointF(3, 3)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(quadrato, &premi);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();

  f.Scegli({1, 2, 3, 4, 5});
  f.finestra->ElaboraSistema();
  QApplication::sendEvent(quadrato, &premi);
  EXPECT_FALSE(menu->isVisible());
}

}  // namespace
}  // namespace tlx::ui
