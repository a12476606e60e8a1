// The print-in-progress window and the run it watches: the slip label, the
// interrupt question answered while the run yields, the printer held by one
// run at a time, and a printer fault reported after the document is ended.
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
// on, "Si" stops it with three slips printed.
TEST_F(StampaConAvanzamento, InterruzioneConfermataPrimaDellaQuartaScheda) {
  sistema->StampaInterrotta = VERO;  // a flag left from an earlier run is cleared
  std::vector<QString> etichette;
  const auto esito = Stampa([&](int32_t n) {
    etichette.push_back(Finestra()->etichetta()->text());
    if (n == 1) Finestra()->grab().save("frmPrnInCorso.png");
    if (n < 2) return;
    platform::MessageBox::Accoda(n == 2 ? Risposta::No : Risposta::Si);
    QTimer::singleShot(0, [] { Finestra()->interrompi()->click(); });
  });
  EXPECT_EQ(esito, EsitoStampa::Interrotta);
  EXPECT_EQ(stampante.Documenti().at(0).pagine.size(), 3U);
  EXPECT_EQ(Finestra(), nullptr) << "the progress window is unloaded";
  EXPECT_EQ(etichette, (std::vector<QString>{"Scheda n. 00001", "Scheda n. 00002", "Scheda n. 00003"}));
  const Messaggio domanda{Icona::Domanda, Pulsanti::SiNo, "Stampa in corso...", "Sicuro di interrompere la stampa ?"};
  EXPECT_EQ(platform::MessageBox::Mostrati(), (Messaggi{domanda, domanda}));
  EXPECT_FALSE(stampante.Occupata());
}

TEST_F(StampaConAvanzamento, UnaSolaStampaAllaVolta) {
  std::optional<std::optional<EsitoStampa>> seconda;
  const auto prima = Stampa([&](int32_t n) {
    if (n == 2) seconda = Stampa();  // e.g. the reduced-system window's run
  });
  EXPECT_EQ(prima, EsitoStampa::Completata);
  ASSERT_TRUE(seconda.has_value());
  EXPECT_EQ(*seconda, std::nullopt);
  EXPECT_EQ(platform::MessageBox::Mostrati(), Messaggi{MessaggioStampaInCorso()});
  EXPECT_EQ(stampante.Documenti().at(0).pagine.size(), 10U);
}

TEST_F(StampaConAvanzamento, GuastoRiferitoDopoLaFineDelDocumento) {
  stampante.SimulaGuasto(4);
  EXPECT_EQ(Stampa(), EsitoStampa::Guasto);
  EXPECT_EQ(stampante.Documenti().at(0).pagine.size(), 4U);
  EXPECT_EQ(platform::MessageBox::Mostrati(),
            Messaggi{(Messaggio{Icona::Nessuna, Pulsanti::Ok, "",
                                "Error 482 (Printer error) in procedure StampaScheda1Colonna of Form frmStampa"})});
  EXPECT_EQ(Finestra(), nullptr);
  EXPECT_FALSE(stampante.Occupata());
}

}  // namespace
}  // namespace tlx::ui
