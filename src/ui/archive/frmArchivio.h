#pragma once
// The draw archive window: reads the archive file when it is created, lists
// the draws newest first, replaces the archive by the server's copy, and
// makes a double-clicked draw the checking draw. It only hides when closed,
// until the program is leaving.

#include <QString>
#include <QWidget>

#include "core/Sistema.h"

class QGroupBox;
class QLabel;
class QListView;
class QPushButton;

namespace tlx::ui {

class ModelloEstrazioni;

class frmArchivio : public QWidget {
  Q_OBJECT
 public:
  explicit frmArchivio(Sistema& sistema, QWidget* parent = nullptr);

  void PopolaListView();
  void cmdUpdate_Click();
  // Makes the draw of the selected line the checking draw; nothing without
  // a selected line.
  void lst_DblClick();

  bool AggiornamentoInCorso() const { return aggiornamentoInCorso_; }
  // While a check reads the archive, no update may replace it: the update
  // command waits until it is allowed again.
  void ConsentiAggiornamento(bool consentito);

 signals:
  // ColonnaSpoglio now holds the chosen draw, and the user has been told.
  void estrazioneScelta();
  // The user asked for the statistics.
  void statisticheRichieste();
  // An update has ended, whatever its outcome: the statistics follow it.
  void aggiornamentoTerminato();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void MostraAttesa(bool attesa);

  Sistema& sistema_;
  bool aggiornamentoInCorso_ = false;
  bool aggiornamentoConsentito_ = true;
  QString percorsoDownload_;
  ModelloEstrazioni* modello_ = nullptr;
  QLabel* Label5_ = nullptr;
  QListView* lst_ = nullptr;
  QLabel* lbElaborazione_ = nullptr;
  QGroupBox* Frame1_ = nullptr;
  QLabel* lbLast_ = nullptr;
  QLabel* lbTotale_ = nullptr;
  QPushButton* cmdUpdate_ = nullptr;
  QPushButton* cmdStatistiche_ = nullptr;
};

}  // namespace tlx::ui
