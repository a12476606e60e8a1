// The desktop services, headless.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "platform/Cartelle.h"
#include "platform/FileDialogs.h"
#include "platform/IstanzaSingola.h"
#include "platform/Shell.h"
#include "platform/Traduzioni.h"

namespace {
using namespace tlx::platform;

TEST(Cartelle, CreaCartellaMakesMissingParentsAndIsTrueOnlyForWhatItCreated) {
  QTemporaryDir radice;
  const QString r = radice.path();
  ASSERT_TRUE(QFile(r + "/file").open(QIODevice::WriteOnly));
  const std::pair<QString, bool> casi[] = {
      {r + "/a/b/c", true}, {r + "/a/b/c", false}, {r + "/file/sotto", false}, {"senzagenitore", false}};
  for (const auto& [percorso, creata] : casi) EXPECT_EQ(CreaCartella(percorso), creata) << percorso.toStdString();
  EXPECT_EQ(CartellaDati(), qEnvironmentVariable("XDG_DATA_HOME") + "/TremaluxorQVX");
}

TEST(Traduzioni, QtsOwnButtonsSpeakItalian) {
  QTranslator* traduzione = InstallaTraduzioniQt(*QCoreApplication::instance());
  ASSERT_NE(traduzione, nullptr) << "Qt's Italian translations are not installed";
  QDialogButtonBox pulsanti(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
  QStringList testi;
  for (const auto tipo : {QDialogButtonBox::Yes, QDialogButtonBox::No, QDialogButtonBox::Cancel})
    testi << pulsanti.button(tipo)->text();
  EXPECT_EQ(testi, QStringList({"&Sì", "&No", "Annulla"}));
  QCoreApplication::removeTranslator(traduzione);
  delete traduzione;
}

const QString FILTRO = "File Pravendolix (*.tlqvx)|*.tlqvx|Tutti|*.txt;*.tlqvx", SISTEMI = "/home/u/.local/sistemi";
const QStringList FILTRI_QT = {"File Pravendolix (*.tlqvx)", "Tutti (*.txt *.tlqvx)"};

struct FileDialogs : ::testing::Test {
  FileDialogs() { copione.Registra(); }
  ~FileDialogs() override { copione.Ferma(); }
  Copione<RichiestaFile, std::optional<QString>>& copione = cCommonDialog::Simulazione();
};

// What the caller reads back: FileName, FileTitle, Filter and FilterIndex, blank-separated.
std::string Esito(const DatiFile& d) {
  return QStringList{d.FileName, d.FileTitle, d.Filter, QString::number(d.FilterIndex)}.join(' ').toStdString();
}

TEST_F(FileDialogs, OpenTakesTheAnswerInTheInitialFolderWithItsFilter) {
  copione.Accoda("prova.txt");
  DatiFile dati{.Filter = FILTRO, .FilterIndex = 2, .InitDir = SISTEMI, .FileMustExist = true};
  ASSERT_TRUE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(Esito(dati), (SISTEMI + "/prova.txt prova.txt Tutti|*.txt;*.tlqvx 2").toStdString());
  const RichiestaFile attesa{.Filtri = FILTRI_QT, .FilterIndex = 2, .InitDir = SISTEMI, .FileMustExist = true};
  EXPECT_EQ(copione.Richieste(), std::vector{attesa});
}

TEST_F(FileDialogs, SaveAddsTheDefaultExtensionToABareName) {
  const QString lungo = QString(259 - SISTEMI.size() - 7, 'n') + ".tlqvx";  // a path of 259: still allowed
  for (const auto& [risposta, nome] :
       {std::pair<QString, QString>{"pippo", "pippo.tlqvx"}, {"v2.0", "v2.0"}, {lungo, lungo}}) {
    copione.Accoda(risposta);
    DatiFile dati{.FileName = "nuovo.tlqvx", .Filter = FILTRO, .InitDir = SISTEMI, .DefaultExt = ".tlqvx"};
    ASSERT_TRUE(cCommonDialog().VBGetSaveFileName(dati)) << risposta.toStdString();
    EXPECT_EQ(Esito(dati), (SISTEMI + "/" + nome + " " + nome + " File Pravendolix (*.tlqvx)|*.tlqvx 1").toStdString());
  }
}

TEST_F(FileDialogs, CancelUnscriptedDialogAndNamesOf260CharactersEmptyTheOutputs) {
  copione.Accoda(std::nullopt);
  copione.Accoda("/" + QString(200, 'c') + "/" + QString(52, 'n'));  // 260 characters with the extension
  for (const qsizetype suggerito : {11, 11, 260, 11}) {
    DatiFile dati{.FileName = QString(suggerito, 'x'), .FileTitle = "x", .Filter = FILTRO, .DefaultExt = ".tlqvx"};
    EXPECT_FALSE(cCommonDialog().VBGetSaveFileName(dati));
    EXPECT_EQ(Esito(dati), "   -1");
  }
  EXPECT_EQ(copione.Richieste().size(), 3u);  // a suggested name of 260 characters is never shown
}

TEST(IstanzaSingola, FirstCopyTakesOverALeftSocketAndLaterCopiesHandOverToIt) {
  QTemporaryDir cartella;
  const QString nome = cartella.path() + "/istanza";
  // A bound socket that nobody listens on: what a copy that crashed leaves.
  sockaddr_un indirizzo{.sun_family = AF_UNIX, .sun_path = {}};
  qstrncpy(indirizzo.sun_path, nome.toLocal8Bit().constData(), sizeof(indirizzo.sun_path));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&indirizzo), sizeof(indirizzo)), 0);
  ::close(fd);
  IstanzaSingola prima(nome);
  QSignalSpy attivazioni(&prima, &IstanzaSingola::AttivazioneRichiesta);
  EXPECT_FALSE(prima.AttivaIstanzaPrecedente());
  for (int copia = 1; copia <= 2; ++copia) {
    EXPECT_TRUE(IstanzaSingola(nome).AttivaIstanzaPrecedente());
    EXPECT_TRUE(QTest::qWaitFor([&] { return attivazioni.count() == copia; }, 5000));
  }
}

TEST(Shell, TargetsAreRecordedInsteadOfOpened) {
  SimulazioneShell().Registra();
  SimulazioneShell().Accoda(false);
  EXPECT_FALSE(ApriDocumento("csv/a b.csv"));
  EXPECT_TRUE(ApriCollegamento("www.example.it"));
  const QUrl documento = QUrl::fromLocalFile(QDir::current().filePath("csv/a b.csv"));
  EXPECT_EQ(SimulazioneShell().Richieste(), (std::vector{documento, QUrl("http://www.example.it")}));
  SimulazioneShell().Ferma();
}

}  // namespace
