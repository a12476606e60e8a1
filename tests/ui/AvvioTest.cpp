#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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
  // What saves of an earlier copy, killed while writing, left behind goes; files that only look alike stay.
  const QStringList avanzi = {"/.impostazioni.cfg.1f2e.tmp", "/sistemi/.il mio sistema.tlqvx.abcdef01.tmp"};
  const QStringList altri = {"/.impostazioni.cfg.tmp", "/sistemi/appunti.tmp", "/sistemi/.x.1g.tmp", "/sistemi/.x.123456789.tmp",
                             "/txt/a/.x.1.tmp"};
  QDir().mkpath(dati + "/txt/a");
  for (const QString& nome : avanzi + altri) QFile(dati + nome).open(QIODevice::WriteOnly);
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

// A copy killed leaves its socket and its lock behind. Of two copies then started at the same instant exactly
// one runs; the other hands over to it and ends.
TEST(Avvio, OfTwoCopiesStartedTogetherAfterOneWasKilledExactlyOneRuns) {
  QTemporaryDir casa;
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert("HOME", casa.path());
  ambiente.insert("XDG_DATA_HOME", casa.path() + "/share");
  ambiente.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess uccisa, copie[2];
  for (QProcess* p : {&uccisa, &copie[0], &copie[1]}) p->setProcessEnvironment(ambiente);
  // A copy answers once it has made its data folder and listens.
  const QString nome = platform::IstanzaSingola::NomePer(casa.path() + "/share/TremaluxorQVX");
  const auto risponde = [&nome] {
    QLocalSocket prova;
    prova.connectToServer(nome);
    return prova.waitForConnected(200);
  };

  uccisa.start(TLX_PROGRAM_PATH, {});
  ASSERT_TRUE(QTest::qWaitFor(risponde, 20000));
  uccisa.kill();
  uccisa.waitForFinished();
  ASSERT_TRUE(QFileInfo::exists(QDir::tempPath() + "/" + nome)) << "the socket is left behind";

  for (QProcess& copia : copie) copia.start(TLX_PROGRAM_PATH, {});
  ASSERT_TRUE(QTest::qWaitFor([&copie] { return copie[0].state() == QProcess::NotRunning || copie[1].state() == QProcess::NotRunning; }, 30000));
  QProcess& finita = copie[0].state() == QProcess::NotRunning ? copie[0] : copie[1];
  QProcess& rimasta = &finita == &copie[0] ? copie[1] : copie[0];
  EXPECT_EQ(std::tuple(finita.exitStatus(), finita.exitCode(), risponde(), rimasta.state()),
            std::tuple(QProcess::NormalExit, 0, true, QProcess::Running));
  rimasta.kill();
  rimasta.waitForFinished();
  QLocalServer::removeServer(nome);
  QFile::remove(QDir::tempPath() + "/" + nome + ".lock");
}

}  // namespace
}  // namespace tlx::ui
