// The slip window from the main window: the slip count and range boxes, the
// refused ranges, a run on the calibrated printer, the columns per slip of
// the chosen type, and the slips printed for real: on Qt's PDF output (text
// positions, rendered pages) and through the machine's CUPS queue.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "FinestraPrincipale.h"
#include "PdfProva.h"
#include "platform/StampanteQt.h"
#include "platform/Stampanti.h"
#include "printing/Schede.h"
#include "printing/StampanteRegistrata.h"
#include "ui/printing/frmStampa.h"

namespace tlx::ui {
namespace {

using platform::MessageBox;
using Tipo = OperazioneStampa::Tipo;
namespace pdf = tlx::prova;

struct FinestraSchedine : ::testing::Test {
  FinestraSchedine() {
    platform::ImpostaStampanteCorrente(&stampante);
    Sistema& s = *f.sistema;
    // 12 columns: column c holds c, c+1, c+2, c+3 and 55.
    for (int32_t c = 1; c <= 12; ++c) {
      uint8_t* col = s.Colonne.Colonna(c);
      for (int i = 0; i < 4; ++i) col[i] = static_cast<uint8_t>(c + i);
      col[4] = 55;
    }
    s.NumeroColonne = 12;
    s.CostoColonna = 100;
    s.IntestazioneStampa = "RICEVITORIA CENTRALE";
    f.finestra->LockGUI();
    f.finestra->ViewStatusBar();
    f.finestra->findChild<QToolButton*>("cmdSchedine")->click();
    stampa = Aperta();
  }
  ~FinestraSchedine() override {
    if (Aperta()) Aperta()->close();
    platform::ImpostaStampanteCorrente(nullptr);
  }
  static frmStampa* Aperta() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* s = qobject_cast<frmStampa*>(w); s && s->isVisible()) return s;
    return nullptr;
  }
  void Stampa(const QString& da, const QString& a) {
    stampa->txtDA()->setText(da);
    stampa->txtA()->setText(a);
    stampa->findChild<QPushButton*>("cmdStampa")->click();
  }
  void SalvaStampante(const std::string& file, LayoutScheda layout, const std::string& nome) {
    TaraturaScheda t = TaraturaPredefinita(layout);
    t.NomeStampante = nome;
    ASSERT_TRUE(SalvaTaratura(file, t));
  }

  prova::FinestraPrincipale f;
  StampanteRegistrata stampante{{"Laser", "TremaluxorPDF"}, "Laser"};
  frmStampa* stampa = nullptr;
};

// Per slip type: the slip count and range boxes, a range beyond the count
// refused with nothing printed, the type's calibration window.
TEST_F(FinestraSchedine, ConteggioIntervalloRifiutatoETaraturaDelTipo) {
  ASSERT_NE(stampa, nullptr);
  EXPECT_FALSE(f.finestra->isEnabled());
  QTest::qWait(20);
  stampa->grab().save("frmStampa.png");
  for (const auto& [tipo, totale, oltre, taratura] :
       {std::tuple{1, "3", "4", "frmTaratura5"}, {0, "12", "13", "frmTaratura1"}}) {
    MessageBox::Azzera();
    stampa->txtDA()->setText("7");
    stampa->opzione(tipo)->click();
    EXPECT_EQ(stampa->labSchede()->text(), totale);
    EXPECT_EQ(stampa->txtA()->text(), totale);
    EXPECT_EQ(stampa->txtDA()->text(), "1");
    Stampa("1", oltre);
    ASSERT_EQ(MessageBox::Mostrati().size(), 1U);
    EXPECT_EQ(MessageBox::Mostrati()[0].testo, "'A' è maggiore del massimo");
    EXPECT_EQ(stampa->txtA()->text(), oltre) << "the window stays as it was";

    QString aperta;
    QTimer::singleShot(0, [&] {
      if (QWidget* modale = QApplication::activeModalWidget()) {
        aperta = modale->objectName();
        modale->close();
      }
    });
    stampa->findChild<QPushButton*>("cmdTaratura")->click();
    EXPECT_EQ(aperta, taratura);
  }
  EXPECT_TRUE(stampante.Documenti().empty());
  stampa->close();
  EXPECT_TRUE(f.finestra->isEnabled());
}

TEST_F(FinestraSchedine, StampaSullaStampanteDellaTaraturaConLeColonneDelTipo) {
  // The 5-column calibration names a printer that is installed; the
  // 1-column one names none: that run keeps the current printer.
  SalvaStampante(f.sistema->FileTaratura5Colonne, LayoutScheda::CinqueColonne, "TremaluxorPDF");
  SalvaStampante(f.sistema->FileTaratura1Colonna, LayoutScheda::UnaColonna, "Assente");

  stampa->opzione(1)->click();
  f.sistema->ColonnePerScheda = 1;  // as another window's run leaves it
  Stampa("1", "3");
  ASSERT_EQ(stampante.Documenti().size(), 1U);
  const DocumentoRegistrato& cinque = stampante.Documenti()[0];
  EXPECT_EQ(cinque.stampante, "TremaluxorPDF");
  ASSERT_EQ(cinque.pagine.size(), 3U);
  EXPECT_EQ(cinque.pagine[2].Di(Tipo::Riquadro).size(), 10U);
  EXPECT_EQ(cinque.pagine[2].Testo("   € ")->testo, "   € 2,00");
  EXPECT_TRUE(cinque.pagine[0].Testo(f.finestra->PannelloStato(1).toStdString())) << "the file name as shown";

  stampa->opzione(0)->click();
  Stampa("11", "12");
  ASSERT_EQ(stampante.Documenti().size(), 2U);
  EXPECT_EQ(stampante.Documenti()[1].stampante, "TremaluxorPDF") << "no match: the current printer stays";
  ASSERT_EQ(stampante.Documenti()[1].pagine.size(), 2U);
  EXPECT_EQ(stampante.Documenti()[1].pagine[0].Testo("Scheda n. ")->testo, "Scheda n. 11");
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

// Qt's own PDF output: the texts where the calibration puts them, and a
// rendered page of each slip type saved beside the tests.
TEST_F(FinestraSchedine, SchedeSuPdfNelleCaselleDellaTaratura) {
  QTemporaryDir dir;
  for (const auto& [tipo, layout, cfg, png] :
       {std::tuple{0, LayoutScheda::UnaColonna, f.sistema->FileTaratura1Colonna, "scheda-1-colonna.png"},
        std::tuple{1, LayoutScheda::CinqueColonne, f.sistema->FileTaratura5Colonne, "scheda-5-colonne.png"}}) {
    TaraturaScheda t = TaraturaPredefinita(layout);
    t.kLeft += 1.5F;
    t.kTop += 2.0F;
    t.kWebY += 1.0F;
    t.Marcatore = MARCATORE_NUMERO;
    ASSERT_TRUE(SalvaTaratura(cfg, t));
    const QString file = dir.filePath(QString("scheda%1.pdf").arg(tipo));
    platform::StampanteQt suPdf(file);
    platform::ImpostaStampanteCorrente(&suPdf);
    stampa->opzione(tipo)->click();
    Stampa("1", "1");
    ASSERT_EQ(pdf::PaginePdf(file), 1);

    // Column 1 holds 1 2 3 4 55: its numbers at their boxes' corners.
    const double y0 = InizioPannello(t, layout, 1);
    const auto numero = [&](int n) { return PosizioneNumero(t, y0, n); };
    const struct {
      QString testo;
      double x, y;  // y < 0: not checked
    } attese[] = {{"RICEVITORIA", t.kWebX, t.kWebY}, {"TremaluxorQVX", t.kNomeX, -1}, {"01", numero(1).x, numero(1).y},
                  {"04", numero(4).x, numero(4).y},  {"55", numero(55).x, numero(55).y}};
    const auto parole = pdf::ParolePdf(file);
    for (const auto& a : attese) {
      const auto p = std::ranges::find_if(parole, [&](const pdf::ParolaPdf& p) { return p.testo == a.testo; });
      ASSERT_NE(p, parole.end()) << a.testo.toStdString();
      EXPECT_NEAR(p->x, a.x, 0.2) << a.testo.toStdString();
      if (a.y >= 0) {
        EXPECT_NEAR(p->y, a.y, 0.2) << a.testo.toStdString();
      }
    }
    const QImage pagina = pdf::PaginaPng(file, 1, png);
    const double lato = DatiTipoScheda(layout).lato;
    EXPECT_TRUE(pdf::Scuro(pagina, numero(55).x + lato - 0.3, numero(55).y + lato - 0.3));
    EXPECT_FALSE(pdf::Scuro(pagina, numero(10).x + lato / 2, numero(10).y + lato / 2));
    platform::ImpostaStampanteCorrente(&stampante);
  }
}

// End to end: the calibration names the CUPS queue, the window prints two
// slips through it, cups-pdf writes the PDF.
TEST_F(FinestraSchedine, DueSchedeSullaCodaCupsVera) {
  if (!pdf::UsaCodaCups()) GTEST_SKIP() << "no CUPS queue (scripts/cups-pdf.sh adds it)";
  SalvaStampante(f.sistema->FileTaratura1Colonna, LayoutScheda::UnaColonna, pdf::CODA_CUPS.toStdString());
  platform::StampanteQt reale;
  const QString nome = pdf::NomeDocumentoCups("tlx-schede");
  reale.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&reale);
  Stampa("2", "3");
  EXPECT_EQ(reale.Corrente(), pdf::CODA_CUPS.toStdString());
  EXPECT_TRUE(MessageBox::Mostrati().empty());
  const QString file = pdf::AttendiPdfCups(nome);
  ASSERT_FALSE(file.isEmpty()) << "no PDF from cups-pdf";
  EXPECT_EQ(pdf::PaginePdf(file), 2);
  // Slip 2 holds column 2: 2 3 4 5 55 marked, 1 not.
  const TaraturaScheda t = TaraturaPredefinita(LayoutScheda::UnaColonna);
  const QImage pagina = pdf::PaginaPng(file, 1, "cups-scheda-1-colonna.png");
  for (int numero : {1, 2, 5, 55}) {
    const PuntoMm a = PosizioneNumero(t, t.kTop, numero);
    EXPECT_EQ(pdf::Scuro(pagina, a.x + 2, a.y + 2), numero != 1) << numero;
  }
  QFile::remove(file);
}

}  // namespace
}  // namespace tlx::ui
