#include "ui/checking/FinestraSpoglio.h"

#include <QCloseEvent>

#include "platform/Attesa.h"

namespace tlx::ui {

void FinestraSpoglio::EseguiSpoglio(const std::function<void(const Cedi&)>& spoglio) {
  inCorso_ = true;
  interrompi_ = false;
  emit spoglioInCorso(true);
  spoglio([this] {
    platform::ElaboraEventi();
    return !interrompi_;
  });
  inCorso_ = false;
  emit spoglioInCorso(false);
}

void FinestraSpoglio::closeEvent(QCloseEvent* e) {
  // Closing stops a running check; the window is only hidden.
  interrompi_ = true;
  QWidget::closeEvent(e);
}

}  // namespace tlx::ui
