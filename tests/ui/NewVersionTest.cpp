#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

#include "platform/Download.h"
#include "platform/MessageBox.h"
#include "platform/ServerProva.h"
#include "platform/Shell.h"
#include "ui/main/NewVersion.h"
#include "ui/main/frmNewVersion.h"

namespace tlx::ui {
namespace {

using namespace std::chrono_literals;
using platform::MessageBox;
using prova::RispostaProva;

const QByteArray PERCORSO = "/public/tremaluxorqvx/ver.asp";

QString Testo(const QWidget& w, const char* nome) {
  const auto* l = w.findChild<QLabel*>(nome);
  return l ? l->text() : QStringLiteral("<no %1>").arg(nome);
}

// What the new-version window showed before the test closed it.
struct Visto {
  QString titolo, locale, remota;
  bool modale = false;
};

// Closes the new-version window as soon as it is up, as the user would, and
// keeps what it showed.
class Utente : public QObject {
 public:
  Utente() {
    connect(&sguardo_, &QTimer::timeout, this, [this] {
      auto* finestra = qobject_cast<frmNewVersion*>(QApplication::activeModalWidget());
      if (!finestra) return;
      visto = Visto{finestra->windowTitle(), Testo(*finestra, "lbLocalVersion"), Testo(*finestra, "lbRemoteVersion"),
                    finestra->isModal()};
      finestra->close();
    });
    sguardo_.start(10);
  }
  std::optional<Visto> visto;

 private:
  QTimer sguardo_;
};

class VersionCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    // Each test gets a temporary folder of its own: the reply's file name is fixed.
    qputenv("TMPDIR", temp.path().toUtf8());
    qputenv(platform::VARIABILE_SERVER, server.Indirizzo().toUtf8());
    MessageBox::Registra();
  }
  void TearDown() override {
    qputenv(platform::VARIABILE_SERVER, "http://127.0.0.1:9");
    qunsetenv("TMPDIR");
    platform::ImpostaAttesaMassima(30s);
  }
  QString FileTemporaneo() const { return temp.filePath("tremaluxorqvxver.txt"); }

  QTemporaryDir temp;
  prova::ServerProva server;
  Utente utente;
};

struct CasoServer {
  const char* riga;
  bool nuova;
};

class VersioneDelServer : public VersionCheck, public ::testing::WithParamInterface<CasoServer> {};

TEST_P(VersioneDelServer, NewerShowsTheWindowAndEndsOtherwiseStartUpGoesOn) {
  const CasoServer caso = GetParam();
  server.Rispondi(PERCORSO, {200, QByteArray(caso.riga) + "\r\nnote di rilascio\r\n"});

  const EsitoVersione esito = NewVersion();

  EXPECT_EQ(esito, caso.nuova ? EsitoVersione::TerminaProgramma : EsitoVersione::Prosegui);
  ASSERT_EQ(utente.visto.has_value(), caso.nuova);
  if (caso.nuova) {
    EXPECT_EQ(utente.visto->titolo, "Nuova Versione Disponibile!!");
    EXPECT_EQ(utente.visto->locale, "0.2.5");
    EXPECT_EQ(utente.visto->remota, caso.riga);
    EXPECT_TRUE(utente.visto->modale);
  }
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  EXPECT_FALSE(QFile::exists(FileTemporaneo()));
  ASSERT_EQ(server.Ricevute().size(), 1);
  EXPECT_EQ(server.Ricevute()[0].intestazioni.value("cache-control"), "no-cache");
}

INSTANTIATE_TEST_SUITE_P(CasiPubblicati, VersioneDelServer,
                         ::testing::Values(CasoServer{"0.2.5", false}, CasoServer{"0.3.0", true},
                                           CasoServer{"0.2.10", true}, CasoServer{"0.1.9", false},
                                           CasoServer{"1.0.0 beta", true}));

TEST_F(VersionCheck, ALineWithTooFewComponentsShowsTheErrorOfNewVersionAndStartUpGoesOn) {
  server.Rispondi(PERCORSO, {200, "0.3\r\n"});
  EXPECT_EQ(NewVersion(), EsitoVersione::Prosegui);
  EXPECT_FALSE(utente.visto);
  ASSERT_EQ(MessageBox::Mostrati().size(), 1);
  const Messaggio& m = MessageBox::Mostrati()[0];
  EXPECT_EQ(m.testo, "Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo");
  EXPECT_EQ(m.icona, Icona::Nessuna);
  EXPECT_EQ(m.pulsanti, Pulsanti::Ok);
  EXPECT_TRUE(m.titolo.empty());
  EXPECT_TRUE(QFile::exists(FileTemporaneo()));
}

TEST_F(VersionCheck, AnEmptyReplyShowsTheErrorOfNewVersion) {
  server.Rispondi(PERCORSO, {200, ""});
  EXPECT_EQ(NewVersion(), EsitoVersione::Prosegui);
  EXPECT_FALSE(utente.visto);
  ASSERT_EQ(MessageBox::Mostrati().size(), 1);
  EXPECT_EQ(MessageBox::Mostrati()[0].testo, "Error 62 (Input past end of file) in procedure NewVersion of Modulo corpo");
}

TEST_F(VersionCheck, AnUnreachableOrFailingServerIsIgnoredSilently) {
  platform::ImpostaAttesaMassima(300ms);
  // A reply left behind by an earlier run must not be taken for a new one.
  QFile vecchio(FileTemporaneo());
  ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
  vecchio.write("9.9.9\r\n");
  vecchio.close();

  server.Rispondi(PERCORSO, {404, "Not Found"});
  EXPECT_EQ(NewVersion(), EsitoVersione::Prosegui) << "404";
  server.Rispondi(PERCORSO, {200, "9.9.9", RispostaProva::Modo::Muta});
  EXPECT_EQ(NewVersion(), EsitoVersione::Prosegui) << "silent server";
  qputenv(platform::VARIABILE_SERVER, QStringLiteral("http://127.0.0.1:%1").arg(prova::ServerProva::PortaChiusa()).toUtf8());
  EXPECT_EQ(NewVersion(), EsitoVersione::Prosegui) << "nothing listening";

  EXPECT_FALSE(utente.visto);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

TEST(frmNewVersion, ShowsTheVersionsAndOpensTheProgramsPageOnAClick) {
  qputenv(platform::VARIABILE_SERVER, "http://server.prova:8080");
  platform::SimulazioneShell().Registra();
  frmNewVersion finestra;
  finestra.setLocalVersion("0.2.5");
  finestra.setRemoteVersion("1.0.0 <b>beta</b>");
  finestra.show();

  EXPECT_EQ(finestra.windowTitle(), "Nuova Versione Disponibile!!");
  EXPECT_EQ(Testo(finestra, "Label1"), "Versione Locale");
  EXPECT_EQ(Testo(finestra, "Label2"), "Versione sul Server");
  EXPECT_EQ(finestra.property("localVersion").toString(), "0.2.5");
  EXPECT_EQ(finestra.property("remoteVersion").toString(), "1.0.0 <b>beta</b>");
  // The server's text is shown as it came, never as markup.
  EXPECT_EQ(finestra.findChild<QLabel*>("lbRemoteVersion")->textFormat(), Qt::PlainText);

  auto* lbURL = finestra.findChild<QLabel*>("lbURL");
  ASSERT_NE(lbURL, nullptr);
  EXPECT_EQ(lbURL->text(), "http://server.prova:8080/tremaluxorqvx/");
  EXPECT_EQ(lbURL->toolTip(), "Click per aprire la pagina");
  EXPECT_TRUE(platform::SimulazioneShell().Richieste().empty());
  QTest::mouseClick(lbURL, Qt::LeftButton);
  ASSERT_EQ(platform::SimulazioneShell().Richieste().size(), 1);
  EXPECT_EQ(platform::SimulazioneShell().Richieste()[0], QUrl("http://server.prova:8080/tremaluxorqvx/"));
  qputenv(platform::VARIABILE_SERVER, "http://127.0.0.1:9");
}

}  // namespace
}  // namespace tlx::ui
