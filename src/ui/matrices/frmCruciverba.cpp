#include "ui/matrices/frmCruciverba.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "matrices/Cruciverba.h"
#include "ui/shared/Icone.h"
#include "ui/matrices/IconeMatrici.h"
#include "ui/matrices/Tessere.h"

namespace tlx::ui {

frmCruciverba::frmCruciverba(Sistema& sistema, QWidget* parent)
    : FinestraTessere(sistema, "lblPronostico", matrix::CELLE_CRUCIVERBA, 5, 20.25, 40, 58, parent) {
  setObjectName("frmCruciverba");
  setWindowTitle("Cruciverba");

  l1_->setAlignment(Qt::AlignCenter);
  l1_->setMinimumHeight(36);
  l1_->setStyleSheet("font: bold 18pt 'Calibri'; color: #0000c0;");
  auto* elabora = PulsanteFigura(frameOrdinePronostico_, "cmdCruciverba", "Elabora Cruciverba", IconaPulsante("cmdCruciverba"), 40, 58);
  connect(elabora, &QToolButton::clicked, this, &frmCruciverba::cmdCruciverba_Click);

  lblDescr1_ = new QLabel("Fai click su Mescola Numeri oppure", this);
  lblDescr1_->setObjectName("lblDescr1");
  lblDescr2_ = new QLabel("trascina i numeri per cambiargli posto", this);
  lblDescr2_->setObjectName("lblDescr2");
  for (QLabel* l : {lblDescr1_, lblDescr2_}) {
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet("font-style: italic; color: #1d5f8a;");
  }

  auto* laterale = new QVBoxLayout;
  laterale->addWidget(mescola_);
  laterale->addWidget(l1_);
  laterale->addStretch();
  laterale->addWidget(elabora);
  auto* interno = new QHBoxLayout(frameOrdinePronostico_);
  interno->addWidget(tessere_);
  interno->addLayout(laterale);
  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(frameOrdinePronostico_);
  tutto->addWidget(lblDescr1_);
  tutto->addWidget(lblDescr2_);
  tutto->setSizeConstraint(QLayout::SetFixedSize);

  MostraPronostico();
  Completa();
}

void frmCruciverba::MostraPronostico() {
  // A crossword system keeps its arrangement in Pronostico.
  if (sistema_.TitoloSistema.Trimmed() != matrix::TITOLO_CRUCIVERBA) LeggiPronosticoDaGriglia(sistema_);
  tessere_->Mostra(std::span(sistema_.Pronostico).first(sistema_.NumeriPronostico));
  const bool modificabile = sistema_.GuiBloccata == 0;
  frameOrdinePronostico_->setEnabled(modificabile);
  lblDescr1_->setVisible(modificabile);
  lblDescr2_->setVisible(modificabile);
}

void frmCruciverba::cmdCruciverba_Click() {
  const std::vector<uint8_t> numeri = tessere_->Numeri();
  if (numeri.size() != matrix::CELLE_CRUCIVERBA) return;
  std::array<uint8_t, matrix::CELLE_CRUCIVERBA> disposizione{};
  std::copy(numeri.begin(), numeri.end(), disposizione.begin());
  matrix::SviluppaCruciverba(sistema_, disposizione);
  accept();
}

}  // namespace tlx::ui
