#include "ui/archive/frmStatistiche.h"

#include <QApplication>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

#include "platform/Cartelle.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "ui/archive/FinestreArchivio.h"
#include "ui/widgets/Clessidra.h"

namespace tlx::ui {

namespace {

DataOra Adesso() {
  const QDateTime t = QDateTime::currentDateTime();
  return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

// Category labels are rich text: blanks would collapse.
QString EtichettaFissa(const std::string& testo) {
  return QString::fromStdString(testo).replace(QLatin1Char(' '), QChar(0x00A0));
}

}  // namespace

frmStatistiche::frmStatistiche(Sistema& sistema, QWidget* parent) : QWidget(parent, Qt::Window), sistema_(sistema) {
  setObjectName("frmStatistiche");
  setWindowTitle("Statistiche Archivio Estrazioni");

  frameContainer_ = new QFrame(this);
  frameContainer_->setObjectName("frameContainer");
  MSChart1_ = new QChartView(frameContainer_);
  MSChart1_->setObjectName("MSChart1");
  MSChart1_->setRenderHint(QPainter::Antialiasing);
  MSChart1_->setMinimumSize(560, 360);

  const char* testi[NUMERO_GRAFICI] = {"&Consecutivi", "&Ripetuti", "&Pari", "&Dispari", "&Somma", "&Frequenza"};
  auto* opzioni = new QHBoxLayout;
  for (int i = 0; i < NUMERO_GRAFICI; ++i) {
    auto* o = new QRadioButton(testi[i], frameContainer_);
    o->setObjectName(QString("optStat_%1").arg(i));
    connect(o, &QRadioButton::clicked, this, [this, i] { optStat_Click(i); });
    optStat_[static_cast<size_t>(i)] = o;
    opzioni->addWidget(o);
  }
  opzioni->addStretch();
  cmdTxt_ = new QToolButton(frameContainer_);
  cmdTxt_->setObjectName("cmdTxt");
  cmdTxt_->setText("File Statistiche CSV");
  connect(cmdTxt_, &QToolButton::clicked, this, &frmStatistiche::cmdTxt_Click);
  cmdTxt_->hide();
  opzioni->addWidget(cmdTxt_);
  auto* contenitore = new QVBoxLayout(frameContainer_);
  contenitore->setContentsMargins(0, 0, 0, 0);
  contenitore->addWidget(MSChart1_, 1);
  contenitore->addLayout(opzioni);

  lbElaborazione_ = AvvisoElaborazione(this);

  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(lbElaborazione_);
  tutto->addWidget(frameContainer_, 1);
  resize(900, 560);

  // Loading: the files of earlier runs go; one that can't be deleted stays
  // for a later run, without troubling the user.
  lbElaborazione_->setText("Elaborazione in corso\r\nAttendere....");
  CancellaFileStatistiche(platform::CartellaTemp().toStdString());
  refreshStat();
}

QChart* frmStatistiche::grafico() const { return MSChart1_->chart(); }

void frmStatistiche::refreshStat() {
  fileStatistiche_ = platform::CartellaTemp() + QString::fromStdString(NomeFileStatistiche(Adesso()));
  frameContainer_->setEnabled(false);
  lbElaborazione_->show();
  repaint();
  Messaggi errori;
  {
    Clessidra clessidra;
    statistiche_ = CalcolaStatistiche(sistema_.ArchivioEstrazioni);
    errori = ScriviFileStatistiche(sistema_.ArchivioEstrazioni, fileStatistiche_.toStdString());
  }
  lbElaborazione_->hide();
  frameContainer_->setEnabled(true);
  // The statistics stand without their file: say so and go on.
  for (const Messaggio& m : errori) platform::MessageBox::Mostra(m, this);
  optStat_Click(0);
  emit frequenzeCalcolate(statistiche_.FrequenzaNumeri);
}

void frmStatistiche::optStat_Click(int indice) {
  // The chosen chart's option in yellow; the others as any enabled option.
  for (int i = 0; i < NUMERO_GRAFICI; ++i)
    optStat_[static_cast<size_t>(i)]->setStyleSheet(i == indice ? "QRadioButton { background: #ffff00; color: black; }"
                                                                : QString());
  optStat_[static_cast<size_t>(indice)]->setChecked(true);

  MSChart1_->hide();
  Clessidra clessidra;
  const DatiGrafico dati = DatiDelGrafico(statistiche_, static_cast<Grafico>(indice));
  auto* barre = new QBarSet(QString::fromStdString(dati.titolo));
  QStringList etichette;
  for (size_t r = 0; r < dati.valori.size(); ++r) {
    barre->append(dati.valori[r]);
    etichette << EtichettaFissa(dati.etichette[r]);
  }
  auto* serie = new QBarSeries;
  serie->append(barre);

  auto* chart = new QChart;
  chart->setTitle(QString::fromStdString(dati.titolo));
  QFont titolo = chart->titleFont();
  titolo.setPointSize(12);
  titolo.setBold(true);
  chart->setTitleFont(titolo);
  chart->legend()->hide();
  chart->addSeries(serie);
  auto* righe = new QBarCategoryAxis;
  righe->append(etichette);
  if (dati.valori.size() > 6) righe->setLabelsAngle(-90);
  righe->setTruncateLabels(false);
  QFont piccolo = righe->labelsFont();
  piccolo.setPointSize(dati.valori.size() > 6 ? 7 : 9);
  righe->setLabelsFont(piccolo);
  chart->addAxis(righe, Qt::AlignTop);
  serie->attachAxis(righe);
  auto* conteggi = new QValueAxis;
  // Whole-number ticks, a little head-room above the highest bar.
  const int32_t massimo = dati.valori.empty() ? 0 : *std::max_element(dati.valori.begin(), dati.valori.end());
  int passo = 1;
  for (int decade = 1; passo * 8 < massimo * 1.15; decade *= 10)
    for (int fattore : {1, 2, 5})
      if (passo * 8 < massimo * 1.15) passo = fattore * decade;
  const int cima = passo * std::max(1, static_cast<int>(std::ceil(massimo * 1.15 / passo)));
  conteggi->setRange(0, cima);
  conteggi->setTickCount(cima / passo + 1);
  conteggi->setLabelFormat("%d");
  chart->addAxis(conteggi, Qt::AlignLeft);
  serie->attachAxis(conteggi);

  QChart* vecchio = MSChart1_->chart();
  MSChart1_->setChart(chart);
  delete vecchio;
  MSChart1_->show();
}

void frmStatistiche::cmdTxt_Click() { platform::ApriDocumento(fileStatistiche_); }

void frmStatistiche::closeEvent(QCloseEvent* e) {
  hide();
  ChiudiSoloInUscita(e, sistema_);
}

}  // namespace tlx::ui
