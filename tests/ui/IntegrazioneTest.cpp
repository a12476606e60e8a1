// The windows used together, as a user moves between them: the main window
// with the archive, statistics, checking and slip windows open beside it,
// and every window of the program where a 1024 x 768 screen shows it.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <numeric>

#include "DesktopX.h"
#include "archive/Archivio.h"
#include "core/Sviluppo.h"
#include "platform/Finestre.h"
#include "platform/InputBox.h"
#include "platform/StampanteQt.h"
#include "printing/StampanteRegistrata.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/Chiusura.h"
#include "ui/FinestraPrincipale.h"
#include "ui/archive/frmArchivio.h"
#include "ui/archive/frmStatistiche.h"
#include "ui/checking/GrigliaRisultati.h"
#include "ui/checking/frmSpoglio.h"
#include "ui/checking/frmSpoglioEstrazioni.h"
#include "ui/conditions/frmImportFiltri.h"
#include "ui/main/Avvio.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/main/frmNewVersion.h"
#include "ui/matrices/frmOrdinaPronostico.h"
#include "ui/printing/frmRidottiRandom.h"
#include "ui/printing/frmStampa.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;
using prova::FinestraPrincipale;
namespace desktop = prova::desktop;

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

// The slip window disables the main window only: the archive, statistics
// and checking windows beside it stay usable, and a check that is running
// keeps its window disabled until it ends. The development's reduction index
// and the range check's subset index live side by side in one program:
// checking a range after a development works in the same run.
TEST_F(Integrazione, LaFinestraDelleSchedineLasciaUsabiliLeAltreFinestre) {
  Sviluppa();
  Pulsante("cmdArchivio")->click();
  f.finestra->findChild<QAction*>("menuStatistiche")->trigger();
  Pulsante("cmdSpoglio")->click();
  f.finestra->findChild<QAction*>("menuSpoglioEstrazioni")->trigger();
  CoordinatoreFinestre& c = f.finestra->finestre();
  c.SpoglioEstrazioni()->cmdSpoglioEstrazioni_Click();
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  QWidget* finestre[] = {f.finestra.get(), c.Archivio(),          c.Statistiche(),
                         c.Spoglio(),      c.SpoglioEstrazioni(), c.Archivio()->findChild<QListView*>("lst")};
  finestre[4]->setEnabled(false);  // as while its check runs
  // Each window usable (U), disabled (D) or hidden (-), in the order above.
  const auto stati = [&] {
    QString s;
    for (QWidget* w : finestre) s += !w->isVisible() ? '-' : w->isEnabled() ? 'U' : 'D';
    return s;
  };

  Pulsante("cmdSchedine")->click();
  frmStampa* stampa = Schedine();
  ASSERT_NE(stampa, nullptr);
  EXPECT_EQ(stati(), "DUUUDU");
  stampa->close();
  EXPECT_EQ(stati(), "UUUUDU");
  finestre[4]->setEnabled(true);
}


// Watches the windows as they come up, at every pass of the event loop (a
// progress window is up only while its work yields). Each one, once on the
// screen (where a window manager frames it, that takes a moment its work
// would not wait for), is checked where the user sees it and saved as it
// stands on the screen (schermo-NAME.png); a modal one is then closed with
// its close box.
struct Osservatore {
  QStringList viste, guasti, proprietari;
  QTimer giro;
  Osservatore() {
    QObject::connect(&giro, &QTimer::timeout, [this] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->property("vista").toBool()) Guarda(w);
      if (QWidget* modale = QApplication::activeModalWidget(); modale && modale->property("vista").toBool()) prova::ChiudiDalGestore(modale);
    });
    giro.start(0);
  }
  void Guarda(QWidget* w) {
    w->setProperty("vista", true);
    const QString nome = Nome(w);
    if (!QTest::qWaitForWindowExposed(w)) guasti << nome + " mai apparsa";
    // The window where it was put, in the frame the window system gave it:
    // Qt's own idea of the frame's place may lag behind.
    const auto cornice = [w] { return w->geometry().marginsAdded(w->windowHandle()->frameMargins()); };
    const QRect area = w->screen()->availableGeometry();
    // The common dialogs go where Qt puts them, over their owner, as wide as
    // Qt makes them.
    const bool comune = QStringList{"QFileDialog", "QInputDialog"}.contains(nome);
    const bool centrata = !comune && !QStringList{"frmArchivio", "frmStatistiche"}.contains(nome);
    const auto scarto = [&] { return (cornice().center() - area.center()).manhattanLength(); };
    // Once framed, a window may be moved again to centre it with its frame.
    if (!QTest::qWaitFor([&] { return area.contains(cornice()) && (!centrata || scarto() <= 2); }, 1000)) {
      if (!area.contains(cornice())) guasti << nome + " fuori dallo schermo";
      if (centrata && scarto() > 2) guasti << nome + " non centrata";
    }
    if (!comune && w->width() < platform::LarghezzaTitolo(w->windowTitle())) guasti << nome + " col titolo tagliato";
    Schermo(w, "schermo-" + nome + (viste.contains(nome) ? "-2" : "") + ".png");
    viste << nome;
    GuardaProprietario(w, nome);
  }
  static QString Nome(const QWidget* w) {
    return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
  }
  // A window that belongs to another (all but the main window and the
  // windows beside it) names its owner to the window system and stays above
  // it when the user clicks the owner: a window manager raises what is
  // clicked, and with it only the windows it knows to be that one's.
  void GuardaProprietario(QWidget* w, const QString& nome) {
    if (QStringList{"frmSplash", "frmMAIN", "frmArchivio", "frmStatistiche", "frmSpoglio", "frmSpoglioEstrazioni"}
            .contains(nome))
      return;
    QWidget* proprietario = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
      if (t->windowHandle() && t->windowHandle() == w->windowHandle()->transientParent()) proprietario = t;
    if (!proprietario) {
      guasti << nome + " senza proprietario";
      return;
    }
    if (proprietario->objectName() != "frmMAIN") proprietari << nome + ">" + Nome(proprietario);
    if (QGuiApplication::platformName() != "xcb") return;
    const WId id = w->winId(), suo = proprietario->winId();
    if (desktop::Finestre({"-id", QString::number(id), "WM_TRANSIENT_FOR"}) != QList<WId>{suo})
      guasti << nome + " non dice il proprietario";
    // A click where the window leaves its owner uncovered: on the status bar
    // or an empty stretch of the menu bar of an owner that is not blocked. A
    // window that covers its owner whole leaves nothing of it to click.
    const QRect sopra = w->geometry().marginsAdded(w->windowHandle()->frameMargins());
    const QRect sotto = proprietario->geometry();
    for (const QPoint punto : {sotto.bottomLeft() + QPoint(3, -3), sotto.topRight() + QPoint(-3, 3)}) {
      if (sopra.contains(punto)) continue;
      const desktop::Pressioni pressioni(suo);
      desktop::Clic(punto);
      // The window manager restacks the windows before it lets the owner
      // have the press.
      if (!QTest::qWaitFor([&] { return pressioni.Contate() > 0; }, 2000)) guasti << nome + ": clic perso";
      const QList<WId> pila = desktop::Finestre({"-root", "_NET_CLIENT_LIST_STACKING"});
      if (pila.indexOf(id) < pila.indexOf(suo)) guasti << nome + " sotto " + Nome(proprietario);
      return;
    }
  }
  // The screen with the window: the real one where there is a window system
  // to draw frames, else the window alone on a plain desktop.
  static void Schermo(QWidget* w, const QString& file) {
    if (QGuiApplication::platformName() == "xcb") {
      w->screen()->grabWindow(0).save(file);
      return;
    }
    QImage schermo(w->screen()->geometry().size(), QImage::Format_RGB32);
    schermo.fill(QColor(0x3a, 0x6e, 0xa5));
    QPainter(&schermo).drawPixmap(w->geometry().topLeft(), w->grab());
    schermo.save(file);
  }
  // A modeless window, once seen.
  QWidget* Aperta(const char* nome) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return viste.contains(nome); })) << nome;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == nome && w->isVisible()) return w;
    return nullptr;
  }
};

// Every window of the program, opened as the user opens it, lies whole on a
// 1024 x 768 screen and is wide enough for its caption: centred once its
// layout has sized it, brought within the screen when larger; the archive
// and its statistics where the window system puts them. Closing the main
// window asks in a box as wide as the window's long title. Every window that
// belongs to another, the common dialogs too, stays above its owner when
// the user clicks the owner.
TEST(Finestre, OgniFinestraStaInteraSulloSchermoDa1024x768) {
  platform::MessageBox::Registra();
  Osservatore o;
  Avvio avvio;
  ASSERT_TRUE(avvio.Main({}));
  frmMAIN& m = *avvio.finestraPrincipale();
  Sistema& s = avvio.sistema();
  StampanteRegistrata stampante{{"Laser"}, "Laser"};
  platform::ImpostaStampanteCorrente(&stampante);
  const auto azione = [&m](const char* nome) { m.findChild<QAction*>(nome)->trigger(); };
  const auto pulsante = [](QWidget* finestra, const char* nome) { finestra->findChild<QAbstractButton*>(nome)->click(); };
  ASSERT_TRUE(o.Aperta("frmMAIN"));
  // The common dialogs: a file to open, an answer to type.
  azione("menuapri");
  platform::InputBox("Valore Fissa N.1 ?", "Numero fisse", "1", nullptr, std::nullopt, &m);

  // The crossword wants 25 numbers: the button's right click picks them.
  auto* cruciverba = m.findChild<QToolButton*>("cmdCruciverba");
  for (const auto tasto : {Qt::RightButton, Qt::LeftButton}) {
    QMouseEvent premuto(QEvent::MouseButtonPress, QPointF(5, 5), cruciverba->mapToGlobal(QPointF(5, 5)), tasto, tasto, {});
    QApplication::sendEvent(cruciverba, &premuto);
  }
  for (const char* voce : {"menuSomma", "menuPariDispari", "menuFisse", "menuConsecutivi", "menuDistanzaMinima", "menuRidotto",
                           "menuColonnaFiltro", "menuDistanzaNumeri"})
    azione(voce);
  frmImportFiltri(s, FormatoLocale(), &m).exec();
  azione("menuadattamatrice"), azione("mnu_Elenco");
  frmOrdinaPronostico(s, &m).exec();
  azione("menuinfo"), azione("menuImpostazioni");
  frmNewVersion(&m).exec();
  pulsante(&m, "cmdCalcolo");
  ASSERT_GT(s.NumeroColonne, 0);
  pulsante(&m, "cmdVisualizza");
  azione("menutabulato");
  azione("menuspoglio");
  prova::ChiudiDalGestore(o.Aperta("frmSpoglio"));
  // All 55 numbers developed to the table's capacity, checked against 400
  // draws of 01 to 05, each bringing every column's widest value: the grid
  // shows every column whole, with no sideways scroll bar, and the filter
  // boxes (a hidden feature) sit above them.
  const std::vector<uint8_t> sviluppate(s.Colonne.Dati(), s.Colonne.Dati() + static_cast<size_t>(s.NumeroColonne) * 5);
  const int32_t quante = s.NumeroColonne;
  const std::vector<Estrazione> archivio = s.ArchivioEstrazioni;
  const auto [pronostico, scelti] = std::pair(s.Pronostico, s.NumeriPronostico);
  {
    auto tutti = std::make_unique<Sistema>();
    std::array<uint8_t, NUMERI> numeri;
    std::iota(numeri.begin(), numeri.end(), uint8_t{1});
    Sviluppo(*tutti, NUMERI, numeri);
    s.Pronostico = numeri, s.NumeriPronostico = NUMERI;
    std::copy_n(tutti->Colonne.Dati(), static_cast<size_t>(tutti->NumeroColonne) * 5, s.Colonne.Dati());
    s.NumeroColonne = tutti->NumeroColonne;
  }
  s.ArchivioEstrazioni.clear();
  for (int giorno = 0; giorno < 400; ++giorno)
    s.ArchivioEstrazioni.push_back({QDate(2020, 1, 1).addDays(giorno).toString("dd/MM/yyyy").toStdString(), {1, 2, 3, 4, 5}});
  azione("menuSpoglioEstrazioni");
  auto* spoglio = static_cast<frmSpoglioEstrazioni*>(o.Aperta("frmSpoglioEstrazioni"));
  spoglio->cmdSpoglioEstrazioni_Click();
  spoglio->findChild<QCheckBox*>("chkFiltri")->click();
  QTableView* dati = spoglio->Griglia()->VistaEstrazioni();
  const auto riga = [g = spoglio->Griglia()](int r) {
    QStringList celle;
    for (int c = 0; c < COLONNE_GRIGLIA; ++c) celle << g->TestoCella(r, c);
    return celle.join(' ').toStdString();
  };
  EXPECT_EQ(riga(1), "TOTALE  5 5 0 400 100000 4900000 78400000 901.800.000");
  EXPECT_EQ(riga(2), "01/01/2020 01.02.03.04.05 5 5 0 1 250 12250 196000 2.254.500");
  // The scroll bars follow the column widths at the event loop's next turn.
  const bool senzaBarra = QTest::qWaitFor([dati] { return !dati->horizontalScrollBar()->isVisible(); }, 500);
  EXPECT_EQ(std::tuple(s.NumeroColonne, senzaBarra,
                       dati->horizontalHeader()->sectionViewportPosition(9) + dati->horizontalHeader()->sectionSize(9) <=
                           dati->viewport()->width()),
            std::tuple(CAPIENZA, true, true));
  Osservatore::Schermo(spoglio, "schermo-frmSpoglioEstrazioni-55.png");
  prova::ChiudiDalGestore(spoglio);
  std::copy(sviluppate.begin(), sviluppate.end(), s.Colonne.Dati());
  s.NumeroColonne = quante;
  s.ArchivioEstrazioni = archivio;
  s.Pronostico = pronostico, s.NumeriPronostico = scelti;
  azione("menuEstrazioni");
  pulsante(o.Aperta("frmArchivio"), "cmdStatistiche");
  prova::ChiudiDalGestore(o.Aperta("frmStatistiche"));
  prova::ChiudiDalGestore(o.Aperta("frmArchivio"));
  azione("menuschedine");
  auto* schedine = static_cast<frmStampa*>(o.Aperta("frmStampa"));
  for (int tipo : {0, 1}) schedine->opzione(tipo)->click(), pulsante(schedine, "cmdTaratura");
  schedine->txtA()->setText("2");
  pulsante(schedine, "cmdStampa");
  prova::ChiudiDalGestore(schedine);
  pulsante(&m, "cmdRidotti");
  pulsante(o.Aperta("frmRidottiRandom"), "cmdTaratura");
  prova::ChiudiDalGestore(o.Aperta("frmRidottiRandom"));
  platform::MessageBox::Ferma();
  prova::ChiudiDalGestore(&m);
  platform::MessageBox::Registra();
  platform::ImpostaStampanteCorrente(nullptr);

  EXPECT_EQ(o.viste.join(' ').toStdString(),
            "frmSplash frmMAIN QFileDialog QInputDialog frmCruciverba frmSomma frmPari frmFisse frmConsecutivi "
            "frmDistanzaMinima frmRidotto frmFiltri frmFiltriDistanzaNumeri frmImportFiltri frmMatr frmMatr "
            "frmOrdinaPronostico frmAbout frmImpostazioni frmNewVersion frmCalcolo frmVisualizza frmTabulato frmSpoglio "
            "frmSpoglioEstrazioni frmArchivio frmStatistiche frmStampa frmTaratura1 frmTaratura5 frmPrnInCorso "
            "frmRidottiRandom frmTaraturaRidotti QMessageBox");
  // The windows whose owner is not the main window.
  EXPECT_EQ(o.proprietari.join(' ').toStdString(),
            "frmTaratura1>frmStampa frmTaratura5>frmStampa frmPrnInCorso>frmStampa frmTaraturaRidotti>frmRidottiRandom");
  EXPECT_EQ(o.guasti.join(", ").toStdString(), "");
  EXPECT_TRUE(m.isVisible()) << "the box's close box answers No";
  m.hide();
}

}  // namespace
}  // namespace tlx::ui
