#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <numeric>
#include <ranges>

#include "FinestraPrincipale.h"
#include "core/FileMatriceProva.h"
#include "platform/FileDialogs.h"
#include "platform/InputBox.h"
#include "platform/ServerProva.h"
#include "platform/Shell.h"
#include "ui/matrices/frmCruciverba.h"
#include "ui/matrices/frmMatr.h"
#include "ui/matrices/frmOrdinaPronostico.h"
#include "ui/widgets/Tessere.h"

namespace tlx::ui {
namespace {

namespace tp = ::tlx::prova;
using platform::MessageBox;
using Colonna = std::array<uint8_t, 5>;
using Numeri = std::vector<uint8_t>;

// Acts on the modal windows as they open: each opening of a window takes the next action queued under its object
// name, run from the window's own event loop, so it may open further modal windows. A window the test left open
// would hang it: after about five seconds it is closed as a failure.
class Regia {
 public:
  Regia() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Controlla(); });
    timer_.start(5);
  }
  using Azione = std::function<void(QWidget*)>;
  void Quando(const QString& nome, Azione azione) { azioni_[nome].push_back(std::move(azione)); }
  bool Finite() const { return std::ranges::all_of(azioni_, &QList<Azione>::isEmpty); }

 private:
  void Controlla() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    if (auto& coda = azioni_[w->objectName()]; !visti_.contains(w) && !coda.empty()) {
      visti_.push_back(w);
      attese_ = 0;
      QTimer::singleShot(0, w, [w, azione = coda.takeFirst()] { azione(w); });
    } else if (++attese_ > 1000) {
      ADD_FAILURE() << "modal window left open: " << w->objectName().toStdString();
      attese_ = 0;
      w->close();
    }
  }

  QTimer timer_;
  int attese_ = 0;
  QMap<QString, QList<Azione>> azioni_;
  QList<QPointer<QWidget>> visti_;
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

std::vector<Colonna> Colonne(const Sistema& s) {
  std::vector<Colonna> c(static_cast<size_t>(s.NumeroColonne));
  for (size_t i = 0; i < c.size(); ++i) std::copy_n(s.Colonne.Dati() + 5 * i, 5, c[i].begin());
  return c;
}

Numeri Ordine(const Sistema& s) { return {s.Pronostico.begin(), s.Pronostico.begin() + s.NumeriPronostico}; }

struct Matrici : ::testing::Test {
  prova::FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  QString cartella = f.cartella.path() + "/matrici", txt = f.cartella.path() + "/txt/";
  Matrici() {
    QDir().mkpath(cartella);
    QDir().mkpath(txt);
    platform::SimulazioneInputBox().Registra();
    platform::cCommonDialog::Simulazione().Registra();
    platform::SimulazioneShell().Registra();
  }
  ~Matrici() override {
    platform::SimulazioneInputBox().Ferma();
    platform::cCommonDialog::Simulazione().Ferma();
    platform::SimulazioneShell().Ferma();
  }
  void Matrice(const QString& nome, const tp::Byte& byte) { tp::Scrivi((cartella + "/" + nome).toStdString(), byte); }
};

TEST_F(Matrici, AdaptingAListedMatrixFromTheMainWindowAsksTheFixedNumbersAndLocks) {
  f.Scegli({3, 5, 9, 17, 22, 31, 40});
  Matrice("tre.mqvx", tp::FileProva{.T = 3, .F = 2, .C = std::nullopt}.Byte_());
  tp::Byte rotta = tp::FileProva().Byte_();
  rotta[150] ^= 1;
  Matrice("rotta.mqvx", rotta);
  Matrice("vecchia.mqvx", tp::FileProva{.magic = "matriceqvxv0000", .C = std::nullopt}.Byte_());
  Matrice("sei.mqvx", tp::FileProva{.V = 6, .C = std::nullopt}.Byte_());
  // Cancel, then 22; 22 again for the second, then 40.
  for (const char* risposta : {"", "22", "22", "40"}) platform::SimulazioneInputBox().Accoda(*risposta ? std::optional<QString>(risposta) : std::nullopt);

  Regia regia;
  regia.Quando("frmMatr", [](QWidget* m) {
    EXPECT_EQ(m->windowTitle(), "Matrici Disponibili (4)");  // the custom entry, no six-number matrix
    // Each entry's checks on show; only a sound matrix adapts, the custom entry reads a text matrix.
    auto* elenco = m->findChild<QListWidget*>("flQVX");
    QStringList righe;
    const auto Acceso = [m](const char* pulsante) { return QString::number(m->findChild<QPushButton*>(pulsante)->isEnabled()); };
    for (int r = 0; r < elenco->count(); ++r) {
      elenco->setCurrentRow(r);
      righe << QStringList{m->findChild<QLineEdit*>("txtFileName")->text(), m->findChild<QLabel*>("lblOK")->text(),
                           m->findChild<QLabel*>("lblChkVersion")->text(), Acceso("cmdAdatta") + Acceso("cmdMatriceTXT")}.join('|');
    }
    righe.sort();
    EXPECT_EQ(righe, QStringList({"CUSTOM|||01", "rotta.mqvx|Matrice Corrotta||00", "tre.mqvx|||10", "vecchia.mqvx||Versione non valida|00"}));
    const auto tre = elenco->findItems("  7 |  5 |  3 |  5 |  2 |      3 | 100       ", Qt::MatchExactly);
    ASSERT_EQ(tre.size(), 1);
    elenco->setCurrentItem(tre[0]);
    m->grab().save("frmMatr.png");
    m->findChild<QPushButton*>("cmdAdatta")->click();
  });
  regia.Quando("frmOrdinaPronostico", [](QWidget* o) {
    Trascina(o->findChild<Tessere*>(), 0, 6);  // 3 and 40 change places
    o->close();
  });
  w.findChild<QAction*>("menuadattamatrice")->trigger();
  EXPECT_TRUE(regia.Finite());

  // Arranged 40 5 9 17 22 31 3; the fixed 22 and 40 then take the first two places.
  EXPECT_EQ(Ordine(*f.sistema), (Numeri{22, 40, 9, 17, 5, 31, 3}));
  const auto& richieste = platform::SimulazioneInputBox().Richieste();
  ASSERT_EQ(richieste.size(), 4u);
  EXPECT_EQ(richieste[0], (platform::RichiestaInputBox{"Valore Fissa N.1 ?", "Numero fisse", "40", QPoint(0, 0)}));
  EXPECT_EQ(MessageBox::Mostrati(), (std::vector<Messaggio>{{Icona::Nessuna, Pulsanti::OkAnnulla, "", "Le Fisse del sistema sono\r\r22   40   \r\r"}}));
  EXPECT_EQ(Colonne(*f.sistema), (std::vector<Colonna>{{5, 9, 17, 22, 40}, {3, 5, 9, 17, 31}, {3, 9, 22, 31, 40}}));
  // The main window shows the new system, locked.
  EXPECT_EQ(std::tuple(w.findChild<QAction*>("menuFisse")->isChecked(), f.sistema->GuiBloccata, w.PannelloStato(4).trimmed()),
            std::tuple(true, -1, QString("Ridotto N-2")));
}

TEST_F(Matrici, TextMatrixIsRefusedOrAdaptedAndCancelLeavesTheSystem) {
  f.Scegli({1, 2, 3, 4, 5, 6});
  std::ofstream(QString(txt + "storta.txt").toStdString()) << "1 2 3\n1 2 3 4\n";
  std::ofstream(QString(txt + "buona.txt").toStdString()) << "1 2 3 4 5\r\n\r\n2 3 4 5 6\r\n";
  for (const auto& nome : {std::optional<QString>(txt + "storta.txt"), std::optional<QString>()})
    platform::cCommonDialog::Simulazione().Accoda(nome);

  frmMatr m(*f.sistema, frmMatr::Modo::Adatta);
  m.show();
  m.findChild<QListWidget*>("flQVX")->setCurrentRow(0);
  m.cmdMatriceTXT_Click();
  // The reader's reason first, then the window's own refusal of a matrix for another count of numbers.
  std::vector<std::string> mostrati;
  for (const Messaggio& messaggio : MessageBox::Mostrati()) mostrati.push_back(messaggio.testo);
  EXPECT_EQ(mostrati, (std::vector<std::string>{"Error -2147211504 (Matrice con colonne a lunghezza multipla) ",
                                                "Error -2147211504 (Versione non valida\rscegliere un'altra matrice o "
                                                "contattare l'autore per un aggiornamento)"}));
  EXPECT_TRUE(m.isVisible());
  m.cmdMatriceTXT_Click();  // Cancel
  EXPECT_EQ(std::tuple(m.isVisible(), m.Adattata(), f.sistema->NumeroColonne), std::tuple(false, false, 0));

  platform::cCommonDialog::Simulazione().Accoda(txt + "buona.txt");
  Regia regia;
  regia.Quando("frmOrdinaPronostico", [](QWidget* o) { o->close(); });
  m.show();
  m.cmdMatriceTXT_Click();
  EXPECT_EQ(std::tuple(m.Adattata(), Colonne(*f.sistema), f.sistema->TitoloSistema.Trimmed(), f.sistema->Condizioni),
            std::tuple(true, std::vector<Colonna>{{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}}, std::string("Adatta Matrice"), RecordCondizioni{}));
}

TEST_F(Matrici, OrderingTilesSwapByDragShuffleInCyclingColoursAndWriteTheOrderBack) {
  f.Scegli({12, 3, 7, 41, 55, 20, 9});
  frmOrdinaPronostico o(*f.sistema);
  o.show();
  Tessere* t = o.tessere();
  // The dragged number shows while dragging only; the moved tile turns yellow.
  EXPECT_EQ(Trascina(t, 2, 5), "09");
  EXPECT_EQ(std::tuple(o.findChild<QLabel*>("l1")->text(), t->Numeri(), t->ColoreLettere(5)),
            std::tuple(QString(), Numeri{3, 7, 41, 12, 20, 9, 55}, QColor(255, 255, 0)));
  o.grab().save("frmOrdinaPronostico.png");
  for (const QColor colore : {QColor(128, 255, 128), QColor(255, 128, 255), QColor(128, 255, 255)}) {
    o.MescolaNumeri();
    EXPECT_TRUE(std::ranges::is_permutation(t->Numeri(), Numeri{3, 7, 9, 12, 20, 41, 55}));
    EXPECT_TRUE(std::ranges::any_of(std::views::iota(0, 7), [&](int i) { return t->ColoreLettere(i) == colore; }));
  }
  const Numeri ordine = t->Numeri();
  o.close();
  EXPECT_EQ(Ordine(*f.sistema), ordine);
  f.sistema->GuiBloccata = -1;
  EXPECT_FALSE(frmOrdinaPronostico(*f.sistema).findChild<QWidget*>("frameOrdinePronostico")->isEnabled());
}

TEST_F(Matrici, CrosswordBuildsTwelveColumnsAndShowsTheSavedArrangementReadOnly) {
  for (int n = 1; n <= 25; ++n) f.Scegli({n});
  const auto Premi = [&] {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.findChild<QToolButton*>("cmdCruciverba"), &e);
  };
  Regia regia;
  regia.Quando("frmCruciverba", [](QWidget* c) {  // shuffled, then closed: nothing kept
    static_cast<frmCruciverba*>(c)->MescolaNumeri();
    c->close();
  });
  regia.Quando("frmCruciverba", [](QWidget* c) {
    auto* cruciverba = static_cast<frmCruciverba*>(c);
    EXPECT_EQ(cruciverba->tessere()->Numeri()[0], 1);
    Trascina(cruciverba->tessere(), 0, 24);
    c->grab().save("frmCruciverba.png");
    cruciverba->findChild<QToolButton*>("cmdCruciverba")->click();
  });
  Numeri riaperta;
  regia.Quando("frmCruciverba", [&](QWidget* c) {
    riaperta = static_cast<frmCruciverba*>(c)->tessere()->Numeri();
    EXPECT_FALSE(c->findChild<QWidget*>("frameOrdinePronostico")->isEnabled());
    EXPECT_FALSE(c->findChild<QLabel*>("lblDescr1")->isVisible());
    c->close();
  });
  Premi();
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  Premi();
  // 1 and 25 swapped places; the core tests check the twelve lines themselves.
  const std::vector<Colonna> colonne = Colonne(*f.sistema);
  EXPECT_EQ(std::tuple(colonne.size(), colonne.empty() ? Colonna{} : colonne[0], w.PannelloStato(4).trimmed(), f.sistema->GuiBloccata),
            std::tuple(12u, Colonna{2, 3, 4, 5, 25}, QString("CRUCIVERBA"), -1));

  f.sistema->NomeFileSistema = (f.cartella.path() + "/cruciverba.tlqvx").toStdString();
  w.SalvaFile();
  w.CancellaSistema(false);
  w.ApriFile(QString::fromStdString(f.sistema->NomeFileSistema));
  Premi();
  EXPECT_TRUE(regia.Finite());
  Numeri attesa(25);
  std::iota(attesa.begin(), attesa.end(), 1);
  std::swap(attesa.front(), attesa.back());
  EXPECT_EQ(riaperta, attesa);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

TEST_F(Matrici, DownloadStoresListedMatricesSkipsMissingOnesAndHostileNames) {
  tp::ServerProva server;
  const QByteArray vecchio = qgetenv("TREMALUXOR_SERVER");
  qputenv("TREMALUXOR_SERVER", server.Indirizzo().toUtf8());
  const tp::Byte file = tp::FileProva().Byte_();
  const QString lista = "/public/quorbelt/lista.asp?K=5", scarica = "/public/quorbelt/matrici/download.aspx?file=";
  server.Rispondi(lista.toUtf8(), {200, "m7a.dat\r\n../EVIL.DAT\r\nsub/x.dat\r\nmanca.dat\r\n"});
  server.Rispondi((scarica + "M7A.DAT").toUtf8(), {200, QByteArray(reinterpret_cast<const char*>(file.data()), std::ssize(file))});
  Matrice("m7a.mqvx", {1, 2, 3});

  frmMatr m(*f.sistema, frmMatr::Modo::Elenco);
  m.show();
  m.cmdUpdateMatrix_Click();
  qputenv("TREMALUXOR_SERVER", vecchio);

  QStringList richieste;
  for (const auto& r : server.Ricevute()) richieste << QString::fromUtf8(r.percorso);
  EXPECT_EQ(richieste, QStringList({lista, scarica + "M7A.DAT", scarica + "MANCA.DAT"}));
  EXPECT_EQ(QDir(cartella).entryList(QDir::Files), QStringList{"M7A.mqvx"});
  EXPECT_EQ(matrix::LeggiByteFile((cartella + "/M7A.mqvx").toStdString()), file);
  EXPECT_EQ(m.findChild<QListWidget*>("flQVX")->count(), 1);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  m.findChild<QToolButton*>("cmdOpenDir")->click();
  EXPECT_EQ(platform::SimulazioneShell().Richieste(), std::vector{QUrl::fromLocalFile(cartella)});
}

}  // namespace
}  // namespace tlx::ui
