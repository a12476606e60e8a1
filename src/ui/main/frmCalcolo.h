#pragma once
// The development's progress window: bar, three counters, the capacity
// warning and the abort button. The engine reports to it at its progress
// steps; there it processes pending events, so the abort button answers.

#include "core/Formato.h"
#include "core/Sviluppo.h"
#include "ui/widgets/FinestraAvanzamento.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tlx::ui {

class frmCalcolo : public FinestraAvanzamento, public OsservatoreSviluppo {
  Q_OBJECT
 public:
  frmCalcolo(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent = nullptr);

  // The window's properties, read by the abort question.
  double colonneIntegrale() const { return avanzamento_.colonneIntegrale; }
  double colonneElaborate() const { return avanzamento_.colonneElaborate; }
  double colonneSistema() const { return avanzamento_.colonneSistema; }

  void Inizio(double colonneIntegrale) override;
  void Passo(const AvanzamentoSviluppo& a) override;
  void CapienzaRaggiunta(const AvanzamentoSviluppo& a) override;

 public slots:
  void cmdSvilAnnulla_Click();

 private:
  void MostraContatori();
  QString Contatore(double valore) const;

  FormatoNumeri formato_;
  AvanzamentoSviluppo avanzamento_;
  QProgressBar* pb_;
  QLabel* lblNumColIntegrali_;
  QLabel* lblNumColElaborate_;
  QLabel* lblNumColSistema_;
  QLabel* labAllarm_;
  QPushButton* cmdSvilAnnulla_;
};

}  // namespace tlx::ui
