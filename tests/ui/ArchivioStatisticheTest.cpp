#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "Chiusura.h"
#include "FinestraPrincipale.h"
#include "archive/Archivio.h"
#include "core/Server.h"
#include "platform/Cartelle.h"
#include "platform/Download.h"
#include "platform/ServerProva.h"
#include "platform/Shell.h"
#include "ui/main/CoordinatoreFinestre.h"
#include "ui/archive/frmArchivio.h"
#include "ui/archive/frmStatistiche.h"
#include "ui/main/Avvio.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;
using RispostaWeb = tlx::prova::RispostaProva;

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

QByteArray Contenuto(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void ScriviArchivio(const QString& file, const std::vector<Estrazione>& archivio) {
  QDir().mkpath(QFileInfo(file).path());
  std::ofstream(file.toStdString(), std::ios::binary) << CodificaArchivio(archivio);
}

const std::vector<Estrazione> TRE = {
    {"01/01/2018", {1, 2, 3, 4, 5}}, {"03/01/2018", {7, 12, 33, 41, 55}}, {"05/01/2018", {55, 7, 30, 2, 44}}};

// The main window over a data folder of its own, the statistics files in a
// temporary folder of their own, and the stand-in server.
class FinestreArchivio : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("TMPDIR", temp.path().toUtf8());
    qputenv(platform::VARIABILE_SERVER, web.Indirizzo().toUtf8());
  }
  void TearDown() override {
    qputenv(platform::VARIABILE_SERVER, "http://127.0.0.1:9"), qputenv("TMPDIR", tmpPrima_);
    platform::ImpostaAttesaMassima(std::chrono::seconds(30));
  }
  Sistema& s() { return *principale.sistema; }
  QString FileArchivio() { return QString::fromStdString(s().PercorsoArchivio); }
  // The lines of the list, then the last draw and the count shown.
  static QStringList Vista(frmArchivio* a) {
    QStringList vista;
    const QAbstractItemModel* m = a->findChild<QListView*>("lst")->model();
    for (int r = 0; r < m->rowCount(); ++r) vista << m->index(r, 0).data().toString();
    return vista << a->findChild<QLabel*>("lbLast")->text() << a->findChild<QLabel*>("lbTotale")->text();
  }
  // Where each control of the window stands, at the size it is given and
  // at the sizes of a 1024 x 768 screen and of a larger one.
  static std::string Disposizione(frmArchivio* a) {
    const QSize propria = a->size();
    QStringList posti;
    for (const QSize misura : {propria, QSize(1024, 768), QSize(1280, 1024)}) {
      a->resize(misura);
      QApplication::processEvents();
      for (const char* nome : {"Label5", "lst", "Frame1", "lbLast", "lbTotale", "Label1", "cmdUpdate", "cmdStatistiche"}) {
        const QWidget* w = a->findChild<QWidget*>(nome);
        const QRect r(w->mapTo(a, QPoint()), w->size());
        posti << QString("%1 %2,%3 %4x%5").arg(nome).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
      }
    }
    a->resize(propria);
    QApplication::processEvents();
    return posti.join(", ").toStdString();
  }
  void RispondiArchivio(RispostaWeb r) { web.Rispondi(QByteArray(server::PERCORSO_ARCHIVIO.data()), std::move(r)); }

  QByteArray tmpPrima_ = qgetenv("TMPDIR");
  QTemporaryDir temp;
  tlx::prova::ServerProva web;
  prova::FinestraPrincipale principale;
};

// An empty file lists nothing and a double-click changes nothing. While updating the window is busy; the update,
// slower in all than the silence a download may keep but never that silent, replaces archive, file, list and
// statistics; a reply without a usable draw changes nothing.
TEST_F(FinestreArchivio, UpdateFromAnEmptyFileReplacesArchiveFileListAndStatisticsAndAFailedOneNothing) {
  ScriviArchivio(FileArchivio(), {});
  frmArchivio* a = principale.finestra->finestre().Archivio();
  frmStatistiche* st = principale.finestra->finestre().Statistiche();
  s().ColonnaSpoglio = {0, 9, 8, 7, 6, 5};
  a->lst_DblClick();
  EXPECT_EQ(std::tuple(Vista(a).mid(1), s().ColonnaSpoglio[1], MessageBox::Mostrati().size()),
            std::tuple(QStringList{"00000000"}, 9, 0u));
  a->resize(640, 480);
  a->show();
  const std::string vuoto = Disposizione(a);
  a->grab().save("frmArchivio-vuoto.png");
  RispondiArchivio({200, RispostaRealistica(), RispostaWeb::Modo::Lenta, 4, std::chrono::milliseconds(150)});
  platform::ImpostaAttesaMassima(std::chrono::milliseconds(400));
  std::vector<bool> occupata;  // in progress, button, list, busy label
  QTimer::singleShot(200, a, [&] {
    occupata = {a->AggiornamentoInCorso(), a->findChild<QPushButton*>("cmdUpdate")->isEnabled(),
                a->findChild<QListView*>("lst")->isEnabled(), a->findChild<QLabel*>("lbElaborazione")->isVisible()};
  });
  a->cmdUpdate_Click();
  EXPECT_EQ(occupata, (std::vector<bool>{true, false, false, true}));
  const auto& frequenze = st->arrayFrequenzaNumeri()[0];
  // The main window picks by the new counts: the ten most frequent numbers.
  principale.finestra->SelezionaPiuFrequenti(10);
  int presi = 0;
  for (size_t i = 1; i <= 10; ++i) presi += s().NumeriScelti[static_cast<size_t>(st->arrayFrequenzaNumeri()[1][i] - 1)];
  EXPECT_EQ(presi, 10);
  EXPECT_EQ(std::tuple(s().ArchivioEstrazioni.size(), web.Ricevute().back().percorso, Vista(a).size(), Vista(a).back(),
                       Contenuto(FileArchivio()) == QByteArray::fromStdString(CodificaArchivio(s().ArchivioEstrazioni)),
                       a->findChild<QLabel*>("lbElaborazione")->isVisible(),
                       std::accumulate(&frequenze[1], &frequenze[NUMERI + 1], 0), MessageBox::Mostrati().size()),
            std::tuple(900u, "/public/tremaluxorqvx/archivio.asp?dal=20180207", 902, "900", true, false, 900 * 5, 0u));
  QApplication::processEvents();
  a->grab().save("frmArchivio.png");
  EXPECT_EQ(Disposizione(a), vuoto) << "the controls in their places, with the list full as with it empty";

  // Replies without a usable draw leave memory, file and list as they were, with one message each; the failed
  // downloads have their own tests.
  const std::tuple<RispostaWeb, Icona, std::string> casi[] = {  // the reply, the message (its start)
      {{200, "DATA|NUMERI\r\n01/01/2019|1|2|3|4|60\r\n01/01/2019|1|1|3|4|5\r\n"}, Icona::Informazione,
       "L'aggiornamento scaricato non contiene estrazioni valide"},
      {{200, "01/01/2019|1|2|3|4|5\r\n02/01/2019|1|2|tre|4|5\r\n"}, Icona::Nessuna,
       "Error 13 (Type mismatch) in procedure LoadArchivioTMP of Form frmUpdate"},
  };
  const auto archivio = s().ArchivioEstrazioni;
  const QByteArray file = Contenuto(FileArchivio());
  for (const auto& [risposta, icona, testo] : casi) {
    MessageBox::Azzera();
    RispondiArchivio(risposta);
    a->cmdUpdate_Click();
    const Messaggio m = MessageBox::Mostrati().at(0);
    EXPECT_EQ(std::tuple(s().ArchivioEstrazioni == archivio, Contenuto(FileArchivio()) == file, Vista(a).size(),
                         m.icona, m.testo.substr(0, testo.size()), MessageBox::Mostrati().size(),
                         a->findChild<QPushButton*>("cmdUpdate")->isEnabled()),
              std::tuple(true, true, 902, icona, testo, 1u, true));
  }
  s().ChiusuraApplicazione = VERO;  // leaving the program: the window closes for good
  EXPECT_TRUE(prova::ChiudiDalGestore(a));
  s().ChiusuraApplicazione = FALSO;
}

TEST_F(FinestreArchivio, StatisticsWindowFileChartOldFilesAndAFileThatCannotBeWritten) {
  // Files of an earlier run go when the window loads, and so do the leftovers of writes of them killed long
  // ago; other files stay, and so do a leftover just written (another copy's write under way: its time is
  // set ahead) and a folder and a link named like leftovers.
  namespace fs = std::filesystem;
  const auto oreFa = [](int ore) { return fs::file_time_type::clock::now() - std::chrono::hours(ore); };
  const QStringList vecchi = {"trlxqvx_20200101_101010.csv", "trlxqvx_XX.csv", ".trlxqvx_20200101_101010.csv.1f2e.tmp",
                              ".trlxqvx_20200101_101011.csv.abcdef01.tmp"};
  const QStringList restano = {"altro.csv", ".altro.csv.1f.tmp", ".trlxqvx_20200101_101012.csv.2f.tmp"};
  for (const QString& nome : vecchi + restano) QFile(temp.filePath(nome)).open(QIODevice::WriteOnly);
  QDir(temp.path()).mkdir(".trlxqvx_20200101_101013.csv.3f.tmp");
  QFile::link(temp.filePath(".altro.csv.1f.tmp"), temp.filePath(".trlxqvx_20200101_101014.csv.4f.tmp"));
  for (const QString& nome : vecchi + QStringList{".altro.csv.1f.tmp", ".trlxqvx_20200101_101013.csv.3f.tmp"})
    fs::last_write_time(temp.filePath(nome).toStdString(), oreFa(2));
  fs::last_write_time(temp.filePath(".trlxqvx_20200101_101012.csv.2f.tmp").toStdString(), oreFa(-1));
  ScriviArchivio(FileArchivio(), TRE);
  frmStatistiche* st = principale.finestra->finestre().Statistiche();
  QStringList attesi = restano + QStringList{".trlxqvx_20200101_101013.csv.3f.tmp", ".trlxqvx_20200101_101014.csv.4f.tmp",
                                             QFileInfo(st->FileStatistiche()).fileName()};
  attesi.sort();
  EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), attesi);
  EXPECT_EQ(Contenuto(st->FileStatistiche()).toStdString(),
            "Data;P1;P2;P3;P4;P5;Ripetuti;Pari;Dispari;Consecutivi;Somma\r\n"
            "05/01/2018;55;07;30;02;44;2;3;2;1;138\r\n"
            "03/01/2018;07;12;33;41;55;0;1;4;1;148\r\n"
            "01/01/2018;01;02;03;04;05;;2;3;5;15\r\n");

  // The menu shows the first chart, the runs: two draws of longest run 1, one of 5.
  principale.finestra->findChild<QAction*>("menuStatistiche")->trigger();
  st->resize(900, 560);
  EXPECT_TRUE(st->isVisible() && st->findChild<QAbstractButton*>("optStat_0")->isChecked());
  const QBarSet* barre = qobject_cast<QBarSeries*>(st->grafico()->series()[0])->barSets().at(0);
  std::vector<qreal> valori;
  for (int i = 0; i < barre->count(); ++i) valori.push_back(barre->at(i));
  EXPECT_EQ(valori, (std::vector<qreal>{2, 0, 0, 0, 1}));
  EXPECT_EQ(qobject_cast<QBarCategoryAxis*>(st->grafico()->axes(Qt::Horizontal).at(0))->at(0),
            QString("01 -->      2").replace(' ', QChar(0x00A0)));
  // The menu counts the archive anew each time: a draw more, a longest run of 1 more.
  s().ArchivioEstrazioni.push_back({"07/01/2018", {10, 20, 30, 40, 50}});
  principale.finestra->findChild<QAction*>("menuStatistiche")->trigger();
  EXPECT_EQ(qobject_cast<QBarSeries*>(st->grafico()->series()[0])->barSets().at(0)->at(0), 3);
  s().ArchivioEstrazioni.pop_back();
  QTest::qWait(30);
  st->grab().save("frmStatistiche.png");
  // The charts not chosen are offered as enabled options: their captions dark, not greyed.
  const QImage ripetuti = st->findChild<QWidget*>("optStat_1")->grab().toImage();
  int scuro = 255;
  for (int y = 0; y < ripetuti.height(); ++y)
    for (int x = 0; x < ripetuti.width(); ++x) scuro = std::min(scuro, qGray(ripetuti.pixel(x, y)));
  EXPECT_LT(scuro, 100);
  // The hidden button opens the statistics file with its program.
  platform::SimulazioneShell().Registra();
  auto* cmdTxt = st->findChild<QAbstractButton*>("cmdTxt");
  cmdTxt->click();
  EXPECT_EQ(std::tuple(cmdTxt->isHidden(), platform::SimulazioneShell().Richieste()),
            std::tuple(true, std::vector{QUrl::fromLocalFile(st->FileStatistiche())}));
  platform::SimulazioneShell().Ferma();
  EXPECT_FALSE(prova::ChiudiDalGestore(st));
  EXPECT_EQ(std::pair(st->isVisible(), MessageBox::Mostrati().empty()), std::pair(false, true));

  // A statistics file that cannot be written is reported and the statistics stand.
  qputenv("TMPDIR", st->FileStatistiche().toUtf8());  // a temporary folder that is a file
  st->refreshStat();
  EXPECT_EQ(MessageBox::Mostrati().at(0).testo,
            "Error 76 (Path not found) in procedure Statistiche of Form frmStatistiche");
  EXPECT_EQ(std::pair(st->statistiche().Consecutivi[1], st->arrayFrequenzaNumeri()[1][1]), std::pair(2, 55));
}

// Start-up loads the archive and its statistics hidden, the list newest first, and the picks follow the
// archive's frequencies from the start: 55 and 7 were drawn twice. The button shows the list modeless, closing
// only hides it; a double-click makes the line the checking draw, telling the user before the checking side
// hears of it.
TEST_F(FinestreArchivio, StartUpLoadsTheArchiveHiddenAndADoubleClickPicksTheCheckingDraw) {
  const QString archivio = platform::CartellaDati() + "/archivio/tremaluxorqvx.dat";
  ScriviArchivio(archivio, TRE);
  {
    Avvio avvio;
    ASSERT_TRUE(avvio.Main({}));
    frmMAIN* w = avvio.finestraPrincipale();
    frmArchivio* a = w->finestre().Archivio();
    w->SelezionaPiuFrequenti(2);
    EXPECT_EQ(std::tuple(avvio.sistema().ArchivioEstrazioni == TRE, a->isVisible(),
                         w->finestre().Statistiche()->isVisible(), QDir(temp.path()).entryList({"trlxqvx_*.csv"}).size(),
                         avvio.sistema().NumeriScelti[54] + avvio.sistema().NumeriScelti[6],
                         MessageBox::Mostrati().size()),
              std::tuple(true, false, false, 1, 2, 0u));
    EXPECT_EQ(Vista(a), (QStringList{" 05/01/2018 | 55 07 30 02 44", " 03/01/2018 | 07 12 33 41 55",
                                     " 01/01/2018 | 01 02 03 04 05", " 05/01/2018 | 55 07 30 02 44", "3"}));
    w->findChild<QAbstractButton*>("cmdArchivio")->click();
    EXPECT_TRUE(a->isVisible() && !a->isModal());
    EXPECT_FALSE(prova::ChiudiDalGestore(a));
    EXPECT_FALSE(a->isVisible());

    size_t messaggiAlSegnale = 99;
    QObject::connect(a, &frmArchivio::estrazioneScelta, [&] { messaggiAlSegnale = MessageBox::Mostrati().size(); });
    // The third line shows the oldest draw.
    a->findChild<QListView*>("lst")->setCurrentIndex(a->findChild<QListView*>("lst")->model()->index(2, 0));
    a->lst_DblClick();
    EXPECT_EQ(std::tuple(messaggiAlSegnale, avvio.sistema().ColonnaSpoglio, MessageBox::Mostrati().at(0).testo),
              std::tuple(size_t{1}, std::array<uint8_t, 6>{0, 1, 2, 3, 4, 5},
                         "La Colonna \r\n01 02 03 04 05\r\ndel 01/01/2018 è stata imposta come nuova colonna di Spoglio"));
    w->hide();
  }
  QFile::remove(archivio);
}

}  // namespace
}  // namespace tlx::ui
