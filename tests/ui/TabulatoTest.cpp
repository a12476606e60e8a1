// The listing window: what it prints and where (Qt's own PDF read back),
// its refusal, copies, the listing printer, a printer fault, the real CUPS
// queue and the main window's command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "FinestraPrincipale.h"
#include "PdfProva.h"
#include "platform/StampanteQt.h"
#include "platform/Stampanti.h"
#include "printing/StampanteRegistrata.h"
#include "printing/Tabulato.h"
#include "ui/main/FormatoLocale.h"
#include "ui/printing/frmTabulato.h"

namespace tlx::ui {
namespace {

namespace pdf = tlx::prova;

struct TabulatoTest : ::testing::Test {
  TabulatoTest() {
    platform::MessageBox::Registra();
    sistema->IntestazioneStampa = "Ricevitoria del Corso";
    sistema->CostoColonna = 100;
    sistema->TitoloSistema = "Integrale";
    sistema->StampanteTabulato = "Laser Ufficio";
  }
  ~TabulatoTest() override {
    platform::ImpostaStampanteCorrente(nullptr);
    platform::MessageBox::Azzera();
  }
  void Colonne(int n) {
    for (int c = 1; c <= n; ++c)
      for (int p = 0; p < 5; ++p) sistema->Colonne.Colonna(c)[p] = static_cast<uint8_t>((c * 7 + p * 11) % 55 + 1);
    sistema->NumeroColonne = n;
  }
  void Cruciverba() {
    sistema->TitoloSistema = "CRUCIVERBA";
    sistema->NumeriPronostico = 25;
    for (int i = 0; i < 25; ++i) sistema->Pronostico[static_cast<size_t>(i)] = static_cast<uint8_t>(51 - 2 * i);
    Colonne(12);
  }
  // Opens the window and prints with the boxes as given.
  std::unique_ptr<frmTabulato> Stampa(bool pronostico = true, bool colonne = true, int copie = 1) {
    auto f = std::make_unique<frmTabulato>(*sistema, [] { return QString("prova.tlqvx"); }, [this] { ++impostazioni; });
    f->show();
    f->findChild<QCheckBox*>("chkProno")->setChecked(pronostico);
    f->findChild<QCheckBox*>("chkCol")->setChecked(colonne);
    f->findChild<QScrollBar*>("VsCopie")->setValue(copie);
    f->findChild<QPushButton*>("cmdStampa")->click();
    return f;
  }

  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  int impostazioni = 0;
};

TEST_F(TabulatoTest, CopiesPrinterRefusalFaultAndSettings) {
  Colonne(40);
  StampanteRegistrata stampante({"Getto Cassa", "Laser Ufficio"}, "Getto Cassa");
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Stampa(true, true, 3);
  ASSERT_EQ(stampante.Documenti().size(), 3u);  // each copy a document of its own
  for (const DocumentoRegistrato& d : stampante.Documenti()) {
    EXPECT_EQ(d.stampante, "Laser Ufficio");
    EXPECT_EQ(d.pagine.size(), 1u);
  }

  f = Stampa(false, false);
  EXPECT_EQ(stampante.Documenti().size(), 3u);
  EXPECT_EQ(platform::MessageBox::Mostrati(), Messaggi{MessaggioNessunaScelta()});
  EXPECT_TRUE(f->isEnabled());

  platform::MessageBox::Azzera();
  stampante.SimulaGuasto(40);
  f = Stampa();
  EXPECT_EQ(platform::MessageBox::Mostrati(),
            Messaggi{(Messaggio{Icona::Nessuna, Pulsanti::Ok, "", "Error 482 (Printer error) in procedure Stampa Tabulato"})});
  EXPECT_EQ(stampante.Aperto(), nullptr);  // the unfinished document is ended
  EXPECT_TRUE(f->isEnabled());
  EXPECT_FALSE(stampante.Occupata());

  f->findChild<QPushButton*>("cmdImpostazioni")->click();
  EXPECT_EQ(impostazioni, 1);
  f->grab().save("frmTabulato.png");
}

// The first word of every line of Qt's PDF where the layout puts it, and a
// few absolute positions.
TEST_F(TabulatoTest, TextsGridAndPagesOnQtsPdf) {
  QTemporaryDir dir;
  for (const bool cruciverba : {false, true}) {
    if (cruciverba) Cruciverba();
    else Colonne(200);
    const QString file = dir.filePath(cruciverba ? "cruciverba.pdf" : "tabulato.pdf");
    platform::StampanteQt stampante(file);
    platform::ImpostaStampanteCorrente(&stampante);
    Stampa(!cruciverba);
    ASSERT_TRUE(platform::MessageBox::Mostrati().empty());
    EXPECT_EQ(pdf::PaginePdf(file), cruciverba ? 1 : 2);

    platform::StampanteQt misura(dir.filePath("misura.pdf"));
    misura.ImpostaUnita(UnitaStampa::Twip);
    const MetricaStampante metrica(misura);
    const Tabulato t(*sistema, "prova.tlqvx", {true, !cruciverba, true}, FormatoLocale(), metrica);
    const auto parole = pdf::ParolePdf(file);
    for (int n = 1; n <= t.NumeroPagine(); ++n) {
      for (const RigaTesto& riga : t.ImpaginaPagina(n).righe) {
        const QString prima = QString::fromStdString(riga.Testo()).split(' ', Qt::SkipEmptyParts).value(0);
        if (prima.isEmpty() || prima.startsWith(QChar(0x2014))) continue;
        const double x = riga.x / TWIP_PER_MM, y = riga.y / TWIP_PER_MM;
        EXPECT_TRUE(std::ranges::any_of(parole, [&](const auto& w) {
          return w.pagina == n && w.testo == prima && std::abs(w.x - x) < 0.2 && std::abs(w.y - y) < 0.2;
        })) << n << ": " << riga.Testo() << " at " << x << ", " << y;
      }
    }
    pdf::PaginaPng(file, 1, QDir::current().filePath(cruciverba ? "tabulato-cruciverba.png" : "tabulato-pagina1.png"));
    // The arrangement row by row in squares from 55 mm down, the grid's
    // right edge within the printable width.
    for (int i : cruciverba ? std::vector{0, 6, 24} : std::vector<int>{}) {
      const auto w = std::ranges::find(parole, QString::number(51 - 2 * i).rightJustified(2, '0'), &pdf::ParolaPdf::testo);
      ASSERT_NE(w, parole.end()) << i;
      EXPECT_NEAR(w->x, 100 + 20 * (i % 5) + 2.5, 0.5) << i;
      EXPECT_NEAR(w->y, 55 + 20 * (i / 5) + 20.0 / 6, 0.5) << i;
    }
    platform::ImpostaStampanteCorrente(nullptr);
  }
}

TEST_F(TabulatoTest, AListingThroughTheRealCupsQueue) {
  if (!pdf::UsaCodaCups()) GTEST_SKIP() << "no CUPS queue (scripts/cups-pdf.sh adds it)";
  Cruciverba();
  sistema->StampanteTabulato = pdf::CODA_CUPS.toStdString();
  platform::StampanteQt stampante;
  const QString nome = pdf::NomeDocumentoCups("tlx-tabulato");
  stampante.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&stampante);
  Stampa(false);
  ASSERT_TRUE(platform::MessageBox::Mostrati().empty());
  const QString file = pdf::AttendiPdfCups(nome);
  ASSERT_FALSE(file.isEmpty()) << "no PDF from cups-pdf";
  EXPECT_EQ(pdf::PaginePdf(file), 1);
  const QImage pagina = pdf::PaginaPng(file, 1, QDir::current().filePath("tabulato-cups.png"));
  // The crossword grid's lines at 100 mm from the left, and no ink inside an
  // empty square.
  EXPECT_TRUE(pdf::Scuro(pagina, 100, 100));
  EXPECT_TRUE(pdf::Scuro(pagina, 150, 155));
  EXPECT_FALSE(pdf::Scuro(pagina, 150, 80));
  QFile::remove(file);
}

TEST_F(TabulatoTest, TheMainWindowsCommandOpensIt) {
  prova::FinestraPrincipale principale;
  principale.Scegli({1, 2, 3, 4, 5, 6});
  principale.finestra->ElaboraSistema();
  QString aperta;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<frmTabulato*>(QApplication::activeModalWidget())) {
      aperta = d->windowTitle();
      d->reject();
    }
  });
  principale.finestra->findChild<QToolButton*>("cmdTabulato")->click();
  EXPECT_EQ(aperta, "Stampa Tabulato");
}

}  // namespace
}  // namespace tlx::ui
