#include "ui/matrices/frmOrdinaPronostico.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QRandomGenerator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Finestre.h"
#include "ui/main/Icone.h"
#include "ui/matrices/IconeMatrici.h"
#include "ui/widgets/Tessere.h"

namespace tlx::ui {

frmOrdinaPronostico::frmOrdinaPronostico(Sistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema) {
  setObjectName("frmOrdinaPronostico");
  setWindowTitle("Ordine Pronostico");

  frameOrdinePronostico_ = new QFrame(this);
  frameOrdinePronostico_->setObjectName("frameOrdinePronostico");
  frameOrdinePronostico_->setFrameShape(QFrame::StyledPanel);
  tessere_ = new Tessere("labPronosticoOrdinato", NUMERI, 10, 12, frameOrdinePronostico_);
  l1_ = new QLabel(frameOrdinePronostico_);
  l1_->setObjectName("l1");
  l1_->setMinimumWidth(40);
  l1_->setStyleSheet("font: bold 14pt 'Calibri'; color: #0000c0;");
  auto* mescola = PulsanteFigura(frameOrdinePronostico_, "cmdPronosticoRnd", "Mescola i numeri", IconaMescola(), 36, 52);
  auto* elabora = PulsanteFigura(frameOrdinePronostico_, "cmdElabora", "Elabora Cruciverba", IconaPulsante("cmdCalcolo"), 36, 52);
  connect(mescola, &QToolButton::clicked, this, &frmOrdinaPronostico::MescolaNumeri);
  connect(elabora, &QToolButton::clicked, this, &QDialog::accept);
  connect(tessere_, &Tessere::trascinamento, l1_, &QLabel::setText);

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addWidget(l1_);
  pulsanti->addStretch();
  pulsanti->addWidget(mescola);
  pulsanti->addWidget(elabora);
  auto* interno = new QVBoxLayout(frameOrdinePronostico_);
  interno->addWidget(tessere_, 0, Qt::AlignHCenter);
  interno->addLayout(pulsanti);
  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(frameOrdinePronostico_);
  tutto->setSizeConstraint(QLayout::SetFixedSize);

  MostraPronostico();
  l1_->clear();
  adjustSize();
  platform::CentraForm(this);
}

void frmOrdinaPronostico::MostraPronostico() {
  LeggiPronosticoDaGriglia(sistema_);
  tessere_->Mostra(std::span(sistema_.Pronostico).first(sistema_.NumeriPronostico));
  frameOrdinePronostico_->setEnabled(sistema_.GuiBloccata == 0);
}

void frmOrdinaPronostico::MescolaNumeri() { tessere_->Mescola(QRandomGenerator::global()->generate()); }

void frmOrdinaPronostico::done(int esito) {
  const std::vector<uint8_t> ordine = tessere_->Numeri();
  std::copy(ordine.begin(), ordine.end(), sistema_.Pronostico.begin());
  QDialog::done(esito);
}

}  // namespace tlx::ui
