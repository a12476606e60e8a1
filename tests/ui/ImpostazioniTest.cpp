#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "GuastiFile.h"
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

TEST_F(ImpostazioniTest, ABadCostAFullOrReadOnlyFolderOrClosingWriteNothingAndSalvaStoresTheCostInHundredths) {
  Apri();
  const Messaggio rifiuto{Icona::Critica, Pulsanti::Ok, "Importante",
                          "Attenzione costo colonna non valido: da 0 a 999.999,99 euro, con al massimo due decimali"};
  const auto errore = [](const std::string& e) {
    return Messaggio{Icona::Nessuna, Pulsanti::Ok, "", e + " in procedure cmdSalva_Click of Form frmImpostazioni"};
  };
  // A good cost the data folder can't take, full or read-only: the save's own error. The file stays as it was.
  using Guasto = std::function<std::shared_ptr<void>()>;
  const Guasto nessuno = [] { return nullptr; }, pieno = [] { return std::make_shared<prova::DiscoPieno>(); };
  const Guasto solaLettura = [this] { return std::make_shared<prova::SolaLettura>(cartella.path().toStdString()); };
  // What the box may hold is the typed-cost table's.
  const std::tuple<const char*, Guasto, Messaggio> casi[] = {
      {",", nessuno, errore("Error 13 (Type mismatch)")}, {"1.50", nessuno, rifiuto},
      {"2,50", pieno, errore("Error 61 (Disk full)")}, {"2,50", solaLettura, errore("Error 70 (Permission denied)")}};
  for (const auto& [costo, guasto, messaggio] : casi) {
    platform::MessageBox::Azzera();
    Campo("txtCostoCol")->setText(costo);
    {
      const auto attivo = guasto();
      Salva();
    }
    // The window stays open with what the user typed.
    EXPECT_EQ(std::tuple(platform::MessageBox::Mostrati(), finestra->isVisible(), Campo("txtCostoCol")->text()),
              std::tuple(std::vector{messaggio}, true, QString(costo)));
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
  ReadConfiguration(*sistema);
  EXPECT_EQ(std::tuple(Scritte().value("Impostazioni/costo_colonna").toString(), sistema->CostoColonna,
                       sistema->IntestazioneStampa, sistema->StampanteTabulato),
            std::tuple("150", 150, "RICEVITORIA DEL CORSO", "Getto Cassa"));
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // the box follows the user's format
  Apri();
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  EXPECT_EQ(Campo("txtCostoCol")->text(), "1.50");
}

// A settings file that can't be read shows the defaults, no printer chosen included; "Salva" writes the values on
// screen in its place, whole. Anything else in its place is refused with the save's error and stays.
TEST_F(ImpostazioniTest, AnUnreadableFileIsReplacedOnSaveAndNoFileInItsPlaceIsRefused) {
  const std::filesystem::path file = sistema->FileImpostazioni;
  const Messaggio seleziona{Icona::Critica, Pulsanti::Ok, "Importante", "Attenzione selezionare una stampante"};
  for (const prova::Intralcio& intralcio : prova::InIntralcio("Impostazioni")) {
    SCOPED_TRACE(intralcio.nome);
    platform::MessageBox::Azzera();
    intralcio.crea(file);
    const std::string prima = prova::Natura(file);
    ReadConfiguration(*sistema);
    Apri();
    EXPECT_EQ(std::pair(Campo("txtCostoCol")->text(), Campo("mskIntestazione")->text()),
              std::pair(QString("1,00"), QString(INTESTAZIONE_PREDEFINITA.data())));
    Campo("txtCostoCol")->setText("1,50");
    Campo("mskIntestazione")->setText("RICEVITORIA DEL CORSO");
    finestra->findChild<QComboBox*>("cmbStampante")->setCurrentIndex(1);
    Salva();
    if (intralcio.regolare) {
      EXPECT_EQ(std::tuple(platform::MessageBox::Mostrati(), finestra->isVisible(), prova::Inizio(file)),
                std::tuple(Messaggi{seleziona}, false, std::string("[Impostazioni]\r\ncosto_colonna=150\r\nintestazione_stampa=RICEVITORIA DEL CORSO"
                                                          "\r\nstampante_tabulato=Getto Cassa\r\n")));
      ReadConfiguration(*sistema);
      EXPECT_EQ(std::tuple(sistema->CostoColonna, sistema->IntestazioneStampa, sistema->StampanteTabulato),
                std::tuple(150, "RICEVITORIA DEL CORSO", "Getto Cassa"));
    } else {
      EXPECT_EQ(std::tuple(platform::MessageBox::Mostrati(), finestra->isVisible(), prova::Natura(file)),
                std::tuple(Messaggi{seleziona, {Icona::Nessuna, Pulsanti::Ok, "",
                                     "Error 75 (Path/File access error) in procedure cmdSalva_Click of Form frmImpostazioni"}},
                           true, prima));
    }
    std::filesystem::remove(file);
  }
}

// The stored printer when it is the first installed one, the only one included, is chosen without a word.
TEST_F(ImpostazioniTest, AMissingPrinterIsReportedAndTheFirstInstalledOneTakesItsPlace) {
  const std::tuple<QStringList, const char*, std::vector<std::string>> casi[] = {
      {{"P1", "P2"}, "Stampante Dismessa", {"Attenzione selezionare una stampante"}},
      {{}, "Stampante Dismessa", {"Attenzione nessuna stampante installata"}},
      {{"TremaluxorPDF"}, "TremaluxorPDF", {}},
      {{"P1", "P2"}, "P1", {}},
  };
  for (const auto& [installate, memorizzata, avvisi] : casi) {
    platform::MessageBox::Azzera();
    platform::ImpostaStampantiSimulate(installate);
    sistema->StampanteTabulato = memorizzata;
    Apri();
    std::vector<std::string> mostrati;
    for (const Messaggio& m : platform::MessageBox::Mostrati()) mostrati.push_back(m.testo);
    EXPECT_EQ(std::pair(mostrati, finestra->findChild<QComboBox*>("cmbStampante")->currentText().toStdString()),
              std::pair(avvisi, installate.value(0).toStdString()))
        << memorizzata;
  }
}

}  // namespace
}  // namespace tlx::ui
