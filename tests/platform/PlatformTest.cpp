// The desktop services in scripted and real mode, headless.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/Appunti.h"
#include "platform/Attesa.h"
#include "platform/Cartelle.h"
#include "platform/FileDialogs.h"
#include "platform/Finestre.h"
#include "platform/InputBox.h"
#include "platform/IstanzaSingola.h"
#include <QCryptographicHash>
#include "platform/Registro.h"
#include "platform/Shell.h"

namespace tlx::platform {
namespace {

// ---- Folders ----------------------------------------------------------------

TEST(CartelleTest, CreaCartellaCreatesEveryMissingParent) {
  QTemporaryDir radice;
  const QString profonda = radice.path() + "/a/b/c";
  EXPECT_TRUE(CreaCartella(profonda));
  EXPECT_TRUE(QFileInfo(profonda).isDir());
  // Only the folder itself counts: it exists now, and so do its parents.
  EXPECT_FALSE(CreaCartella(profonda));
  EXPECT_FALSE(CreaCartella(radice.path() + "/a"));
  EXPECT_TRUE(CreaCartella(radice.path() + "/a/d/"));
  EXPECT_TRUE(QFileInfo(radice.path() + "/a/d").isDir());
}

// Runs a test inside a temporary working folder and restores the previous one.
class CartellaDiLavoro {
 public:
  CartellaDiLavoro() { QDir::setCurrent(cartella.path()); }
  ~CartellaDiLavoro() { QDir::setCurrent(precedente); }
  QString Percorso() const { return cartella.path(); }

 private:
  QString precedente = QDir::currentPath();
  QTemporaryDir cartella;
};

TEST(CartelleTest, CreaCartellaRefusesWhatItCannotMake) {
  CartellaDiLavoro lavoro;
  const QString radice = lavoro.Percorso();
  EXPECT_FALSE(CreaCartella("senzagenitore"));
  EXPECT_FALSE(QFileInfo(radice + "/senzagenitore").exists());

  QFile file(radice + "/file");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_FALSE(CreaCartella(radice + "/file/sotto"));
  EXPECT_FALSE(CreaCartella(radice + "/file"));
}

TEST(CartelleTest, FoldersFollowTheUserEnvironment) {
  EXPECT_EQ(CartellaDati(), qEnvironmentVariable("XDG_DATA_HOME") + "/TremaluxorQVX");
  const QString temp = CartellaTemp();
  EXPECT_TRUE(temp.endsWith('/'));
  EXPECT_TRUE(QFileInfo(temp).isDir());
}

// ---- File dialogs -------------------------------------------------------------

const QString FILTRO_SISTEMI = "File Pravendolix (*.tlqvx)|*.tlqvx";

class FileDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { cCommonDialog::Simulazione().Registra(); }
  void TearDown() override { cCommonDialog::Simulazione().Ferma(); }
  auto& Simulazione() { return cCommonDialog::Simulazione(); }
  QTemporaryDir cartella;
};

TEST_F(FileDialogsTest, OpenReturnsTheChosenFileAndRecordsTheRequest) {
  const QString scelto = cartella.path() + "/sistemi/prova.tlqvx";
  Simulazione().Accoda(scelto);
  DatiFile dati{.Filter = FILTRO_SISTEMI, .FilterIndex = 1, .InitDir = cartella.path() + "/sistemi",
                .FileMustExist = true};
  ASSERT_TRUE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(dati.FileName, scelto);
  EXPECT_EQ(dati.FileTitle, "prova.tlqvx");
  EXPECT_EQ(dati.FilterIndex, 1);
  EXPECT_EQ(dati.Filter, FILTRO_SISTEMI);

  ASSERT_EQ(Simulazione().Richieste().size(), 1u);
  const RichiestaFile attesa{.tipo = RichiestaFile::Tipo::Apri,
                             .Filtri = {"File Pravendolix (*.tlqvx)"},
                             .FilterIndex = 1,
                             .InitDir = cartella.path() + "/sistemi",
                             .FileMustExist = true};
  EXPECT_EQ(Simulazione().Richieste()[0], attesa);
}

TEST_F(FileDialogsTest, CancelEmptiesTheOutputs) {
  Simulazione().Accoda(std::nullopt);
  DatiFile dati{.FileName = "nuovo.tlqvx", .FileTitle = "nuovo.tlqvx", .Filter = FILTRO_SISTEMI, .FilterIndex = 1};
  EXPECT_FALSE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(dati.FileName, "");
  EXPECT_EQ(dati.FileTitle, "");
  EXPECT_EQ(dati.Filter, "");
  EXPECT_EQ(dati.FilterIndex, -1);

  // A dialog the test did not script is cancelled as well.
  DatiFile altro{.FileName = "nuovo.tlqvx", .Filter = FILTRO_SISTEMI};
  EXPECT_FALSE(cCommonDialog().VBGetSaveFileName(altro));
  EXPECT_EQ(altro.FileName, "");
  EXPECT_EQ(Simulazione().Richieste().size(), 2u);
}

TEST_F(FileDialogsTest, SaveAddsTheDefaultExtensionToABareName) {
  const QString sistemi = cartella.path() + "/sistemi";
  Simulazione().Accoda("pippo");
  Simulazione().Accoda("pippo.txt");
  Simulazione().Accoda(sistemi + "/v2.0");
  for (const QString& atteso : {sistemi + "/pippo.tlqvx", sistemi + "/pippo.txt", sistemi + "/v2.0"}) {
    DatiFile dati{.FileName = "nuovo.tlqvx", .Filter = FILTRO_SISTEMI, .FilterIndex = 1, .InitDir = sistemi,
                  .DefaultExt = ".tlqvx", .OverwritePrompt = true};
    ASSERT_TRUE(cCommonDialog().VBGetSaveFileName(dati));
    EXPECT_EQ(dati.FileName, atteso);
    EXPECT_EQ(dati.FileTitle, QFileInfo(atteso).fileName());
  }
  const RichiestaFile& richiesta = Simulazione().Richieste().front();
  EXPECT_EQ(richiesta.tipo, RichiestaFile::Tipo::Salva);
  EXPECT_EQ(richiesta.FileName, "nuovo.tlqvx");
  EXPECT_EQ(richiesta.DefaultExt, ".tlqvx");
  EXPECT_TRUE(richiesta.OverwritePrompt);
}

TEST_F(FileDialogsTest, NamesOf260CharactersAreRefused) {
  const QString cartellaLunga = "/" + QString(200, 'c');
  const QString nome259 = QString(259 - cartellaLunga.size() - 1 - 6, 'n') + ".tlqvx";
  ASSERT_EQ((cartellaLunga + "/" + nome259).size(), 259);

  // A suggested name that long is not even shown: the queued answer stays.
  Simulazione().Accoda(cartellaLunga + "/" + nome259);
  DatiFile lungo{.FileName = QString(260, 'x'), .Filter = FILTRO_SISTEMI};
  EXPECT_FALSE(cCommonDialog().VBGetOpenFileName(lungo));
  EXPECT_EQ(lungo.FilterIndex, -1);
  EXPECT_TRUE(Simulazione().Richieste().empty());

  DatiFile dati{.Filter = FILTRO_SISTEMI};
  ASSERT_TRUE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(dati.FileName.size(), 259);

  // The default extension makes this one 260 characters long.
  Simulazione().Accoda(cartellaLunga + "/" + QString(nome259).chopped(6) + "pippo");
  DatiFile salva{.Filter = FILTRO_SISTEMI, .DefaultExt = ".tlqvx"};
  EXPECT_FALSE(cCommonDialog().VBGetSaveFileName(salva));
  EXPECT_EQ(salva.FileName, "");
  EXPECT_EQ(salva.FilterIndex, -1);
}

TEST_F(FileDialogsTest, FiltersBecomeQtFilterLists) {
  EXPECT_EQ(cCommonDialog::FiltriQt(FILTRO_SISTEMI), QStringList{"File Pravendolix (*.tlqvx)"});
  EXPECT_EQ(cCommonDialog::FiltriQt("File TXT (*.txt)|*.txt|Tutti|*.txt;*.csv"),
            (QStringList{"File TXT (*.txt)", "Tutti (*.txt *.csv)"}));
  EXPECT_TRUE(cCommonDialog::FiltriQt("").isEmpty());

  Simulazione().Accoda(cartella.path() + "/a.csv");
  DatiFile dati{.Filter = "File TXT (*.txt)|*.txt|Tutti|*.txt;*.csv", .FilterIndex = 2};
  ASSERT_TRUE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(dati.Filter, "Tutti|*.txt;*.csv");
}

TEST_F(FileDialogsTest, RealSaveDialogAppendsTheExtensionAndReportsTheFilter) {
  Simulazione().Ferma();
  QTimer::singleShot(0, [] {
    auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialogo, nullptr);
    dialogo->selectNameFilter("Tutti (*.txt *.tlqvx)");
    dialogo->selectFile("pippo");
    static_cast<QDialog*>(dialogo)->accept();
  });
  DatiFile dati{.FileName = "nuovo.tlqvx",
                .Filter = FILTRO_SISTEMI + "|Tutti|*.txt;*.tlqvx",
                .FilterIndex = 1,
                .InitDir = cartella.path(),
                .DefaultExt = ".tlqvx",
                .OverwritePrompt = true};
  ASSERT_TRUE(cCommonDialog().VBGetSaveFileName(dati));
  EXPECT_EQ(dati.FileName, cartella.path() + "/pippo.tlqvx");
  EXPECT_EQ(dati.FileTitle, "pippo.tlqvx");
  EXPECT_EQ(dati.FilterIndex, 2);
  EXPECT_EQ(dati.Filter, "Tutti|*.txt;*.tlqvx");
}

TEST_F(FileDialogsTest, RealOpenDialogCancelled) {
  Simulazione().Ferma();
  QTimer::singleShot(0, [] {
    QWidget* dialogo = QApplication::activeModalWidget();
    ASSERT_NE(qobject_cast<QFileDialog*>(dialogo), nullptr);
    qobject_cast<QFileDialog*>(dialogo)->reject();
  });
  DatiFile dati{.FileName = "nuovo.tlqvx", .Filter = FILTRO_SISTEMI, .InitDir = cartella.path(),
                .FileMustExist = true};
  EXPECT_FALSE(cCommonDialog().VBGetOpenFileName(dati));
  EXPECT_EQ(dati.FileName, "");
  EXPECT_EQ(dati.FilterIndex, -1);
}

TEST(FileTitleTest, NameWithoutFolder) {
  EXPECT_EQ(cCommonDialog::VBGetFileTitle("/home/utente/sistemi/Nuovo.tlqvx"), "Nuovo.tlqvx");
  EXPECT_EQ(cCommonDialog::VBGetFileTitle("nuovo.tlqvx"), "nuovo.tlqvx");
  EXPECT_EQ(cCommonDialog::VBGetFileTitle("/home/utente/sistemi/"), "");
  EXPECT_EQ(cCommonDialog::VBGetFileTitle(""), "");
}

// ---- One running copy -----------------------------------------------------------

TEST(IstanzaSingolaTest, ASecondCopyAsksTheFirstToComeForward) {
  QTemporaryDir cartella;
  const QString nome = cartella.path() + "/istanza";
  IstanzaSingola prima(nome);
  QSignalSpy attivazioni(&prima, &IstanzaSingola::AttivazioneRichiesta);
  EXPECT_FALSE(prima.AttivaIstanzaPrecedente());

  IstanzaSingola seconda(nome);
  EXPECT_TRUE(seconda.AttivaIstanzaPrecedente());
  EXPECT_TRUE(attivazioni.wait(5000));
  EXPECT_EQ(attivazioni.count(), 1);

  IstanzaSingola terza(nome);
  EXPECT_TRUE(terza.AttivaIstanzaPrecedente());
  EXPECT_TRUE(QTest::qWaitFor([&] { return attivazioni.count() == 2; }, 5000));
}

TEST(IstanzaSingolaTest, TheFirstCopyToEndFreesTheName) {
  QTemporaryDir cartella;
  const QString nome = cartella.path() + "/istanza";
  {
    IstanzaSingola prima(nome);
    EXPECT_FALSE(prima.AttivaIstanzaPrecedente());
  }
  IstanzaSingola seconda(nome);
  EXPECT_FALSE(seconda.AttivaIstanzaPrecedente());
}

TEST(IstanzaSingolaTest, ASocketLeftBehindIsTakenOver) {
  QTemporaryDir cartella;
  const QByteArray nome = (cartella.path() + "/istanza").toLocal8Bit();
  // A bound socket that nobody listens on: what a copy that crashed leaves.
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un indirizzo{};
  indirizzo.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<size_t>(nome.size()), sizeof(indirizzo.sun_path));
  std::copy(nome.begin(), nome.end(), indirizzo.sun_path);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&indirizzo), sizeof(indirizzo)), 0);
  ::close(fd);
  ASSERT_TRUE(QFileInfo::exists(QString::fromLocal8Bit(nome)));

  IstanzaSingola prima(QString::fromLocal8Bit(nome));
  QSignalSpy attivazioni(&prima, &IstanzaSingola::AttivazioneRichiesta);
  EXPECT_FALSE(prima.AttivaIstanzaPrecedente());
  IstanzaSingola seconda(QString::fromLocal8Bit(nome));
  EXPECT_TRUE(seconda.AttivaIstanzaPrecedente());
  EXPECT_TRUE(attivazioni.wait(5000));
}

TEST(IstanzaSingolaTest, OneNamePerDataFolderTheSameInEveryCopy) {
  const QString nome = IstanzaSingola::NomePer("/home/a/.local/share/TremaluxorQVX");
  EXPECT_TRUE(nome.startsWith("TremaluxorQVX-"));
  EXPECT_EQ(nome, "TremaluxorQVX-" + QCryptographicHash::hash("/home/a/.local/share/TremaluxorQVX", QCryptographicHash::Sha1).toHex().left(12));
  EXPECT_NE(nome, IstanzaSingola::NomePer("/home/b/.local/share/TremaluxorQVX"));
}

// ---- Windows ----------------------------------------------------------------------

class FinestraOstinata : public QWidget {
 protected:
  void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

class SpiaChiusura : public QObject {
 public:
  bool chiusa = false;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Close) chiusa = true;
    return false;
  }
};

TEST(FinestreTest, ScaricaFormsClosesAllButOne) {
  QWidget principale, archivio, statistiche;
  FinestraOstinata ostinata;
  principale.setObjectName("frmMAIN");
  archivio.setObjectName("frmUpdate");
  for (QWidget* w : {&principale, &archivio, static_cast<QWidget*>(&ostinata)}) w->show();
  // A loaded but hidden window receives its close event too.
  SpiaChiusura spia;
  statistiche.installEventFilter(&spia);

  ScaricaForms(&principale);
  EXPECT_TRUE(principale.isVisible());
  EXPECT_FALSE(archivio.isVisible());
  EXPECT_TRUE(spia.chiusa);
  EXPECT_TRUE(ostinata.isVisible());

  archivio.show();
  ScaricaForms(QStringLiteral("frmUpdate"));
  EXPECT_TRUE(archivio.isVisible());
  EXPECT_FALSE(principale.isVisible());

  ScaricaForms(QString());
  EXPECT_FALSE(archivio.isVisible());
}

TEST(FinestreTest, CentraFormCentresOnTheAvailableArea) {
  QWidget w;
  w.resize(300, 200);
  CentraForm(&w);
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(std::abs(w.frameGeometry().center().x() - area.center().x()), 1);
  EXPECT_LE(std::abs(w.frameGeometry().center().y() - area.center().y()), 1);
}

TEST(FinestreTest, PortaInPrimoPianoRestoresAMinimisedWindow) {
  QWidget normale, massimizzata;
  normale.showMinimized();
  massimizzata.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
  massimizzata.show();
  for (QWidget* w : {&normale, &massimizzata}) {
    ASSERT_TRUE(w->isMinimized());
    PortaInPrimoPiano(w);
    EXPECT_FALSE(w->isMinimized());
    EXPECT_TRUE(w->isVisible());
  }
  EXPECT_TRUE(massimizzata.isMaximized());
  EXPECT_FALSE(normale.isMaximized());
}

// ---- Waiting ------------------------------------------------------------------------

TEST(AttesaTest, AttendiLastsItsDurationAndKeepsEventsFlowing) {
  bool scattato = false;
  QTimer::singleShot(10, [&] { scattato = true; });
  QElapsedTimer orologio;
  orologio.start();
  Attendi(60);
  EXPECT_GE(orologio.elapsed(), 60);
  EXPECT_TRUE(scattato);
}

// ---- Shell, registry, clipboard, input box -----------------------------------------

TEST(ShellTest, TargetsAreRecordedInsteadOfOpened) {
  SimulazioneShell().Registra();
  CartellaDiLavoro lavoro;
  EXPECT_TRUE(ApriDocumento(lavoro.Percorso() + "/csv/statistiche 1.csv"));
  EXPECT_TRUE(ApriDocumento("matrici"));
  EXPECT_TRUE(ApriCollegamento("https://www.example.it/pagina"));
  EXPECT_TRUE(ApriCollegamento("www.example.it"));
  SimulazioneShell().Accoda(false);
  EXPECT_FALSE(ApriCollegamento("https://www.example.it/"));

  const auto& aperti = SimulazioneShell().Richieste();
  ASSERT_EQ(aperti.size(), 5u);
  EXPECT_EQ(aperti[0].toLocalFile(), lavoro.Percorso() + "/csv/statistiche 1.csv");
  EXPECT_EQ(aperti[1].toLocalFile(), lavoro.Percorso() + "/matrici");
  EXPECT_EQ(aperti[2], QUrl("https://www.example.it/pagina"));
  EXPECT_FALSE(aperti[3].isLocalFile());
  EXPECT_EQ(aperti[3].host(), "www.example.it");
  SimulazioneShell().Ferma();
}

TEST(RegistroTest, LookupsReportNotFound) {
  QString valore = "precedente";
  EXPECT_FALSE(GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", valore));
  EXPECT_EQ(valore, "");
}

TEST(AppuntiTest, TextReplacesTheClipboard) {
  ImpostaAppunti("vecchio");
  ImpostaAppunti("1\t2\r\n3\t4\r\n");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1\t2\r\n3\t4\r\n");
}

TEST(InputBoxTest, ScriptedAnswersAndCancel) {
  auto& simulazione = SimulazioneInputBox();
  simulazione.Registra();
  simulazione.Accoda(QString("12"));
  simulazione.Accoda(std::nullopt);
  bool ok = false;
  EXPECT_EQ(InputBox("Valore Fissa N.1 ?", "Numero fisse", "7", &ok, QPoint(0, 0)), "12");
  EXPECT_TRUE(ok);
  EXPECT_EQ(InputBox("Nome?", "", "x", &ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(InputBox("Ancora?"), "");

  ASSERT_EQ(simulazione.Richieste().size(), 3u);
  EXPECT_EQ(simulazione.Richieste()[0],
            (RichiestaInputBox{"Valore Fissa N.1 ?", "Numero fisse", "7", QPoint(0, 0)}));
  EXPECT_EQ(simulazione.Richieste()[1].titolo, "TremaluxorQVX");
  EXPECT_FALSE(simulazione.Richieste()[1].posizione.has_value());
  simulazione.Ferma();
}

TEST(InputBoxTest, RealBoxReturnsTheTypedText) {
  QTimer::singleShot(0, [] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Numero fisse");
    EXPECT_EQ(box->pos(), QPoint(0, 0));
    qobject_cast<QInputDialog*>(box)->setTextValue("33");
    qobject_cast<QDialog*>(box)->accept();
  });
  bool ok = false;
  EXPECT_EQ(InputBox("Valore Fissa N.1 ?", "Numero fisse", "7", &ok, QPoint(0, 0)), "33");
  EXPECT_TRUE(ok);
}

}  // namespace
}  // namespace tlx::platform
