#pragma once
// The print-in-progress window shared by the slip print runs: the number of
// the slip being printed and the button that asks to interrupt the run.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "core/Messaggio.h"
#include "core/Sistema.h"
#include "printing/CicloStampa.h"
#include "ui/widgets/FinestraAvanzamento.h"

class QLabel;
class QPushButton;

namespace tlx::ui {

class frmPrnInCorso : public FinestraAvanzamento {
  Q_OBJECT
 public:
  // Loading shows it, centred, above `sopra` (the window of the run), which
  // stays disabled meanwhile without disabling this one.
  explicit frmPrnInCorso(Sistema& sistema, QWidget* sopra = nullptr);

  // "Scheda n. 00012".
  void MostraScheda(int32_t n);
  // The callbacks of a print run: yield to the event loop, show the slip.
  AvanzamentoStampa Avanzamento();

  QLabel* etichetta() const { return Label1_; }
  QPushButton* interrompi() const { return cmdInterrompi_; }

 public slots:
  void cmdInterrompi_Click();

 private:
  QLabel* Label1_;
  QPushButton* cmdInterrompi_;
};

// One slip print run on the current printer, with the progress window:
// refused with a message while another run holds the printer; otherwise
// holds it, clears StampaInterrotta, shows frmPrnInCorso and prints slips
// prima..ultima with stampaScheda. A printer fault is reported as
// "Error n (...) in procedure <procedura> of Form <form>" after the document
// is ended. Nothing when the run was refused.
std::optional<EsitoStampa> EseguiStampaSchede(Sistema& sistema, QWidget* finestra, int32_t prima, int32_t ultima,
                                              const std::function<void(int32_t)>& stampaScheda,
                                              std::string_view procedura, std::string_view form);

// The message of a print command given while a run holds the printer.
Messaggio MessaggioStampaInCorso();

}  // namespace tlx::ui
