// The settings window: what it shows, the printer warnings, the cost box's
// key filter and the round trip through the settings file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/Impostazioni.h"
#include "core/Sistema.h"
#include "platform/MessageBox.h"
#include "platform/Stampanti.h"
#include "ui/main/FormatoLocale.h"
#include "ui/main/frmImpostazioni.h"

namespace tlx::ui {
namespace {

class ImpostazioniTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cartella_.isValid());
    ImpostaPercorsi(*sistema_, cartella_.path().toStdString());
    ReadConfiguration(*sistema_, FormatoLocale());
    platform::MessageBox::Registra();
    platform::ImpostaStampantiSimulate({"Laser Ufficio", "Getto Cassa"});
  }

  // Shows the window and lets its load-time warning, if any, come up.
  static void Mostra(frmImpostazioni& finestra) {
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    QCoreApplication::processEvents();
  }

  template <typename T>
  static T* Controllo(frmImpostazioni& finestra, const char* nome) {
    T* controllo = finestra.findChild<T*>(nome);
    EXPECT_NE(controllo, nullptr) << nome;
    return controllo;
  }

  static void Salva(frmImpostazioni& finestra) {
    QTest::mouseClick(Controllo<QPushButton>(finestra, "cmdSalva"), Qt::LeftButton);
  }

  QString FileImpostazioni() const { return QString::fromStdString(sistema_->FileImpostazioni); }

  QTemporaryDir cartella_;
  std::unique_ptr<Sistema> sistema_ = std::make_unique<Sistema>();
};

TEST_F(ImpostazioniTest, ShowsTheSettingsInForceWithTheCostInTheUsersFormat) {
  sistema_->CostoColonna = 1.5f;
  sistema_->StampanteTabulato = "Getto Cassa";
  frmImpostazioni finestra(*sistema_);
  Mostra(finestra);

  EXPECT_EQ(finestra.windowTitle(), "Impostazioni");
  EXPECT_EQ(Controllo<QLineEdit>(finestra, "txtCostoCol")->text(), "1,50");
  EXPECT_EQ(Controllo<QLineEdit>(finestra, "mskIntestazione")->text(), INTESTAZIONE_PREDEFINITA.data());
  auto* cmbStampante = Controllo<QComboBox>(finestra, "cmbStampante");
  ASSERT_EQ(cmbStampante->count(), 2);
  EXPECT_EQ(cmbStampante->itemText(0), "Laser Ufficio");
  EXPECT_EQ(cmbStampante->currentText(), "Getto Cassa");
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
}

TEST_F(ImpostazioniTest, SavedSettingsReadBackAndTheCostIsStoredInHundredths) {
  {
    frmImpostazioni finestra(*sistema_);
    Mostra(finestra);
    Controllo<QLineEdit>(finestra, "txtCostoCol")->setText("1,50");
    Controllo<QLineEdit>(finestra, "mskIntestazione")->setText("RICEVITORIA DEL CORSO");
    Controllo<QComboBox>(finestra, "cmbStampante")->setCurrentIndex(1);
    Salva(finestra);
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_EQ(finestra.result(), QDialog::Accepted);
  }

  QFile file(FileImpostazioni());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  EXPECT_TRUE(QString::fromUtf8(file.readAll()).split('\n').contains("costo_colonna=150"));

  ReadConfiguration(*sistema_, FormatoLocale());
  EXPECT_FLOAT_EQ(sistema_->CostoColonna, 1.5f);
  EXPECT_EQ(sistema_->IntestazioneStampa, "RICEVITORIA DEL CORSO");
  EXPECT_EQ(sistema_->StampanteTabulato, "Getto Cassa");

  // The next opening shows what was saved.
  frmImpostazioni riaperta(*sistema_);
  EXPECT_EQ(Controllo<QLineEdit>(riaperta, "txtCostoCol")->text(), "1,50");
  EXPECT_EQ(Controllo<QComboBox>(riaperta, "cmbStampante")->currentText(), "Getto Cassa");
}

TEST_F(ImpostazioniTest, ACostWithoutANumberIsReportedAndTheWindowStaysOpen) {
  frmImpostazioni finestra(*sistema_);
  Mostra(finestra);
  for (const QString costo : {"", ",", "."}) {
    platform::MessageBox::Azzera();
    Controllo<QLineEdit>(finestra, "txtCostoCol")->setText(costo);
    Salva(finestra);

    ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u) << costo.toStdString();
    const Messaggio& m = platform::MessageBox::Mostrati().front();
    EXPECT_EQ(m.testo, "Error 13 (Type mismatch) in procedure cmdSalva_Click of Form frmImpostazioni");
    EXPECT_EQ(m.icona, Icona::Nessuna);
    EXPECT_EQ(m.pulsanti, Pulsanti::Ok);
    EXPECT_EQ(m.titolo, "");
    EXPECT_TRUE(finestra.isVisible());
    EXPECT_FALSE(QFile::exists(FileImpostazioni()));
  }
}

TEST_F(ImpostazioniTest, ClosingWithoutSavingWritesNothing) {
  SalvaImpostazioni(sistema_->FileImpostazioni, "2", "PRIMA", "Laser Ufficio", FormatoLocale());
  QFile file(FileImpostazioni());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray prima = file.readAll();
  file.close();

  ReadConfiguration(*sistema_, FormatoLocale());
  frmImpostazioni finestra(*sistema_);
  Mostra(finestra);
  Controllo<QLineEdit>(finestra, "txtCostoCol")->setText("9,99");
  Controllo<QLineEdit>(finestra, "mskIntestazione")->setText("DOPO");
  finestra.close();
  EXPECT_FALSE(finestra.isVisible());
  EXPECT_EQ(finestra.result(), QDialog::Rejected);

  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), prima);
}

TEST_F(ImpostazioniTest, AStoredPrinterThatIsNotInstalledIsReplacedByTheFirstWithAWarning) {
  for (const std::string stampante : {"N/A", "Stampante Dismessa"}) {
    platform::MessageBox::Azzera();
    sistema_->StampanteTabulato = stampante;
    frmImpostazioni finestra(*sistema_);
    Mostra(finestra);

    ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u) << stampante;
    const Messaggio& m = platform::MessageBox::Mostrati().front();
    EXPECT_EQ(m.testo, "Attenzione selezionare una stampante");
    EXPECT_EQ(m.icona, Icona::Critica);
    EXPECT_EQ(m.pulsanti, Pulsanti::Ok);
    EXPECT_EQ(m.titolo, "Importante");
    EXPECT_EQ(Controllo<QComboBox>(finestra, "cmbStampante")->currentText(), "Laser Ufficio");
  }
}

TEST_F(ImpostazioniTest, WithoutPrintersWarnsOnceAndSavesAnEmptyPrinterName) {
  platform::ImpostaStampantiSimulate({});
  frmImpostazioni finestra(*sistema_);
  Mostra(finestra);
  finestra.hide();
  finestra.show();
  QCoreApplication::processEvents();

  ASSERT_EQ(platform::MessageBox::Mostrati().size(), 1u);
  const Messaggio& m = platform::MessageBox::Mostrati().front();
  EXPECT_EQ(m.testo, "Attenzione nessuna stampante installata");
  EXPECT_EQ(m.icona, Icona::Critica);
  EXPECT_EQ(m.titolo, "Importante");
  EXPECT_EQ(Controllo<QComboBox>(finestra, "cmbStampante")->count(), 0);

  Salva(finestra);
  ReadConfiguration(*sistema_, FormatoLocale());
  EXPECT_EQ(sistema_->StampanteTabulato, "");
}

TEST_F(ImpostazioniTest, TheCostBoxTakesDigitsAndSeparatorsOnlyAndEnterMovesOn) {
  frmImpostazioni finestra(*sistema_);
  Mostra(finestra);
  finestra.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
  auto* txtCostoCol = Controllo<QLineEdit>(finestra, "txtCostoCol");
  txtCostoCol->setFocus();
  txtCostoCol->clear();

  QTest::keyClicks(txtCostoCol, "1a,5 0x.-");
  QTest::sendKeyEvent(QTest::Click, txtCostoCol, Qt::Key_unknown, QStringLiteral("€"), Qt::NoModifier);
  EXPECT_EQ(txtCostoCol->text(), "1,50.");
  QTest::keyClick(txtCostoCol, Qt::Key_Backspace);
  EXPECT_EQ(txtCostoCol->text(), "1,50");

  // Navigation keys keep working.
  QTest::keyClick(txtCostoCol, Qt::Key_Home);
  QTest::keyClick(txtCostoCol, Qt::Key_Delete);
  QTest::keyClick(txtCostoCol, Qt::Key_End);
  QTest::keyClick(txtCostoCol, Qt::Key_Left);
  QTest::keyClicks(txtCostoCol, "2");
  EXPECT_EQ(txtCostoCol->text(), ",520");

  QTest::keyClick(txtCostoCol, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), Controllo<QLineEdit>(finestra, "mskIntestazione"));
  EXPECT_TRUE(finestra.isVisible());
  EXPECT_FALSE(QFile::exists(FileImpostazioni()));

  finestra.grab().save("frmImpostazioni.png");
}

}  // namespace
}  // namespace tlx::ui
