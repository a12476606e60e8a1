#include "ui/matrices/frmOrdinaPronostico.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/shared/Icone.h"
#include "ui/matrices/IconeMatrici.h"
#include "ui/matrices/Tessere.h"

namespace tlx::ui {

frmOrdinaPronostico::frmOrdinaPronostico(Sistema& sistema, QWidget* parent)
    : FinestraTessere(sistema, "labPronosticoOrdinato", NUMERI, 10, 12, 36, 52, parent) {
  setObjectName("frmOrdinaPronostico");
  setWindowTitle("Ordine Pronostico");

  l1_->setMinimumWidth(40);
  l1_->setStyleSheet("font: bold 14pt 'Calibri'; color: #0000c0;");
  auto* elabora = PulsanteFigura(frameOrdinePronostico_, "cmdElabora", "Elabora Cruciverba", IconaPulsante("cmdCalcolo"), 36, 52);
  connect(elabora, &QToolButton::clicked, this, &QDialog::accept);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addWidget(l1_);
  pulsanti->addStretch();
  pulsanti->addWidget(mescola_);
  pulsanti->addWidget(elabora);
  auto* interno = new QVBoxLayout(frameOrdinePronostico_);
  interno->addWidget(tessere_, 0, Qt::AlignHCenter);
  interno->addLayout(pulsanti);
  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(frameOrdinePronostico_);
  tutto->setSizeConstraint(QLayout::SetFixedSize);

  MostraPronostico();
  Completa();
}

void frmOrdinaPronostico::MostraPronostico() {
  LeggiPronosticoDaGriglia(sistema_);
  tessere_->Mostra(std::span(sistema_.Pronostico).first(sistema_.NumeriPronostico));
  frameOrdinePronostico_->setEnabled(sistema_.GuiBloccata == 0);
}

void frmOrdinaPronostico::done(int esito) {
  const std::vector<uint8_t> ordine = tessere_->Numeri();
  std::copy(ordine.begin(), ordine.end(), sistema_.Pronostico.begin());
  QDialog::done(esito);
}

}  // namespace tlx::ui
