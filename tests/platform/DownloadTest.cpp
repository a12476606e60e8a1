#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <tuple>

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

TEST_F(Download, BothKindsOfRequestAreFetchedFreshAndReplaceTheFileEvenWhenSlow) {
  // The archive comes slowly: each pause is well under the limit, the whole reply takes longer than it.
  ImpostaAttesaMassima(1s);
  for (const auto& [percorso, modo, svuotaCache] : {std::tuple{server::PERCORSO_VERSIONE, Modo::Intera, true},
                                                     std::tuple{server::PERCORSO_ARCHIVIO, Modo::Lenta, false}}) {
    const QByteArray richiesta(percorso.data(), qsizetype(percorso.size())), corpo = ("reply of " + richiesta).repeated(6);
    server.Rispondi(richiesta, {200, corpo, modo, 6, 250ms});
    const QString file = CopiaPrecedente();
    EXPECT_TRUE(DownloadFile(UrlServer(percorso), file, svuotaCache)) << percorso;
    EXPECT_EQ(Contenuto(file), corpo);
    ASSERT_EQ(server.Ricevute().last().percorso, richiesta);
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
