#include "ui/main/frmImpostazioni.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "core/Errori.h"
#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"
#include "platform/Stampanti.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/widgets/FiltroTastiNumerici.h"

namespace tlx::ui {

frmImpostazioni::frmImpostazioni(const Sistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema) {
  setObjectName("frmImpostazioni");
  setWindowTitle("Impostazioni");

  txtCostoCol_ = new QLineEdit(QString::fromStdString(FormattaScalato(sistema_.CostoColonna, 2, "0.00", FormatoLocale())), this);
  txtCostoCol_->setObjectName("txtCostoCol");
  txtCostoCol_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtCostoCol_->setMaximumWidth(110);
  (new FiltroTastiNumerici(true, this))->Installa(txtCostoCol_);

  mskIntestazione_ = new QLineEdit(QString::fromStdString(sistema_.IntestazioneStampa), this);
  mskIntestazione_->setObjectName("mskIntestazione");
  mskIntestazione_->setMinimumWidth(430);
  mskIntestazione_->setCursorPosition(0);

  cmbStampante_ = new QComboBox(this);
  cmbStampante_->setObjectName("cmbStampante");
  cmbStampante_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ElencaStampanti();

  auto* campi = new QFormLayout;
  campi->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  campi->setHorizontalSpacing(12);
  campi->setVerticalSpacing(10);
  campi->addRow("Costo Colonna  €", txtCostoCol_);
  campi->addRow("Intestazione stampa", mskIntestazione_);
  campi->addRow("Stampante Tabulato", cmbStampante_);

  auto* cmdSalva = new QPushButton("&Salva", this);
  cmdSalva->setObjectName("cmdSalva");
  // Enter in a box must not save behind the user's back.
  cmdSalva->setAutoDefault(false);
  cmdSalva->setMinimumWidth(96);
  connect(cmdSalva, &QPushButton::clicked, this, &frmImpostazioni::cmdSalva_Click);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  pulsanti->addWidget(cmdSalva);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 18, 18, 14);
  layout->setSpacing(16);
  layout->addLayout(campi);
  layout->addLayout(pulsanti);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  adjustSize();
  platform::CentraForm(this);
}

// The installed printers; the stored one is selected. When it is missing
// the first printer is selected instead and the user is told.
void frmImpostazioni::ElencaStampanti() {
  const QStringList stampanti = platform::StampantiInstallate();
  cmbStampante_->addItems(stampanti);
  const qsizetype indice = stampanti.indexOf(QString::fromStdString(sistema_.StampanteTabulato));
  if (stampanti.isEmpty()) {
    avvisoStampante_ = "Attenzione nessuna stampante installata";
  } else if (indice < 0) {
    avvisoStampante_ = "Attenzione selezionare una stampante";
    cmbStampante_->setCurrentIndex(0);
  } else {
    cmbStampante_->setCurrentIndex(static_cast<int>(indice));
  }
}

void frmImpostazioni::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (avvisoStampante_.isEmpty()) return;
  // After the window has appeared, so that the warning sits over it.
  QTimer::singleShot(0, this, [this, avviso = std::exchange(avvisoStampante_, QString())] {
    platform::MessageBox::Mostra(Icona::Critica, Pulsanti::Ok, "Importante", avviso, this);
  });
}

void frmImpostazioni::cmdSalva_Click() {
  std::optional<Centesimi> costo;
  try {
    costo = CostoColonnaDaTesto(txtCostoCol_->text().toStdString(), FormatoLocale());
  } catch (const ErroreRuntime& e) {
    platform::MessageBox::Mostra(MessaggioErrore(e, "cmdSalva_Click", "Form frmImpostazioni"), this);
    return;
  }
  if (!costo) {
    platform::MessageBox::Mostra(CostoColonnaNonValido(FormatoLocale()), this);
    txtCostoCol_->setFocus();
    txtCostoCol_->selectAll();
    return;
  }
  SalvaImpostazioni(sistema_.FileImpostazioni, *costo, mskIntestazione_->text().toStdString(),
                    cmbStampante_->currentText().toStdString());
  accept();
}

}  // namespace tlx::ui
