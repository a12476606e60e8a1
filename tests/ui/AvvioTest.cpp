#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <tuple>

#include "core/FileSistema.h"
#include "core/Server.h"
#include "core/Versione.h"
#include "platform/Cartelle.h"
#include "platform/Download.h"
#include "platform/IstanzaSingola.h"
#include "platform/MessageBox.h"
#include "platform/ServerProva.h"
#include "platform/Shell.h"
#include "ui/main/Avvio.h"
#include "ui/shared/Icone.h"
#include "ui/main/frmMAIN.h"
#include "ui/main/frmNewVersion.h"

namespace tlx::ui {
namespace {

// The version check asks the stand-in server; elsewhere the tests' closed port.
struct ServerVersione {
  explicit ServerVersione(const QString& versione) {
    server.Rispondi(QByteArray(server::PERCORSO_VERSIONE.data()), {200, versione.toUtf8() + "\r\nnote di rilascio\r\n"});
    qputenv(platform::VARIABILE_SERVER, server.Indirizzo().toUtf8());
  }
  ~ServerVersione() { qputenv(platform::VARIABILE_SERVER, "http://127.0.0.1:9"); }
  prova::ServerProva server;
};

TEST(Avvio, MakesTheDataFoldersShowsTheMainWindowAndOpensTheCommandLineFile) {
  platform::MessageBox::Registra();
  const QString dati = platform::CartellaDati();
  QDir(dati).removeRecursively();

  // A system saved beforehand, named on the command line with blanks and quotes.
  QDir().mkpath(dati + "/sistemi");
  Sistema salvato;
  for (int n : {4, 8, 15, 16, 23, 42}) GrigliaNumeriClick(salvato, n - 1);
  LeggiPronosticoDaGriglia(salvato);
  salvato.NumeroColonne = 1;
  std::copy_n(std::array<uint8_t, 5>{4, 8, 15, 16, 23}.begin(), 5, salvato.Colonne.Colonna(1));
  ASSERT_EQ(SalvaFile(salvato, (dati + "/sistemi/il mio sistema.tlqvx").toStdString()).esito, EsitoSalvaFile::Salvato);
  // What saves of an earlier copy, killed while writing, left behind goes; files that only look alike stay, and
  // so do a folder and a link named like a leftover.
  const QStringList avanzi = {"/.impostazioni.cfg.1f2e.tmp", "/sistemi/.il mio sistema.tlqvx.abcdef01.tmp"};
  QStringList altri = {"/.impostazioni.cfg.tmp", "/sistemi/appunti.tmp", "/sistemi/.x.1g.tmp", "/sistemi/.x.123456789.tmp",
                       "/txt/a/.x.1.tmp", "/name.1f.tmp", "/sistemi/.x.1f.bak", "/sistemi/.x..tmp", "/sistemi/.x.1F.tmp",
                       "/sistemi/..1f.tmp"};
  QDir().mkpath(dati + "/txt/a");
  for (const QString& nome : avanzi + altri) QFile(dati + nome).open(QIODevice::WriteOnly);
  QDir().mkpath(dati + "/csv/.x.1f.tmp");
  QFile::link(dati + "/sistemi/appunti.tmp", dati + "/csv/.y.2f.tmp");
  altri << "/csv/.x.1f.tmp" << "/csv/.y.2f.tmp";
  // A FIFO as the settings file and a link to /dev/zero as the archive: neither is waited on nor read without
  // end. The settings are the defaults; the archive is refused as no regular file.
  const QString archivio = dati + "/archivio/tremaluxorqvx.dat";
  ASSERT_TRUE(QDir().mkpath(dati + "/archivio") && QFile::link("/dev/zero", archivio));
  ASSERT_EQ(::mkfifo(QFile::encodeName(dati + "/impostazioni.cfg"), 0600), 0);

  Avvio avvio;
  ASSERT_TRUE(avvio.Main({"\"" + dati + "/sistemi/il", "mio", "sistema.tlqvx\""}));
  for (const char* cartella : SOTTOCARTELLE) EXPECT_TRUE(QDir(dati + "/" + cartella).exists()) << cartella;
  for (const QString& nome : avanzi + altri) EXPECT_EQ(QFile::exists(dati + nome), altri.contains(nome)) << nome.toStdString();
  frmMAIN* w = avvio.finestraPrincipale();
  EXPECT_EQ(std::tuple(w->isVisible(), w->findChild<QAction*>("menuSpoglioEstrazioni")->isVisible(), avvio.sistema().NumeroColonne,
                       avvio.sistema().NumeriPronostico, avvio.sistema().CostoColonna, w->PannelloStato(1)),
            std::tuple(true, true, 1, 6, 100, "il mio sistema.tlqvx"));
  EXPECT_EQ(std::tuple(platform::MessageBox::Mostrati().size(), platform::MessageBox::Mostrati().at(0).testo),
            std::tuple(1u, "Error 75 (Path/File access error --> " + archivio.toStdString() +
                               ") in procedure LoadArchivioEstrazioni of Form frmUpdate"));
  for (QWidget* finestra : QApplication::topLevelWidgets())
    EXPECT_FALSE(finestra->isVisible() && finestra->objectName() == "frmSplash") << "the splash is gone";
  w->hide();
  QFile::remove(archivio);
}

// What the server's version line brings up at start-up, as the user meets it: shown, active, with the
// program's icon, nothing kept above it; then whether start-up goes on. The new-version window shows both
// versions and its link opens the program's page; a line that is no version is an error's box.
TEST(Avvio, TheVersionCheckShowsANewerVersionOrTheErrorAboveTheSplash) {
  const QStringList vista = {"visibile", "attiva", "icona"};
  const QString nostra = QString::fromStdString(VersioneProgramma());
  const std::tuple<QString, QStringList, bool> casi[] = {
      {nostra, {}, true},
      {"99.0.0 beta", QStringList{"Nuova Versione Disponibile!!"} + vista + QStringList{nostra, "99.0.0 beta"}, false},
      {"0.3", QStringList{"TremaluxorQVX"} + vista + QStringList{"Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo"}, true}};
  for (const auto& [riga, atteso, prosegue] : casi) {
    ServerVersione server(riga);
    platform::MessageBox::Ferma();
    platform::SimulazioneShell().Registra();
    QStringList visto;
    QTimer utente;
    int attese = 0;  // the window manager's activation may take a moment
    QObject::connect(&utente, &QTimer::timeout, [&visto, &attese] {
      QWidget* modale = QApplication::activeModalWidget();
      if (!modale || (QApplication::activeWindow() != modale && ++attese < 50)) return;
      if (visto.isEmpty()) {  // the check's own window comes first
        visto = {modale->windowTitle(), modale->isVisible() ? "visibile" : "nascosta",
                 QApplication::activeWindow() == modale ? "attiva" : "inattiva",
                 modale->windowIcon().pixmap(32).toImage() == IconaProgramma().pixmap(32).toImage() ? "icona" : "senza"};
        for (QWidget* w : QApplication::topLevelWidgets())
          if (w != modale && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) visto << w->objectName();
        if (auto* nuova = qobject_cast<frmNewVersion*>(modale)) {
          visto << nuova->localVersion() << nuova->remoteVersion();
          QTest::mouseClick(nuova->findChild<QWidget*>("lbURL"), Qt::LeftButton);
        }
        if (auto* box = qobject_cast<QMessageBox*>(modale)) visto << box->text();
      }
      modale->close();
    });
    utente.start(20);
    Avvio avvio;
    const bool avviato = avvio.Main({});
    EXPECT_EQ(std::tuple(avviato, visto, avvio.finestraPrincipale() != nullptr), std::tuple(prosegue, atteso, prosegue));
    EXPECT_EQ(platform::SimulazioneShell().Richieste(),
              prosegue ? std::vector<QUrl>{} : std::vector{QUrl(server.server.Indirizzo() + "/tremaluxorqvx/")});
    if (prosegue) avvio.finestraPrincipale()->hide();
  }
  platform::MessageBox::Registra();
}

// A home of its own for copies of the real program, its temporary folder (where the socket and the lock are)
// inside it.
struct Casa {
  Casa() {
    QDir().mkpath(temp);
    ambiente.insert("HOME", dir.path());
    ambiente.insert("XDG_DATA_HOME", dir.path() + "/share");
    ambiente.insert("TMPDIR", temp);
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");
  }
  ~Casa() {
    for (QProcess& copia : copie) copia.kill(), copia.waitForFinished();
  }
  QProcess& Avvia() {
    QProcess& copia = copie.emplace_back();
    copia.setProcessEnvironment(ambiente);
    copia.start(TLX_PROGRAM_PATH, {});
    return copia;
  }
  // A copy answers once it has made its data folder and listens.
  bool Risponde() const {
    QLocalSocket prova;
    prova.connectToServer(socket);
    return prova.waitForConnected(200);
  }
  // The process the lock names, 0 for none.
  qint64 Titolare() const {
    QFile file(blocco);
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
  }
  // Its windows are loaded once the statistics have written their file.
  bool Caricata() const { return !QDir(temp).entryList({"trlxqvx_*.csv"}).isEmpty(); }

  QTemporaryDir dir;
  QString temp = dir.path() + "/tmp", dati = dir.path() + "/share/TremaluxorQVX";
  QString socket = temp + "/" + platform::IstanzaSingola::NomePer(dati), blocco = socket + ".lock";
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  std::deque<QProcess> copie;
};

// What a copy killed at any moment leaves behind (its socket and a lock naming it, or a lock it had no time to
// write) stops no later copy: of two started at the same instant exactly one runs, holding the lock, and a third
// hands over to it and ends, touching none of its files. A lock a live process holds while no copy answers for it is no running
// copy either: the copy waits for an answer, then starts, and leaves that lock alone. All cases at once, each in
// a home of its own.
TEST(Avvio, ExactlyOneCopyRunsWhateverAKilledCopyLeftAndALockNoCopyAnswersForStopsNone) {
  Casa uccisa, vuota, occupata;
  QProcess& prima = uccisa.Avvia();
  ASSERT_TRUE(QTest::qWaitFor([&uccisa] { return uccisa.Risponde(); }, 20000));
  prima.kill();
  prima.waitForFinished();
  ASSERT_TRUE(QFileInfo::exists(uccisa.socket) && QFileInfo(uccisa.blocco).size() > 0) << "socket and lock are left behind";
  QFile(vuota.blocco).open(QIODevice::WriteOnly);
  // A copy still starting: its lock made and held, nothing written in it yet.
  QFile trattenuto(occupata.blocco);
  ASSERT_TRUE(trattenuto.open(QIODevice::WriteOnly) && ::flock(trattenuto.handle(), LOCK_EX) == 0);

  const std::pair<QProcess*, QProcess*> coppie[] = {{&uccisa.Avvia(), &uccisa.Avvia()}, {&vuota.Avvia(), &vuota.Avvia()}};
  QProcess& attesa = occupata.Avvia();
  for (Casa* casa : {&uccisa, &vuota}) {
    auto [a, b] = coppie[casa == &uccisa ? 0 : 1];
    ASSERT_TRUE(QTest::qWaitFor([a, b] { return a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning; }, 30000));
    QProcess& finita = a->state() == QProcess::NotRunning ? *a : *b;
    QProcess& rimasta = &finita == a ? *b : *a;
    EXPECT_EQ(std::tuple(finita.exitStatus(), finita.exitCode(), casa->Risponde(), rimasta.state(), casa->Titolare()),
              std::tuple(QProcess::NormalExit, 0, true, QProcess::Running, rimasta.processId()));
    ASSERT_TRUE(QTest::qWaitFor([casa] { return casa->Caricata(); }, 20000));
    const QString inCorso = casa->dati + "/.impostazioni.cfg.1f.tmp";  // the running copy's save under way
    QFile(inCorso).open(QIODevice::WriteOnly);
    QProcess& terza = casa->Avvia();
    ASSERT_TRUE(terza.waitForFinished(30000));
    EXPECT_EQ(std::tuple(terza.exitStatus(), terza.exitCode(), rimasta.state(), casa->Risponde(), QFile::exists(inCorso)),
              std::tuple(QProcess::NormalExit, 0, QProcess::Running, true, true));
  }
  ASSERT_TRUE(QTest::qWaitFor([&occupata] { return occupata.Risponde(); }, 30000));
  EXPECT_EQ(std::tuple(attesa.state(), QFileInfo(occupata.blocco).size()), std::tuple(QProcess::Running, 0));
}

}  // namespace
}  // namespace tlx::ui
