#include "ui/widgets/FinestraAvanzamento.h"

#include <QCloseEvent>

namespace tlx::ui {

FinestraAvanzamento::FinestraAvanzamento(Sistema& sistema, Flag& interrompi, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      sistema_(sistema),
      interrompi_(interrompi) {}

void FinestraAvanzamento::closeEvent(QCloseEvent* e) {
  if (!Vero(sistema_.ChiusuraApplicazione)) {
    e->ignore();
    return;
  }
  interrompi_ = VERO;
  e->accept();
}

}  // namespace tlx::ui
