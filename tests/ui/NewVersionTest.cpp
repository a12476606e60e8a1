#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <tuple>

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

const QByteArray PERCORSO = "/public/tremaluxorqvx/ver.asp";

class VersionCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    // The reply's file name is fixed: each test gets a temporary folder of its own.
    qputenv("TMPDIR", temp.path().toUtf8());
    qputenv(platform::VARIABILE_SERVER, server.Indirizzo().toUtf8());
    MessageBox::Registra();
    platform::SimulazioneShell().Registra();
    // As soon as the new-version window is up the user clicks its link and closes it; the test keeps what it showed.
    QObject::connect(&utente, &QTimer::timeout, &utente, [this] {
      if (auto* f = qobject_cast<frmNewVersion*>(QApplication::activeModalWidget())) {
        visto = {f->windowTitle(), f->localVersion(), f->remoteVersion()};
        QTest::mouseClick(f->findChild<QWidget*>("lbURL"), Qt::LeftButton);
        f->close();
      }
    });
    utente.start(10);
  }
  void TearDown() override {
    qputenv(platform::VARIABILE_SERVER, "http://127.0.0.1:9");
    qunsetenv("TMPDIR");
    platform::ImpostaAttesaMassima(30s);
  }

  QTemporaryDir temp;
  prova::ServerProva server;
  QTimer utente;
  QStringList visto;
};

TEST_F(VersionCheck, NewerShowsTheWindowWithThePagesLinkAndEndsOtherwiseStartUpGoesOn) {
  // The server's first line, whether it is newer, the box shown (the comparison has its own cases).
  const std::tuple<QByteArray, bool, std::string> casi[] = {
      {"0.2.5", false, ""},
      {"1.0.0 beta", true, ""},
      {"0.3", false, "Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo"}};
  for (const auto& [riga, nuova, errore] : casi) {
    MessageBox::Azzera();
    platform::SimulazioneShell().Registra();
    visto.clear();
    server.Rispondi(PERCORSO, {200, riga + "\r\nnote di rilascio\r\n"});
    EXPECT_EQ(NewVersion(), nuova ? EsitoVersione::TerminaProgramma : EsitoVersione::Prosegui) << riga.data();
    EXPECT_EQ(visto, nuova ? QStringList({"Nuova Versione Disponibile!!", "0.2.5", riga}) : QStringList());
    EXPECT_EQ(platform::SimulazioneShell().Richieste(),
              nuova ? std::vector{QUrl(server.Indirizzo() + "/tremaluxorqvx/")} : std::vector<QUrl>{});
    EXPECT_EQ(MessageBox::Mostrati().empty() ? "" : MessageBox::Mostrati()[0].testo, errore);
    EXPECT_TRUE(!errore.empty() || !QFile::exists(temp.filePath("tremaluxorqvxver.txt"))) << riga.data();
  }
}

TEST_F(VersionCheck, AFailingOrSlowServerIsIgnoredSilently) {
  platform::ImpostaAttesaMassima(300ms);
  // A reply left behind by an earlier run must not be taken for a new one.
  QFile vecchio(temp.filePath("tremaluxorqvxver.txt"));
  ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && vecchio.write("9.9.9\r\n") > 0);

  EXPECT_EQ(NewVersion(), EsitoVersione::Prosegui) << "404";
  // Never silent long, but slower in all than the check may take at start-up.
  server.Rispondi(PERCORSO, {200, "9.9.9\r\n" + QByteArray(60, 'n'), prova::RispostaProva::Modo::Lenta, 67, 30ms});
  EXPECT_EQ(NewVersion(), EsitoVersione::Prosegui) << "trickling server";
  EXPECT_TRUE(visto.isEmpty());
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

}  // namespace
}  // namespace tlx::ui
