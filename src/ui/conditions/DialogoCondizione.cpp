#include "ui/conditions/DialogoCondizione.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/Finestre.h"
#include "ui/widgets/CoppiaOnOff.h"

namespace tlx::ui {

QGroupBox* Riquadro(const char* nome, const QString& titolo, QWidget* parent) {
  auto* riquadro = new QGroupBox(titolo, parent);
  riquadro->setObjectName(nome);
  return riquadro;
}

QLabel* CasellaValore(const char* nome, const QString& testo, QWidget* parent) {
  auto* casella = new QLabel(testo, parent);
  casella->setObjectName(nome);
  casella->setFrameShape(QFrame::Panel);
  casella->setFrameShadow(QFrame::Sunken);
  casella->setAlignment(Qt::AlignCenter);
  casella->setMinimumWidth(casella->fontMetrics().horizontalAdvance("00") + 20);
  return casella;
}

DialogoCondizione::DialogoCondizione(Sistema& sistema, Flag& interruttore, const char* nome, const QString& titolo,
                                     const char* nomeInterruttore, const QString& titoloCondizione,
                                     QWidget* parent)
    : QDialog(parent), sistema_(sistema), flag_(interruttore) {
  setObjectName(nome);
  setWindowTitle(titolo);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  cornice_ = new QFrame(this);
  cornice_->setObjectName("cornice");
  corpo_ = new QVBoxLayout(cornice_);
  corpo_->setContentsMargins(0, 0, 0, 0);
  corpo_->setSpacing(10);

  condizione_ = Riquadro("frameStatoCond", titoloCondizione, cornice_);
  interruttore_ = new CoppiaOnOff(condizione_);
  interruttore_->setObjectName(nomeInterruttore);
  auto* riga = new QHBoxLayout(condizione_);
  riga->addStretch();
  riga->addWidget(interruttore_);
  riga->addStretch();
  connect(interruttore_, &CoppiaOnOff::opzioneCliccata, this,
          [this](int indice) { flag_ = indice == 0 ? VERO : FALSO; });

  auto* esterno = new QVBoxLayout(this);
  esterno->setContentsMargins(14, 14, 14, 14);
  esterno->addWidget(cornice_);
  esterno->setSizeConstraint(QLayout::SetFixedSize);
}

void DialogoCondizione::Completa() {
  // The switch goes below the dialog's own controls.
  corpo_->addWidget(condizione_);
  // Any non-zero switch reads as ON; showing it writes nothing.
  interruttore_->MostraStato(Vero(flag_) ? 0 : 1);
  cornice_->setEnabled(sistema_.GuiBloccata == 0);
  platform::AdattaAlTitolo(this);
  adjustSize();
  platform::CentraForm(this);
}

void DialogoCondizione::reject() {
  if (Chiusura()) QDialog::reject();
}

}  // namespace tlx::ui
