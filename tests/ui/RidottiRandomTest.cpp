// The random reduced systems window: its choices, the slips it prints on the
// calibrated printer, its refusal while another run prints, a printer fault
// and the real CUPS queue in the calibrated quality. The interruption is the
// progress window's, tested there; the main window's button the integration
// tests'.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>

#include "PdfProva.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/Schede.h"
#include "printing/SistemiRidotti.h"
#include "printing/StampanteRegistrata.h"
#include "ui/printing/FigureStampa.h"
#include "ui/printing/frmPrnInCorso.h"
#include "ui/printing/frmRidottiRandom.h"

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
    platform::ImpostaStampanteCorrente(&stampante);
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
    f->findChild<QPushButton*>(QString("optTipoRidotto%1").arg(numeri))->click();
    f->findChild<QScrollBar*>("scrollNsis")->setValue(sistemi);
    return f;
  }
  static void Stampa(frmRidottiRandom& f) { f.findChild<QPushButton*>("cmdStampa")->click(); }

  QTemporaryDir cartella;
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  StampanteRegistrata stampante{{"Laser Ufficio", "Getto Cassa"}, "Laser Ufficio"};
};

// The slips on the calibration's printer; refused, with the other run's
// printer kept, while another run holds it; a printer fault reported.
TEST_F(RidottiTest, SlipsOnTheCalibratedPrinterRefusalAndFault) {
  auto f = Finestra(8, 3, 42, "Getto Cassa");
  f->grab().save("frmRidottiRandom.png");
  auto altra = std::make_unique<PrenotazioneStampante>(stampante);
  Stampa(*f);
  altra.reset();
  EXPECT_EQ(std::tuple(MessageBox::Mostrati(), stampante.Documenti().size(), stampante.Corrente()),
            std::tuple(Messaggi{MessaggioStampaInCorso()}, 0U, "Laser Ufficio"));

  MessageBox::Azzera();
  Stampa(*f);
  const DocumentoRegistrato& d = stampante.Documenti().at(0);
  ASSERT_EQ(std::tuple(MessageBox::Mostrati().size(), stampante.Documenti().size(), d.stampante, d.pagine.size()),
            std::tuple(0U, 1U, "Getto Cassa", 3U));
  std::vector<std::vector<uint8_t>> segnati(3);  // each square carries its number
  for (size_t s = 0; s < 3; ++s)
    for (size_t i = 1; i <= 8; ++i) segnati[s].push_back(static_cast<uint8_t>(std::stoi(d.pagine[s].Testi()[i])));
  std::mt19937 stesso(42);  // the same draws, each system ascending as the slip marks it
  auto attesi = GeneraRidottiCasuali(55, 8, 3, stesso);
  for (auto& sistemaAtteso : attesi) std::ranges::sort(sistemaAtteso);
  // The last slip's number, and its price: 5 columns of 1,50, which the window's slip shows too.
  const std::string prezzo = d.pagine[2].Testo("   €")->testo;
  EXPECT_EQ(std::tuple(segnati, d.pagine[2].Testo("Scheda n. ")->testo, prezzo),
            std::tuple(attesi, "Scheda n. 03", "   € 7,50"));
  EXPECT_EQ(f->findChild<QLabel*>("imgScheda")->pixmap().toImage(), FiguraSchedaRidotto(8, QString::fromStdString(prezzo)));

  stampante.SimulaGuasto(5);
  Stampa(*f);
  const Messaggio guasto{Icona::Nessuna, Pulsanti::Ok, "", "Error 482 (Printer error) in procedure StampaSchedaRidotti of Form frmRidottiRandom"};
  EXPECT_EQ(std::tuple(MessageBox::Mostrati(), f->isEnabled()), std::tuple(Messaggi{guasto}, true));
}

// The slip's marks where the calibration puts them; the calibration's print quality, draft and then high,
// is what the queue's job asks for.
TEST_F(RidottiTest, ASlipThroughTheRealCupsQueueInTheCalibratedQuality) {
  if (!pdf::UsaCodaCups()) GTEST_SKIP() << "no CUPS queue (scripts/cups-pdf.sh adds it)";
  platform::StampanteQt suCups;
  platform::ImpostaStampanteCorrente(&suCups);
  QStringList qualita;
  for (const QString codice : {"-1", "-4"}) {
    const QString nome = pdf::NomeDocumentoCups("tlx-ridotto" + codice);
    suCups.ImpostaNomeDocumento(nome);
    QSettings(QString::fromStdString(sistema->FileTaraturaRidotti), QSettings::IniFormat).setValue("Impostazioni/Qualita_Stampa", codice);
    Stampa(*Finestra(6, 1, 3, pdf::CODA_CUPS));
    ASSERT_EQ(std::tuple(MessageBox::Mostrati().size(), suCups.Corrente()), std::tuple(0U, pdf::CODA_CUPS.toStdString()));
    const QString file = pdf::AttendiPdfCups(nome);
    ASSERT_EQ(pdf::PaginePdf(file), 1) << "no PDF from cups-pdf, or more pages than systems";
    qualita << pdf::QualitaLavoroCups(nome);
    const QImage pagina = pdf::PaginaPng(file, 1, QDir::current().filePath("ridotto-scheda.png"));
    const TaraturaScheda t = TaraturaPredefinita(LayoutScheda::Ridotti);
    std::mt19937 stesso(3);
    for (const auto& sistemi = GeneraRidottiCasuali(55, 6, 1, stesso); uint8_t n : sistemi[0])
      EXPECT_TRUE(pdf::Scuro(pagina, PosizioneNumero(t, t.kTop, n).x + 3.5, PosizioneNumero(t, t.kTop, n).y + 3.5)) << int{n};
    QFile::remove(file);
  }
  EXPECT_EQ(qualita.join(", ").toStdString(), "draft 150dpi, high 1200dpi");
}

}  // namespace
}  // namespace tlx::ui
