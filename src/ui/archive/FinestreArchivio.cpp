#include "ui/archive/FinestreArchivio.h"

#include <QCloseEvent>
#include <QLabel>

#include "core/Sistema.h"

namespace tlx::ui {

QLabel* AvvisoElaborazione(QWidget* finestra) {
  auto* avviso = new QLabel("Elaborazione in corso", finestra);
  avviso->setObjectName("lbElaborazione");
  avviso->setAlignment(Qt::AlignCenter);
  avviso->setStyleSheet("color: #b00000; font-weight: bold;");
  avviso->hide();
  return avviso;
}

void ChiudiSoloInUscita(QCloseEvent* e, const Sistema& sistema) {
  if (Vero(sistema.ChiusuraApplicazione))
    e->accept();
  else
    e->ignore();
}

}  // namespace tlx::ui
