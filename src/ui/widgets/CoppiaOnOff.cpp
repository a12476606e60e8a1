#include "ui/widgets/CoppiaOnOff.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/widgets/Colori.h"

namespace tlx::ui {

namespace {
// A border in the style sheet keeps the style from shading the colours.
QString Stile(uint32_t sfondo, uint32_t testo) {
  return QString("QPushButton{background-color:%1;color:%2;border:1px solid #7a7a7a;padding:4px 10px;}")
      .arg(ColoreBgr(sfondo).name(), ColoreBgr(testo).name());
}
}  // namespace

CoppiaOnOff::CoppiaOnOff(QWidget* parent) : QWidget(parent), gruppo_(new QButtonGroup(this)) {
  auto* riga = new QHBoxLayout(this);
  riga->setContentsMargins(0, 0, 0, 0);
  riga->setSpacing(6);
  for (int i = 0; i < 2; ++i) {
    auto* opzione = new QPushButton(i == 0 ? "ON" : "OFF", this);
    opzione->setObjectName(i == 0 ? "opzioneON" : "opzioneOFF");
    opzione->setCheckable(true);
    // Enter in a box of the window must not press a switch.
    opzione->setAutoDefault(false);
    opzione->setMinimumWidth(56);
    gruppo_->addButton(opzione, i);
    riga->addWidget(opzione);
  }
  gruppo_->setExclusive(true);
  MostraStato(1);
  connect(gruppo_, &QButtonGroup::idClicked, this, [this](int indice) {
    const int precedente = indice_;
    MostraStato(indice);
    emit opzioneCliccata(indice, precedente);
  });
}

void CoppiaOnOff::MostraStato(int indice) {
  indice_ = indice == 0 ? 0 : 1;
  for (int i = 0; i < 2; ++i) {
    QPushButton* opzione = Opzione(i);
    const bool premuta = i == indice_;
    opzione->setStyleSheet(premuta ? Stile(colori::GIALLO, colori::NERO)
                                   : Stile(colori::FACCIA_PULSANTE, colori::TESTO_GRIGIO));
    opzione->setChecked(premuta);
  }
}

int CoppiaOnOff::Indice() const { return indice_; }

QPushButton* CoppiaOnOff::Opzione(int indice) const { return static_cast<QPushButton*>(gruppo_->button(indice)); }

}  // namespace tlx::ui
