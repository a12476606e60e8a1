#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/Server.h"
#include "platform/Download.h"
#include "platform/MessageBox.h"
#include "platform/ServerProva.h"

namespace tlx::platform {
namespace {

using namespace std::chrono_literals;
using Modo = prova::RispostaProva::Modo;

QByteArray Contenuto(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class Download : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv(VARIABILE_SERVER, server.Indirizzo().toUtf8());
    MessageBox::Registra();
  }
  void TearDown() override {
    qputenv(VARIABILE_SERVER, "http://127.0.0.1:9");
    ImpostaAttesaMassima(30s);
  }
  // A file holding an earlier copy, which a download replaces whole or leaves alone.
  QString CopiaPrecedente() {
    QFile f(cartella.filePath("copia"));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QByteArray(200, 'x')) == 200);
    return f.fileName();
  }

  prova::ServerProva server;
  QTemporaryDir cartella;
};

TEST(IndirizzoServer, WithoutTheEnvironmentVariableIsTheMakersHost) {
  qunsetenv(VARIABILE_SERVER);
  EXPECT_EQ(UrlServer(server::PERCORSO_VERSIONE), "http://www.tremaluxorqvx.it/public/tremaluxorqvx/ver.asp");
  qputenv(VARIABILE_SERVER, "http://127.0.0.1:9");
}

TEST_F(Download, EveryListedPathIsFetchedFreshAndReplacesTheFileEvenWhenSlow) {
  // The archive comes slowly: each pause is well under the limit, the whole reply takes longer than it.
  ImpostaAttesaMassima(1s);
  const std::pair<QString, QByteArray> richieste[] = {
      {UrlServer(server::PERCORSO_VERSIONE), "/public/tremaluxorqvx/ver.asp"},
      {UrlServer(server::PERCORSO_LISTA_MATRICI), "/public/quorbelt/lista.asp?K=5"},
      {UrlServer(server::PERCORSO_MATRICE) + "R10-5-3.DAT", "/public/quorbelt/matrici/download.aspx?file=R10-5-3.DAT"},
      {UrlServer(server::PERCORSO_ARCHIVIO), "/public/tremaluxorqvx/archivio.asp?dal=20180207"}};
  bool svuotaCache = true;
  for (const auto& [url, percorso] : richieste) {
    const QByteArray corpo = ("reply of " + percorso).repeated(6);
    server.Rispondi(percorso, {200, corpo, percorso.contains("archivio") ? Modo::Lenta : Modo::Intera, 6, 250ms});
    const QString file = CopiaPrecedente();
    EXPECT_TRUE(DownloadFile(url, file, svuotaCache = !svuotaCache)) << percorso.constData();
    EXPECT_EQ(Contenuto(file), corpo);
    ASSERT_EQ(server.Ricevute().last().percorso, percorso);
    EXPECT_EQ(server.Ricevute().last().intestazioni.value("cache-control"), "no-cache");
  }
}

TEST_F(Download, FailedTransfersKeepTheFileAndOnlyAFileThatCantBeWrittenShowsAnError) {
  ImpostaAttesaMassima(300ms);
  server.Rispondi("/v", {200, "0.2.5"});
  server.Rispondi("/errore", {500, "Internal Server Error"});
  server.Rispondi("/spezzata", {200, QByteArray(4000, 'a'), Modo::Troncata});
  server.Rispondi("/muta", {200, "mai", Modo::Muta});
  const QString file = CopiaPrecedente(), qui = server.Indirizzo();
  const QString chiusa = QStringLiteral("http://127.0.0.1:%1/").arg(prova::ServerProva::PortaChiusa());
  for (const QString& url : {qui + "/404", qui + "/errore", qui + "/spezzata", qui + "/muta", chiusa, QString("x")}) {
    EXPECT_FALSE(DownloadFile(url, file, true)) << url.toStdString();
    EXPECT_EQ(Contenuto(file), QByteArray(200, 'x')) << url.toStdString();
  }
  EXPECT_TRUE(MessageBox::Mostrati().empty());

  EXPECT_FALSE(DownloadFile(qui + "/v", cartella.filePath("no/such/folder/ver.txt"), true));
  ASSERT_EQ(MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(MessageBox::Mostrati()[0].testo, "Error 76 (Path not found) in procedure DownloadFile of Modulo corpo");
}

}  // namespace
}  // namespace tlx::platform
