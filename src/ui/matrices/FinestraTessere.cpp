#include "ui/matrices/FinestraTessere.h"

#include <QFrame>
#include <QLabel>
#include <QRandomGenerator>
#include <QToolButton>

#include "platform/Finestre.h"
#include "ui/matrices/IconeMatrici.h"
#include "ui/matrices/Tessere.h"

namespace tlx::ui {

FinestraTessere::FinestraTessere(Sistema& sistema, const QString& nomeTessere, int quante, int perRiga, qreal punti,
                                 int latoIcona, int latoPulsante, QWidget* parent)
    : QDialog(parent), sistema_(sistema) {
  frameOrdinePronostico_ = new QFrame(this);
  frameOrdinePronostico_->setObjectName("frameOrdinePronostico");
  frameOrdinePronostico_->setFrameShape(QFrame::StyledPanel);
  tessere_ = new Tessere(nomeTessere, quante, perRiga, punti, frameOrdinePronostico_);
  l1_ = new QLabel(frameOrdinePronostico_);
  l1_->setObjectName("l1");
  mescola_ = PulsanteFigura(frameOrdinePronostico_, "cmdPronosticoRnd", "Mescola i numeri", IconaMescola(), latoIcona,
                            latoPulsante);
  connect(mescola_, &QToolButton::clicked, this, &FinestraTessere::MescolaNumeri);
  connect(tessere_, &Tessere::trascinamento, l1_, &QLabel::setText);
}

void FinestraTessere::Completa() {
  l1_->clear();
  adjustSize();
  platform::CentraForm(this);
}

void FinestraTessere::MescolaNumeri() { tessere_->Mescola(QRandomGenerator::global()->generate()); }

}  // namespace tlx::ui
