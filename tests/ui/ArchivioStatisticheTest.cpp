#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QRegularExpression>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>

#include "FinestraPrincipale.h"
#include "archive/Archivio.h"
#include "core/Server.h"
#include "platform/Cartelle.h"
#include "platform/Download.h"
#include "platform/ServerProva.h"
#include "ui/archive/frmArchivio.h"
#include "ui/archive/frmStatistiche.h"
#include "ui/main/Avvio.h"

namespace tlx::ui {
namespace {

using namespace std::chrono_literals;
using RispostaWeb = tlx::prova::RispostaProva;
using Modo = RispostaWeb::Modo;

// 900 draws from 7 February 2018, two or three days apart.
QByteArray RispostaRealistica() {
  QByteArray testo = "DATA|NUMERI ESTRATTI\r\n";
  QDate giorno(2018, 2, 7);
  for (int k = 0; k < 900; ++k, giorno = giorno.addDays(k % 2 ? 2 : 3)) {
    testo += giorno.toString("dd/MM/yyyy").toUtf8();
    for (int i = 0; i < 5; ++i) testo += "|" + QByteArray::number((k * 7 + i * 11) % 55 + 1);
    testo += "\r\n";
  }
  return testo;
}

QByteArray Contenuto(const std::string& file) {
  QFile f(QString::fromStdString(file));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The main window over a data folder of its own, the statistics files in a
// temporary folder of their own, and the stand-in server.
class FinestreArchivio : public ::testing::Test {
 protected:
  void SetUp() override {
    tmpPrima_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toUtf8());
    qputenv(platform::VARIABILE_SERVER, web.Indirizzo().toUtf8());
    QDir().mkpath(QString::fromStdString(s().PercorsoDati) + "/archivio");
  }
  void TearDown() override {
    qputenv(platform::VARIABILE_SERVER, "http://127.0.0.1:9");
    qputenv("TMPDIR", tmpPrima_);
    platform::ImpostaAttesaMassima(30s);
  }
  Sistema& s() { return *principale.sistema; }
  void ScriviArchivio(const std::vector<Estrazione>& archivio) {
    QFile f(QString::fromStdString(s().PercorsoArchivio));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string byte = CodificaArchivio(archivio);
    f.write(byte.data(), static_cast<qint64>(byte.size()));
  }
  template <typename T>
  T* Figlio(QWidget* w, const char* nome) {
    return w->findChild<T*>(nome);
  }
  QStringList Righe(frmArchivio* a) {
    QStringList righe;
    const QAbstractItemModel* m = Figlio<QListView>(a, "lst")->model();
    for (int r = 0; r < m->rowCount(); ++r) righe << m->index(r, 0).data().toString();
    return righe;
  }
  void RispondiArchivio(RispostaWeb risposta) {
    web.Rispondi(QByteArray(server::PERCORSO_ARCHIVIO.data()), std::move(risposta));
  }

  QTemporaryDir temp;
  tlx::prova::ServerProva web;
  prova::FinestraPrincipale principale;

 private:
  QByteArray tmpPrima_;
};

const std::vector<Estrazione> TRE = {
    {"01/01/2018", {1, 2, 3, 4, 5}}, {"03/01/2018", {7, 12, 33, 41, 55}}, {"05/01/2018", {55, 7, 30, 2, 44}}};

TEST_F(FinestreArchivio, LoadingListsTheFileNewestFirstAndTheButtonShowsItModeless) {
  ScriviArchivio(TRE);
  frmArchivio* a = principale.finestra->Archivio();
  EXPECT_FALSE(a->isVisible()) << "loaded hidden";
  EXPECT_EQ(s().ArchivioEstrazioni, TRE);
  EXPECT_EQ(Righe(a), (QStringList{" 05/01/2018 | 55 07 30 02 44", " 03/01/2018 | 07 12 33 41 55",
                                   " 01/01/2018 | 01 02 03 04 05"}));
  EXPECT_EQ(Figlio<QLabel>(a, "lbLast")->text(), " 05/01/2018 | 55 07 30 02 44");
  EXPECT_EQ(Figlio<QLabel>(a, "lbTotale")->text(), "3");
  principale.finestra->findChild<QToolButton*>("cmdArchivio")->click();
  EXPECT_TRUE(a->isVisible() && !a->isModal());
  EXPECT_FALSE(a->close()) << "closing only hides it";
  EXPECT_FALSE(a->isVisible());
}

TEST_F(FinestreArchivio, AnEmptyFileListsNothingAndADoubleClickChangesNothing) {
  ScriviArchivio({});
  frmArchivio* a = principale.finestra->Archivio();
  EXPECT_TRUE(Righe(a).isEmpty());
  EXPECT_EQ(Figlio<QLabel>(a, "lbTotale")->text(), "00000000");
  s().ColonnaSpoglio = {0, 9, 8, 7, 6, 5};
  a->lst_DblClick();
  EXPECT_EQ(s().ColonnaSpoglio, (std::array<uint8_t, 6>{0, 9, 8, 7, 6, 5}));
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
}

TEST_F(FinestreArchivio, UpdateReplacesArchiveFileListAndStatistics) {
  ScriviArchivio(TRE);
  frmArchivio* a = principale.finestra->Archivio();
  frmStatistiche* st = principale.finestra->Statistiche();
  RispondiArchivio({200, RispostaRealistica()});
  a->resize(640, 480);
  a->show();
  a->cmdUpdate_Click();
  ASSERT_EQ(s().ArchivioEstrazioni.size(), 900u);
  EXPECT_EQ(web.Ricevute().back().percorso, "/public/tremaluxorqvx/archivio.asp?dal=20180207");
  EXPECT_EQ(Contenuto(s().PercorsoArchivio), QByteArray::fromStdString(CodificaArchivio(s().ArchivioEstrazioni)));
  EXPECT_EQ(Righe(a).size(), 900);
  EXPECT_EQ(Figlio<QLabel>(a, "lbTotale")->text(), "900");
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
  int32_t conteggio = 0;
  for (size_t j = 1; j <= NUMERI; ++j) conteggio += st->arrayFrequenzaNumeri()[0][j];
  EXPECT_EQ(conteggio, 900 * 5) << "the statistics followed";
  QApplication::processEvents();
  a->grab().save("frmArchivio.png");
}

TEST_F(FinestreArchivio, FailedUpdatesLeaveMemoryAndFileAsTheyWere) {
  struct Caso {
    const char* nome;
    RispostaWeb risposta;
    Icona icona;
    std::string testo;  // the start of the one message shown
  };
  const Caso casi[] = {
      {"server error", {500, "guasto"}, Icona::Critica, "Errore durante il download dell'aggiornamento"},
      {"cut reply", {200, RispostaRealistica(), Modo::Troncata}, Icona::Critica,
       "Errore durante il download dell'aggiornamento"},
      {"no valid draw", {200, "DATA|NUMERI\r\n01/01/2019|1|2|3|4|60\r\n01/01/2019|1|1|3|4|5\r\n"}, Icona::Informazione,
       "L'aggiornamento scaricato non contiene estrazioni valide"},
      {"text for a number", {200, "01/01/2019|1|2|3|4|5\r\n02/01/2019|1|2|tre|4|5\r\n"}, Icona::Nessuna,
       "Error 13 (Type mismatch) in procedure LoadArchivioTMP of Form frmUpdate"},
  };
  ScriviArchivio(TRE);
  frmArchivio* a = principale.finestra->Archivio();
  const QByteArray file = Contenuto(s().PercorsoArchivio);
  for (const Caso& c : casi) {
    platform::MessageBox::Azzera();
    RispondiArchivio(c.risposta);
    a->cmdUpdate_Click();
    EXPECT_EQ(s().ArchivioEstrazioni, TRE) << c.nome;
    EXPECT_EQ(Contenuto(s().PercorsoArchivio), file) << c.nome;
    EXPECT_EQ(Righe(a).size(), 3) << c.nome;
    ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u) << c.nome;
    const Messaggio& m = platform::MessageBox::Mostrati()[0];
    EXPECT_EQ(m.icona, c.icona) << c.nome;
    EXPECT_TRUE(m.testo.starts_with(c.testo)) << c.nome << ": " << m.testo;
    EXPECT_TRUE(Figlio<QPushButton>(a, "cmdUpdate")->isEnabled()) << c.nome;
  }
}

TEST_F(FinestreArchivio, WhileUpdatingTheWindowIsBusyAndWillNotClose) {
  ScriviArchivio(TRE);
  frmArchivio* a = principale.finestra->Archivio();
  a->show();
  RispondiArchivio({200, RispostaRealistica(), Modo::Lenta, 4, 150ms});
  bool controllato = false;
  QTimer::singleShot(200, a, [&] {
    controllato = true;
    EXPECT_TRUE(a->AggiornamentoInCorso());
    EXPECT_FALSE(Figlio<QPushButton>(a, "cmdUpdate")->isEnabled());
    EXPECT_FALSE(Figlio<QListView>(a, "lst")->isEnabled());
    EXPECT_TRUE(Figlio<QLabel>(a, "lbElaborazione")->isVisible());
    EXPECT_FALSE(a->close());
    EXPECT_TRUE(a->isVisible());
  });
  a->cmdUpdate_Click();
  EXPECT_TRUE(controllato);
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, "Aggiornamento Archivio in corso...attendere");
  EXPECT_EQ(s().ArchivioEstrazioni.size(), 900u);
  EXPECT_FALSE(Figlio<QLabel>(a, "lbElaborazione")->isVisible());
  s().ChiusuraApplicazione = VERO;  // leaving the program: the window closes for good
  EXPECT_TRUE(a->close());
  s().ChiusuraApplicazione = FALSO;
}

TEST_F(FinestreArchivio, DoubleClickMakesTheLineTheCheckingDraw) {
  std::vector<Estrazione> cento(100, {"g         ", {1, 51, 52, 53, 54}});
  cento[97] = {"g98       ", {41, 7, 33, 12, 55}};
  ScriviArchivio(cento);
  frmArchivio* a = principale.finestra->Archivio();
  int scelte = 0;
  QObject::connect(a, &frmArchivio::estrazioneScelta, [&] {
    ++scelte;
    EXPECT_EQ(platform::MessageBox::Mostrati().size(), 1u) << "told before the checking side hears of it";
  });
  auto* lst = Figlio<QListView>(a, "lst");
  lst->setCurrentIndex(lst->model()->index(2, 0));  // the third line shows record 98
  a->lst_DblClick();
  EXPECT_EQ(scelte, 1);
  EXPECT_EQ(s().ColonnaSpoglio, (std::array<uint8_t, 6>{0, 41, 7, 33, 12, 55}));
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo,
            "La Colonna \r\n41 07 33 12 55\r\ndel g98 è stata imposta come nuova colonna di Spoglio");
}

TEST_F(FinestreArchivio, StatisticsWindowFileChartAndOldFiles) {
  // Files of an earlier run go when the window loads; other files stay.
  for (const char* nome : {"trlxqvx_20200101_101010.csv", "trlxqvx_XX.csv", "altro.csv"})
    QFile(temp.filePath(nome)).open(QIODevice::WriteOnly);
  ScriviArchivio(TRE);
  frmStatistiche* st = principale.finestra->Statistiche();
  const QStringList csv = QDir(temp.path()).entryList({"*.csv"}, QDir::Files);
  ASSERT_EQ(csv.size(), 2) << csv.join(",").toStdString();
  EXPECT_TRUE(csv.contains("altro.csv"));
  EXPECT_TRUE(QFileInfo(st->FileStatistiche()).fileName().contains(QRegularExpression("^trlxqvx_\\d{8}_\\d{6}\\.csv$")));
  EXPECT_EQ(Contenuto(st->FileStatistiche().toStdString()).toStdString(),
            "Data;P1;P2;P3;P4;P5;Ripetuti;Pari;Dispari;Consecutivi;Somma\r\n"
            "05/01/2018;55;07;30;02;44;2;3;2;1;138\r\n"
            "03/01/2018;07;12;33;41;55;0;1;4;1;148\r\n"
            "01/01/2018;01;02;03;04;05;;2;3;5;15\r\n");

  // The menu shows the first chart, the runs: two draws of longest run 1, one of 5.
  principale.finestra->findChild<QAction*>("menuStatistiche")->trigger();
  EXPECT_TRUE(st->isVisible());
  st->resize(900, 560);
  EXPECT_TRUE(Figlio<QRadioButton>(st, "optStat_0")->isChecked());
  QChart* chart = st->grafico();
  ASSERT_EQ(chart->series().size(), 1);
  const auto* serie = qobject_cast<QBarSeries*>(chart->series()[0]);
  ASSERT_NE(serie, nullptr);
  const QBarSet* barre = serie->barSets().at(0);
  std::vector<qreal> valori;
  for (int i = 0; i < barre->count(); ++i) valori.push_back(barre->at(i));
  EXPECT_EQ(valori, (std::vector<qreal>{2, 0, 0, 0, 1}));
  const auto* righe = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
  ASSERT_NE(righe, nullptr);
  EXPECT_EQ(righe->at(0), QString("01 -->      2").replace(' ', QChar(0x00A0)));
  QTest::qWait(30);
  st->grab().save("frmStatistiche.png");
  EXPECT_FALSE(st->close());
  EXPECT_FALSE(st->isVisible());
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
}

TEST_F(FinestreArchivio, StatisticsFileThatCannotBeWrittenIsReportedAndTheStatisticsStand) {
  ScriviArchivio(TRE);
  frmStatistiche* st = principale.finestra->Statistiche();
  QFile(temp.filePath("file")).open(QIODevice::WriteOnly);
  qputenv("TMPDIR", temp.filePath("file").toUtf8());  // a temporary folder that is a file
  st->refreshStat();
  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo,
            "Error 76 (Path not found) in procedure Statistiche of Form frmStatistiche");
  EXPECT_EQ(st->statistiche().Consecutivi[1], 2);
  EXPECT_EQ(st->arrayFrequenzaNumeri()[1][1], 55);
}

// Start-up loads the archive and its statistics hidden, and the picks follow
// the archive's frequencies from the start: 55 and 7 were drawn twice.
TEST(AvvioArchivio, StartUpLoadsTheArchiveAndItsStatisticsHidden) {
  platform::MessageBox::Registra();
  QTemporaryDir temp;
  const QByteArray tmpPrima = qgetenv("TMPDIR");
  qputenv("TMPDIR", temp.path().toUtf8());
  const QString archivio = platform::CartellaDati() + "/archivio/tremaluxorqvx.dat";
  QDir().mkpath(platform::CartellaDati() + "/archivio");
  QFile f(archivio);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::fromStdString(CodificaArchivio(TRE)));
  f.close();
  {
    Avvio avvio;
    ASSERT_TRUE(avvio.Main({}));
    frmMAIN* w = avvio.finestraPrincipale();
    EXPECT_EQ(avvio.sistema().ArchivioEstrazioni, TRE);
    EXPECT_FALSE(w->Archivio()->isVisible() || w->Statistiche()->isVisible());
    EXPECT_EQ(QDir(temp.path()).entryList({"trlxqvx_*.csv"}).size(), 1);
    w->SelezionaPiuFrequenti(2);
    EXPECT_TRUE(avvio.sistema().NumeriScelti[54] == 1 && avvio.sistema().NumeriScelti[6] == 1);
    EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
    w->hide();
  }
  QFile::remove(archivio);
  qputenv("TMPDIR", tmpPrima);
}

}  // namespace
}  // namespace tlx::ui
