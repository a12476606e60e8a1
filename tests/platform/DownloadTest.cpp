#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <optional>
#include <tuple>

#include "GuastiFile.h"
#include "archive/Archivio.h"
#include "core/FileMatriceProva.h"
#include "core/Server.h"
#include "core/Versione.h"
#include "platform/Download.h"
#include "platform/MessageBox.h"
#include "platform/ServerProva.h"
#include "platform/Shell.h"
#include "ui/Chiusura.h"
#include "ui/FinestraPrincipale.h"
#include "ui/archive/frmArchivio.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/main/GrigliaNumeri.h"
#include "ui/main/NewVersion.h"
#include "ui/matrices/frmMatr.h"

namespace tlx::platform {
namespace {

using namespace std::chrono_literals;
namespace tp = ::tlx::prova;
using Modo = tp::RispostaProva::Modo;

QByteArray Contenuto(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray Testo(std::string_view s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }
QByteArray Testo(const tp::Byte& b) { return QByteArray(reinterpret_cast<const char*>(b.data()), std::ssize(b)); }

std::vector<std::string> Mostrati() {
  std::vector<std::string> testi;
  for (const Messaggio& m : MessageBox::Mostrati()) testi.push_back(m.testo);
  MessageBox::Azzera();
  return testi;
}

// The main window over its archive of one draw and a matrix folder holding
// GOOD5.mqvx, a temporary folder of its own, and the stand-in server, whose
// list names GOOD5 and ALTRA.
class DownloadNelleFinestre : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("TMPDIR", temp.path().toUtf8());
    qputenv(VARIABILE_SERVER, server.Indirizzo().toUtf8());
    QDir().mkpath(Matrici());
    tp::Scrivi((Matrici() + "/GOOD5.mqvx").toStdString(), tp::FileProva().Byte_());
    QDir().mkpath(QFileInfo(QString::fromStdString(s().PercorsoArchivio)).path());
    std::ofstream(s().PercorsoArchivio, std::ios::binary) << CodificaArchivio(UNA);
    s().ArchivioEstrazioni = UNA;
    server.Rispondi(Testo(server::PERCORSO_LISTA_MATRICI), {200, "good5.dat\r\naltra.dat\r\n"});
    ASSERT_EQ(AttesaMassima(), 30s);  // the program's own, which no test waits out
    ImpostaAttesaMassima(300ms);
    // A window no misbehaving server may bring up is closed at once, and the call that opened it tells.
    QObject::connect(&guardia, &QTimer::timeout, [] { if (QWidget* w = QApplication::activeModalWidget()) w->close(); });
    guardia.start(50);
  }
  void TearDown() override {
    qputenv(VARIABILE_SERVER, "http://127.0.0.1:9");
    qputenv("TMPDIR", tmpPrima);
    ImpostaAttesaMassima(30s);
    AggiungiAutorita({});
  }
  Sistema& s() { return *principale.sistema; }
  QString Matrici() { return principale.cartella.path() + "/matrici"; }

  // Archive, matrix and version each get their own kind of body, sent as `modo` says: were any taken, the
  // archive, the matrix or the new-version window would show it.
  void Servi(int stato, Modo modo, int pezzi = 1, std::chrono::milliseconds pausa = {}) {
    const tp::Byte matrice = tp::FileProva{.colonne = std::vector(200, std::array<uint8_t, 5>{1, 2, 3, 4, 5}), .autore = "Nuova", .C = {}}.Byte_();
    const std::pair<QByteArray, QByteArray> corpi[] = {
        {Testo(server::PERCORSO_ARCHIVIO), QByteArray("09/01/2018|7|12|33|41|55\r\n").repeated(100)},
        {Testo(server::PERCORSO_VERSIONE), "9.9.9\r\n" + QByteArray(2000, 'n')},
        {Testo(server::PERCORSO_MATRICE) + "GOOD5.DAT", Testo(matrice)}, {Testo(server::PERCORSO_MATRICE) + "ALTRA.DAT", Testo(matrice)}};
    for (const auto& [percorso, corpo] : corpi) server.Rispondi(percorso, {stato, corpo, modo, pezzi, pausa});
  }

  // Nothing changed: the archive in memory and on disk, the matrix folder; and the temporary folder holds
  // nothing but the list reply, which is kept, and the statistics' file.
  auto Stato() {
    QStringList resti = QDir(temp.path()).entryList(QDir::Files | QDir::Hidden);
    resti.removeIf([](const QString& n) { return n == "tremaluxorqvx.txt" || n.endsWith(".csv"); });
    return std::tuple(s().ArchivioEstrazioni == UNA, Contenuto(QString::fromStdString(s().PercorsoArchivio)) == Testo(CodificaArchivio(UNA)),
                      QDir(Matrici()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(' ').toStdString(),
                      Contenuto(Matrici() + "/GOOD5.mqvx") == Testo(tp::FileProva().Byte_()), resti.join(' ').toStdString());
  }
  static auto Intatto() { return std::tuple(true, true, std::string("GOOD5.mqvx"), true, std::string()); }

  inline static const std::vector<Estrazione> UNA = {{"05/01/2018", {55, 7, 30, 2, 44}}};
  QByteArray tmpPrima = qgetenv("TMPDIR");
  QTemporaryDir temp;
  QTimer guardia;
  tp::ServerProva server;
  ui::prova::FinestraPrincipale principale;
};

TEST_F(DownloadNelleFinestre, AServerThatMisbehavesChangesNothingWhereverTheUserMeetsIt) {
  const struct {
    const char* caso;
    int stato;
    Modo modo;
    bool discoPieno = false;
  } casi[] = {{"not found", 404, Modo::Intera},       {"server error", 500, Modo::Intera},
              {"short body", 200, Modo::Troncata},     {"chunk size zz", 200, Modo::ChunkRotto},
              {"reset mid-body", 200, Modo::Azzerata}, {"no length", 200, Modo::SenzaLunghezza},
              {"endless", 200, Modo::ChunkInfinito},   {"silent", 200, Modo::Muta},
              {"full disk", 200, Modo::Intera, true}};
  ui::frmArchivio* archivio = principale.finestra->finestre().Archivio();
  ui::frmMatr matrici(s(), ui::frmMatr::Modo::Elenco);
  for (const auto& c : casi) {
    Servi(c.stato, c.modo);
    {
      std::optional<tp::DiscoPieno> disco;
      if (c.discoPieno) disco.emplace(1000);  // room for the statistics of one draw only
      archivio->cmdUpdate_Click();
      matrici.cmdUpdateMatrix_Click();
      EXPECT_EQ(ui::NewVersion(), ui::EsitoVersione::Prosegui) << c.caso;
    }
    // The archive says its download failed; only a full disk is worth a box of its own in each window, the disk
    // error it is, and it ends the matrices' download at their first name.
    const std::string fallito = "Errore durante il download dell'aggiornamento",
                      disco = "Error 61 (Disk full) in procedure DownloadFile of Modulo corpo";
    const std::vector<std::string> attesi = c.discoPieno ? std::vector{disco, fallito, disco, disco} : std::vector{fallito};
    EXPECT_EQ(Mostrati(), attesi) << c.caso;
    EXPECT_EQ(Stato(), Intatto()) << c.caso;
  }
}

TEST_F(DownloadNelleFinestre, ATricklingServerHoldsNoOneTheCloseRequestsOfTheBusyWindowAndOfTheProgramEndIt) {
  // Each reply would take four seconds at this pace, each pause well under the silence allowed.
  Servi(200, Modo::Lenta, 100, 40ms);

  // The busy archive window says so and stays; leaving the program ends the update.
  ui::frmArchivio* archivio = principale.finestra->finestre().Archivio();
  archivio->show();
  bool aperta = false;
  std::vector<std::string> avvisi;
  std::string domanda;
  QTimer utente;  // answers the program's question with Enter; a question the key never reaches is dismissed
  QObject::connect(&utente, &QTimer::timeout, [&, tentativi = 0]() mutable {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    domanda = box->text().toStdString();
    if (++tentativi > 25) return box->reject();
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(box->windowHandle(), QEvent::KeyPress,
                                                                                         Qt::Key_Return, Qt::NoModifier);
  });
  QTimer::singleShot(50, archivio, [&] { ui::prova::ChiudiDalGestore(archivio); });
  QTimer::singleShot(150, archivio, [&] {
    aperta = archivio->isVisible();
    // A click on the grid meanwhile waits for no one: the number is not chosen.
    const auto* griglia = principale.finestra->findChild<ui::GrigliaNumeri*>();
    QTest::mouseClick(principale.finestra->windowHandle(), Qt::LeftButton, {},
                      griglia->mapTo(principale.finestra.get(), griglia->RettangoloCella(0).center()));
    // The close request's question is a real box, opened meanwhile: the user's key reaches it.
    avvisi = Mostrati();
    guardia.stop();
    MessageBox::Ferma();
    utente.start(20);
    ui::prova::ChiudiDalGestore(principale.finestra.get());
  });
  archivio->cmdUpdate_Click();
  MessageBox::Registra();
  EXPECT_EQ(std::tuple(avvisi, domanda, aperta, archivio->isVisible(), s().NumeriScelti[0]),
            std::tuple(std::vector<std::string>{"Aggiornamento Archivio in corso...attendere"}, "Uscire dall'applicazione?",
                       true, false, uint8_t{0}));
  s().ChiusuraApplicazione = FALSO;

  // Closing the matrix window ends its download, and the window closes.
  ui::frmMatr matrici(s(), ui::frmMatr::Modo::Elenco);
  matrici.show();
  QTimer::singleShot(50, &matrici, [&] { ui::prova::ChiudiDalGestore(&matrici); });
  matrici.cmdUpdateMatrix_Click();
  EXPECT_EQ(std::tuple(Mostrati(), matrici.isVisible()), std::tuple(std::vector<std::string>{}, false));
  EXPECT_EQ(Stato(), Intatto());
}

// At start-up nothing is shown past a failing server, though a reply an earlier run left behind is there, nor past
// one never silent long but slower in all than the check may take, nor past a reply longer than 4 KB, while one
// of 4 KB is read; a reply read does not stay behind.
TEST_F(DownloadNelleFinestre, TheVersionCheckGoesOnSilentlyPastAFailingOrSlowServer) {
  QFile vecchia(temp.filePath("tremaluxorqvxver.txt"));
  ASSERT_TRUE(vecchia.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && vecchia.write("9.9.9\r\n") > 0);
  EXPECT_EQ(ui::NewVersion(), ui::EsitoVersione::Prosegui);
  server.Rispondi(Testo(server::PERCORSO_VERSIONE), {200, "9.9.9\r\n" + QByteArray(60, 'n'), Modo::Lenta, 67, 30ms});
  EXPECT_EQ(ui::NewVersion(), ui::EsitoVersione::Prosegui);
  for (const auto& [byte, esito] : {std::pair{4097, ui::EsitoVersione::Prosegui}, std::pair{4096, ui::EsitoVersione::TerminaProgramma}}) {
    server.Rispondi(Testo(server::PERCORSO_VERSIONE), {200, ("9.9.9\r\n" + QByteArray(byte, 'n')).left(byte)});
    EXPECT_EQ(ui::NewVersion(), esito) << byte;
  }
  EXPECT_EQ(Mostrati(), std::vector<std::string>{});
  server.Rispondi(Testo(server::PERCORSO_VERSIONE), {200, Testo(VersioneProgramma() + "\r\n")});  // ours: the reply goes once read
  EXPECT_EQ(ui::NewVersion(), ui::EsitoVersione::Prosegui);
  EXPECT_FALSE(QFile::exists(vecchia.fileName()));
}

// The list's names asked once each, a redirect followed; a name that cannot be stored (unsafe, hidden, a folder
// in its place, not on the server) skipped; an error page replaces no sound matrix; what else arrived whole and
// the list shows is stored, a matrix with a bad version or CRC listed with its flag; a list longer than any real
// one is not taken.
// Five redirections are followed, over TLS too, though they take longer in all than the silence allowed; a sixth
// is not, nor one to a local file, nor one from a secure address back to a plain one, and a redirect's length
// does not vouch for the reply after it.
TEST_F(DownloadNelleFinestre, EachListedMatrixIsAskedOnceAndWhatCannotBeStoredIsSkipped) {
  const QString lista = "/public/quorbelt/lista.asp?K=5", scarica = "/public/quorbelt/matrici/download.aspx?file=";
  const tp::Byte file = tp::FileProva{.autore = "Nuova", .C = {}}.Byte_();
  QDir().mkpath(Matrici() + "/CARTELLA.mqvx");
  QByteArray elenco = "m7a.dat\r\n../EVIL.DAT\r\ncartella.dat\r\nsub/x.dat\r\nmanca.dat\r\ngood5.dat\r\nvuota.dat\r\nM7A.DAT\r\n"
                      "versione.dat\r\n.nascosta.dat\r\ncorrotta.dat\r\n"
                      "cinque.dat\r\nsei.dat\r\nlocale.dat\r\ntls.dat\r\nritorno.dat\r\nsenza.dat\r\n";
  elenco.append(64 * 1024 - elenco.size(), '\n');  // as long as a list may be, sent in chunks
  server.Rispondi(lista.toUtf8(), {200, elenco, Modo::Chunk});
  const auto Rimanda = [](tp::ServerProva& da, const QString& percorso, const QString& verso, std::chrono::milliseconds pausa = {}) {
    da.Rispondi(percorso.toUtf8(), {302, "", Modo::Intera, 1, pausa, "Location: " + verso.toUtf8() + "\r\n"});
  };
  Rimanda(server, scarica + "M7A.DAT", "/altrove/M7A.DAT");
  server.Rispondi("/altrove/M7A.DAT", {200, Testo(file)});
  server.Rispondi((scarica + "CARTELLA.DAT").toUtf8(), {200, Testo(file)});
  server.Rispondi((scarica + "GOOD5.DAT").toUtf8(), {200, "<html><body>Errore</body></html>"});
  server.Rispondi((scarica + "VUOTA.DAT").toUtf8(), {200, ""});
  server.Rispondi((scarica + "VERSIONE.DAT").toUtf8(), {200, Testo(tp::FileProva{.magic = "matriceqvxv0002", .C = {}}.Byte_())});
  server.Rispondi((scarica + ".NASCOSTA.DAT").toUtf8(), {200, Testo(file)});
  server.Rispondi((scarica + "CORROTTA.DAT").toUtf8(), {200, Testo(file).replace("Nuova", "Nuovo")});
  QStringList giro;
  for (int i = 1; i <= 6; ++i) giro << "/giro/" + QString::number(i);
  for (int i = 0; i < 5; ++i) Rimanda(server, giro[i], giro[i + 1], 80ms);  // each answer keeps the download alive
  // The largest matrix there may be, at the end of five redirections.
  const tp::Byte grande = tp::FileProva{.colonne = std::vector(CAPIENZA, std::array<uint8_t, 5>{1, 2, 3, 4, 5}), .C = {}}.Byte_();
  server.Rispondi(giro[5].toUtf8(), {200, Testo(grande)});
  Rimanda(server, scarica + "CINQUE.DAT", giro[1]);
  Rimanda(server, scarica + "SEI.DAT", giro[0]);
  Rimanda(server, scarica + "LOCALE.DAT", QUrl::fromLocalFile(Matrici() + "/GOOD5.mqvx").toString());
  tp::ServerProva sicuro(tp::ServerProva::Protocollo::Https);
  AggiungiAutorita(tp::ServerProva::Certificato());
  Rimanda(server, scarica + "TLS.DAT", sicuro.Indirizzo() + "/TLS.DAT");
  Rimanda(sicuro, "/TLS.DAT", "/altrove/TLS.DAT");
  sicuro.Rispondi("/altrove/TLS.DAT", {200, Testo(file)});
  Rimanda(server, scarica + "RITORNO.DAT", sicuro.Indirizzo() + "/RITORNO.DAT");
  Rimanda(sicuro, "/RITORNO.DAT", server.Indirizzo() + "/altrove/M7A.DAT");
  Rimanda(server, scarica + "SENZA.DAT", "/senza");
  server.Rispondi("/senza", {200, Testo(file), Modo::SenzaLunghezza});

  ui::frmMatr m(s(), ui::frmMatr::Modo::Elenco);
  m.show();
  m.cmdUpdateMatrix_Click();
  server.Rispondi(lista.toUtf8(), {200, elenco + "\n"});  // a byte longer
  m.cmdUpdateMatrix_Click();
  QStringList richieste;
  for (const auto& r : server.Ricevute()) richieste << QString::fromUtf8(r.percorso);
  EXPECT_EQ(richieste, QStringList({lista, scarica + "M7A.DAT", "/altrove/M7A.DAT", scarica + "CARTELLA.DAT",
                                    scarica + "MANCA.DAT", scarica + "GOOD5.DAT", scarica + "VUOTA.DAT",
                                    scarica + "VERSIONE.DAT", scarica + "CORROTTA.DAT", scarica + "CINQUE.DAT"}) +
                           giro.mid(1) + QStringList{scarica + "SEI.DAT"} + giro.mid(0, 5) +
                           QStringList({scarica + "LOCALE.DAT", scarica + "TLS.DAT", scarica + "RITORNO.DAT", scarica + "SENZA.DAT", "/senza", lista}));
  EXPECT_EQ(std::pair(server.Ricevute().at(0).intestazioni.value("cache-control"), server.Ricevute().at(0).intestazioni.value("pragma")),
            std::pair(QByteArray("no-cache"), QByteArray("no-cache")));
  EXPECT_EQ(std::pair(Mostrati(), Contenuto(Matrici() + "/M7A.mqvx") == Testo(file)), std::pair(std::vector<std::string>{}, true));
  EXPECT_EQ(Stato(), std::tuple(true, true,
                                std::string("CARTELLA.mqvx CINQUE.mqvx CORROTTA.mqvx GOOD5.mqvx M7A.mqvx TLS.mqvx VERSIONE.mqvx"),
                                true, std::string()));
  // Each listed line as its details show it: file, version flag, CRC flag.
  auto* righeElenco = m.findChild<QListWidget*>("flQVX");
  QStringList righe;
  for (int r = 0; r < righeElenco->count(); ++r) {
    righeElenco->setCurrentRow(r);
    righe << QStringList{m.findChild<QLineEdit*>("txtFileName")->text(), m.findChild<QLabel*>("lblChkVersion")->text(),
                         m.findChild<QLabel*>("lblOK")->text()}.join('|');
  }
  righe.sort();
  EXPECT_EQ(righe.join(", ").toStdString(), "CINQUE.mqvx||, CORROTTA.mqvx||Matrice Corrotta, GOOD5.mqvx||, M7A.mqvx||, TLS.mqvx||, "
                                            "VERSIONE.mqvx|Versione non valida|");
  SimulazioneShell().Registra();
  m.findChild<QAbstractButton*>("cmdOpenDir")->click();  // the folder they went to
  EXPECT_EQ(SimulazioneShell().Richieste(), std::vector{QUrl::fromLocalFile(Matrici())});
}

// Whatever a download of a listed name brings, the file it stores is listed, flagged or not: a reply the list
// would not show (nor a name it would not) is not stored, as a failed download; a bad one replaces no sound matrix
// of its name; a sound one replaces its namesakes in any letter case, and one file of that name stays.
TEST_F(DownloadNelleFinestre, EveryMatrixADownloadStoresIsListedAndASoundOneReplacesItsNamesakeInAnyCase) {
  const tp::Byte nuova = tp::FileProva{.autore = "Nuova", .C = {}}.Byte_(), vecchia = tp::FileProva{.autore = "Vecchia", .C = {}}.Byte_(),
                 versione = tp::FileProva{.autore = "Nuova", .magic = "matriceqvxv0002", .C = {}}.Byte_(),
                 sei = tp::FileProva{.K = 6, .autore = "Nuova", .C = {}}.Byte_();
  tp::Byte rotta = nuova;
  rotta[150] ^= 1;
  // Every column of the 55 numbers: more than a system holds, yet a sound matrix the list shows.
  const tp::Byte intera = tp::FileProva{.V = 55, .colonne = tp::TutteLeColonne(), .autore = "Nuova", .C = {}}.Byte_();
  const QMap<QByteArray, QString> nomi = {{Testo(tp::FileProva().Byte_()), "good5"}, {Testo(nuova), "nuova"}, {Testo(vecchia), "vecchia"},
                                          {Testo(versione), "versione"}, {Testo(rotta), "rotta"}, {Testo(intera), "intera"}};
  const char* const soloGood5 = "GOOD5.mqvx=good5";
  const struct {
    const char* caso;
    QByteArray risposta;  // to NEW1.DAT
    std::vector<std::pair<QString, tp::Byte>> prima;  // besides GOOD5.mqvx
    const char* cartella;  // each file with what it holds
    const char* elenco;    // each line listed: file, version flag, CRC flag
  } casi[] = {
      {"empty reply", "", {}, soloGood5, "GOOD5.mqvx||"},
      {"HTML page", "<html><body>Pagina non trovata</body></html>", {}, soloGood5, "GOOD5.mqvx||"},
      {"146 zero bytes", QByteArray(146, '\0'), {}, soloGood5, "GOOD5.mqvx||"},
      {"six-number columns", Testo(sei), {}, soloGood5, "GOOD5.mqvx||"},
      {"empty reply, sound namesake", "", {{"NEW1.mqvx", vecchia}}, "GOOD5.mqvx=good5 NEW1.mqvx=vecchia", "GOOD5.mqvx||, NEW1.mqvx||"},
      {"bad CRC", Testo(rotta), {}, "GOOD5.mqvx=good5 NEW1.mqvx=rotta", "GOOD5.mqvx||, NEW1.mqvx||Matrice Corrotta"},
      {"bad version", Testo(versione), {}, "GOOD5.mqvx=good5 NEW1.mqvx=versione", "GOOD5.mqvx||, NEW1.mqvx|Versione non valida|"},
      {"bad CRC, sound namesake", Testo(rotta), {{"new1.mqvx", vecchia}}, "GOOD5.mqvx=good5 new1.mqvx=vecchia", "GOOD5.mqvx||, new1.mqvx||"},
      {"bad CRC, namesake of a bad version", Testo(rotta), {{"new1.mqvx", versione}}, "GOOD5.mqvx=good5 NEW1.mqvx=rotta",
       "GOOD5.mqvx||, NEW1.mqvx||Matrice Corrotta"},
      {"sound, namesake in lower case", Testo(nuova), {{"new1.mqvx", vecchia}}, "GOOD5.mqvx=good5 NEW1.mqvx=nuova", "GOOD5.mqvx||, NEW1.mqvx||"},
      {"sound, namesakes in two cases", Testo(nuova), {{"NEW1.mqvx", vecchia}, {"New1.MQVX", vecchia}}, "GOOD5.mqvx=good5 NEW1.mqvx=nuova",
       "GOOD5.mqvx||, NEW1.mqvx||"},
      {"sound, more columns than a system holds", Testo(intera), {}, "GOOD5.mqvx=good5 NEW1.mqvx=intera", "GOOD5.mqvx||, NEW1.mqvx||"},
  };
  // A sound matrix, under a name that would be stored without the matrix extension.
  server.Rispondi(Testo(server::PERCORSO_LISTA_MATRICI), {200, "new1.dat\r\nleggimi.txt\r\n"});
  server.Rispondi(Testo(server::PERCORSO_MATRICE) + "LEGGIMI.TXT", {200, Testo(nuova)});
  QDir cartella(Matrici());
  for (const auto& c : casi) {
    for (const QString& nome : cartella.entryList(QDir::Files | QDir::Hidden))
      if (nome != "GOOD5.mqvx") cartella.remove(nome);
    for (const auto& [nome, byte] : c.prima) tp::Scrivi((Matrici() + "/" + nome).toStdString(), byte);
    server.Rispondi(Testo(server::PERCORSO_MATRICE) + "NEW1.DAT", {200, c.risposta});

    ui::frmMatr m(s(), ui::frmMatr::Modo::Elenco);
    m.show();
    QTest::mouseClick(m.findChild<QAbstractButton*>("cmdUpdateMatrix"), Qt::LeftButton);
    QStringList file, righe;
    for (const QString& nome : cartella.entryList(QDir::Files | QDir::Hidden, QDir::Name))
      file << nome + "=" + nomi.value(Contenuto(Matrici() + "/" + nome), "?");
    auto* elenco = m.findChild<QListWidget*>("flQVX");
    for (int r = 0; r < elenco->count(); ++r) {
      elenco->setCurrentRow(r);
      righe << QStringList{m.findChild<QLineEdit*>("txtFileName")->text(), m.findChild<QLabel*>("lblChkVersion")->text(),
                           m.findChild<QLabel*>("lblOK")->text()}.join('|');
    }
    righe.sort();
    // As many lines as files: each is listed.
    EXPECT_EQ(std::tuple(file.join(' ').toStdString(), righe.join(", ").toStdString(), m.windowTitle().toStdString()),
              std::tuple(std::string(c.cartella), std::string(c.elenco), "Matrici Disponibili (" + std::to_string(file.size()) + ")"))
        << c.caso;
  }
  EXPECT_EQ(Mostrati(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tlx::platform
