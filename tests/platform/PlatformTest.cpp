// The desktop services, headless.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "platform/Cartelle.h"
#include "platform/FileDialogs.h"
#include "platform/IstanzaSingola.h"
#include "platform/Traduzioni.h"

namespace {
using namespace tlx::platform;

// Where the user's data stays from one version to the next; a fresh home lacks the folders above it.
TEST(Cartelle, TheDataFolderIsTheProgramsOwnAndAFolderIsMadeWithItsMissingParents) {
  QTemporaryDir radice;
  EXPECT_TRUE(CreaCartella(radice.path() + "/a/b/c") && QFileInfo(radice.path() + "/a/b/c").isDir());
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

// A bare name takes the default extension. A cancel, and a path of 260 characters or more whether answered or
// suggested (that dialog is never shown), save nothing and empty the outputs.
TEST_F(FileDialogs, SaveAddsTheDefaultExtensionAndRefusesCancelsAndOverlongPaths) {
  const QString lungo = QString(259 - SISTEMI.size() - 7, 'n') + ".tlqvx";  // a path of 259: still allowed
  const auto Salvato = [](const QString& n) { return (SISTEMI + "/" + n + " " + n + " File Pravendolix (*.tlqvx)|*.tlqvx 1").toStdString(); };
  const std::tuple<std::optional<QString>, qsizetype, std::string> casi[] = {
      {"pippo", 11, Salvato("pippo.tlqvx")}, {"v2.0", 11, Salvato("v2.0")}, {lungo, 11, Salvato(lungo)},
      {std::nullopt, 11, "   -1"}, {"/" + QString(200, 'c') + "/" + QString(52, 'n'), 11, "   -1"}, {"x", 260, "   -1"}};
  for (const auto& [risposta, suggerito, esito] : casi) {
    if (suggerito < 260) copione.Accoda(risposta);
    DatiFile dati{.FileName = QString(suggerito, 'x'), .FileTitle = "x", .Filter = FILTRO, .InitDir = SISTEMI, .DefaultExt = ".tlqvx"};
    const bool salvato = cCommonDialog().VBGetSaveFileName(dati);
    EXPECT_EQ(std::tuple(salvato, Esito(dati)), std::tuple(esito != "   -1", esito));
  }
  EXPECT_EQ(copione.Richieste().size(), 5u);
}

// What a killed copy leaves behind is the start-up test's (the real program).
TEST(IstanzaSingola, LaterCopiesHandOverToTheFirst) {
  QTemporaryDir cartella;
  const QString nome = cartella.path() + "/istanza";
  IstanzaSingola prima(nome);
  QSignalSpy attivazioni(&prima, &IstanzaSingola::AttivazioneRichiesta);
  EXPECT_FALSE(prima.AttivaIstanzaPrecedente());
  for (int copia = 1; copia <= 2; ++copia) {
    EXPECT_TRUE(IstanzaSingola(nome).AttivaIstanzaPrecedente());
    EXPECT_TRUE(QTest::qWaitFor([&] { return attivazioni.count() == copia; }, 5000));
  }
}

}  // namespace
