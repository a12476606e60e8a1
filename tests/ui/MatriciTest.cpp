#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>
#include <fstream>
#include <functional>

#include "FinestraPrincipale.h"
#include "core/FileMatriceProva.h"
#include "platform/FileDialogs.h"
#include "platform/InputBox.h"
#include "ui/matrices/frmCruciverba.h"
#include "ui/matrices/frmMatr.h"
#include "ui/matrices/frmOrdinaPronostico.h"
#include "ui/matrices/Tessere.h"

namespace tlx::ui {
namespace {

namespace tp = ::tlx::prova;
using platform::MessageBox;
using Numeri = std::vector<uint8_t>;

// Acts on the modal windows as they open: each opening of a window takes the next action queued under its object
// name, run from the window's own event loop, so it may open further modal windows. A window the test left open
// would hang it: after about five seconds it is closed as a failure.
class Regia {
 public:
  Regia() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) return;
      if (auto& coda = azioni_[w->objectName()]; !w->property("regia").isValid() && !coda.empty()) {
        w->setProperty("regia", true);
        attese_ = 0;
        QTimer::singleShot(0, w, [w, azione = coda.takeFirst()] { azione(w); });
      } else if (++attese_ > 1000) {
        ADD_FAILURE() << "modal window left open: " << w->objectName().toStdString();
        w->close();
      }
    });
    timer_.start(5);
  }
  void Quando(const QString& nome, std::function<void(QWidget*)> azione) { azioni_[nome].push_back(std::move(azione)); }

 private:
  QTimer timer_;
  int attese_ = 0;
  QMap<QString, QList<std::function<void(QWidget*)>>> azioni_;
};

// Presses tile `da`, moves over tile `a` and lets go there, as a user's pointer would; returns what the window showed
// while dragging.
QString Trascina(Tessere* t, int da, int a) {
  QWindow* finestra = t->window()->windowHandle();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(finestra));
  const auto centro = [&](int i) { return t->Tessera(i)->mapTo(t->window(), t->Tessera(i)->rect().center()); };
  QTest::mousePress(finestra, Qt::LeftButton, {}, centro(da));
  QTest::mouseMove(finestra, centro(a));
  const QString mostrato = t->window()->findChild<QLabel*>("l1")->text();
  QTest::mouseRelease(finestra, Qt::LeftButton, {}, centro(a));
  return mostrato;
}

// The columns one after the other.
Numeri Colonne(const Sistema& s) { return {s.Colonne.Dati(), s.Colonne.Dati() + 5 * s.NumeroColonne}; }


struct Matrici : ::testing::Test {
  prova::FinestraPrincipale f;
  QString cartella = f.cartella.path() + "/matrici", txt = f.cartella.path() + "/";
  Matrici() {
    QDir().mkpath(cartella);
    platform::SimulazioneInputBox().Registra();
    platform::cCommonDialog::Simulazione().Registra();
  }
  ~Matrici() override {
    platform::SimulazioneInputBox().Ferma();
    platform::cCommonDialog::Simulazione().Ferma();
  }
  void Matrice(const QString& nome, const tp::Byte& byte) { tp::Scrivi((cartella + "/" + nome).toStdString(), byte); }
};

TEST_F(Matrici, AdaptingAListedMatrixFromTheMainWindowAsksTheFixedNumbersAndLocks) {
  f.Scegli({3, 5, 9, 17, 22, 31, 40});
  Matrice("tre.mqvx", tp::FileProva{.T = 3, .F = 2, .C = std::nullopt}.Byte_());
  Matrice("rotta.mqvx", [] { tp::Byte b = tp::FileProva().Byte_(); b[150] ^= 1; return b; }());  // a column byte: bad CRC
  Matrice("vecchia.mqvx", tp::FileProva{.magic = "matriceqvxv0000", .C = std::nullopt}.Byte_());
  // Cancel, then 22; 22 again for the second, then 40.
  for (const char* risposta : {"", "22", "22", "40"}) platform::SimulazioneInputBox().Accoda(*risposta ? std::optional<QString>(risposta) : std::nullopt);

  Regia regia;
  regia.Quando("frmMatr", [](QWidget* m) {
    EXPECT_EQ(m->windowTitle(), "Matrici Disponibili (4)");  // the custom entry counts
    // Each entry's checks on show; only a sound matrix adapts, the custom entry reads a text matrix. Until a line
    // is chosen, though the list has the focus, no line looks chosen, nothing shows and neither button adapts; the
    // arrow key chooses the first.
    auto* elenco = m->findChild<QListWidget*>("flQVX");
    const auto Acceso = [m](const char* pulsante) { return QString::number(m->findChild<QAbstractButton*>(pulsante)->isEnabled()); };
    const auto Stato = [&] {
      return std::tuple(elenco->hasFocus(), elenco->currentRow(), elenco->selectedItems().size(),
                        m->findChild<QLineEdit*>("txtFileName")->text(), Acceso("cmdAdatta") + Acceso("cmdMatriceTXT"));
    };
    EXPECT_EQ(Stato(), std::tuple(true, -1, 0, QString(), QString("00")));
    m->grab().save("frmMatr-apertura.png");
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(m->windowHandle(), QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(Stato(), std::tuple(true, 0, 1, QString("CUSTOM"), QString("01")));
    QStringList righe;
    for (int r = 0; r < elenco->count(); ++r) {
      elenco->setCurrentRow(r);
      righe << QStringList{m->findChild<QLineEdit*>("txtFileName")->text(), m->findChild<QLabel*>("lblOK")->text(),
                           m->findChild<QLabel*>("lblChkVersion")->text(), Acceso("cmdAdatta") + Acceso("cmdMatriceTXT")}.join('|');
    }
    righe.sort();
    EXPECT_EQ(righe, QStringList({"CUSTOM|||01", "rotta.mqvx|Matrice Corrotta||00", "tre.mqvx|||10", "vecchia.mqvx||Versione non valida|00"}));
    elenco->setCurrentItem(elenco->findItems("  7 |  5 |  3 |  5 |  2 |      3 | 100       ", Qt::MatchExactly).value(0));
    m->grab().save("frmMatr.png");
    m->findChild<QAbstractButton*>("cmdAdatta")->click();
  });
  regia.Quando("frmOrdinaPronostico", [](QWidget* o) {
    // 3 and 40 change places; the dragged number shows while dragging only, the moved tiles turn yellow.
    auto* t = o->findChild<Tessere*>();
    EXPECT_EQ(Trascina(t, 0, 6), "03");
    EXPECT_EQ(std::tuple(o->findChild<QLabel*>("l1")->text(), t->ColoreLettere(0), t->ColoreLettere(6), t->Tessera(7)->isVisible()),
              std::tuple(QString(), QColor(255, 255, 0), QColor(255, 255, 0), false));
    o->grab().save("frmOrdinaPronostico.png");
    o->close();
  });
  f.finestra->findChild<QAction*>("menuadattamatrice")->trigger();

  // Arranged 40 5 9 17 22 31 3; the fixed 22 and 40 then take the first two places.
  EXPECT_EQ(std::tuple(Numeri(f.sistema->Pronostico.begin(), f.sistema->Pronostico.begin() + 7), Colonne(*f.sistema)),
            std::tuple(Numeri{22, 40, 9, 17, 5, 31, 3}, Numeri{5, 9, 17, 22, 40, 3, 5, 9, 17, 31, 3, 9, 22, 31, 40}));
  const auto& richieste = platform::SimulazioneInputBox().Richieste();
  EXPECT_EQ(std::tuple(richieste.size(), richieste.at(0)), std::tuple(4u, platform::RichiestaInputBox{"Valore Fissa N.1 ?", "Numero fisse", "40", QPoint(0, 0)}));
  EXPECT_EQ(MessageBox::Mostrati(), (std::vector<Messaggio>{{Icona::Nessuna, Pulsanti::OkAnnulla, "", "Le Fisse del sistema sono\r\r22   40   \r\r"}}));
  // The main window shows the new system, locked: the order can no longer change.
  EXPECT_EQ(std::tuple(f.finestra->findChild<QAction*>("menuFisse")->isChecked(), f.sistema->GuiBloccata, f.finestra->PannelloStato(4).trimmed()),
            std::tuple(true, -1, QString("Ridotto N-2")));
  EXPECT_FALSE(frmOrdinaPronostico(*f.sistema).findChild<QWidget*>("frameOrdinePronostico")->isEnabled());
}

// Every column of the 55 numbers is more than a system holds: the file is sound and listed so, and its adaptation,
// after its fixed number, ends with the capacity box, the system untouched, and the window closes.
TEST_F(Matrici, AMatrixLargerThanASystemIsListedSoundAndItsAdaptationRefusedWithTheCapacityBox) {
  std::vector<std::array<uint8_t, 5>> colonne = tp::TutteLeColonne();
  ASSERT_EQ(colonne.size(), 3'478'761u);
  Matrice("tutte.mqvx", tp::FileProva{.V = 55, .T = 5, .F = 1, .colonne = std::move(colonne), .C = std::nullopt}.Byte_());
  for (int n = 1; n <= 55; ++n) f.Scegli({n});
  f.sistema->TitoloSistema = "Integrale";
  platform::SimulazioneInputBox().Accoda(QString("7"));

  Regia regia;
  regia.Quando("frmMatr", [](QWidget* m) {
    m->findChild<QListWidget*>("flQVX")->setCurrentRow(1);  // after the custom entry
    EXPECT_EQ(std::tuple(m->windowTitle(), m->findChild<QLineEdit*>("txtColMatrix")->text(), m->findChild<QLabel*>("lblOK")->text(),
                         m->findChild<QLabel*>("lblChkVersion")->text(), m->findChild<QAbstractButton*>("cmdAdatta")->isEnabled()),
              std::tuple(QString("Matrici Disponibili (2)"), QString("3478761"), QString(), QString(), true));
    m->findChild<QAbstractButton*>("cmdAdatta")->click();
  });
  regia.Quando("frmOrdinaPronostico", [](QWidget* o) { o->close(); });
  f.finestra->findChild<QAction*>("menuadattamatrice")->trigger();

  EXPECT_EQ(MessageBox::Mostrati(),
            (Messaggi{{Icona::Nessuna, Pulsanti::OkAnnulla, "", "Le Fisse del sistema sono\r\r07   \r\r"},
                      {Icona::Nessuna, Pulsanti::Ok, "",
                       "Error -2147211504 (Colonne superiori alla capienza della memoria\r"
                       "scegliere un'altra matrice o contattare l'autore per un aggiornamento)"}}));
  EXPECT_EQ(std::tuple(f.sistema->NumeroColonne, f.sistema->TitoloSistema.Trimmed(), f.sistema->Condizioni, f.sistema->GuiBloccata),
            std::tuple(0, std::string("Integrale"), RecordCondizioni{}, 0));
}

TEST_F(Matrici, TextMatrixIsRefusedWithBothReasonsOrAdapted) {
  f.Scegli({1, 2, 3, 4, 5, 6});
  std::ofstream(QString(txt + "storta.txt").toStdString()) << "1 2 3\n1 2 3 4\n";
  std::ofstream(QString(txt + "buona.txt").toStdString()) << "1 2 3 4 5\r\n\r\n2 3 4 5 6\r\n";
  platform::cCommonDialog::Simulazione().Accoda(txt + "storta.txt");

  frmMatr m(*f.sistema, frmMatr::Modo::Adatta);
  m.show();
  m.cmdMatriceTXT_Click();
  // The reader's reason first, then the window's own refusal of a matrix for another count of numbers.
  EXPECT_EQ(MessageBox::Mostrati(), (Messaggi{{Icona::Esclamazione, Pulsanti::Ok, "ERROR", "Error -2147211504 (Matrice con colonne a lunghezza multipla) "},
                                              {Icona::Nessuna, Pulsanti::Ok, "", "Error -2147211504 (Versione non valida\rscegliere un'altra matrice o contattare l'autore per un aggiornamento)"}}));
  EXPECT_EQ(std::tuple(m.isVisible(), m.Adattata(), f.sistema->NumeroColonne), std::tuple(true, false, 0));

  platform::cCommonDialog::Simulazione().Accoda(txt + "buona.txt");
  Regia regia;
  regia.Quando("frmOrdinaPronostico", [](QWidget* o) { o->close(); });
  m.show();
  m.cmdMatriceTXT_Click();
  EXPECT_EQ(std::tuple(m.Adattata(), Colonne(*f.sistema), f.sistema->TitoloSistema.Trimmed(), f.sistema->Condizioni),
            std::tuple(true, Numeri{1, 2, 3, 4, 5, 2, 3, 4, 5, 6}, std::string("Adatta Matrice"), RecordCondizioni{}));
}

TEST_F(Matrici, CrosswordBuildsTwelveColumnsAndShowsTheSavedArrangementReadOnly) {
  for (int n = 1; n <= 25; ++n) f.Scegli({n});
  const auto Premi = [&] { QTest::mousePress(f.finestra->findChild<QAbstractButton*>("cmdCruciverba"), Qt::LeftButton); };
  Regia regia;
  regia.Quando("frmCruciverba", [](QWidget* c) {  // shuffled, then closed: nothing kept
    static_cast<frmCruciverba*>(c)->MescolaNumeri();
    c->close();
  });
  Numeri costruita, riaperta;
  regia.Quando("frmCruciverba", [&](QWidget* c) {
    auto* cruciverba = static_cast<frmCruciverba*>(c);
    Trascina(cruciverba->tessere(), 0, 24);
    costruita = cruciverba->tessere()->Numeri();
    c->grab().save("frmCruciverba.png");
    cruciverba->findChild<QAbstractButton*>("cmdCruciverba")->click();
  });
  regia.Quando("frmCruciverba", [&](QWidget* c) {
    riaperta = static_cast<frmCruciverba*>(c)->tessere()->Numeri();
    EXPECT_EQ(std::tuple(c->findChild<QWidget*>("frameOrdinePronostico")->isEnabled(), c->findChild<QLabel*>("lblDescr1")->isVisible()),
              std::tuple(false, false));
    c->close();
  });
  Premi();
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  Premi();
  // 1 and 25 swapped places, the shuffle before was not kept; the core tests check the twelve lines themselves.
  const Numeri colonne = Colonne(*f.sistema);
  EXPECT_EQ(std::tuple(colonne.size(), Numeri(colonne.begin(), colonne.begin() + std::min<size_t>(5, colonne.size())), f.finestra->PannelloStato(4).trimmed(), f.sistema->GuiBloccata),
            std::tuple(60u, Numeri{2, 3, 4, 5, 25}, QString("CRUCIVERBA"), -1));

  f.sistema->NomeFileSistema = (f.cartella.path() + "/cruciverba.tlqvx").toStdString();
  f.finestra->SalvaFile();
  f.finestra->CancellaSistema(false);
  f.finestra->ApriFile(QString::fromStdString(f.sistema->NomeFileSistema));
  Premi();
  EXPECT_EQ(std::tuple(riaperta, MessageBox::Mostrati().empty()), std::tuple(costruita, true));
}

}  // namespace
}  // namespace tlx::ui
