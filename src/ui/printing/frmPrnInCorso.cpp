#include "ui/printing/frmPrnInCorso.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Errori.h"
#include "platform/Attesa.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/Schede.h"

namespace tlx::ui {

frmPrnInCorso::frmPrnInCorso(Sistema& sistema, QWidget* sopra)
    : FinestraAvanzamento(sistema, sistema.StampaInterrotta) {
  setObjectName("frmPrnInCorso");
  setWindowTitle("Stampa in corso...");
  setAttribute(Qt::WA_DeleteOnClose, false);

  Label1_ = new QLabel("Scheda n. 000000", this);
  Label1_->setObjectName("Label1");
  Label1_->setAlignment(Qt::AlignCenter);
  Label1_->setStyleSheet("font-size: 13pt; font-weight: bold;");
  cmdInterrompi_ = new QPushButton("&Interrompi", this);
  cmdInterrompi_->setObjectName("cmdInterrompi");
  connect(cmdInterrompi_, &QPushButton::clicked, this, &frmPrnInCorso::cmdInterrompi_Click);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(cmdInterrompi_);
  pulsanti->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1_);
  layout->addSpacing(8);
  layout->addLayout(pulsanti);
  setMinimumWidth(300);
  adjustSize();
  platform::CentraForm(this);

  // Not a child of the window of the run, which stays disabled meanwhile.
  if (sopra) platform::TieniSopra(this, sopra);
  show();
}

void frmPrnInCorso::MostraScheda(int32_t n) { Label1_->setText(QString::fromStdString(TestoProgressoScheda(n))); }

AvanzamentoStampa frmPrnInCorso::Avanzamento() {
  return {platform::ElaboraEventi, [this](int32_t n) { MostraScheda(n); }};
}

void frmPrnInCorso::cmdInterrompi_Click() {
  QApplication::beep();
  if (platform::MessageBox::Mostra(Icona::Domanda, Pulsanti::SiNo, windowTitle(), "Sicuro di interrompere la stampa ?",
                                   this) == Risposta::Si)
    sistema_.StampaInterrotta = VERO;
}

Messaggio MessaggioStampaInCorso() {
  return {Icona::Esclamazione, Pulsanti::Ok, "Attenzione", "Attendere la fine della stampa in corso"};
}

std::optional<EsitoStampa> EseguiStampaSchede(Sistema& sistema, QWidget* finestra, int32_t prima, int32_t ultima,
                                              const std::function<void(int32_t)>& stampaScheda,
                                              std::string_view procedura, std::string_view form) {
  Stampante& stampante = platform::StampanteCorrente();
  if (stampante.Occupata()) {
    platform::MessageBox::Mostra(MessaggioStampaInCorso(), finestra);
    return std::nullopt;
  }
  PrenotazioneStampante prenotazione(stampante);
  frmPrnInCorso avanzamento(sistema, finestra);
  const platform::InputTrattenuto trattenuto(&avanzamento);
  sistema.StampaInterrotta = FALSO;
  try {
    return CicloSchede(stampante, sistema.StampaInterrotta, prima, ultima, avanzamento.Avanzamento(), stampaScheda);
  } catch (const ErroreRuntime& e) {
    avanzamento.hide();
    platform::MessageBox::Mostra(MessaggioErrore(e, procedura, std::string("Form ") + std::string(form)), finestra);
    return EsitoStampa::Guasto;
  }
}

}  // namespace tlx::ui
