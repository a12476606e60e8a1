#include "ui/main/CoordinatoreFinestre.h"

#include "platform/Finestre.h"
#include "ui/archive/frmArchivio.h"
#include "ui/archive/frmStatistiche.h"
#include "ui/checking/frmSpoglio.h"
#include "ui/checking/frmSpoglioEstrazioni.h"
#include "ui/printing/frmRidottiRandom.h"
#include "ui/printing/frmStampa.h"

namespace tlx::ui {

namespace {

void InPrimoPiano(QWidget* finestra) {
  finestra->show();
  finestra->raise();
  finestra->activateWindow();
}

}  // namespace

CoordinatoreFinestre::CoordinatoreFinestre(Sistema& sistema, const FormatoNumeri& formato, QWidget* principale)
    : QObject(principale), sistema_(sistema), formato_(formato), principale_(principale) {}

frmArchivio* CoordinatoreFinestre::Archivio() {
  if (!archivio_) {
    archivio_ = new frmArchivio(sistema_, principale_);
    archivio_->ConsentiAggiornamento(spogliInCorso_ == 0);
    connect(archivio_, &frmArchivio::statisticheRichieste, this, &CoordinatoreFinestre::MostraStatistiche);
    connect(archivio_, &frmArchivio::aggiornamentoTerminato, this, [this] { Statistiche()->refreshStat(); });
    // The chosen draw goes into the single check's boxes, without showing it.
    connect(archivio_, &frmArchivio::estrazioneScelta, this, [this] { Spoglio()->init(); });
  }
  return archivio_;
}

frmStatistiche* CoordinatoreFinestre::Statistiche() {
  if (!statistiche_) {
    Archivio();
    statistiche_ = new frmStatistiche(sistema_, principale_);
    connect(statistiche_, &frmStatistiche::frequenzeCalcolate, this, &CoordinatoreFinestre::frequenzeCalcolate);
    emit frequenzeCalcolate(statistiche_->arrayFrequenzaNumeri());
  }
  return statistiche_;
}

frmSpoglio* CoordinatoreFinestre::Spoglio() {
  if (!spoglio_) {
    spoglio_ = new frmSpoglio(sistema_, formato_, principale_);
    connect(spoglio_, &frmSpoglio::spoglioInCorso, this, &CoordinatoreFinestre::SpoglioInCorso);
  }
  return spoglio_;
}

frmSpoglioEstrazioni* CoordinatoreFinestre::SpoglioEstrazioni() {
  if (!spoglioEstrazioni_) {
    spoglioEstrazioni_ = new frmSpoglioEstrazioni(sistema_, formato_, principale_);
    connect(spoglioEstrazioni_, &frmSpoglioEstrazioni::spoglioInCorso, this, &CoordinatoreFinestre::SpoglioInCorso);
  }
  return spoglioEstrazioni_;
}

void CoordinatoreFinestre::MostraArchivio() { InPrimoPiano(Archivio()); }

void CoordinatoreFinestre::MostraStatistiche() {
  Statistiche()->refreshStat();
  InPrimoPiano(statistiche_);
}

void CoordinatoreFinestre::MostraSpoglio() { InPrimoPiano(Spoglio()); }

void CoordinatoreFinestre::MostraSpoglioEstrazioni() {
  if (SpoglioEstrazioni()->populateCmbEstrazioni()) InPrimoPiano(spoglioEstrazioni_);
}

void CoordinatoreFinestre::MostraRidotti() {
  if (!ridotti_) {
    // Not a child, so that it stays usable while the main window is
    // disabled by the slip window; it goes with the main window.
    ridotti_ = new frmRidottiRandom(sistema_);
    platform::TieniSopra(ridotti_, principale_);
    connect(principale_, &QObject::destroyed, ridotti_, [r = ridotti_] { delete r; });
  }
  InPrimoPiano(ridotti_);
}

// Disabling a window disables its child windows too: the archive,
// statistics and checking windows are enabled again, unless one disabled
// itself for its own work.
void CoordinatoreFinestre::ApriStampaSchede(const QString& nomeSistema) {
  principale_->setEnabled(false);
  for (QWidget* finestra : std::initializer_list<QWidget*>{archivio_, statistiche_, spoglio_, spoglioEstrazioni_})
    if (finestra && !finestra->testAttribute(Qt::WA_ForceDisabled)) finestra->setEnabled(true);
  auto* stampa = new frmStampa(sistema_, formato_, nomeSistema, principale_);
  connect(stampa, &frmStampa::chiusa, principale_, [p = principale_] {
    p->setEnabled(true);
    p->activateWindow();
  });
  stampa->show();
}

const QStringList& CoordinatoreFinestre::ComandiTrattenibili() {
  static const QStringList comandi = {"menuapri",     "menuImportaColonne", "menumodifiche", "menuMescola",
                                      "menucalcolo",  "menuadattamatrice",  "mnu_Elenco",    "cmdModifiche",
                                      "cmdCancella",  "cmdCalcolo",         "cmdAdatta",     "cmdCruciverba"};
  return comandi;
}

bool CoordinatoreFinestre::Trattenuto(const QString& comando) const {
  return spogliInCorso_ > 0 && ComandiTrattenibili().contains(comando);
}

// The archive update waits too: a check of a range reads the archive.
void CoordinatoreFinestre::SpoglioInCorso(bool inCorso) {
  spogliInCorso_ += inCorso ? 1 : -1;
  if (archivio_) archivio_->ConsentiAggiornamento(spogliInCorso_ == 0);
  emit spogliCambiati();
}

}  // namespace tlx::ui
