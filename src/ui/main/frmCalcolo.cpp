#include "ui/main/frmCalcolo.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Attesa.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"

namespace tlx::ui {

namespace {
QLabel* Etichetta(const QString& nome, const QString& testo, QWidget* parent) {
  auto* l = new QLabel(testo, parent);
  l->setObjectName(nome);
  return l;
}
}  // namespace

frmCalcolo::frmCalcolo(Sistema& sistema, const FormatoNumeri& formato, QWidget* parent)
    : FinestraAvanzamento(sistema, sistema.InterrompiSviluppo, parent), formato_(formato) {
  setObjectName("frmCalcolo");
  setWindowTitle("Elaborazione in corso...");

  pb_ = new QProgressBar(this);
  pb_->setObjectName("pb");
  pb_->setRange(0, 100);
  pb_->setValue(0);
  pb_->setTextVisible(false);

  auto* scala = new QHBoxLayout;
  scala->addWidget(new QLabel("0%", this));
  scala->addStretch();
  scala->addWidget(new QLabel("50%", this));
  scala->addStretch();
  scala->addWidget(new QLabel("100%", this));

  auto* contatori = new QGridLayout;
  lblNumColIntegrali_ = Etichetta("lblNumColIntegrali", "", this);
  lblNumColElaborate_ = Etichetta("lblNumColElaborate", "", this);
  lblNumColSistema_ = Etichetta("lblNumColSistema", "", this);
  contatori->addWidget(Etichetta("lblColonneIntegrali", "Colonne da elaborare", this), 0, 0);
  contatori->addWidget(Etichetta("lblColonneElaborate", "Colonne elaborate", this), 1, 0);
  contatori->addWidget(Etichetta("lblColonneSistema", "Colonne Sistema", this), 2, 0);
  for (QLabel* l : {lblNumColIntegrali_, lblNumColElaborate_, lblNumColSistema_}) {
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(fontMetrics().horizontalAdvance(" 0.000.000.000.000") + 8);
  }
  contatori->addWidget(lblNumColIntegrali_, 0, 1);
  contatori->addWidget(lblNumColElaborate_, 1, 1);
  contatori->addWidget(lblNumColSistema_, 2, 1);

  labAllarm_ = Etichetta("labAllarm", "", this);
  labAllarm_->setStyleSheet("color: #c00000; font-weight: bold;");
  labAllarm_->setAlignment(Qt::AlignCenter);

  cmdSvilAnnulla_ = new QPushButton("&Annulla", this);
  cmdSvilAnnulla_->setObjectName("cmdSvilAnnulla");
  connect(cmdSvilAnnulla_, &QPushButton::clicked, this, &frmCalcolo::cmdSvilAnnulla_Click);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(cmdSvilAnnulla_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pb_);
  layout->addLayout(scala);
  layout->addSpacing(6);
  layout->addLayout(contatori);
  layout->addWidget(labAllarm_);
  layout->addLayout(pulsanti);
  setMinimumWidth(380);
  adjustSize();
  platform::CentraForm(this);
}

QString frmCalcolo::Contatore(double valore) const {
  return QString::fromStdString(Formatta(valore, MASCHERA_CONTATORE, formato_));
}

void frmCalcolo::MostraContatori() {
  lblNumColIntegrali_->setText(Contatore(avanzamento_.colonneIntegrale));
  lblNumColElaborate_->setText(Contatore(avanzamento_.colonneElaborate));
  lblNumColSistema_->setText(Contatore(avanzamento_.colonneSistema));
}

void frmCalcolo::Inizio(double colonneIntegrale) {
  avanzamento_ = AvanzamentoSviluppo{};
  avanzamento_.colonneIntegrale = colonneIntegrale;
  MostraContatori();
  repaint();
}

void frmCalcolo::Passo(const AvanzamentoSviluppo& a) {
  avanzamento_ = a;
  pb_->setValue(a.barra);
  MostraContatori();
  platform::ElaboraEventi();
}

void frmCalcolo::CapienzaRaggiunta(const AvanzamentoSviluppo& a) {
  avanzamento_.colonneElaborate = a.colonneElaborate;
  avanzamento_.colonneSistema = a.colonneSistema;
  labAllarm_->setText(QString::fromStdString(std::string(TESTO_CAPIENZA)));
  MostraContatori();
  platform::MessageBox::Mostra(AvvisoCapienza(CAPIENZA, formato_), this);
}

void frmCalcolo::cmdSvilAnnulla_Click() {
  QApplication::beep();
  const QString testo = "Colonne da elaborare" + Contatore(colonneIntegrale()) + "\r\n" + "Colonne elaborate" +
                        Contatore(colonneElaborate()) + "\r\n" + "Colonne Sistema" + Contatore(colonneSistema()) +
                        "\r\n" + "Uscire dallo sviluppo?";
  if (platform::MessageBox::Mostra(Icona::Domanda, Pulsanti::SiNo, windowTitle(), testo, this) == Risposta::Si)
    sistema_.InterrompiSviluppo = VERO;
}

}  // namespace tlx::ui
