// The random reduced systems window: its choices, the slips it prints on the
// calibrated printer, its refusal while another run prints, a printer fault,
// the real CUPS queue and the main window's button. The interruption is the
// progress window's, tested there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "FinestraPrincipale.h"
#include "PdfProva.h"
#include "platform/StampanteQt.h"
#include "platform/Stampanti.h"
#include "printing/Schede.h"
#include "printing/SistemiRidotti.h"
#include "printing/StampanteRegistrata.h"
#include "ui/printing/frmPrnInCorso.h"
#include "ui/printing/frmRidottiRandom.h"
#include "ui/printing/frmTaratura.h"

namespace tlx::ui {
namespace {

namespace pdf = tlx::prova;
using platform::MessageBox;

struct RidottiTest : ::testing::Test {
  RidottiTest() {
    MessageBox::Registra();
    ImpostaPercorsi(*sistema, cartella.path().toStdString());
    sistema->CostoColonna = 150;
    sistema->IntestazioneStampa = "Ricevitoria del Corso";
  }
  ~RidottiTest() override {
    platform::ImpostaStampanteCorrente(nullptr);
    MessageBox::Azzera();
  }
  // The window drawing from `seme`, printing the calibration's printer with the number marker.
  std::unique_ptr<frmRidottiRandom> Finestra(int numeri, int sistemi, uint32_t seme, const QString& stampante) {
    QSettings ini(QString::fromStdString(sistema->FileTaraturaRidotti), QSettings::IniFormat);
    ini.setValue("Impostazioni/Nome_Stampante", stampante);
    ini.setValue("Impostazioni/Marcatore_Stampa", "1111");
    auto f = std::make_unique<frmRidottiRandom>(*sistema);
    f->ImpostaGeneratore([seme] { return std::mt19937(seme); });
    f->show();
    f->findChild<QPushButton*>(QString("optTipoRidotto%1").arg(numeri))->click();
    f->findChild<QScrollBar*>("scrollNsis")->setValue(sistemi);
    return f;
  }
  static void Stampa(frmRidottiRandom& f) { f.findChild<QPushButton*>("cmdStampa")->click(); }
  // What the same seed draws, each system ascending as the slip marks it.
  static std::vector<std::vector<uint8_t>> Attesi(uint32_t seme, int numeri, int sistemi) {
    std::mt19937 stesso(seme);
    auto attesi = GeneraRidottiCasuali(55, numeri, sistemi, stesso);
    for (auto& numeriSistema : attesi) std::ranges::sort(numeriSistema);
    return attesi;
  }

  QTemporaryDir cartella;
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
};

TEST_F(RidottiTest, TheCalibrationButtonOpensTheReducedSlipsOne) {
  auto f = Finestra(8, 3, 7, "");
  f->grab().save("frmRidottiRandom.png");
  QString aperta;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<frmTaratura*>(QApplication::activeModalWidget())) aperta = d->objectName(), d->reject();
  });
  f->findChild<QPushButton*>("cmdTaratura")->click();
  EXPECT_EQ(aperta, "frmTaraturaRidotti");
}

// The slips on the calibration's printer; refused while another run holds
// the printer; a printer fault reported.
TEST_F(RidottiTest, SlipsOnTheCalibratedPrinterRefusalAndFault) {
  StampanteRegistrata stampante({"Laser Ufficio", "Getto Cassa"}, "Laser Ufficio");
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra(8, 3, 42, "Getto Cassa");
  {
    PrenotazioneStampante altra(stampante);
    Stampa(*f);
  }
  EXPECT_EQ(std::tuple(MessageBox::Mostrati(), stampante.Documenti().size()), std::tuple(Messaggi{MessaggioStampaInCorso()}, 0U));

  MessageBox::Azzera();
  Stampa(*f);
  ASSERT_EQ(std::tuple(MessageBox::Mostrati().size(), stampante.Documenti().size()), std::tuple(0U, 1U));
  const DocumentoRegistrato& d = stampante.Documenti()[0];
  ASSERT_EQ(std::tuple(d.stampante, d.pagine.size()), std::tuple(std::string("Getto Cassa"), 3U));
  std::vector<std::vector<uint8_t>> segnati;  // each square carries its number
  for (const PaginaRegistrata& p : d.pagine) {
    segnati.emplace_back();
    for (size_t i = 1; i <= 8; ++i) segnati.back().push_back(static_cast<uint8_t>(std::stoi(p.Testi()[i])));
  }
  // The last slip's number, and its price: 5 columns of 1,50.
  EXPECT_EQ(std::tuple(segnati, d.pagine[2].Testo("Scheda n. ")->testo, d.pagine[2].Testo("   €")->testo),
            std::tuple(Attesi(42, 8, 3), "Scheda n. 03", "   € 7,50"));

  stampante.SimulaGuasto(5);
  Stampa(*f);
  const Messaggio guasto{Icona::Nessuna, Pulsanti::Ok, "",
                         "Error 482 (Printer error) in procedure StampaSchedaRidotti of Form frmRidottiRandom"};
  EXPECT_EQ(std::tuple(MessageBox::Mostrati(), f->isEnabled()), std::tuple(Messaggi{guasto}, true));
}

TEST_F(RidottiTest, ASlipThroughTheRealCupsQueue) {
  if (!pdf::UsaCodaCups()) GTEST_SKIP() << "no CUPS queue (scripts/cups-pdf.sh adds it)";
  platform::StampanteQt stampante;
  const QString nome = pdf::NomeDocumentoCups("tlx-ridotto");
  stampante.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&stampante);
  Stampa(*Finestra(6, 1, 3, pdf::CODA_CUPS));
  ASSERT_EQ(std::tuple(MessageBox::Mostrati().size(), stampante.Corrente()), std::tuple(0U, pdf::CODA_CUPS.toStdString()));
  const QString file = pdf::AttendiPdfCups(nome);
  ASSERT_FALSE(file.isEmpty()) << "no PDF from cups-pdf";
  EXPECT_EQ(pdf::PaginePdf(file), 1);
  const QImage pagina = pdf::PaginaPng(file, 1, QDir::current().filePath("ridotto-scheda.png"));
  const TaraturaScheda t = TaraturaPredefinita(LayoutScheda::Ridotti);
  for (const auto& sistemi = Attesi(3, 6, 1); uint8_t n : sistemi[0])
    EXPECT_TRUE(pdf::Scuro(pagina, PosizioneNumero(t, t.kTop, n).x + 3.5, PosizioneNumero(t, t.kTop, n).y + 3.5)) << int{n};
  EXPECT_TRUE(pdf::Scuro(pagina, 135.8, 108.9));  // the extra box
  QFile::remove(file);
}

// One window however often the button is pressed, modeless and no child of
// the main window: usable while the main window is disabled by a long run.
// Closing it during a run is the integration tests'.
TEST_F(RidottiTest, TheMainWindowOpensOneModelessWindow) {
  prova::FinestraPrincipale principale;
  auto* comando = principale.finestra->findChild<QToolButton*>("cmdRidotti");
  comando->click();
  comando->click();
  std::vector<frmRidottiRandom*> aperte;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* r = qobject_cast<frmRidottiRandom*>(w); r && r->isVisible()) aperte.push_back(r);
  ASSERT_EQ(aperte.size(), 1u);
  principale.finestra->setEnabled(false);
  EXPECT_EQ(std::tuple(aperte[0]->isModal(), aperte[0]->isEnabled()), std::tuple(false, true));
}

}  // namespace
}  // namespace tlx::ui
