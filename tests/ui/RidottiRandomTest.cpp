// The random reduced systems window: its choices, the slips it prints on the
// calibrated printer, its refusal while another run prints, a printer fault,
// the real CUPS queue and the main window's button. The interruption is the
// progress window's, tested there.
#include <gtest/gtest.h>

#include <QAction>
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

struct RidottiTest : ::testing::Test {
  RidottiTest() {
    platform::MessageBox::Registra();
    ImpostaPercorsi(*sistema, cartella.path().toStdString());
    sistema->CostoColonna = 150;
    sistema->IntestazioneStampa = "Ricevitoria del Corso";
  }
  ~RidottiTest() override {
    platform::ImpostaStampanteCorrente(nullptr);
    platform::MessageBox::Azzera();
  }
  std::unique_ptr<frmRidottiRandom> Finestra(int numeri, int sistemi, uint32_t seme = 7) {
    auto f = std::make_unique<frmRidottiRandom>(*sistema);
    f->ImpostaGeneratore([seme] { return std::mt19937(seme); });
    f->show();
    f->findChild<QPushButton*>(QString("optTipoRidotto%1").arg(numeri))->click();
    f->findChild<QScrollBar*>("scrollNsis")->setValue(sistemi);
    return f;
  }
  static void Stampa(frmRidottiRandom& f) { f.findChild<QPushButton*>("cmdStampa")->click(); }
  void Taratura(std::initializer_list<std::pair<const char*, QString>> chiavi) const {
    QSettings ini(QString::fromStdString(sistema->FileTaraturaRidotti), QSettings::IniFormat);
    for (const auto& [chiave, valore] : chiavi) ini.setValue(QString("Impostazioni/") + chiave, valore);
  }

  QTemporaryDir cartella;
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
};

TEST_F(RidottiTest, ChoicesTheirBoundsAndTheCalibrationButton) {
  auto f = Finestra(8, 1);
  for (const auto& [valore, atteso] : {std::pair{0, 1}, {51, 50}, {3, 3}}) {
    f->findChild<QScrollBar*>("scrollNsis")->setValue(valore);
    EXPECT_EQ(f->NumeroSistemi(), atteso);
    EXPECT_EQ(f->findChild<QLabel*>("lblNumRidotti")->text(), QString::number(atteso));
  }
  f->grab().save("frmRidottiRandom.png");

  QString aperta;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<frmTaratura*>(QApplication::activeModalWidget())) {
      aperta = d->objectName();
      d->reject();
    }
  });
  f->findChild<QPushButton*>("cmdTaratura")->click();
  EXPECT_EQ(aperta, "frmTaraturaRidotti");
}

// The slips on the calibration's printer; refused while another run holds
// the printer; a printer fault reported.
TEST_F(RidottiTest, SlipsOnTheCalibratedPrinterRefusalAndFault) {
  Taratura({{"Nome_Stampante", "Getto Cassa"}, {"Marcatore_Stampa", "1111"}});
  StampanteRegistrata stampante({"Laser Ufficio", "Getto Cassa"}, "Laser Ufficio");
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra(8, 3, 42);
  {
    PrenotazioneStampante altra(stampante);
    Stampa(*f);
  }
  EXPECT_EQ(platform::MessageBox::Mostrati(), Messaggi{MessaggioStampaInCorso()});
  EXPECT_TRUE(stampante.Documenti().empty());

  platform::MessageBox::Azzera();
  Stampa(*f);
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
  ASSERT_EQ(stampante.Documenti().size(), 1u);
  const DocumentoRegistrato& d = stampante.Documenti()[0];
  EXPECT_EQ(d.stampante, "Getto Cassa");
  ASSERT_EQ(d.pagine.size(), 3u);
  std::mt19937 stesso(42);
  const auto attesi = GeneraRidottiCasuali(55, 8, 3, stesso);
  for (size_t s = 0; s < 3; ++s) {
    const PaginaRegistrata& p = d.pagine[s];
    EXPECT_EQ(p.Testo("Scheda n. ")->testo, "Scheda n. 0" + std::to_string(s + 1));
    EXPECT_EQ(p.Testo("   €")->testo, "   € 7,50");  // 5 columns of 1,50
    std::vector<uint8_t> segnati;  // each square carries its number
    for (size_t i = 1; i <= 8; ++i) segnati.push_back(static_cast<uint8_t>(std::stoi(p.Testi()[i])));
    std::vector<uint8_t> sistema = attesi[s];
    std::ranges::sort(sistema);
    EXPECT_EQ(segnati, sistema) << "slip " << s + 1;
  }

  stampante.SimulaGuasto(5);
  Stampa(*f);
  EXPECT_EQ(platform::MessageBox::Mostrati(),
            Messaggi{(Messaggio{Icona::Nessuna, Pulsanti::Ok, "",
                                "Error 482 (Printer error) in procedure StampaSchedaRidotti of Form frmRidottiRandom"})});
  EXPECT_TRUE(f->isEnabled());
}

TEST_F(RidottiTest, ASlipThroughTheRealCupsQueue) {
  if (!pdf::UsaCodaCups()) GTEST_SKIP() << "no CUPS queue (scripts/cups-pdf.sh adds it)";
  Taratura({{"Nome_Stampante", pdf::CODA_CUPS}, {"Marcatore_Stampa", "1111"}});
  platform::StampanteQt stampante;
  const QString nome = pdf::NomeDocumentoCups("tlx-ridotto");
  stampante.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra(6, 1, 3);
  Stampa(*f);
  ASSERT_TRUE(platform::MessageBox::Mostrati().empty());
  EXPECT_EQ(stampante.Corrente(), pdf::CODA_CUPS.toStdString());
  const QString file = pdf::AttendiPdfCups(nome);
  ASSERT_FALSE(file.isEmpty()) << "no PDF from cups-pdf";
  EXPECT_EQ(pdf::PaginePdf(file), 1);
  const QImage pagina = pdf::PaginaPng(file, 1, QDir::current().filePath("ridotto-scheda.png"));
  std::mt19937 stesso(3);
  const TaraturaScheda t = TaraturaPredefinita(LayoutScheda::Ridotti);
  const auto sistemi = GeneraRidottiCasuali(55, 6, 1, stesso);
  for (uint8_t n : sistemi[0]) {
    const PuntoMm a = PosizioneNumero(t, t.kTop, n);
    EXPECT_TRUE(pdf::Scuro(pagina, a.x + 3.5, a.y + 3.5)) << int{n};
  }
  EXPECT_TRUE(pdf::Scuro(pagina, 135.8, 108.9));  // the extra box
  QFile::remove(file);
}

TEST_F(RidottiTest, TheMainWindowOpensOneModelessWindow) {
  prova::FinestraPrincipale principale;
  auto* comando = principale.finestra->findChild<QToolButton*>("cmdRidotti");
  comando->click();
  comando->click();
  std::vector<frmRidottiRandom*> aperte;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* r = qobject_cast<frmRidottiRandom*>(w); r && r->isVisible()) aperte.push_back(r);
  ASSERT_EQ(aperte.size(), 1u);
  EXPECT_FALSE(aperte[0]->isModal());
  aperte[0]->close();
  EXPECT_TRUE(principale.finestra->isEnabled());

  // Closed while the slip window keeps the main window disabled: it stays so.
  principale.Scegli({1, 2, 3, 4, 5, 6});
  principale.finestra->ElaboraSistema();
  comando->click();
  principale.finestra->findChild<QAction*>("menuschedine")->trigger();
  ASSERT_FALSE(principale.finestra->isEnabled());
  EXPECT_TRUE(aperte[0]->isEnabled());  // usable beside the slip window
  aperte[0]->close();
  EXPECT_FALSE(principale.finestra->isEnabled());
  // The slip window has no parent: left open it would outlive this system.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "frmStampa" && w->isVisible()) w->close();
}

}  // namespace
}  // namespace tlx::ui
