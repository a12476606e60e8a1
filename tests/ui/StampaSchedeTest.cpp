// The slip window from the main window: the slip count and range boxes, the
// refused ranges, a run on the calibrated printer, the columns per slip of
// the chosen type, and the slips printed for real: on Qt's PDF output (text
// positions, rendered pages) and through the machine's CUPS queue.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <pwd.h>
#include <unistd.h>

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
  void Intervallo(const QString& da, const QString& a) {
    stampa->txtDA()->setText(da);
    stampa->txtA()->setText(a);
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

TEST_F(FinestraSchedine, ApertaDallaFinestraPrincipaleCheRestaDisabilitata) {
  ASSERT_NE(stampa, nullptr);
  EXPECT_EQ(stampa->windowTitle(), "Stampa Schedine");
  EXPECT_FALSE(f.finestra->isEnabled());
  EXPECT_TRUE(stampa->opzione(0)->isChecked());
  const struct {
    int tipo;
    QString totale;
    uint8_t colonne;
  } casi[] = {{1, "3", 5}, {0, "12", 1}};
  for (const auto& c : casi) {
    stampa->txtDA()->setText("7");
    stampa->opzione(c.tipo)->click();
    EXPECT_EQ(stampa->labSchede()->text(), c.totale);
    EXPECT_EQ(stampa->txtA()->text(), c.totale);
    EXPECT_EQ(stampa->txtDA()->text(), "1");
    EXPECT_EQ(f.sistema->ColonnePerScheda, c.colonne);
    EXPECT_EQ(f.sistema->TipoScheda, c.tipo);
  }
  stampa->opzione(1)->click();
  QTest::qWait(20);
  stampa->grab().save("frmStampa.png");

  // "a" takes digits and the full stop; Enter moves on to "Stampa".
  stampa->txtA()->clear();
  stampa->txtA()->setFocus();
  QTest::keyClicks(stampa->txtA(), "1x2.-5");
  EXPECT_EQ(stampa->txtA()->text(), "12.5");

  stampa->close();
  EXPECT_TRUE(f.finestra->isEnabled());
}

TEST_F(FinestraSchedine, IntervalliRifiutatiNonStampanoNulla) {
  const struct {
    int tipo;
    QString da, a, messaggio;
  } casi[] = {
      {0, "1", "", "'DA' è maggiore di 'A'"},
      {0, "", "5", "'DA' è minore del minimo"},
      {0, "0", "5", "'DA' è minore del minimo"},
      {0, "1", "13", "'A' è maggiore del massimo"},
      {1, "1", "4", "'A' è maggiore del massimo"},
  };
  for (const auto& c : casi) {
    MessageBox::Azzera();
    stampa->opzione(c.tipo)->click();
    Intervallo(c.da, c.a);
    stampa->findChild<QPushButton*>("cmdStampa")->click();
    ASSERT_EQ(MessageBox::Mostrati().size(), 1U);
    EXPECT_EQ(QString::fromStdString(MessageBox::Mostrati()[0].testo), c.messaggio);
    EXPECT_EQ(MessageBox::Mostrati()[0].icona, Icona::Esclamazione);
    EXPECT_TRUE(stampa->isEnabled());
    EXPECT_EQ(stampa->txtDA()->text(), c.da) << "the window stays as it was";
  }
  EXPECT_TRUE(stampante.Documenti().empty());
}

TEST_F(FinestraSchedine, StampaSullaStampanteDellaTaraturaConLeColonneDelTipo) {
  // The 5-column calibration names a printer that is installed; the
  // 1-column one names none: that run keeps the current printer.
  SalvaStampante(f.sistema->FileTaratura5Colonne, LayoutScheda::CinqueColonne, "TremaluxorPDF");
  SalvaStampante(f.sistema->FileTaratura1Colonna, LayoutScheda::UnaColonna, "Assente");

  stampa->opzione(1)->click();
  f.sistema->ColonnePerScheda = 1;  // as another window's run leaves it
  stampa->findChild<QPushButton*>("cmdStampa")->click();
  ASSERT_EQ(stampante.Documenti().size(), 1U);
  const DocumentoRegistrato& cinque = stampante.Documenti()[0];
  EXPECT_EQ(cinque.stampante, "TremaluxorPDF");
  ASSERT_EQ(cinque.pagine.size(), 3U);
  EXPECT_EQ(cinque.pagine[2].Di(Tipo::Riquadro).size(), 10U);
  EXPECT_EQ(cinque.pagine[2].Testo("   € ")->testo, "   € 2,00");
  EXPECT_EQ(cinque.pagine[0].Testo(f.finestra->PannelloStato(1).toStdString())->x, 6.0);

  stampa->opzione(0)->click();
  Intervallo("11", "12");
  stampa->findChild<QPushButton*>("cmdStampa")->click();
  ASSERT_EQ(stampante.Documenti().size(), 2U);
  EXPECT_EQ(stampante.Documenti()[1].stampante, "TremaluxorPDF") << "no match: the current printer stays";
  ASSERT_EQ(stampante.Documenti()[1].pagine.size(), 2U);
  EXPECT_EQ(stampante.Documenti()[1].pagine[0].Testo("Scheda n. ")->testo, "Scheda n. 11");
  EXPECT_TRUE(MessageBox::Mostrati().empty());
}

TEST_F(FinestraSchedine, TaraturaDelTipoScelto) {
  for (const auto& [tipo, nome] : {std::pair{0, "frmTaratura1"}, std::pair{1, "frmTaratura5"}}) {
    stampa->opzione(tipo)->click();
    QString aperta;
    QTimer::singleShot(0, [&] {
      QWidget* modale = QApplication::activeModalWidget();
      if (!modale) return;
      aperta = modale->objectName();
      modale->close();
    });
    stampa->findChild<QPushButton*>("cmdTaratura")->click();
    EXPECT_EQ(aperta, nome);
  }
}

// Qt's own PDF output: the texts where the calibration puts them, and a
// rendered page of each slip type saved beside the tests.
TEST_F(FinestraSchedine, SchedeSuPdfNelleCaselleDellaTaratura) {
  QTemporaryDir dir;
  for (const auto& [tipo, layout, file, png] :
       {std::tuple{0, LayoutScheda::UnaColonna, f.sistema->FileTaratura1Colonna, "scheda-1-colonna.png"},
        std::tuple{1, LayoutScheda::CinqueColonne, f.sistema->FileTaratura5Colonne, "scheda-5-colonne.png"}}) {
    TaraturaScheda t = TaraturaPredefinita(layout);
    t.kLeft += 1.5F;
    t.kTop += 2.0F;
    t.kWebY += 1.0F;
    t.Marcatore = MARCATORE_NUMERO;
    ASSERT_TRUE(SalvaTaratura(file, t));
    const QString pdf = dir.filePath(QString("scheda%1.pdf").arg(tipo));
    platform::StampanteQt suPdf(pdf);
    platform::ImpostaStampanteCorrente(&suPdf);
    stampa->opzione(tipo)->click();
    Intervallo("1", "1");
    stampa->findChild<QPushButton*>("cmdStampa")->click();
    ASSERT_EQ(tlx::prova::PaginePdf(pdf), 1);

    const auto parole = tlx::prova::ParolePdf(pdf);
    auto parola = [&](const QString& testo) {
      const auto it = std::ranges::find_if(parole, [&](const tlx::prova::ParolaPdf& p) { return p.testo == testo; });
      return it == parole.end() ? tlx::prova::ParolaPdf{0, "", -1, -1} : *it;
    };
    EXPECT_NEAR(parola("RICEVITORIA").x, t.kWebX, 0.2);
    EXPECT_NEAR(parola("RICEVITORIA").y, t.kWebY, 0.2);
    EXPECT_NEAR(parola("TremaluxorQVX").x, t.kNomeX, 0.2);
    // Column 1 holds 1 2 3 4 55: its numbers at their boxes' corners.
    const double y0 = InizioPannello(t, layout, 1);
    for (int numero : {1, 4, 55}) {
      const PuntoMm atteso = PosizioneNumero(t, y0, numero);
      const tlx::prova::ParolaPdf p = parola(QString::asprintf("%02d", numero));
      EXPECT_NEAR(p.x, atteso.x, 0.2) << numero;
      EXPECT_NEAR(p.y, atteso.y, 0.2) << numero;
    }
    const QImage pagina = tlx::prova::PaginaPng(pdf, 1, png);
    const double lato = DatiTipoScheda(layout).lato;
    const PuntoMm cinquantacinque = PosizioneNumero(t, y0, 55);
    EXPECT_TRUE(tlx::prova::Scuro(pagina, cinquantacinque.x + lato - 0.3, cinquantacinque.y + lato - 0.3));
    const PuntoMm dieci = PosizioneNumero(t, y0, 10);
    EXPECT_FALSE(tlx::prova::Scuro(pagina, dieci.x + lato / 2, dieci.y + lato / 2));
    platform::ImpostaStampanteCorrente(&stampante);
  }
}

QString CartellaCupsPdf() {
  const passwd* utente = getpwuid(getuid());
  return QString::fromLocal8Bit(utente ? utente->pw_dir : "") + "/PDF";
}

// End to end: the calibration names the CUPS queue, the window prints two
// slips through it, cups-pdf writes the PDF.
TEST_F(FinestraSchedine, DueSchedeSullaCodaCupsVera) {
  const QString coda = QStringLiteral("TremaluxorPDF");
  platform::UsaStampantiReali();
  if (!QPrinterInfo::availablePrinterNames().contains(coda))
    GTEST_SKIP() << "no CUPS queue " << coda.toStdString() << " (scripts/cups-pdf.sh adds it)";
  SalvaStampante(f.sistema->FileTaratura1Colonna, LayoutScheda::UnaColonna, coda.toStdString());
  platform::StampanteQt reale;
  const QString nome = QString("tlx-schede-%1").arg(QCoreApplication::applicationPid());
  reale.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&reale);
  const QDir cartella(CartellaCupsPdf());
  for (const QString& vecchio : cartella.entryList({nome + "*"})) QFile::remove(cartella.filePath(vecchio));

  Intervallo("2", "3");
  stampa->findChild<QPushButton*>("cmdStampa")->click();
  EXPECT_EQ(reale.Corrente(), coda.toStdString());
  EXPECT_TRUE(MessageBox::Mostrati().empty());

  QString pdf;
  QElapsedTimer attesa;
  attesa.start();
  while (pdf.isEmpty() && attesa.elapsed() < 20000) {
    QThread::msleep(100);
    const auto trovati = cartella.entryList({nome + "*.pdf"});
    if (!trovati.isEmpty() && QFileInfo(cartella.filePath(trovati[0])).size() > 0) pdf = cartella.filePath(trovati[0]);
  }
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << cartella.path().toStdString();
  QThread::msleep(300);
  EXPECT_EQ(tlx::prova::PaginePdf(pdf), 2);
  // Slip 2 holds column 2: 2 3 4 5 55 marked, 1 not.
  const TaraturaScheda t = TaraturaPredefinita(LayoutScheda::UnaColonna);
  const QImage pagina = tlx::prova::PaginaPng(pdf, 1, "cups-scheda-1-colonna.png");
  for (int numero : {2, 5, 55}) {
    const PuntoMm a = PosizioneNumero(t, t.kTop, numero);
    EXPECT_TRUE(tlx::prova::Scuro(pagina, a.x + 2, a.y + 2)) << numero;
  }
  const PuntoMm uno = PosizioneNumero(t, t.kTop, 1);
  EXPECT_FALSE(tlx::prova::Scuro(pagina, uno.x + 2, uno.y + 2));
  QFile::remove(pdf);
}

}  // namespace
}  // namespace tlx::ui
