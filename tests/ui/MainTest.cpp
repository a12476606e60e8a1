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
#include <ranges>

#include "Chiusura.h"
#include "FinestraPrincipale.h"
#include "platform/FileDialogs.h"
#include "ui/main/GrigliaNumeri.h"
#include "ui/printing/frmStampa.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;

// The commands of the lock states: buttons, menu items, the grid and the pop-up.
const QStringList COMANDI = QString(
    "cmdAdatta cmdCalcolo cmdCancella cmdModifiche cmdSchedine cmdSpoglio cmdTabulato cmdVisualizza cmdRidotti "
    "cmdCruciverba cmdArchivio menuadattamatrice menucalcolo menucondizioni menuoperazioni menuMescola "
    "menumodifiche menuspoglio menuvisualizza menustampa frameNumeri menuPopup").split(' ');
// The commands enabled while a system is being edited (no columns).
const QString IN_MODIFICA = "cmdCancella cmdRidotti cmdCruciverba cmdArchivio menuadattamatrice menucalcolo frameNumeri menuPopup";

void Mouse(QWidget* w, QEvent::Type tipo, QPoint punto, Qt::MouseButton tasto = Qt::LeftButton) {
  QMouseEvent e(tipo, punto, w->mapToGlobal(punto), tipo == QEvent::MouseMove ? Qt::NoButton : tasto,
                tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(tasto), Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

struct Principale : ::testing::Test {
  prova::FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  Sistema& s = *f.sistema;

  QAction* Azione(const char* nome) const { return w.findChild<QAction*>(nome); }
  QAbstractButton* Pulsante(const char* nome) const { return w.findChild<QAbstractButton*>(nome); }
  QString Testo(const char* etichetta) const { return w.findChild<QLabel*>(etichetta)->text(); }
  QStringList Stato() const { return {w.PannelloStato(2), w.PannelloStato(3), w.PannelloStato(4).trimmed()}; }
  // The last message shown.
  static std::string Mostrato() { return MessageBox::Mostrati().at(MessageBox::Mostrati().size() - 1).testo; }
  void Sviluppa(std::initializer_list<int> numeri) { f.Scegli(numeri), w.ElaboraSistema(); }
  // The commands enabled, in the order of COMANDI.
  QString Accesi() const {
    QStringList accesi;
    for (const QString& c : COMANDI)
      if (auto* x = w.findChild<QWidget*>(c); x ? x->isEnabled() : w.findChild<QAction*>(c)->isEnabled()) accesi << c;
    return accesi.join(' ');
  }
  auto Scelti() const {
    return std::views::iota(1, int{NUMERI} + 1) | std::views::filter([this](int n) { return s.NumeriScelti[n - 1] == 1; });
  }
};

TEST_F(Principale, TheFifthNumberEnablesDevelopingWhichLocksTheWindowAndShowsCountAndCost) {
  EXPECT_EQ(QStringList{w.PannelloStato(1)} + Stato() << Accesi(),
            (QStringList{"nuovo.tlqvx", "0", "€ 0,00", "", IN_MODIFICA}));
  f.Scegli({1, 2, 3, 4, 5});
  EXPECT_EQ(QStringList({Testo("labnumeri"), Testo("lblIntegrale"), Accesi()}),
            QStringList({"Numeri in gioco [05]", "1",
                         "cmdAdatta cmdCalcolo cmdCancella cmdRidotti cmdCruciverba cmdArchivio menuadattamatrice "
                         "menucalcolo menucondizioni menuoperazioni frameNumeri menuPopup"}));
  Pulsante("cmdCalcolo")->click();
  EXPECT_EQ(std::tuple(Stato() << Accesi(), s.GuiBloccata, w.isEnabled(), MessageBox::Mostrati().size()),
            std::tuple(QStringList{"1", "€ 1,00", "Integrale",
                                   "cmdModifiche cmdSchedine cmdSpoglio cmdTabulato cmdVisualizza cmdRidotti "
                                   "cmdCruciverba cmdArchivio menucondizioni menuoperazioni menuMescola menumodifiche "
                                   "menuspoglio menuvisualizza menustampa"},
                       -1, true, 0u));
}

// Whether the user can reach a command: a button or the grid enabled; a menu item enabled and visible in a menu
// the user can open (its bar entry reachable, or the enabled pop-up); an entry of an enabled menu bar.
bool Raggiungibile(const QObject* comando) {
  if (auto* menu = qobject_cast<const QMenu*>(comando)) return menu->isEnabled();
  if (auto* w = qobject_cast<const QWidget*>(comando)) return w->isEnabled() && w->isVisible();
  const auto* a = static_cast<const QAction*>(comando);
  if (!a->isEnabled() || !a->isVisible()) return false;
  const QObject* dove = a->associatedObjects().value(0);
  if (auto* menu = qobject_cast<const QMenu*>(dove))
    return menu->objectName() == "menuPopup" ? menu->isEnabled() : Raggiungibile(menu->menuAction());
  return static_cast<const QWidget*>(dove)->isEnabled();
}

// Every command of the menu tree and every button, walked through the states a user meets: each group of commands
// reachable (1) or not (0) after each step, as the lock states and the prediction's count have them. Enabling the
// window again after a development or the slip window brings back exactly these states.
TEST_F(Principale, EveryCommandFollowsTheLockStatesWhateverEnabledTheWindowAgain) {
  const char* const passi[] = {"loaded", "4 numbers", "5 numbers", "a development that kept nothing", "developed",
                               "Modifiche", "Cancella Sistema", "a file opened", "slip window open", "slip window closed"};
  const std::pair<const char*, const char*> stati[] = {
      {"1111111101", "menufile menuapri menusalva menusalvacome mnu_Elenco menuImpostazioni menuuscita menuinfo "
                     "cmdRidotti cmdCruciverba cmdArchivio"},
      {"0011110101", "menucondizioni menuColonnaFiltro menuDistanzaNumeri menuConsecutivi menuFisse menuPariDispari "
                     "menuSomma menuRidotto menuDistanzaMinima menuoperazioni menuSpoglioEstrazioni menuEstrazioni "
                     "menuStatistiche"},
      {"0011010000", "menuadattamatrice menucalcolo cmdAdatta cmdCalcolo"},
      {"1111011000", "cmdCancella frameNumeri menuPopup mnuCancellaPronostico mnuPronostico55Numeri mnu10piuFrequenti "
                     "mnu10menoFrequenti mnu30piuFrequenti mnu30menoFrequenti mnu25numeriCruciverba"},
      {"0000100101", "menuMescola menuspoglio menuvisualizza menumodifiche menustampa menutabulato menuschedine "
                     "cmdModifiche cmdSpoglio cmdVisualizza cmdTabulato cmdSchedine"},
      {"0000000000", "menuImportaColonne menuEsportaColonne cmdPicture"}};
  // The table holds every command there is.
  QStringList tabella, comandi;
  for (const auto& [stato, nomi] : stati) tabella << QString(nomi).split(' ');
  for (const QAction* a : w.findChildren<QAction*>())
    if (!a->isSeparator() && !a->objectName().isEmpty()) comandi << a->objectName();
  for (const QToolButton* b : w.centralWidget()->findChildren<QToolButton*>()) comandi << b->objectName();
  comandi << "frameNumeri" << "menuPopup";
  tabella.sort(), comandi.sort();
  EXPECT_EQ(tabella.join(' ').toStdString(), comandi.join(' ').toStdString());

  const QString file = f.cartella.path() + "/cinque.tlqvx";
  platform::cCommonDialog::Simulazione().Registra();
  platform::cCommonDialog::Simulazione().Accoda(file);
  const std::function<void()> azioni[] = {
      [&] { w.MostraVoceSpoglioEstrazioni(); },  // as start-up does
      [&] { f.Scegli({1, 2, 3, 4}); },
      [&] { f.Scegli({5}); },
      [&] {  // only columns of four even numbers kept: the one column of 1..5 has two
        s.Condizioni.PariAmmessi[4] = VERO, s.Condizioni.PariAttiva = VERO;
        Pulsante("cmdCalcolo")->click();
        ASSERT_EQ(s.NumeroColonne, 0);
      },
      [&] {
        s.Condizioni.PariAttiva = FALSO;
        Pulsante("cmdCalcolo")->click();
        s.NomeFileSistema = file.toStdString();
        w.SalvaFile();
      },
      [&] { MessageBox::Accoda(Risposta::Si), Pulsante("cmdModifiche")->click(); },
      [&] { Pulsante("cmdCancella")->click(); },
      [&] { Azione("menuapri")->trigger(); },
      [&] { Pulsante("cmdSchedine")->click(); },
      [&] {
        for (QWidget* finestra : QApplication::topLevelWidgets())
          if (qobject_cast<frmStampa*>(finestra) && finestra->isVisible()) prova::ChiudiDalGestore(finestra);
      }};
  for (size_t passo = 0; passo < std::size(azioni); ++passo) {
    azioni[passo]();
    QStringList attesi, raggiunti;
    for (const auto& [stato, nomi] : stati)
      for (const QString& nome : QString(nomi).split(' ')) {
        if (stato[passo] == '1') attesi << nome;
        const QAction* voce = w.findChild<QAction*>(nome);
        if (Raggiungibile(voce ? static_cast<const QObject*>(voce) : w.findChild<QWidget*>(nome))) raggiunti << nome;
      }
    EXPECT_EQ(raggiunti.join(' ').toStdString(), attesi.join(' ').toStdString()) << "after " << passi[passo];
  }
  EXPECT_EQ(std::pair(s.NumeroColonne, MessageBox::Mostrati().size()), std::pair(1, size_t{1}));
  platform::cCommonDialog::Simulazione().Ferma();
}

// One table for what the user reads on the window: menus (hidden items in
// brackets), the prediction pop-up and the tool tips of the picture buttons and the status bar.
TEST_F(Principale, CaptionsOfEveryMenuPopUpItemAndToolTip) {
  const std::pair<const char*, const char*> menu[] = {
      {nullptr, "&File|&Condizioni|&Operazioni|&Stampa|&Info"},
      {"menufile_items", "&Apri|[I&mporta Colonne]|-|&Salva|Salva &come...|[Esporta Colonne]|-|"
                         "&Elenco Sistemi Immediati|&Impostazioni|-|&Uscita"},
      {"menucondizioni_items", "&Colonne Filtro|&Distanza Numeri|C&onsecutivi|&Fisse|&Pari e Dispari|&Somma|-|"
                               "&Ridotto|Ridotto a &Distanza Minima"},
      {"menuoperazioni_items", "&Adatta matrice|-|&Mescola Colonne|-|&Elabora|&Spoglio|[Spoglio Estrazion&i]|"
                               "&Visualizza|&Archivio Estrazioni|S&tatistiche|-|&Modifiche"},
      {"menustampa_items", "Stampa &Tabulato|Stampa &Schedine"},
      {"menuPopup", "Cancella Pronostico|Tutti e 55 i numeri|10 numeri più frequenti|10 numeri meno frequenti|"
                    "30 numeri più frequenti|30 numeri meno frequenti|25 numeri Cruciverba"}};
  for (const auto& [nome, attese] : menu) {
    QStringList voci;
    for (const QAction* a : nome ? w.findChild<QMenu*>(nome)->actions() : w.menuBar()->actions())
      voci << (a->isSeparator() ? "-" : a->isVisible() ? a->text() : "[" + a->text() + "]");
    EXPECT_EQ(voci.join('|'), attese) << (nome ? nome : "menu bar");
  }
  QStringList suggerimenti;
  for (const QString& nome : QString("cmdRidotti cmdCruciverba cmdArchivio cmdModifiche cmdAdatta cmdSpoglio "
                                     "cmdVisualizza cmdCancella cmdCalcolo cmdTabulato cmdSchedine lblIntegrale "
                                     "StBar1 StBar2 StBar3 StBar4").split(' '))
    suggerimenti << w.findChild<QWidget*>(nome)->toolTip();
  EXPECT_EQ(suggerimenti.join('|'),
            "Generatore di sistemi Ridotti|click Dx genera pronostico - click Sx sviluppa cruciverba|"
            "Archivio Estrazioni|Modifica Sistema|Adatta Matrice|Spoglio Sistema|Visualizza Sistema|Cancella Sistema|"
            "Elabora Sistema|Stampa Tabulato|Stampa Schedine|Colonne Integrali|Nome Sistema|Numero Combinazioni|"
            "Costo Sistema|Tipo Sistema");
}

// A press toggles a number once and a drag every number entered; the prediction menu picks by the
// frequency ranking; the menu's red square and the crossword button pick numbers while editing only.
TEST_F(Principale, PickingNumbersByMouseMenuAndCrosswordButton) {
  GrigliaNumeri* g = w.griglia();
  auto centro = [g](int numero) { return g->RettangoloCella(numero - 1).center(); };
  Mouse(g, QEvent::MouseButtonPress, centro(7));
  for (int numero : {7, 8, 9, 8}) Mouse(g, QEvent::MouseMove, centro(numero) + QPoint(2, 1));
  Mouse(g, QEvent::MouseButtonRelease, centro(8));
  EXPECT_TRUE(std::ranges::equal(Scelti(), std::vector{7, 9}));

  // The item, the numbers picked from .. to.
  const std::tuple<const char*, int, int> scelte[] = {{"mnu10piuFrequenti", 46, 55}, {"mnu30menoFrequenti", 1, 30},
                                                      {"mnuCancellaPronostico", 1, 0}, {"mnuPronostico55Numeri", 1, 55}};
  for (const auto& [voce, da, a] : scelte) {
    Azione(voce)->trigger();
    EXPECT_TRUE(std::ranges::equal(Scelti(), std::views::iota(da, a + 1))) << voce;
  }
  QAbstractButton* cruciverba = Pulsante("cmdCruciverba");
  Mouse(cruciverba, QEvent::MouseButtonPress, QPoint(5, 5));
  EXPECT_EQ(Mostrato(), "Errore i numeri in gioco devono essere 25");
  Mouse(cruciverba, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(s.NumeriPronostico, 25);

  auto* menu = w.findChild<QMenu*>("menuPopup");
  Mouse(w.findChild<QLabel*>("lbMnu"), QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  w.ElaboraSistema();
  const auto prima = s.NumeriScelti;
  Mouse(w.findChild<QLabel*>("lbMnu"), QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
  Mouse(cruciverba, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(std::pair(menu->isVisible(), s.NumeriScelti), std::pair(false, prima));
}

// The progress window of the development under way.
QWidget* Calcolo() {
  for (QWidget* f : QApplication::topLevelWidgets())
    if (f->objectName() == "frmCalcolo" && f->isVisible()) return f;
  return nullptr;
}

// Abort at the first progress step: Yes keeps the columns so far, No goes on. 55 numbers stop at the capacity
// with its warning and lock.
TEST_F(Principale, AbortAndCapacityStopTheDevelopment) {
  w.SelezionaPiuFrequenti(30);
  const std::pair<Risposta, const char*> risposte[] = {{Risposta::Si, "Integrale - ***"}, {Risposta::No, "Integrale"}};
  for (const auto& [risposta, tipo] : risposte) {
    w.CancellaSistema(true);
    MessageBox::Accoda(risposta);
    QTimer::singleShot(0, [] { Calcolo()->findChild<QPushButton*>("cmdSvilAnnulla")->click(); });
    w.ElaboraSistema();
    const Messaggio d = MessageBox::Mostrati().back();
    EXPECT_EQ(std::tuple(d.titolo, d.pulsanti, s.TitoloSistema.Trimmed(), s.NumeroColonne == 142506),
              std::tuple("Elaborazione in corso...", Pulsanti::SiNo, tipo, risposta == Risposta::No));
    EXPECT_TRUE(d.testo.starts_with("Colonne da elaborare 142.506\r\nColonne elaborate ") &&
                d.testo.ends_with("\r\nUscire dallo sviluppo?") && s.NumeroColonne > 0)
        << d.testo;
  }
  w.CancellaSistema(true);
  QString allarme;
  MessageBox::AlMostra([&](const Messaggio&) { allarme = Calcolo()->findChild<QLabel*>("labAllarm")->text(); });
  Azione("mnuPronostico55Numeri")->trigger();
  Azione("menucalcolo")->trigger();
  EXPECT_EQ(MessageBox::Mostrati().back(), (Messaggio{Icona::Critica, Pulsanti::Ok, "ATTENZIONE",
            "!!! Colonne superiori alla capienza della memoria\rCapienza memoria 1.850.000 colonne"}));
  EXPECT_EQ(std::tuple(allarme, Stato(), s.GuiBloccata, MessageBox::Mostrati().size()),
            std::tuple(QString("Colonne superiori alla capienza della memoria"),
                       QStringList{"1.850.000", "€ 1.850.000,00", "Integrale - ***"}, -1, 3u));
}

// Editing asks, and Yes drops the columns only; clearing empties everything but the OR filters.
TEST_F(Principale, EditingKeepsNumbersAndConditionsClearingEmptiesEverythingButFiltriOr) {
  s.Condizioni.SommaAttiva = VERO, s.Condizioni.SommaMinMax = {0, 300}, Azione("menuSomma")->setChecked(true);
  Sviluppa({1, 2, 3, 4, 5, 6});
  MessageBox::Accoda(Risposta::No);
  Pulsante("cmdModifiche")->click();
  EXPECT_EQ(std::pair(s.NumeroColonne, Mostrato()),
            std::pair(6, std::string("Questa operazione comporta la perdita \r     di tutte le combinazioni del "
                                     "sistema\r\r                    Continuare ?")));
  MessageBox::Accoda(Risposta::Si);
  Azione("menumodifiche")->trigger();
  EXPECT_EQ(std::tuple(s.NumeroColonne, s.GuiBloccata, s.NumeriPronostico, Vero(s.Condizioni.SommaAttiva),
                       Pulsante("cmdCalcolo")->isEnabled()),
            std::tuple(0, 0, 6, true, true));

  w.ElaboraSistema();
  s.NumeroFiltriOr = 3, s.Condizioni.RidottoAttivo = VERO, s.Condizioni.NumeriFissi[7] = 1;
  s.FiltriAnd[1].Attivo = VERO, s.NumeroFiltriAnd = 1, s.FiltriDistanza[1].Attivo = VERO, s.NumeroFiltriDistanza = 1;
  s.Consecutivi = {6, VERO}, s.DistanzaMinima = {2, VERO}, s.MarcatoreCondizioni = 12345;
  w.CancellaSistema(false);
  EXPECT_EQ(std::tuple(s.Condizioni, s.FiltriAnd[1], s.NumeroFiltriAnd, s.FiltriDistanza[1], s.NumeroFiltriDistanza,
                       s.Consecutivi, s.DistanzaMinima, s.MarcatoreCondizioni, s.NumeroColonne, s.NumeriPronostico,
                       s.NumeroFiltriOr, Azione("menuSomma")->isChecked(), Accesi()),
            std::tuple(RecordCondizioni{}, RecordFiltro{}, 0, RecordDistanza{}, 0, RecordConsecutivi{},
                       RecordDistanzaMinima{}, 0, 0, 0, 3, false, IN_MODIFICA));
}

TEST_F(Principale, ModalWindowsSettingsReadAgainAndTheClosingQuestion) {
  Sviluppa({3, 7, 12, 18, 21, 27});
  w.grab().save("frmMAIN.png");
  std::ofstream(s.FileImpostazioni) << "[IMPOSTAZIONI]\r\ncosto_colonna=250\r\n";
  QStringList modali;  // the captions of the modal windows opened, each closed at once
  QTimer chiudi;
  QObject::connect(&chiudi, &QTimer::timeout, [&] {
    if (QWidget* m = QApplication::activeModalWidget()) modali << m->windowTitle(), m->close();
  });
  chiudi.start(10);
  Pulsante("cmdVisualizza")->click();
  Azione("menuinfo")->trigger();
  Azione("menuImpostazioni")->trigger();
  EXPECT_EQ(modali << w.PannelloStato(3),
            (QStringList{" Visualizza", "Informazioni su TremaluxorQVX", "Impostazioni", "€ 15,00"}));

  // Closing asks: No keeps the program running, Yes closes every window.
  MessageBox::Accoda(Risposta::No);
  EXPECT_FALSE(prova::ChiudiDalGestore(&w));
  EXPECT_EQ(std::pair(Mostrato(), Vero(s.ChiusuraApplicazione)), std::pair(std::string("Uscire dall'applicazione?"), false));
  QWidget altra;
  altra.show();
  MessageBox::Accoda(Risposta::Si);
  EXPECT_TRUE(prova::ChiudiDalGestore(&w));
  EXPECT_EQ(std::pair(Vero(s.ChiusuraApplicazione), altra.isVisible()), std::pair(true, false));
}

}  // namespace
}  // namespace tlx::ui
