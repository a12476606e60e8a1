// The slip window from the main window: the slip count and range boxes, the
// refused ranges, a run on the calibrated printer, the columns per slip of
// the chosen type, and the slips printed for real: on Qt's PDF output and
// through the machine's CUPS queue.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
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
namespace pdf = tlx::prova;

struct FinestraSchedine : ::testing::Test {
  FinestraSchedine() {
    platform::ImpostaStampanteCorrente(&stampante);
    Sistema& s = *f.sistema;
    // 12 columns: column c holds c, c+1, c+2, c+3 and 55.
    for (int32_t c = 1; c <= 12; ++c)
      for (int i = 0; i < 5; ++i) s.Colonne.Colonna(c)[i] = static_cast<uint8_t>(i < 4 ? c + i : 55);
    s.NumeroColonne = 12, s.CostoColonna = 100, s.IntestazioneStampa = "RICEVITORIA CENTRALE";
    f.finestra->LockGUI();
    f.finestra->ViewStatusBar();
    f.finestra->findChild<QToolButton*>("cmdSchedine")->click();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* aperta = qobject_cast<frmStampa*>(w); aperta && aperta->isVisible()) stampa = aperta;
  }
  ~FinestraSchedine() override {
    if (stampa) stampa->close();
    platform::ImpostaStampanteCorrente(nullptr);
  }
  void Stampa(const QString& da, const QString& a) {
    stampa->txtDA()->setText(da);
    stampa->txtA()->setText(a);
    stampa->findChild<QPushButton*>("cmdStampa")->click();
  }
  // The slip type's calibration file, naming this printer.
  void SalvaStampante(LayoutScheda layout, TaraturaScheda t, std::string nome) {
    t.NomeStampante = std::move(nome);
    ASSERT_TRUE(SalvaTaratura(layout == LayoutScheda::UnaColonna ? f.sistema->FileTaratura1Colonna
                                                                 : f.sistema->FileTaratura5Colonne, t));
  }

  prova::FinestraPrincipale f;
  StampanteRegistrata stampante{{"Laser", "TremaluxorPDF"}, "Laser"};
  QPointer<frmStampa> stampa;
};

// Per slip type: the slip count and range boxes; a range beyond the count
// refused with nothing printed; a run on the printer the calibration names
// (the 5-column one an installed printer, the 1-column one none: the current
// printer stays), with the type's columns per slip whatever another window's
// run left. What the window disables is the integration tests'.
TEST_F(FinestraSchedine, ConteggioIntervalloEStampaDelTipo) {
  ASSERT_NE(stampa, nullptr);
  QTest::qWait(20);
  stampa->grab().save("frmStampa.png");
  // The window and the 1-column picture as they open.
  QWidget* figura = stampa->findChild<QWidget*>("imgScheda_0");
  const auto testo = [](QSize d) { return QString("%1x%2").arg(d.width()).arg(d.height()).toStdString(); };
  const auto vista = [&] { return std::tuple(testo(stampa->size()), testo(figura->size()), figura->grab().toImage()); };
  const auto apertura = vista();
  // Type, its layout, slips, a range end past them, calibration's printer, range printed, documents printed so
  // far, slips, marks on the last slip.
  const std::tuple<int, LayoutScheda, const char*, const char*, const char*, const char*, const char*, size_t, size_t,
                   size_t> casi[] = {{1, LayoutScheda::CinqueColonne, "3", "4", "TremaluxorPDF", "1", "3", 1, 3, 10},
                                     {0, LayoutScheda::UnaColonna, "12", "13", "Assente", "11", "12", 2, 2, 5}};
  for (const auto& [tipo, layout, totale, oltre, nome, da, a, documenti, pagine, segni] : casi) {
    stampa->txtDA()->setText("7");
    stampa->opzione(tipo)->click();
    EXPECT_EQ(QStringList({stampa->labSchede()->text(), stampa->txtA()->text(), stampa->txtDA()->text()}),
              QStringList({totale, totale, "1"}));
    Stampa("1", oltre);
    EXPECT_EQ(std::tuple(MessageBox::Mostrati().size(), stampa->txtA()->text()), std::tuple(1U, QString(oltre)));
    EXPECT_EQ(MessageBox::Mostrati().at(0).testo, "'A' è maggiore del massimo");
    MessageBox::Azzera();

    SalvaStampante(layout, TaraturaPredefinita(layout), nome);
    f.sistema->ColonnePerScheda = tipo == 1 ? 1 : 5;  // as another window's run leaves it
    Stampa(da, a);
    ASSERT_EQ(stampante.Documenti().size(), documenti);
    const DocumentoRegistrato& d = stampante.Documenti().back();
    EXPECT_EQ(std::tuple(d.stampante, d.pagine.size(), d.pagine.back().Di(OperazioneStampa::Tipo::Riquadro).size(),
                         d.pagine[0].Testo("Scheda n. ")->testo),
              std::tuple("TremaluxorPDF", pagine, segni, "Scheda n. " + std::string(da)));
    EXPECT_TRUE(d.pagine[0].Testo(f.finestra->PannelloStato(1).toStdString())) << "the file name as shown";
    EXPECT_TRUE(MessageBox::Mostrati().empty());
  }
  // Back to the 1-column slip after the 5-column one: window and picture
  // keep their size, and the picture its shape.
  QTest::qWait(20);
  std::get<2>(vista()).save("frmStampa-imgScheda_0-dopo-5.png");
  EXPECT_EQ(std::tuple(testo(stampa->size()), testo(figura->size())), std::tuple(std::get<0>(apertura), std::get<1>(apertura)));
  EXPECT_TRUE(std::get<2>(vista()) == std::get<2>(apertura));
}

// The slips printed for real under a calibration moved from its defaults: the 5-column slip on Qt's own
// PDF output, the 1-column slip on the CUPS queue its calibration names (cups-pdf writes the PDF). Slip 1
// holds column 1, 1 2 3 4 55: its marks where the calibration puts them, 10 unmarked.
TEST_F(FinestraSchedine, SchedeSuPdfESullaCodaCupsVeraNelleCaselleDellaTaratura) {
  for (const auto layout : {LayoutScheda::CinqueColonne, LayoutScheda::UnaColonna}) {
    const bool cups = layout == LayoutScheda::UnaColonna;
    if (cups && !pdf::UsaCodaCups()) GTEST_SKIP() << "no CUPS queue (scripts/cups-pdf.sh adds it)";
    TaraturaScheda t = TaraturaPredefinita(layout);
    t.kLeft += 1.5F, t.kTop += 2.0F, t.Marcatore = MARCATORE_NUMERO;
    SalvaStampante(layout, t, cups ? pdf::CODA_CUPS.toStdString() : "");
    QString file = f.cartella.filePath("schede.pdf");
    const QString nome = pdf::NomeDocumentoCups("tlx-schede");
    auto reale = cups ? std::make_unique<platform::StampanteQt>() : std::make_unique<platform::StampanteQt>(file);
    reale->ImpostaNomeDocumento(nome);
    platform::ImpostaStampanteCorrente(reale.get());
    stampa->opzione(cups ? 0 : 1)->click();
    Stampa("1", "2");
    EXPECT_TRUE(MessageBox::Mostrati().empty());
    EXPECT_EQ(reale->Corrente(), cups ? pdf::CODA_CUPS.toStdString() : "");
    if (cups) file = pdf::AttendiPdfCups(nome);
    ASSERT_FALSE(file.isEmpty()) << "no PDF from cups-pdf";
    EXPECT_EQ(pdf::PaginePdf(file), 2);
    const auto numero = [&](int n) { return PosizioneNumero(t, InizioPannello(t, layout, 1), n); };
    const QImage pagina = pdf::PaginaPng(file, 1, cups ? "cups-scheda-1-colonna.png" : "scheda-5-colonne.png");
    const double lato = DatiTipoScheda(layout).lato;
    EXPECT_TRUE(pdf::Scuro(pagina, numero(55).x + lato - 0.3, numero(55).y + lato - 0.3));
    EXPECT_FALSE(pdf::Scuro(pagina, numero(10).x + lato / 2, numero(10).y + lato / 2));
    if (cups) QFile::remove(file);
    platform::ImpostaStampanteCorrente(&stampante);
  }
}

}  // namespace
}  // namespace tlx::ui
