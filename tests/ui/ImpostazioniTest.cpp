#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/Impostazioni.h"
#include "platform/MessageBox.h"
#include "platform/Stampanti.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/main/frmImpostazioni.h"

namespace tlx::ui {
namespace {

class ImpostazioniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ImpostaPercorsi(*sistema, cartella.path().toStdString());
    sistema->StampanteTabulato = "Laser Ufficio";
    platform::MessageBox::Registra();
    platform::ImpostaStampantiSimulate({"Laser Ufficio", "Getto Cassa"});
  }
  // Opens the window on the settings in force and lets its load-time warning, if any, come up.
  void Apri() {
    finestra = std::make_unique<frmImpostazioni>(*sistema);
    finestra->show();
    QCoreApplication::processEvents();
  }
  QLineEdit* Campo(const char* nome) const { return finestra->findChild<QLineEdit*>(nome); }
  void Salva() const { QTest::mouseClick(finestra->findChild<QPushButton*>("cmdSalva"), Qt::LeftButton); }
  // The settings file as written, read by a reader of its own.
  QSettings Scritte() const { return {QString::fromStdString(sistema->FileImpostazioni), QSettings::IniFormat}; }

  QTemporaryDir cartella;
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  std::unique_ptr<frmImpostazioni> finestra;
};

TEST_F(ImpostazioniTest, ABadCostOrClosingWritesNothingAndSalvaStoresTheCostInHundredths) {
  Apri();
  const Messaggio rifiuto{Icona::Critica, Pulsanti::Ok, "Importante",
                          "Attenzione costo colonna non valido: da 0 a 999.999,99 euro, con al massimo due decimali"};
  const std::pair<const char*, Messaggio> casi[] = {
      {",", {Icona::Nessuna, Pulsanti::Ok, "", "Error 13 (Type mismatch) in procedure cmdSalva_Click of Form frmImpostazioni"}},
      {"9999999999999", rifiuto}, {"1,255", rifiuto}, {"1.50", rifiuto}};
  for (const auto& [costo, messaggio] : casi) {
    platform::MessageBox::Azzera();
    Campo("txtCostoCol")->setText(costo);
    Salva();
    EXPECT_EQ(platform::MessageBox::Mostrati(), std::vector{messaggio}) << costo;
    EXPECT_TRUE(finestra->isVisible());
  }
  Campo("txtCostoCol")->setText("9,99");
  finestra->close();
  EXPECT_TRUE(Scritte().allKeys().isEmpty());

  Apri();  // the cost in force, prefilled in the user's format, saves as it stands
  finestra->grab().save("frmImpostazioni.png");
  EXPECT_EQ(Campo("txtCostoCol")->text(), "1,00");
  Salva();
  EXPECT_EQ(Scritte().value("Impostazioni/costo_colonna").toString(), "100");
  Apri();
  Campo("txtCostoCol")->setText("1,50");
  Campo("mskIntestazione")->setText("RICEVITORIA DEL CORSO");
  finestra->findChild<QComboBox*>("cmbStampante")->setCurrentIndex(1);
  Salva();
  EXPECT_EQ(Scritte().value("Impostazioni/costo_colonna").toString(), "150");
  ReadConfiguration(*sistema);
  EXPECT_EQ(sistema->CostoColonna, 150);
  EXPECT_EQ(sistema->IntestazioneStampa, "RICEVITORIA DEL CORSO");
  EXPECT_EQ(sistema->StampanteTabulato, "Getto Cassa");
}

TEST_F(ImpostazioniTest, AMissingPrinterIsReportedAndTheFirstInstalledOneTakesItsPlace) {
  for (const auto& [installate, avviso] : {std::pair{QStringList{"P1", "P2"}, "Attenzione selezionare una stampante"},
                                           std::pair{QStringList{}, "Attenzione nessuna stampante installata"}}) {
    platform::MessageBox::Azzera();
    platform::ImpostaStampantiSimulate(installate);
    sistema->StampanteTabulato = "Stampante Dismessa";
    Apri();
    ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
    EXPECT_EQ(platform::MessageBox::Mostrati()[0].testo, avviso);
    EXPECT_EQ(finestra->findChild<QComboBox*>("cmbStampante")->currentText(), installate.value(0));
  }
}

}  // namespace
}  // namespace tlx::ui
