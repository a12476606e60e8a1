// The print-in-progress window and the run it watches: the slip label, the
// interrupt question answered while the run yields and the printer held by
// one run at a time. A fault in the run is the reduced-system window's test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/StampanteRegistrata.h"
#include "ui/printing/frmPrnInCorso.h"

namespace tlx::ui {
namespace {

struct StampaConAvanzamento : ::testing::Test {
  StampaConAvanzamento() {
    platform::MessageBox::Registra();
    platform::ImpostaStampanteCorrente(&stampante);
  }
  ~StampaConAvanzamento() override {
    platform::ImpostaStampanteCorrente(nullptr);
    platform::MessageBox::Azzera();
  }
  std::optional<EsitoStampa> Stampa(std::function<void(int32_t)> dopoScheda = {}) {
    return EseguiStampaSchede(*sistema, nullptr, 1, 10, [&](int32_t n) {
      stampante.Stampa("Scheda " + std::to_string(n));
      if (dopoScheda) dopoScheda(n);
    }, "StampaScheda1Colonna", "frmStampa");
  }
  static frmPrnInCorso* Finestra() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* f = qobject_cast<frmPrnInCorso*>(w); f && f->isVisible()) return f;
    return nullptr;
  }

  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  StampanteRegistrata stampante;
};

// The user clicks while the run yields before slips 3 and 4: "No" lets it go
// on, "Si" stops it with three slips printed. A second run started meanwhile
// (e.g. from the reduced-system window) is refused.
TEST_F(StampaConAvanzamento, InterruzioneConfermataPrimaDellaQuartaScheda) {
  sistema->StampaInterrotta = VERO;  // a flag left from an earlier run is cleared
  std::vector<QString> etichette;
  const auto esito = Stampa([&](int32_t n) {
    etichette.push_back(Finestra()->etichetta()->text());
    if (n == 1) {
      Finestra()->grab().save("frmPrnInCorso.png");
      EXPECT_EQ(Stampa(), std::nullopt);
    }
    if (n < 2) return;
    platform::MessageBox::Accoda(n == 2 ? Risposta::No : Risposta::Si);
    QTimer::singleShot(0, [] { Finestra()->interrompi()->click(); });
  });
  EXPECT_EQ(esito, EsitoStampa::Interrotta);
  EXPECT_EQ(stampante.Documenti().at(0).pagine.size(), 3U);
  EXPECT_EQ(Finestra(), nullptr) << "the progress window is unloaded";
  EXPECT_EQ(etichette, (std::vector<QString>{"Scheda n. 00001", "Scheda n. 00002", "Scheda n. 00003"}));
  const Messaggio domanda{Icona::Domanda, Pulsanti::SiNo, "Stampa in corso...", "Sicuro di interrompere la stampa ?"};
  EXPECT_EQ(platform::MessageBox::Mostrati(), (Messaggi{MessaggioStampaInCorso(), domanda, domanda}));
  EXPECT_FALSE(stampante.Occupata());
}

}  // namespace
}  // namespace tlx::ui
