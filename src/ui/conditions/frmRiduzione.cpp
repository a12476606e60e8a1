#include "ui/conditions/frmRiduzione.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "conditions/Condizioni.h"
#include "platform/MessageBox.h"

namespace tlx::ui {

DialogoRiduzione::DialogoRiduzione(Sistema& sistema, Flag& interruttore, const char* nome, const QString& titolo,
                                   const QString& titoloCondizione, const char* nomeRiquadro,
                                   const QString& titoloRiquadro, const char* nomeBarra, const char* nomeEtichetta,
                                   int minimo, int massimo, int valore, QWidget* parent)
    : DialogoCondizione(sistema, interruttore, nome, titolo, "optCond", titoloCondizione, parent) {
  Cornice()->setObjectName("frameCondizione");
  auto* riquadro = Riquadro(nomeRiquadro, titoloRiquadro, Cornice());
  barra_ = new QScrollBar(Qt::Horizontal, riquadro);
  barra_->setObjectName(nomeBarra);
  barra_->setRange(minimo, massimo);
  barra_->setPageStep(1);
  barra_->setMinimumWidth(160);
  etichetta_ = CasellaValore(nomeEtichetta, QString(), riquadro);
  connect(barra_, &QScrollBar::valueChanged, etichetta_, [this](int v) { etichetta_->setText(QString::number(v)); });
  barra_->setValue(valore);
  etichetta_->setText(QString::number(barra_->value()));

  auto* riga = new QHBoxLayout(riquadro);
  riga->setSpacing(12);
  riga->addWidget(barra_, 1);
  riga->addWidget(etichetta_);
  Corpo()->addWidget(riquadro);
  Completa();
}

frmDistanzaMinima::frmDistanzaMinima(Sistema& sistema, QWidget* parent)
    : DialogoRiduzione(sistema, sistema.DistanzaMinima.Attivo, "frmDistanzaMinima", " Ridotto Distanza Minima",
                       "Condizione", "framePresenze", "Distanza", "hsDistanzaMinima", "lblDistanzaMinima", 1, 5,
                       // A distance out of range is corrected and written at once.
                       sistema.DistanzaMinima.Distanza = DistanzaCorretta(sistema.DistanzaMinima.Distanza), parent) {}

bool frmDistanzaMinima::Chiusura() {
  sistema_.DistanzaMinima.Distanza = static_cast<uint8_t>(barra_->value());
  if (Vero(sistema_.DistanzaMinima.Attivo) && Vero(sistema_.Condizioni.RidottoAttivo)) {
    platform::MessageBox::Mostra(kIncompatibileConGaranzia, this);
    sistema_.Condizioni.RidottoAttivo = FALSO;
  }
  return true;
}

frmRidotto::frmRidotto(Sistema& sistema, QWidget* parent)
    : DialogoRiduzione(sistema, sistema.Condizioni.RidottoAttivo, "frmRidotto", "Ridotto a Garanzia",
                       "Condizione    ", "frameNx", "N-x", "hsRidottoNx", "lblRidottoNx", 0, 4,
                       // A guarantee out of range is corrected and written at once.
                       sistema.Condizioni.Garanzia = GaranziaCorretta(sistema.Condizioni.Garanzia), parent) {}

bool frmRidotto::Chiusura() {
  sistema_.Condizioni.Garanzia = static_cast<uint8_t>(barra_->value());
  if (Vero(sistema_.Condizioni.RidottoAttivo) && Vero(sistema_.DistanzaMinima.Attivo)) {
    platform::MessageBox::Mostra(kIncompatibileConDistanza, this);
    sistema_.DistanzaMinima.Attivo = FALSO;
  }
  return true;
}

}  // namespace tlx::ui
