#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

// Acts on the modal windows as they open: each opening of a window takes
// the next action queued under its object name. The action runs from the
// window's own event loop, so it may open further modal windows.
class Regia {
 public:
  Regia() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Controlla(); });
    timer_.start(5);
    orologio_.start();
  }
  void Quando(const QString& nome, std::function<void(QWidget*)> azione) { azioni_[nome].push_back(std::move(azione)); }
  bool Finite() const {
    return std::all_of(azioni_.begin(), azioni_.end(), [](const auto& a) { return a.empty(); });
  }

 private:
  void Controlla() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    auto& coda = azioni_[w->objectName()];
    const bool visto = std::any_of(visti_.begin(), visti_.end(), [w](const QPointer<QWidget>& v) { return v == w; });
    if (!visto && !coda.empty()) {
      visti_.push_back(w);
      orologio_.restart();
      QTimer::singleShot(0, w, [w, azione = coda.takeFirst()] { azione(w); });
    } else if (orologio_.elapsed() > 5000) {
      // A window the test left open would hang it: close it as a failure.
      ADD_FAILURE() << "modal window left open: " << w->objectName().toStdString();
      orologio_.restart();
      w->close();
    }
  }

  QTimer timer_;
  QElapsedTimer orologio_;
  QMap<QString, QList<std::function<void(QWidget*)>>> azioni_;
  QList<QPointer<QWidget>> visti_;
};

// Presses tile `da`, moves over tile `a` and lets go there, through the
// window as a user's pointer would.
void Trascina(Tessere* t, int da, int a, QString* mostrato = nullptr) {
  QWidget* finestra = t->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra));
  const auto centro = [&](int i) { return t->Tessera(i)->mapTo(finestra, t->Tessera(i)->rect().center()); };
  QTest::mousePress(finestra->windowHandle(), Qt::LeftButton, {}, centro(da));
  QTest::mouseMove(finestra->windowHandle(), centro(a));
  if (mostrato) *mostrato = finestra->findChild<QLabel*>("l1")->text();
  QTest::mouseRelease(finestra->windowHandle(), Qt::LeftButton, {}, centro(a));
}

std::vector<Colonna> Colonne(const Sistema& s) {
  std::vector<Colonna> c(static_cast<size_t>(s.NumeroColonne));
  for (size_t i = 0; i < c.size(); ++i) std::copy_n(s.Colonne.Dati() + 5 * i, 5, c[i].begin());
  return c;
}

std::vector<uint8_t> Ordine(const Sistema& s) { return {s.Pronostico.begin(), s.Pronostico.begin() + s.NumeriPronostico}; }

struct Matrici : ::testing::Test {
  prova::FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  QString cartella = f.cartella.path() + "/matrici";
  Matrici() {
    QDir().mkpath(cartella);
    QDir().mkpath(f.cartella.path() + "/txt");
    platform::SimulazioneInputBox().Registra();
    platform::cCommonDialog::Simulazione().Registra();
    platform::SimulazioneShell().Registra();
  }
  ~Matrici() override {
    platform::SimulazioneInputBox().Ferma();
    platform::cCommonDialog::Simulazione().Ferma();
    platform::SimulazioneShell().Ferma();
  }
  void Matrice(const QString& nome, const tp::FileProva& file) {
    tp::Scrivi((cartella + "/" + nome).toStdString(), file.Byte_());
  }
  QString Testo(QWidget* finestra, const char* casella) { return finestra->findChild<QLineEdit*>(casella)->text(); }
  QString Etichetta(QWidget* finestra, const char* nome) { return finestra->findChild<QLabel*>(nome)->text(); }
  bool Acceso(QWidget* finestra, const char* pulsante) { return finestra->findChild<QPushButton*>(pulsante)->isEnabled(); }
};

TEST_F(Matrici, AdaptingAListedMatrixFromTheMainWindowAsksTheFixedNumbersAndLocks) {
  f.Scegli({3, 5, 9, 17, 22, 31, 40});
  Matrice("tre.mqvx", {.T = 3, .F = 2, .C = std::nullopt});
  tp::Byte rotta = tp::FileProva().Byte_();
  rotta[150] ^= 1;
  tp::Scrivi((cartella + "/rotta.mqvx").toStdString(), rotta);
  Matrice("vecchia.mqvx", {.magic = "matriceqvxv0000", .C = std::nullopt});
  Matrice("sei.mqvx", {.V = 6, .C = std::nullopt});
  // Out of range, zero, Cancel, then 22; 22 again for the second, then 40.
  for (const auto& risposta : {std::optional<QString>("60"), std::optional<QString>("0"), std::optional<QString>(),
                               std::optional<QString>("22"), std::optional<QString>("22"), std::optional<QString>("40")})
    platform::SimulazioneInputBox().Accoda(risposta);

  Regia regia;
  regia.Quando("frmMatr", [this](QWidget* m) {
    auto* elenco = m->findChild<QListWidget*>("flQVX");
    EXPECT_EQ(m->windowTitle(), "Matrici Disponibili (4)");  // the custom entry, no six-number matrix
    // Only a sound matrix adapts; the custom entry reads a text matrix.
    int tre = -1;
    for (int r = 0; r < elenco->count(); ++r) {
      elenco->setCurrentRow(r);
      const QString nome = Testo(m, "txtFileName");
      EXPECT_EQ(Etichetta(m, "lblOK"), nome == "rotta.mqvx" ? "Matrice Corrotta" : "") << nome.toStdString();
      EXPECT_EQ(Etichetta(m, "lblChkVersion"), nome == "vecchia.mqvx" ? "Versione non valida" : "") << nome.toStdString();
      EXPECT_EQ(std::pair(Acceso(m, "cmdAdatta"), Acceso(m, "cmdMatriceTXT")), std::pair(nome == "tre.mqvx", nome == "CUSTOM"));
      if (nome == "tre.mqvx") {
        tre = r;
        EXPECT_EQ(elenco->item(r)->text(), "  7 |  5 |  3 |  5 |  2 |      3 | 100       ");
        m->grab().save("frmMatr.png");
      }
    }
    elenco->setCurrentRow(tre);
    m->findChild<QPushButton*>("cmdAdatta")->click();
  });
  regia.Quando("frmOrdinaPronostico", [](QWidget* o) {
    Trascina(o->findChild<Tessere*>(), 0, 6);  // 3 and 40 change places
    o->close();
  });
  w.findChild<QAction*>("menuadattamatrice")->trigger();
  EXPECT_TRUE(regia.Finite());

  // Arranged 40 5 9 17 22 31 3; the fixed 22 and 40 then take the first two places.
  EXPECT_EQ(Ordine(*f.sistema), (std::vector<uint8_t>{22, 40, 9, 17, 5, 31, 3}));
  const auto& richieste = platform::SimulazioneInputBox().Richieste();
  ASSERT_EQ(richieste.size(), 6u);
  EXPECT_EQ(richieste[0], (platform::RichiestaInputBox{"Valore Fissa N.1 ?", "Numero fisse", "40", QPoint(0, 0)}));
  ASSERT_EQ(MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(MessageBox::Mostrati()[0], (Messaggio{Icona::Nessuna, Pulsanti::OkAnnulla, "", "Le Fisse del sistema sono\r\r22   40   \r\r"}));

  EXPECT_EQ(Colonne(*f.sistema), (std::vector<Colonna>{{5, 9, 17, 22, 40}, {3, 5, 9, 17, 31}, {3, 9, 22, 31, 40}}));
  // The main window shows the new system, locked.
  EXPECT_TRUE(w.findChild<QAction*>("menuFisse")->isChecked());
  EXPECT_EQ(f.sistema->GuiBloccata, -1);
  EXPECT_EQ(w.PannelloStato(4).trimmed(), "Ridotto N-2");
}

TEST_F(Matrici, TextMatrixIsRefusedOrAdaptedAndCancelLeavesTheSystem) {
  f.Scegli({1, 2, 3, 4, 5, 6});
  const QString txt = f.cartella.path() + "/txt/";
  const auto Scrivi = [&](const char* nome, const char* testo) { QFile q(txt + nome); q.open(QIODevice::WriteOnly); q.write(testo); };
  Scrivi("sette.txt", "1 2 3 4 5\n3 4 5 6 7\n");
  Scrivi("storta.txt", "1 2 3\n1 2 3 4\n");
  Scrivi("buona.txt", "1 2 3 4 5\r\n\r\n2 3 4 5 6\r\n");
  auto& dialogo = platform::cCommonDialog::Simulazione();
  for (const char* nome : {"sette.txt", "storta.txt"}) dialogo.Accoda(txt + nome);
  dialogo.Accoda(std::nullopt);

  frmMatr m(*f.sistema, frmMatr::Modo::Adatta);
  m.show();
  m.findChild<QListWidget*>("flQVX")->setCurrentRow(0);
  const QString versione = "Error -2147211504 (Versione non valida\rscegliere un'altra matrice o contattare l'autore per un aggiornamento)";
  m.cmdMatriceTXT_Click();
  m.cmdMatriceTXT_Click();
  ASSERT_EQ(MessageBox::Mostrati().size(), 3u);
  EXPECT_EQ(MessageBox::Mostrati()[0].testo, versione.toStdString());
  EXPECT_EQ(MessageBox::Mostrati()[1].testo, "Error -2147211504 (Matrice con colonne a lunghezza multipla) ");
  EXPECT_EQ(MessageBox::Mostrati()[2].testo, versione.toStdString());
  EXPECT_TRUE(m.isVisible());
  m.cmdMatriceTXT_Click();  // Cancel
  EXPECT_FALSE(m.isVisible());
  EXPECT_FALSE(m.Adattata());
  EXPECT_EQ(f.sistema->NumeroColonne, 0);

  dialogo.Accoda(txt + "buona.txt");
  Regia regia;
  regia.Quando("frmOrdinaPronostico", [](QWidget* o) { o->close(); });
  frmMatr m2(*f.sistema, frmMatr::Modo::Adatta);
  m2.show();
  m2.findChild<QListWidget*>("flQVX")->setCurrentRow(0);
  m2.cmdMatriceTXT_Click();
  EXPECT_TRUE(m2.Adattata());
  EXPECT_EQ(Colonne(*f.sistema), (std::vector<Colonna>{{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}}));
  EXPECT_EQ(f.sistema->TitoloSistema.Trimmed(), "Adatta Matrice");
  EXPECT_EQ(f.sistema->Condizioni, RecordCondizioni{});
}

TEST_F(Matrici, OrderingTilesSwapByDragShuffleInCyclingColoursAndWriteTheOrderBack) {
  f.Scegli({12, 3, 7, 41, 55, 20, 9});
  frmOrdinaPronostico o(*f.sistema);
  o.show();
  Tessere* t = o.tessere();
  EXPECT_EQ(t->Numeri(), (std::vector<uint8_t>{3, 7, 9, 12, 20, 41, 55}));
  EXPECT_FALSE(t->Tessera(7)->isVisible());

  QString mostrato;
  Trascina(t, 2, 5, &mostrato);
  EXPECT_EQ(mostrato, "09");
  EXPECT_EQ(o.findChild<QLabel*>("l1")->text(), "");
  EXPECT_EQ(t->Numeri(), (std::vector<uint8_t>{3, 7, 41, 12, 20, 9, 55}));
  EXPECT_EQ(t->ColoreLettere(5), QColor(255, 255, 0));
  o.grab().save("frmOrdinaPronostico.png");

  for (const QColor colore : {QColor(128, 255, 128), QColor(255, 128, 255), QColor(128, 255, 255)}) {
    o.MescolaNumeri();
    std::vector<uint8_t> numeri = t->Numeri();
    std::ranges::sort(numeri);
    EXPECT_EQ(numeri, (std::vector<uint8_t>{3, 7, 9, 12, 20, 41, 55}));
    EXPECT_TRUE(std::ranges::any_of(std::views::iota(0, 7), [&](int i) { return t->ColoreLettere(i) == colore; }));
  }
  const std::vector<uint8_t> ordine = t->Numeri();
  o.close();
  EXPECT_EQ(Ordine(*f.sistema), ordine);

  f.sistema->GuiBloccata = -1;
  frmOrdinaPronostico bloccata(*f.sistema);
  EXPECT_FALSE(bloccata.findChild<QWidget*>("frameOrdinePronostico")->isEnabled());
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
  std::vector<uint8_t> riaperta;
  regia.Quando("frmCruciverba", [&](QWidget* c) {
    riaperta = static_cast<frmCruciverba*>(c)->tessere()->Numeri();
    EXPECT_FALSE(c->findChild<QWidget*>("frameOrdinePronostico")->isEnabled());
    EXPECT_FALSE(c->findChild<QLabel*>("lblDescr1")->isVisible());
    c->close();
  });
  Premi();
  EXPECT_EQ(f.sistema->NumeroColonne, 0);
  Premi();
  const std::vector<Colonna> colonne = Colonne(*f.sistema);
  ASSERT_EQ(colonne.size(), 12u);
  EXPECT_EQ(colonne[0], (Colonna{2, 3, 4, 5, 25}));
  EXPECT_EQ(colonne[10], (Colonna{1, 7, 13, 19, 25}));
  EXPECT_EQ(colonne[11], (Colonna{5, 9, 13, 17, 21}));
  EXPECT_EQ(w.PannelloStato(4).trimmed(), "CRUCIVERBA");
  EXPECT_EQ(f.sistema->GuiBloccata, -1);

  f.sistema->NomeFileSistema = (f.cartella.path() + "/cruciverba.tlqvx").toStdString();
  w.SalvaFile();
  w.CancellaSistema(false);
  w.ApriFile(QString::fromStdString(f.sistema->NomeFileSistema));
  Premi();
  EXPECT_TRUE(regia.Finite());
  std::vector<uint8_t> attesa{25};
  for (uint8_t n = 2; n <= 24; ++n) attesa.push_back(n);
  attesa.push_back(1);
  EXPECT_EQ(riaperta, attesa);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

TEST_F(Matrici, DownloadStoresListedMatricesSkipsMissingOnesAndHostileNames) {
  tp::ServerProva server;
  const QByteArray vecchio = qgetenv("TREMALUXOR_SERVER");
  qputenv("TREMALUXOR_SERVER", server.Indirizzo().toUtf8());
  const tp::Byte file = tp::FileProva().Byte_();
  server.Rispondi("/public/quorbelt/lista.asp?K=5", {200, "m7a.dat\r\n../EVIL.DAT\r\nsub/x.dat\r\nmanca.dat\r\n"});
  server.Rispondi("/public/quorbelt/matrici/download.aspx?file=M7A.DAT",
                  {200, QByteArray(reinterpret_cast<const char*>(file.data()), std::ssize(file))});
  tp::Scrivi((cartella + "/m7a.mqvx").toStdString(), {1, 2, 3});

  frmMatr m(*f.sistema, frmMatr::Modo::Elenco);
  m.show();
  m.cmdUpdateMatrix_Click();
  qputenv("TREMALUXOR_SERVER", vecchio);

  QStringList richieste;
  for (const auto& r : server.Ricevute()) richieste << QString::fromUtf8(r.percorso);
  EXPECT_EQ(richieste, QStringList({"/public/quorbelt/lista.asp?K=5", "/public/quorbelt/matrici/download.aspx?file=M7A.DAT",
                                    "/public/quorbelt/matrici/download.aspx?file=MANCA.DAT"}));
  EXPECT_EQ(QDir(cartella).entryList(QDir::Files), QStringList{"M7A.mqvx"});
  QFile scaricato(cartella + "/M7A.mqvx");
  ASSERT_TRUE(scaricato.open(QIODevice::ReadOnly));
  EXPECT_EQ(scaricato.readAll(), QByteArray(reinterpret_cast<const char*>(file.data()), std::ssize(file)));
  EXPECT_EQ(m.findChild<QListWidget*>("flQVX")->count(), 1);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  m.findChild<QListWidget*>("flQVX")->setCurrentRow(0);
  m.grab().save("frmMatr_elenco.png");

  m.findChild<QToolButton*>("cmdOpenDir")->click();
  EXPECT_EQ(platform::SimulazioneShell().Richieste(), std::vector{QUrl::fromLocalFile(cartella)});
}

}  // namespace
}  // namespace tlx::ui
