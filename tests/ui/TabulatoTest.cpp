// The listing window: what it prints and where (Qt's own PDF read back),
// the logo beside the system's name in Qt's measures, its refusal, copies,
// the listing printer, a printer fault and the real CUPS queue. The main
// window's command is one line of wiring, left to use.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "PdfProva.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "printing/StampanteRegistrata.h"
#include "printing/Tabulato.h"
#include "ui/shared/FormatoLocale.h"
#include "ui/printing/frmTabulato.h"

namespace tlx::ui {
namespace {

namespace pdf = tlx::prova;
using platform::MessageBox;

struct TabulatoTest : ::testing::Test {
  TabulatoTest() {
    MessageBox::Registra();
    sistema->IntestazioneStampa = "Ricevitoria del Corso";
    sistema->StampanteTabulato = "Laser Ufficio";
    misura.ImpostaUnita(UnitaStampa::Twip);
  }
  ~TabulatoTest() override {
    platform::ImpostaStampanteCorrente(nullptr);
    MessageBox::Azzera();
  }
  void Colonne(int n) {
    for (int c = 1; c <= n; ++c)
      for (int p = 0; p < 5; ++p) sistema->Colonne.Colonna(c)[p] = static_cast<uint8_t>((c * 7 + p * 11) % 55 + 1);
    sistema->NumeroColonne = n;
  }
  // Opens the window and prints with the boxes as given.
  std::unique_ptr<frmTabulato> Stampa(bool pronostico = true, bool colonne = true, int copie = 1) {
    auto f = std::make_unique<frmTabulato>(*sistema, [] { return QString("prova.tlqvx"); }, [] {});
    f->findChild<QCheckBox*>("chkProno")->setChecked(pronostico);
    f->findChild<QCheckBox*>("chkCol")->setChecked(colonne);
    f->findChild<QScrollBar*>("VsCopie")->setValue(copie);
    f->findChild<QPushButton*>("cmdStampa")->click();
    return f;
  }

  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  QTemporaryDir dir;
  // Qt's own measures of the listing's texts, in twips.
  platform::StampanteQt misura{dir.filePath("misura.pdf")};
  const MetricaStampante metrica{misura};
};

TEST_F(TabulatoTest, CopiesPrinterRefusalAndFault) {
  Colonne(40);
  StampanteRegistrata stampante({"Getto Cassa", "Laser Ufficio"}, "Getto Cassa");
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Stampa(true, true, 3);
  std::vector<std::pair<std::string, size_t>> copie;  // each copy a document of its own, on the listing's printer
  for (const DocumentoRegistrato& d : stampante.Documenti()) copie.emplace_back(d.stampante, d.pagine.size());
  EXPECT_EQ(copie, (std::vector<std::pair<std::string, size_t>>(3, {"Laser Ufficio", 1})));

  f = Stampa(false, false);
  EXPECT_EQ(std::tuple(stampante.Documenti().size(), MessageBox::Mostrati(), f->isEnabled()),
            std::tuple(3U, Messaggi{MessaggioNessunaScelta()}, true));

  MessageBox::Azzera();
  stampante.SimulaGuasto(40);
  f = Stampa();
  const Messaggio guasto{Icona::Nessuna, Pulsanti::Ok, "", "Error 482 (Printer error) in procedure Stampa Tabulato"};
  // The unfinished document is ended, the printer free again.
  EXPECT_EQ(std::tuple(MessageBox::Mostrati(), stampante.Aperto(), f->isEnabled(), stampante.Occupata()),
            std::tuple(Messaggi{guasto}, nullptr, true, false));

  f->grab().save("frmTabulato.png");
}

// The first word of every line of Qt's PDF, over two pages, where the layout
// puts it. The crossword's grid and big numbers are the CUPS print's.
TEST_F(TabulatoTest, TextsAndPagesOnQtsPdf) {
  Colonne(200);
  const QString file = dir.filePath("tabulato.pdf");
  platform::StampanteQt stampante(file);
  platform::ImpostaStampanteCorrente(&stampante);
  Stampa();
  ASSERT_EQ(std::tuple(MessageBox::Mostrati().size(), pdf::PaginePdf(file)), std::tuple(0U, 2));
  pdf::PaginaPng(file, 1, QDir::current().filePath("tabulato-pagina1.png"));

  const Tabulato t(*sistema, "prova.tlqvx", {true, true, true}, FormatoLocale(), metrica);
  const auto parole = pdf::ParolePdf(file);
  for (int n = 1; n <= t.NumeroPagine(); ++n)
    for (const RigaTesto& riga : t.ImpaginaPagina(n).righe) {
      const QString prima = QString::fromStdString(riga.Testo()).split(' ', Qt::SkipEmptyParts).value(0);
      if (prima.isEmpty() || prima.startsWith(QChar(0x2014))) continue;
      const double x = riga.x / TWIP_PER_MM, y = riga.y / TWIP_PER_MM;
      EXPECT_TRUE(std::ranges::any_of(parole, [&](const auto& w) {
        return w.pagina == n && w.testo == prima && std::abs(w.x - x) < 0.2 && std::abs(w.y - y) < 0.2;
      })) << n << ": " << riga.Testo() << " at " << x << ", " << y;
    }
}

// The logo stands beside the system's name: at its usual place for a short
// name, pushed to the right of a long one instead of over it.
TEST_F(TabulatoTest, TheLogoStandsClearOfALongSystemName) {
  sistema->NumeroColonne = 1;
  for (const std::string nome : {"prova.tlqvx", "Sistema della domenica con fisse e filtri.tlqvx"}) {
    const Pagina pagina = Tabulato(*sistema, nome, {true, true, true}, FormatoLocale(), metrica).ImpaginaPagina(1);
    const auto riga = std::ranges::find_if(pagina.righe, [](const RigaTesto& r) { return r.Testo().starts_with("Nome"); });
    const auto logo = std::ranges::find_if(pagina.immagini, [](const auto& i) { return i.figura == Figura::Logo; });
    ASSERT_TRUE(riga != pagina.righe.end() && logo != pagina.immagini.end()) << nome;
    EXPECT_GT(logo->x, riga->x + metrica.Larghezza(CARATTERE_TABULATO, riga->Testo())) << nome;
    EXPECT_EQ(std::pair(logo->y, logo->x == 4000), std::pair(riga->y, nome.size() < 20)) << nome;
  }
}

TEST_F(TabulatoTest, ACrosswordListingThroughTheRealCupsQueue) {
  if (!pdf::UsaCodaCups()) GTEST_SKIP() << "no CUPS queue (scripts/cups-pdf.sh adds it)";
  sistema->TitoloSistema = "CRUCIVERBA";
  sistema->NumeriPronostico = 25;
  for (size_t i = 0; i < 25; ++i) sistema->Pronostico[i] = static_cast<uint8_t>(51 - 2 * i);
  Colonne(12);
  sistema->StampanteTabulato = pdf::CODA_CUPS.toStdString();
  platform::StampanteQt stampante;
  const QString nome = pdf::NomeDocumentoCups("tlx-tabulato");
  stampante.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&stampante);
  Stampa(false);
  const QString file = pdf::AttendiPdfCups(nome);
  ASSERT_EQ(std::tuple(MessageBox::Mostrati().size(), pdf::PaginePdf(file)), std::tuple(0U, 1)) << "one page from cups-pdf";
  const QImage pagina = pdf::PaginaPng(file, 1, QDir::current().filePath("tabulato-cups.png"));
  // The grid's lines at 100 mm from the left and within the sheet, no ink inside an empty square.
  EXPECT_EQ(std::tuple(pdf::Scuro(pagina, 100, 100), pdf::Scuro(pagina, 150, 155), pdf::Scuro(pagina, 150, 80)),
            std::tuple(true, true, false));
  QFile::remove(file);
}

}  // namespace
}  // namespace tlx::ui
