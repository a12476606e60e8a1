#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <tuple>

#include "core/FileSistema.h"
#include "core/Server.h"
#include "platform/Cartelle.h"
#include "platform/Download.h"
#include "platform/IstanzaSingola.h"
#include "platform/MessageBox.h"
#include "platform/ServerProva.h"
#include "ui/main/Avvio.h"
#include "ui/shared/Icone.h"
#include "ui/main/frmMAIN.h"

namespace tlx::ui {
namespace {

// The version check asks the stand-in server, or a closed port.
struct ServerVersione {
  explicit ServerVersione(const char* versione = nullptr) : prima(qgetenv(platform::VARIABILE_SERVER)) {
    if (versione) server.Rispondi(QByteArray(server::PERCORSO_VERSIONE.data()), {200, versione});
    qputenv(platform::VARIABILE_SERVER,
            (versione ? server.Indirizzo() : "http://127.0.0.1:" + QString::number(prova::ServerProva::PortaChiusa())).toUtf8());
  }
  ~ServerVersione() { qputenv(platform::VARIABILE_SERVER, prima); }
  QByteArray prima;
  prova::ServerProva server;
};

TEST(Avvio, MakesTheDataFoldersShowsTheMainWindowAndOpensTheCommandLineFile) {
  ServerVersione spento;
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

  Avvio avvio;
  ASSERT_TRUE(avvio.Main({"\"" + dati + "/sistemi/il", "mio", "sistema.tlqvx\""}));
  for (const char* cartella : SOTTOCARTELLE) EXPECT_TRUE(QDir(dati + "/" + cartella).exists()) << cartella;
  frmMAIN* w = avvio.finestraPrincipale();
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(w->findChild<QAction*>("menuSpoglioEstrazioni")->isVisible());
  EXPECT_EQ(std::tuple(avvio.sistema().NumeroColonne, avvio.sistema().NumeriPronostico), std::tuple(1, 6));
  EXPECT_EQ(w->PannelloStato(1), "il mio sistema.tlqvx");
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
  for (QWidget* finestra : QApplication::topLevelWidgets())
    EXPECT_FALSE(finestra->isVisible() && finestra->objectName() == "frmSplash") << "the splash is gone";
  w->hide();
}

TEST(Avvio, WindowsOfTheVersionCheckComeUpVisibleActiveAndAboveTheSplash) {
  // The server's line, the caption of the window it brings up, whether start-up goes on.
  const std::tuple<const char*, QString, bool> casi[] = {{"0.3.0", "Nuova Versione Disponibile!!", false},
                                                         {"0.3", "TremaluxorQVX", true}};  // the box of error 9
  for (const auto& [riga, titolo, prosegue] : casi) {
    ServerVersione server(riga);
    platform::MessageBox::Ferma();
    // The window as the user meets it: caption, shown, active, with the program's icon, and what stays above it.
    QStringList vista;
    QTimer utente;
    int attese = 0;  // the window manager's activation may take a moment
    QObject::connect(&utente, &QTimer::timeout, [&vista, &attese] {
      QWidget* modale = QApplication::activeModalWidget();
      if (!modale || (QApplication::activeWindow() != modale && ++attese < 50)) return;
      vista = {modale->windowTitle(), modale->isVisible() ? "visibile" : "nascosta",
               QApplication::activeWindow() == modale ? "attiva" : "inattiva",
               modale->windowIcon().pixmap(32).toImage() == IconaProgramma().pixmap(32).toImage() ? "icona" : "senza"};
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w != modale && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) vista << w->objectName();
      modale->close();
    });
    utente.start(20);
    Avvio avvio;
    EXPECT_EQ(avvio.Main({}), prosegue);
    EXPECT_EQ(vista, (QStringList{titolo, "visibile", "attiva", "icona"}));
    EXPECT_EQ(avvio.finestraPrincipale() != nullptr, prosegue);
    if (prosegue) avvio.finestraPrincipale()->hide();
  }
  platform::MessageBox::Registra();
}

TEST(Avvio, SecondCopyHandsOverToTheFirstAndEnds) {
  QTemporaryDir casa;
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert("HOME", casa.path());
  ambiente.insert("XDG_DATA_HOME", casa.path() + "/share");
  ambiente.insert("QT_QPA_PLATFORM", "offscreen");
  ambiente.insert(platform::VARIABILE_SERVER, "http://127.0.0.1:" + QString::number(prova::ServerProva::PortaChiusa()));
  QProcess prima, seconda;
  prima.setProcessEnvironment(ambiente);
  seconda.setProcessEnvironment(ambiente);
  prima.start(TLX_PROGRAM_PATH, {});

  // The first copy answers once it has made its data folder and listens.
  const QString nome = platform::IstanzaSingola::NomePer(casa.path() + "/share/TremaluxorQVX");
  ASSERT_TRUE(QTest::qWaitFor([&nome] {
    QLocalSocket prova;
    prova.connectToServer(nome);
    return prova.waitForConnected(200);
  }, 20000));

  seconda.start(TLX_PROGRAM_PATH, {});
  ASSERT_TRUE(seconda.waitForFinished(20000));
  EXPECT_EQ(std::tuple(seconda.exitStatus(), seconda.exitCode()), std::tuple(QProcess::NormalExit, 0));
  EXPECT_EQ(prima.state(), QProcess::Running);
  prima.kill();
  prima.waitForFinished();
}

}  // namespace
}  // namespace tlx::ui
