#pragma once
// The program's modeless windows and what keeps them in step: the archive,
// statistics, checking and random-systems windows, made on first use and
// kept for the whole run; the archive -> statistics -> checking wiring; and
// what must stay still while a check runs or the slip window is open.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "archive/Frequenze.h"
#include "core/Formato.h"
#include "core/Sistema.h"

class QWidget;

namespace tlx::ui {

class frmArchivio;
class frmRidottiRandom;
class frmSpoglio;
class frmSpoglioEstrazioni;
class frmStampa;
class frmStatistiche;

class CoordinatoreFinestre : public QObject {
  Q_OBJECT
 public:
  // The windows stand above `principale`, the main window.
  CoordinatoreFinestre(Sistema& sistema, const FormatoNumeri& formato, QWidget* principale);

  // Each made hidden on first use (the statistics after the archive they
  // count) and kept for the whole run.
  frmArchivio* Archivio();
  frmStatistiche* Statistiche();
  frmSpoglio* Spoglio();
  frmSpoglioEstrazioni* SpoglioEstrazioni();

  // Each shown and brought to the front.
  void MostraArchivio();
  void MostraStatistiche();
  void MostraSpoglio();
  // Not when the archive holds no draw to choose from.
  void MostraSpoglioEstrazioni();
  void MostraRidotti();
  // The slip window, with the system's name to print on every slip. The
  // main window stays disabled until it closes: the system must not change
  // under the slips. The other modeless windows stay usable.
  void ApriStampaSchede(const QString& nomeSistema);

  // The main-window commands (by name) that replace, clear or reorder the
  // columns, or build new ones: a check reads the columns while it yields,
  // so while one runs they are held back.
  static const QStringList& ComandiTrattenibili();
  // True while a check runs and `comando` is one of those.
  bool Trattenuto(const QString& comando) const;

 signals:
  // A check started or ended: what Trattenuto() says has changed.
  void spogliCambiati();
  // The statistics counted the archive anew: the numbers ranked by frequency.
  void frequenzeCalcolate(const TabellaFrequenza& tabella);

 private:
  void SpoglioInCorso(bool inCorso);

  Sistema& sistema_;
  const FormatoNumeri& formato_;
  QWidget* principale_;
  frmArchivio* archivio_ = nullptr;
  frmStatistiche* statistiche_ = nullptr;
  frmSpoglio* spoglio_ = nullptr;
  frmSpoglioEstrazioni* spoglioEstrazioni_ = nullptr;
  QPointer<frmRidottiRandom> ridotti_;
  int spogliInCorso_ = 0;
};

}  // namespace tlx::ui
