// The long operations met as a user meets them: whatever is typed or clicked
// in the program's windows while one yields starts nothing, then or after,
// and changes nothing on disk; the progress windows' stop buttons still
// answer; a close request is answered, and nothing half-done is written.

#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "Chiusura.h"
#include "FinestraPrincipale.h"
#include "core/ColonneTxt.h"
#include "core/FileMatriceProva.h"
#include "core/FileSistema.h"
#include "platform/Attesa.h"
#include "platform/Cartelle.h"
#include "platform/FileDialogs.h"
#include "platform/StampanteQt.h"
#include "printing/StampanteRegistrata.h"
#include "ui/conditions/ComponentiFiltri.h"
#include "ui/conditions/frmImportFiltri.h"
#include "ui/main/Avvio.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/matrices/frmMatr.h"
#include "ui/printing/frmPrnInCorso.h"
#include "ui/printing/frmRidottiRandom.h"
#include "ui/shared/FormatoLocale.h"

namespace tlx::ui {
namespace {

namespace tp = ::tlx::prova;
using platform::MessageBox;

// Keys typed in a window as on a desktop: the window manager makes it the
// active window (the user clicked it or switched to it), then each key comes
// with Alt held around it when it has Alt.
void Digita(QWidget* finestra, std::initializer_list<QKeyCombination> tasti) {
  QWindow* w = finestra->windowHandle();
  QWindowSystemInterface::handleWindowActivated(w, Qt::ActiveWindowFocusReason);
  for (const QKeyCombination t : tasti) {
    const Qt::KeyboardModifiers alt = t.keyboardModifiers() & Qt::AltModifier;
    const QString testo = t.key() >= Qt::Key_A && t.key() <= Qt::Key_Z ? QString(QChar(t.key()).toLower()) : QString();
    if (alt) QWindowSystemInterface::handleKeyEvent(w, QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QWindowSystemInterface::handleKeyEvent(w, QEvent::KeyPress, t.key(), alt, testo);
    QWindowSystemInterface::handleKeyEvent(w, QEvent::KeyRelease, t.key(), alt, testo);
    if (alt) QWindowSystemInterface::handleKeyEvent(w, QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  }
}

// A left click at the middle of a button, as a desktop's pointer gives it.
void Clic(QWidget* pulsante) {
  QWindow* finestra = pulsante->window()->windowHandle();
  const QPoint punto = pulsante->mapTo(pulsante->window(), pulsante->rect().center());
  const QPoint schermo = finestra->mapToGlobal(punto);
  QWindowSystemInterface::handleMouseEvent(finestra, punto, schermo, Qt::LeftButton, Qt::LeftButton,
                                           QEvent::MouseButtonPress);
  QWindowSystemInterface::handleMouseEvent(finestra, punto, schermo, Qt::NoButton, Qt::LeftButton,
                                           QEvent::MouseButtonRelease);
}

// Runs `operazione` while `utente` acts at each of its yields, numbered from
// 1, once the yield's own events are through: what the user does is still
// queued at the next yield, or when the operation ends. The events left are
// then let through as the program's event loop would. Returns the yields.
int Durante(const std::function<void()>& operazione, const std::function<void(int)>& utente) {
  int cessioni = 0;
  platform::AlCedere([&] { utente(++cessioni); });
  operazione();
  platform::AlCedere({});
  QCoreApplication::processEvents();
  return cessioni;
}

QByteArray Contenuto(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

std::vector<uint8_t> Colonne(const Sistema& s) { return {s.Colonne.Dati(), s.Colonne.Dati() + 5 * s.NumeroColonne}; }

std::vector<std::string> Testi() {
  std::vector<std::string> testi;
  for (const Messaggio& m : MessageBox::Mostrati()) testi.push_back(m.testo);
  return testi;
}

// The top-level window of that name, when shown.
template <typename Finestra = QWidget>
Finestra* Aperta(const char* nome) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == nome && w->isVisible()) return qobject_cast<Finestra*>(w);
  return nullptr;
}

// The main window over a system of 25 numbers developed whole (53,130
// columns), saved in the systems folder as the file it works on and
// exported as column text; the windows' printer records what it is given.
struct OperazioniLunghe : ::testing::Test {
  prova::FinestraPrincipale f;
  frmMAIN& w = *f.finestra;
  Sistema& s = *f.sistema;
  StampanteRegistrata stampante;
  const QString dati = f.cartella.path();
  const QString sistema = dati + "/sistemi/grande.tlqvx", colonneTxt = dati + "/txt/grande.txt";
  std::vector<uint8_t> colonne;
  // The arrangement of the numbers an adaptation asks first is taken as it
  // is; any other window that comes up modal, but those of the operations
  // and the windows the tests show, is noted and closed.
  QTimer ordine;
  QStringList aperte;

  OperazioniLunghe() {
    platform::cCommonDialog::Simulazione().Registra();
    platform::ImpostaStampanteCorrente(&stampante);
    for (const char* cartella : {"sistemi", "txt", "matrici"}) QDir(dati).mkpath(cartella);
    Scegli(25);
    w.ElaboraSistema();
    colonne = Colonne(s);
    EXPECT_EQ(SalvaFile(s, sistema.toStdString()).esito, EsitoSalvaFile::Salvato);
    SalvaColonneTxt(s, "grande.tlqvx");
    QObject::connect(&ordine, &QTimer::timeout, [this] {
      QWidget* m = QApplication::activeModalWidget();
      const QStringList proprie = {"frmMatr", "frmImportFiltri", "frmCalcolo", "frmPrnInCorso"};
      if (!m || proprie.contains(m->objectName())) return;
      if (m->objectName() != "frmOrdinaPronostico") aperte << m->objectName();
      m->close();
    });
    ordine.start(5);
    Attiva(&w);
  }
  ~OperazioniLunghe() override {
    platform::AlCedere({});
    platform::ImpostaStampanteCorrente(nullptr);
    platform::cCommonDialog::Simulazione().Ferma();
  }

  // The systems folder, each file with its content.
  std::map<QString, QByteArray> Disco() const {
    std::map<QString, QByteArray> file;
    for (const QString& nome : QDir(dati + "/sistemi").entryList(QDir::Files | QDir::Hidden))
      file[nome] = Contenuto(dati + "/sistemi/" + nome);
    return file;
  }
  // An empty system on the first `quanti` numbers, on the big system's file: a save would write over it.
  void Scegli(int quanti) {
    w.CancellaSistema(false);
    for (int i = 0; i < quanti; ++i) w.GrigliaNumeriClick(i);
    s.NomeFileSistema = sistema.toStdString();
  }
  static void Attiva(QWidget* finestra) {
    finestra->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(finestra));
  }
  static QAbstractButton* Pulsante(QWidget* finestra, const char* nome) {
    return finestra->findChild<QAbstractButton*>(nome);
  }
  frmRidottiRandom* Ridotti() {
    w.finestre().MostraRidotti();
    return Aperta<frmRidottiRandom>("frmRidottiRandom");
  }
  // The matrix window as the main window opens it to adapt: modal.
  std::unique_ptr<frmMatr> Matrici() {
    auto m = std::make_unique<frmMatr>(s, frmMatr::Modo::Adatta, &w);
    m->setWindowModality(Qt::ApplicationModal);
    m->show();
    return m;
  }
};

// Each kind of yield, with the user at the keyboard and the mouse each time it
// yields: in the main window Alt+I for "&Info" and Alt+F then S for the save;
// in the operation's own window the access key of a button, and Enter and Esc,
// a dialog's keys; and a click on a command button that would start another
// operation or change the system. The program gives its actions no key
// shortcut of their own. Nothing of it runs or opens, during the operation or
// after it, the file on disk stays as it was, and the operation's own result
// is whole.
TEST_F(OperazioniLunghe, WhatIsTypedOrClickedWhileOneYieldsStartsNothingThenOrAfter) {
  std::unique_ptr<frmMatr> matrici;
  std::unique_ptr<frmImportFiltri> filtri;
  frmRidottiRandom* ridotti = nullptr;
  // A matrix of the matrices folder chosen in the matrix window's list.
  const auto Scelta = [&](const std::string& nome) {
    const auto& elenco = matrici->Elenco();
    const auto voce = std::ranges::find(elenco, nome, &matrix::VoceElencoMatrici::NomeFile);
    matrici->findChild<QListWidget*>("flQVX")->setCurrentRow(static_cast<int>(voce - elenco.begin()));
  };
  const struct {
    const char* operazione;
    std::function<QAbstractButton*()> prepara;  // what the user meets; returns the button clicked
    const char* propria;                        // the operation's own window, where keys are typed too
    const char* accesso;                        // a button of it with an access key, if it has one
    std::function<void()> esegui;
    std::function<bool()> intera;  // the operation's own result
    std::vector<Risposta> risposte{};
    std::vector<std::string> mostrati{};
  } casi[] = {
      {"opening a system", [&] { return Scegli(0), Pulsante(&w, "cmdCancella"); }, "frmMAIN", nullptr,
       [&] {
         platform::cCommonDialog::Simulazione().Accoda(sistema);
         w.findChild<QAction*>("menuapri")->trigger();
       },
       [&] { return Colonne(s) == colonne; }},
      {"importing columns", [&] { return Scegli(0), Pulsante(&w, "cmdCancella"); }, "frmMAIN", nullptr,
       [&] {
         platform::cCommonDialog::Simulazione().Accoda(colonneTxt);
         w.findChild<QAction*>("menuImportaColonne")->trigger();
       },
       [&] { return Colonne(s) == colonne; }},
      // The main window is disabled meanwhile; the random systems' window is not.
      {"a development",
       [&] {
         ridotti = Ridotti();
         Scegli(25);
         return Pulsante(ridotti, "cmdStampa");
       },
       "frmRidottiRandom", "cmdTaratura", [&] { w.ElaboraSistema(); },
       [&] { return Colonne(s) == colonne && stampante.Documenti().empty(); }},
      // The matrix window is modal: what waits for the main window would go once it closes.
      {"adapting a matrix",
       [&] {
         Scegli(7);
         tp::Scrivi((dati + "/matrici/tre.mqvx").toStdString(), tp::FileProva().Byte_());
         matrici = Matrici();
         Scelta("tre.mqvx");
         return Pulsante(&w, "cmdCancella");
       },
       "frmMatr", "cmdAdatta", [&] { matrici->cmdAdatta_Click(); },
       [&] { return matrici->Adattata() && s.NumeroColonne == 3; }},
      {"reading a text matrix",
       [&] {
         Scegli(6);
         // Empty lines after the three columns: the reading itself yields a few times.
         std::ofstream sei((dati + "/txt/sei.txt").toStdString());
         sei << "1 2 3 4 5\r\n1 2 3 4 6\r\n1 2 3 5 6\r\n";
         for (int i = 0; i < 2 * PASSO_ELABORA_EVENTI; ++i) sei << "\r\n";
         sei.close();
         platform::cCommonDialog::Simulazione().Accoda(dati + "/txt/sei.txt");
         // A matrix for six numbers chosen in the list: "&Adatta" is on offer when the text is picked.
         tp::FileProva perSei;
         perSei.V = 6, perSei.colonne = {{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}, {1, 3, 4, 5, 6}};
         tp::Scrivi((dati + "/matrici/sei.mqvx").toStdString(), perSei.Byte_());
         matrici = Matrici();
         Scelta("sei.mqvx");
         return Pulsante(&w, "cmdCancella");
       },
       "frmMatr", "cmdAdatta", [&] { matrici->cmdMatriceTXT_Click(); },
       [&] { return matrici->Adattata() && s.NumeroColonne == 3; }},
      // The import's own window stays enabled while it reads.
      {"importing filters",
       [&] {
         Scegli(0);
         std::ofstream filtro((dati + "/txt/filtri.txt").toStdString());
         for (int i = 0; i < 200; ++i) filtro << "3 17 28 41\r\n";
         filtro.close();
         platform::cCommonDialog::Simulazione().Accoda(dati + "/txt/filtri.txt");
         filtri = std::make_unique<frmImportFiltri>(s, FormatoLocale(), &w);
         filtri->setWindowModality(Qt::ApplicationModal);
         filtri->show();
         filtri->cmdImportaFiltri_Click();
         return Pulsante(filtri.get(), "cmdProcess");
       },
       "frmImportFiltri", nullptr, [&] { filtri->cmdProcess_Click(); }, [&] { return s.NumeroFiltriAnd == 200; },
       {Risposta::Si}, {DOMANDA_CANCELLA_FILTRI}},
      // The main window stays usable beside the random systems' window.
      {"printing",
       [&] {
         ridotti = Ridotti();
         Scegli(5);
         Attiva(&w);
         return Pulsante(&w, "cmdCancella");
       },
       "frmRidottiRandom", "cmdTaratura", [&] { Pulsante(ridotti, "cmdStampa")->click(); },
       [&] { return stampante.Documenti().size() == 1 && s.NumeriPronostico == 5; }},
  };
  for (const auto& c : casi) {
    QAbstractButton* bersaglio = c.prepara();
    MessageBox::Azzera();
    for (Risposta r : c.risposte) MessageBox::Accoda(r);
    const auto prima = Disco();
    QWidget* propria = Aperta(c.propria);
    const QKeySequence accesso =
        c.accesso ? QKeySequence::mnemonic(Pulsante(propria, c.accesso)->text()) : QKeySequence();
    QSignalSpy salva(w.findChild<QAction*>("menusalva"), &QAction::triggered);
    QSignalSpy info(w.findChild<QAction*>("menuinfo"), &QAction::triggered);
    QSignalSpy cliccato(bersaglio, &QAbstractButton::clicked);
    // The buttons of the operation's own window pressed (an access key presses its button at once and
    // clicks it a moment later), and its closing, from the first yield on: the operation may have
    // started with a click of its own.
    QStringList premuti;
    const QObject ascolto;
    aperte.clear();
    const int cessioni = Durante(c.esegui, [&](int n) {
      if (n == 1) {
        for (QAbstractButton* b : propria->findChildren<QAbstractButton*>())
          QObject::connect(b, &QAbstractButton::pressed, &ascolto, [&premuti, b] { premuti << b->objectName(); });
        if (auto* dialogo = qobject_cast<QDialog*>(propria))
          QObject::connect(dialogo, &QDialog::rejected, &ascolto, [&premuti] { premuti << "closed"; });
      }
      // "&Info" first: an open menu would take the keys that follow.
      Digita(&w, {Qt::ALT | Qt::Key_I});
      Digita(&w, {Qt::ALT | Qt::Key_F, Qt::Key_S});
      if (!accesso.isEmpty()) Digita(propria, {accesso[0]});
      Digita(propria, {Qt::Key_Return, Qt::Key_Escape});
      Clic(bersaglio);
    });
    EXPECT_EQ(std::tuple(cessioni > 0, salva.count(), info.count(), cliccato.count(), premuti.join(' ').toStdString(),
                         aperte.join(' ').toStdString(), Disco() == prima, c.intera(), Testi()),
              std::tuple(true, 0, 0, 0, "", "", true, true, c.mostrati))
        << c.operazione;
  }
}

// The progress windows' stop buttons, clicked through the window system at
// the first yield, still ask, and Si stops the work: the development keeps
// the columns found so far, the print run the slips already finished.
TEST_F(OperazioniLunghe, TheProgressWindowsStopButtonsStillAnswer) {
  Scegli(30);
  MessageBox::Azzera();
  MessageBox::Accoda(Risposta::Si);
  Durante([&] { w.ElaboraSistema(); }, [&](int n) {
    if (n != 1) return;
    Aperta("frmCalcolo")->grab().save("frmCalcolo.png");
    Clic(Pulsante(Aperta("frmCalcolo"), "cmdSvilAnnulla"));
  });
  const bool interrotto = s.NumeroColonne > 0 && s.NumeroColonne < 142506;
  const std::vector<std::string> domanda = Testi();

  MessageBox::Azzera();
  MessageBox::Accoda(Risposta::Si);
  std::optional<EsitoStampa> esito;
  Durante(
      [&] {
        esito = EseguiStampaSchede(
            s, &w, 1, 10, [&](int32_t n) { stampante.Stampa("Scheda " + std::to_string(n)); }, "StampaScheda1Colonna",
            "frmStampa");
      },
      [](int n) {
        if (n == 1) Clic(Aperta<frmPrnInCorso>("frmPrnInCorso")->interrompi());
      });
  const size_t pagine = stampante.Documenti().at(0).pagine.size();
  EXPECT_EQ(std::tuple(interrotto, domanda.size(), domanda.at(0).ends_with("Uscire dallo sviluppo?"), esito,
                       pagine > 0 && pagine < 10, Testi()),
            std::tuple(true, 1u, true, EsitoStampa::Interrotta, true,
                       std::vector<std::string>{"Sicuro di interrompere la stampa ?"}));
}

// A close request while the work yields is answered at once. Answered No,
// the work goes on; answered Si, the program leaves and nothing half-done is
// written: a load still ends whole and shows nothing more, a development or a
// print run stops at its next step. The progress windows refuse to close.
TEST_F(OperazioniLunghe, ACloseRequestDuringTheWorkIsAnsweredAndNothingHalfDoneIsWritten) {
  const auto apri = [&] { w.ApriFile(sistema); };
  const auto sviluppa = [&] { w.ElaboraSistema(); };
  const auto stampa = [&] {
    EseguiStampaSchede(
        s, &w, 1, 10, [&](int32_t n) { stampante.Stampa("Scheda " + std::to_string(n)); }, "StampaScheda1Colonna",
        "frmStampa");
  };
  const auto pagine = [&] { return stampante.Documenti().empty() ? 0 : stampante.Documenti().back().pagine.size(); };
  // The same files cut short: what the reader then says is not shown to a user who left.
  ASSERT_TRUE(QFile::copy(sistema, dati + "/sistemi/tagliato.tlqvx") &&
              QFile::resize(dati + "/sistemi/tagliato.tlqvx", QFileInfo(sistema).size() / 2));
  std::ofstream((dati + "/txt/tagliato.txt").toStdString(), std::ios::binary)
      << Contenuto(colonneTxt).toStdString() << " 01 02\r\n";
  const auto importa = [&] {
    platform::cCommonDialog::Simulazione().Accoda(dati + "/txt/tagliato.txt");
    w.findChild<QAction*>("menuImportaColonne")->trigger();
  };
  const struct {
    const char* caso;
    std::function<void()> esegui;
    const char* chiusa;                 // the window the close request goes to
    std::optional<Risposta> risposta;  // to the main window's question
    std::function<bool()> esito;       // what the work left in memory
  } casi[] = {
      {"a load, the program stays", apri, "frmMAIN", Risposta::No, [&] { return Colonne(s) == colonne; }},
      {"a load, the program leaves", apri, "frmMAIN", Risposta::Si, [&] { return Colonne(s) == colonne; }},
      {"a cut file, the program leaves", [&] { w.ApriFile(dati + "/sistemi/tagliato.tlqvx"); }, "frmMAIN", Risposta::Si,
       [&] { return s.NumeroColonne == 0; }},
      {"a cut import, the program leaves", importa, "frmMAIN", Risposta::Si,
       [&] { return s.NumeroColonne == 0; }},
      {"a development, its progress window", sviluppa, "frmCalcolo", {}, [&] { return Colonne(s) == colonne; }},
      {"a development, the program leaves", sviluppa, "frmMAIN", Risposta::Si,
       [&] { return s.NumeroColonne > 0 && s.NumeroColonne < 53130; }},
      {"a print run, its progress window", stampa, "frmPrnInCorso", {}, [&] { return pagine() == 10; }},
      {"a print run, the program leaves", stampa, "frmMAIN", Risposta::Si, [&] { return pagine() < 10; }},
  };
  for (const auto& c : casi) {
    Scegli(25);
    stampante = StampanteRegistrata();
    s.ChiusuraApplicazione = FALSO;
    w.show();
    MessageBox::Azzera();
    if (c.risposta) MessageBox::Accoda(*c.risposta);
    const auto prima = Disco();
    bool chiusa = false;
    Durante(c.esegui, [&](int n) {
      if (n == 1) chiusa = prova::ChiudiDalGestore(Aperta(c.chiusa));
    });
    const bool esce = c.risposta == Risposta::Si;
    const std::vector<std::string> domanda =
        c.risposta ? std::vector<std::string>{"Uscire dall'applicazione?"} : std::vector<std::string>{};
    EXPECT_EQ(std::tuple(chiusa, Vero(s.ChiusuraApplicazione), w.isVisible(), Testi(), c.esito(), Disco() == prima),
              std::tuple(esce, esce, !esce, domanda, true, true))
        << c.caso;
  }

  // At start-up, leaving while the command line's file is read ends the
  // program there, rather than running on with no window to end it.
  const QString cartella = platform::CartellaDati() + "/sistemi";
  QDir().mkpath(cartella);
  QFile::remove(cartella + "/grande.tlqvx");
  ASSERT_TRUE(QFile::copy(sistema, cartella + "/grande.tlqvx"));
  MessageBox::Azzera();
  Avvio avvio;
  bool avviato = true, chiesto = false;
  Durante([&] { avviato = avvio.Main({cartella + "/grande.tlqvx"}); }, [&](int) {
    frmMAIN* principale = avvio.finestraPrincipale();
    if (chiesto || !principale || !principale->isVisible()) return;
    chiesto = true;
    MessageBox::Accoda(Risposta::Si);
    prova::ChiudiDalGestore(principale);
  });
  EXPECT_EQ(std::tuple(avviato, chiesto, avvio.finestraPrincipale()->isVisible(), Colonne(avvio.sistema()) == colonne),
            std::tuple(false, true, false, true));
}

}  // namespace
}  // namespace tlx::ui
