#pragma once
// The statistics window: computes the six statistics over the archive when it
// is created and on every refresh, writes the statistics file, and shows one
// statistic at a time as a bar chart. It only hides when closed, until the
// program is leaving.

#include <QString>
#include <QWidget>
#include <array>

#include "archive/Statistiche.h"
#include "core/Sistema.h"

class QChart;
class QChartView;
class QFrame;
class QLabel;
class QRadioButton;
class QToolButton;

namespace tlx::ui {

class frmStatistiche : public QWidget {
  Q_OBJECT
 public:
  explicit frmStatistiche(Sistema& sistema, QWidget* parent = nullptr);

  // Recomputes everything over the archive as it is now, writes a new
  // statistics file and shows the first chart.
  void refreshStat();
  // Shows chart 0..5.
  void optStat_Click(int indice);
  // Opens the current statistics file with its associated program; its
  // button stays hidden.
  void cmdTxt_Click();

  // The numbers ranked by frequency at the last computation.
  const TabellaFrequenza& arrayFrequenzaNumeri() const { return statistiche_.FrequenzaNumeri; }
  const Statistiche& statistiche() const { return statistiche_; }
  const QString& FileStatistiche() const { return fileStatistiche_; }
  QChart* grafico() const;

 signals:
  void frequenzeCalcolate(const TabellaFrequenza& tabella);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  Sistema& sistema_;
  Statistiche statistiche_;
  QString fileStatistiche_;
  QFrame* frameContainer_ = nullptr;
  QChartView* MSChart1_ = nullptr;
  std::array<QRadioButton*, NUMERO_GRAFICI> optStat_{};
  QLabel* lbElaborazione_ = nullptr;
  QToolButton* cmdTxt_ = nullptr;
};

}  // namespace tlx::ui
