#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/Server.h"
#include "platform/Download.h"
#include "platform/MessageBox.h"
#include "platform/ServerProva.h"

namespace tlx::platform {
namespace {

using namespace std::chrono_literals;
using prova::RispostaProva;
using Modo = RispostaProva::Modo;

QByteArray Contenuto(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Scrivi(const QString& file, const QByteArray& testo) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(testo);
}

class Download : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv(VARIABILE_SERVER, server.Indirizzo().toUtf8());
    MessageBox::Registra();
    ASSERT_TRUE(cartella.isValid());
  }
  void TearDown() override {
    qputenv(VARIABILE_SERVER, "http://127.0.0.1:9");
    ImpostaAttesaMassima(30s);
  }
  QString Percorso(const QString& nome) const { return cartella.filePath(nome); }

  prova::ServerProva server;
  QTemporaryDir cartella;
};

TEST(IndirizzoServer, EnvironmentVariableOrTheMakersHost) {
  qunsetenv(VARIABILE_SERVER);
  EXPECT_EQ(UrlServer(server::PERCORSO_VERSIONE), "http://www.tremaluxorqvx.it/public/tremaluxorqvx/ver.asp");
  qputenv(VARIABILE_SERVER, " http://127.0.0.1:8080/ ");
  EXPECT_EQ(IndirizzoServer(), "http://127.0.0.1:8080");
  EXPECT_EQ(UrlServer(server::PERCORSO_ARCHIVIO), "http://127.0.0.1:8080/public/tremaluxorqvx/archivio.asp?dal=20180207");
  qputenv(VARIABILE_SERVER, "");
  EXPECT_EQ(IndirizzoServer(), SERVER_PREDEFINITO);
  qputenv(VARIABILE_SERVER, "http://127.0.0.1:9");
}

TEST_F(Download, ReplacesTheFileWithTheWholeBody) {
  const QByteArray corpo = "0.3.0\r\nseconda riga\r\n";
  server.Rispondi("/public/tremaluxorqvx/ver.asp", {200, corpo});
  const QString file = Percorso("ver.txt");
  Scrivi(file, QByteArray(200, 'x'));

  EXPECT_TRUE(DownloadFile(UrlServer(server::PERCORSO_VERSIONE), file, true));
  EXPECT_EQ(Contenuto(file), corpo);
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

TEST_F(Download, EveryRequestReachesTheServerExactlyAsListed) {
  const QByteArray nome = "R10-5-3.DAT";
  struct Richiesta {
    QString url;
    QByteArray percorso;
  };
  const Richiesta richieste[] = {
      {UrlServer(server::PERCORSO_VERSIONE), "/public/tremaluxorqvx/ver.asp"},
      {UrlServer(server::PERCORSO_LISTA_MATRICI), "/public/quorbelt/lista.asp?K=5"},
      {UrlServer(server::PERCORSO_MATRICE) + nome, "/public/quorbelt/matrici/download.aspx?file=R10-5-3.DAT"},
      {UrlServer(server::PERCORSO_ARCHIVIO), "/public/tremaluxorqvx/archivio.asp?dal=20180207"},
  };
  for (const auto& r : richieste) {
    server.Rispondi(r.percorso, {200, "reply of " + r.percorso});
    EXPECT_TRUE(DownloadFile(r.url, Percorso("reply"), true)) << r.percorso.constData();
    EXPECT_EQ(Contenuto(Percorso("reply")), "reply of " + r.percorso);
  }
  ASSERT_EQ(server.Ricevute().size(), std::size(richieste));
  for (const auto& ricevuta : server.Ricevute()) EXPECT_EQ(ricevuta.metodo, "GET");
}

TEST_F(Download, EveryRequestAsksCachesOnTheWayForAFreshCopy) {
  server.Rispondi("/public/quorbelt/lista.asp?K=5", {200, "A.DAT\r\n"});
  ASSERT_TRUE(DownloadFile(UrlServer(server::PERCORSO_LISTA_MATRICI), Percorso("lista"), true));
  ASSERT_TRUE(DownloadFile(UrlServer(server::PERCORSO_LISTA_MATRICI), Percorso("lista"), false));
  ASSERT_EQ(server.Ricevute().size(), 2);
  for (const auto& r : server.Ricevute()) {
    EXPECT_EQ(r.intestazioni.value("cache-control"), "no-cache");
    EXPECT_EQ(r.intestazioni.value("pragma"), "no-cache");
  }
}

TEST_F(Download, FailedTransfersReturnFalseSilentlyAndKeepTheFile) {
  ImpostaAttesaMassima(300ms);
  struct Caso {
    const char* nome;
    QString url;
  };
  server.Rispondi("/errore", {500, "Internal Server Error"});
  server.Rispondi("/spezzata", {200, QByteArray(4000, 'a'), Modo::Troncata});
  server.Rispondi("/muta", {200, "mai", Modo::Muta});
  const Caso casi[] = {
      {"404", server.Indirizzo() + "/public/tremaluxorqvx/ver.asp"},
      {"500", server.Indirizzo() + "/errore"},
      {"broken off", server.Indirizzo() + "/spezzata"},
      {"silent", server.Indirizzo() + "/muta"},
      {"refused", QStringLiteral("http://127.0.0.1:%1/public/tremaluxorqvx/ver.asp").arg(prova::ServerProva::PortaChiusa())},
      {"not a web address", QStringLiteral("nessun-indirizzo")},
  };
  const QString file = Percorso("precedente.txt");
  Scrivi(file, "earlier copy");
  for (const auto& c : casi) {
    EXPECT_FALSE(DownloadFile(c.url, file, true)) << c.nome;
    EXPECT_EQ(Contenuto(file), "earlier copy") << c.nome;
  }
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

TEST_F(Download, ASlowReplyThatKeepsArrivingIsNotCutShort) {
  // Each pause is well under the limit, the whole reply takes longer than it.
  ImpostaAttesaMassima(1s);
  const QByteArray corpo = "1|2|3|4|5|6\r\n";
  server.Rispondi("/public/tremaluxorqvx/archivio.asp?dal=20180207", {200, corpo.repeated(6), Modo::Lenta, 6, 250ms});
  EXPECT_TRUE(DownloadFile(UrlServer(server::PERCORSO_ARCHIVIO), Percorso("archivio"), true));
  EXPECT_EQ(Contenuto(Percorso("archivio")), corpo.repeated(6));
}

TEST_F(Download, AFileThatCantBeWrittenShowsTheErrorOfDownloadFile) {
  server.Rispondi("/public/tremaluxorqvx/ver.asp", {200, "0.2.5"});
  const QString url = UrlServer(server::PERCORSO_VERSIONE);
  EXPECT_FALSE(DownloadFile(url, Percorso("no/such/folder/ver.txt"), true));
  ASSERT_TRUE(QDir(cartella.path()).mkdir("a folder"));
  EXPECT_FALSE(DownloadFile(url, Percorso("a folder"), true));

  ASSERT_EQ(MessageBox::Mostrati().size(), 2);
  EXPECT_EQ(MessageBox::Mostrati()[0].testo, "Error 76 (Path not found) in procedure DownloadFile of Modulo corpo");
  EXPECT_EQ(MessageBox::Mostrati()[1].testo,
            "Error 75 (Path/File access error) in procedure DownloadFile of Modulo corpo");
  for (const auto& m : MessageBox::Mostrati()) {
    EXPECT_EQ(m.icona, Icona::Nessuna);
    EXPECT_EQ(m.pulsanti, Pulsanti::Ok);
  }
}

}  // namespace
}  // namespace tlx::platform
