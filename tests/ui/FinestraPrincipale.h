#pragma once
// A main window over a system of its own, in a temporary data folder, with
// every message box scripted.

#include <QTemporaryDir>
#include <memory>

#include "core/Sistema.h"
#include "platform/MessageBox.h"
#include "ui/main/frmMAIN.h"

namespace tlx::ui::prova {

struct FinestraPrincipale {
  QTemporaryDir cartella;
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  std::unique_ptr<frmMAIN> finestra;

  FinestraPrincipale() {
    platform::MessageBox::Registra();
    ImpostaPercorsi(*sistema, cartella.path().toStdString());
    finestra = std::make_unique<frmMAIN>(*sistema);
    finestra->resize(900, 560);
    finestra->show();
  }
  ~FinestraPrincipale() {
    // The window's close question is not part of tearing a test down.
    finestra->hide();
    finestra.reset();
    platform::MessageBox::Azzera();
  }

  void Scegli(std::initializer_list<int> numeri) {
    for (int n : numeri) finestra->GrigliaNumeriClick(n - 1);
  }
};

}  // namespace tlx::ui::prova
