// The listing window: what it prints and where (Qt's own PDF output read
// back), its refusal, copies, the listing printer, a printer fault, the
// real CUPS queue and the main window's command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <pwd.h>
#include <unistd.h>

#include "FinestraPrincipale.h"
#include "PdfProva.h"
#include "platform/MessageBox.h"
#include "platform/StampanteQt.h"
#include "platform/Stampanti.h"
#include "printing/StampanteRegistrata.h"
#include "printing/Tabulato.h"
#include "ui/main/FormatoLocale.h"
#include "ui/printing/frmTabulato.h"

namespace tlx::ui {
namespace {

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
  std::unique_ptr<frmTabulato> Finestra() {
    auto f = std::make_unique<frmTabulato>(*sistema, [] { return QString("prova.tlqvx"); }, [this] { ++impostazioni; });
    f->show();
    return f;
  }
  static void Spunta(frmTabulato& f, const char* nome, bool v) { f.findChild<QCheckBox*>(nome)->setChecked(v); }
  static void Stampa(frmTabulato& f) { f.findChild<QPushButton*>("cmdStampa")->click(); }

  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
  int impostazioni = 0;
};

TEST_F(TabulatoTest, WindowDefaultsCopiesAndTheSettingsButton) {
  auto f = Finestra();
  EXPECT_EQ(f->windowTitle(), "Stampa Tabulato");
  for (const char* nome : {"chkCol", "chkProno", "chkColor"}) EXPECT_TRUE(f->findChild<QCheckBox*>(nome)->isChecked());
  auto* copie = f->findChild<QScrollBar*>("VsCopie");
  auto* etichetta = f->findChild<QLabel*>("labCopie");
  EXPECT_EQ(etichetta->text(), "1");
  copie->setValue(25);
  EXPECT_EQ(etichetta->text(), "20");
  copie->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(etichetta->text(), "19");
  f->findChild<QPushButton*>("cmdImpostazioni")->click();
  EXPECT_EQ(impostazioni, 1);
  f->grab().save("frmTabulato.png");

  // Three copies are three documents on the listing printer; nothing
  // ticked prints nothing.
  Colonne(40);
  StampanteRegistrata stampante({"Getto Cassa", "Laser Ufficio"}, "Getto Cassa");
  platform::ImpostaStampanteCorrente(&stampante);
  copie->setValue(3);
  Stampa(*f);
  ASSERT_EQ(stampante.Documenti().size(), 3u);
  for (const DocumentoRegistrato& d : stampante.Documenti()) {
    EXPECT_EQ(d.stampante, "Laser Ufficio");
    EXPECT_EQ(d.pagine.size(), 1u);
  }
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
  Spunta(*f, "chkCol", false);
  Spunta(*f, "chkProno", false);
  Stampa(*f);
  EXPECT_EQ(stampante.Documenti().size(), 3u);
  EXPECT_EQ(platform::MessageBox::Mostrati(), Messaggi{MessaggioNessunaScelta()});
  EXPECT_TRUE(f->isEnabled());
}

TEST_F(TabulatoTest, APrinterFaultIsReportedAndTheDocumentEnded) {
  Colonne(200);
  StampanteRegistrata stampante;
  stampante.SimulaGuasto(40);
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra();
  Stampa(*f);
  EXPECT_EQ(platform::MessageBox::Mostrati(),
            Messaggi{(Messaggio{Icona::Nessuna, Pulsanti::Ok, "", "Error 482 (Printer error) in procedure Stampa Tabulato"})});
  EXPECT_EQ(stampante.Aperto(), nullptr);
  EXPECT_EQ(stampante.Documenti().size(), 1u);
  EXPECT_TRUE(f->isEnabled());
  EXPECT_FALSE(stampante.Occupata());
}

// The words of Qt's PDF against the page the listing laid out, and a few
// absolute positions.
TEST_F(TabulatoTest, TextsGridAndPagesOnQtsPdf) {
  QTemporaryDir dir;
  struct Caso {
    bool cruciverba;
    bool pronostico;
    int colonne;
    int pagine;
  };
  for (const Caso& caso : {Caso{false, true, 200, 2}, Caso{true, false, 12, 1}}) {
    if (caso.cruciverba) Cruciverba();
    else Colonne(caso.colonne);
    const QString pdf = dir.filePath(caso.cruciverba ? "cruciverba.pdf" : "tabulato.pdf");
    platform::StampanteQt stampante(pdf);
    platform::ImpostaStampanteCorrente(&stampante);
    auto f = Finestra();
    Spunta(*f, "chkProno", caso.pronostico);
    Stampa(*f);
    ASSERT_TRUE(platform::MessageBox::Mostrati().empty());
    EXPECT_EQ(tlx::prova::PaginePdf(pdf), caso.pagine);

    // Expected first words of each line, in millimetres.
    platform::StampanteQt misura(dir.filePath("misura.pdf"));
    misura.ImpostaUnita(UnitaStampa::Twip);
    const MetricaStampante metrica(misura);
    const Tabulato t(*sistema, "prova.tlqvx", {true, caso.pronostico, true}, FormatoLocale(), metrica);
    const auto parole = tlx::prova::ParolePdf(pdf);
    for (int n = 1; n <= t.NumeroPagine(); ++n) {
      const Pagina pagina = t.ImpaginaPagina(n);
      for (const RigaTesto& riga : pagina.righe) {
        const QString prima = QString::fromStdString(riga.Testo()).split(' ', Qt::SkipEmptyParts).value(0);
        if (prima.isEmpty() || prima.startsWith(QChar(0x2014))) continue;
        const double x = riga.x / TWIP_PER_MM, y = riga.y / TWIP_PER_MM;
        const bool trovata = std::ranges::any_of(parole, [&](const tlx::prova::ParolaPdf& w) {
          return w.pagina == n && w.testo == prima && std::abs(w.x - x) < 0.2 && std::abs(w.y - y) < 0.2;
        });
        EXPECT_TRUE(trovata) << n << ": " << riga.Testo() << " at " << x << ", " << y;
      }
    }
    auto parola = [&](const QString& testo, int pagina = 1, bool ultima = false) {
      tlx::prova::ParolaPdf trovata{0, {}, -1, -1};
      for (const auto& w : parole) {
        if (w.testo != testo || w.pagina != pagina) continue;
        trovata = w;
        if (!ultima) break;
      }
      return trovata;
    };
    EXPECT_NEAR(parola("Ricevitoria").y, 250 / TWIP_PER_MM, 0.2);
    EXPECT_NEAR(parola("Pag.").x, 120 / TWIP_PER_MM, 0.2);
    EXPECT_NEAR(parola("Pag.").y, 250 / TWIP_PER_MM, 0.2);
    if (caso.cruciverba) {
      // The arrangement row by row in its squares from 55 mm down, the
      // grid's right edge one margin inside the sheet; the amount below it.
      const double x0 = 210 - 100 - 120 / TWIP_PER_MM;
      for (int i : {0, 6, 24}) {
        const auto w = parola(QString::number(51 - 2 * i).rightJustified(2, '0'));
        EXPECT_NEAR(w.x, x0 + 20 * (i % 5) + 2.5, 0.5) << i;
        EXPECT_NEAR(w.y, 55 + 20 * (i / 5) + 20.0 / 6, 0.5) << i;
      }
      const auto euro = parola(QString::fromUtf8("€"), 1, true);
      EXPECT_NEAR(euro.y, 160, 0.5);
      EXPECT_LT(euro.x, 208);
      tlx::prova::PaginaPng(pdf, 1, QDir::current().filePath("tabulato-cruciverba.png"));
    } else {
      EXPECT_EQ(parola("Pag.", 2).pagina, 2);
      tlx::prova::PaginaPng(pdf, 1, QDir::current().filePath("tabulato-pagina1.png"));
      tlx::prova::PaginaPng(pdf, 2, QDir::current().filePath("tabulato-pagina2.png"));
    }
    platform::ImpostaStampanteCorrente(nullptr);
  }
}

QString CartellaCupsPdf() {
  const passwd* utente = getpwuid(getuid());
  return QString::fromLocal8Bit(utente ? utente->pw_dir : "") + "/PDF";
}

TEST_F(TabulatoTest, AListingThroughTheRealCupsQueue) {
  const QString coda = QStringLiteral("TremaluxorPDF");
  platform::UsaStampantiReali();
  if (!QPrinterInfo::availablePrinterNames().contains(coda))
    GTEST_SKIP() << "no CUPS queue " << coda.toStdString() << " (scripts/cups-pdf.sh adds it)";
  Cruciverba();
  sistema->StampanteTabulato = coda.toStdString();
  platform::StampanteQt stampante;
  const QString nome = QString("tlx-tabulato-%1").arg(QCoreApplication::applicationPid());
  stampante.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&stampante);
  const QDir cartella(CartellaCupsPdf());
  for (const QString& vecchio : cartella.entryList({nome + "*"})) QFile::remove(cartella.filePath(vecchio));

  auto f = Finestra();
  Spunta(*f, "chkProno", false);
  Stampa(*f);
  ASSERT_TRUE(platform::MessageBox::Mostrati().empty());
  EXPECT_EQ(stampante.Corrente(), coda.toStdString());
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
  EXPECT_EQ(tlx::prova::PaginePdf(pdf), 1);
  const QImage pagina = tlx::prova::PaginaPng(pdf, 1, QDir::current().filePath("tabulato-cups.png"));
  // The crossword grid's outer lines, and no ink inside an empty square.
  const double x0 = 210 - 100 - 120 / TWIP_PER_MM;
  EXPECT_TRUE(tlx::prova::Scuro(pagina, x0, 100));
  EXPECT_TRUE(tlx::prova::Scuro(pagina, x0 + 50, 155));
  EXPECT_FALSE(tlx::prova::Scuro(pagina, x0 + 50, 80));
  QFile::remove(pdf);
}

TEST_F(TabulatoTest, TheMainWindowOpensItWhenASystemIsShown) {
  prova::FinestraPrincipale principale;
  auto* comando = principale.finestra->findChild<QToolButton*>("cmdTabulato");
  EXPECT_FALSE(comando->isEnabled());
  principale.Scegli({1, 2, 3, 4, 5, 6});
  principale.finestra->ElaboraSistema();
  ASSERT_TRUE(comando->isEnabled());
  QString aperta;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<frmTabulato*>(QApplication::activeModalWidget())) {
      aperta = d->windowTitle();
      d->reject();
    }
  });
  comando->click();
  EXPECT_EQ(aperta, "Stampa Tabulato");
}

}  // namespace
}  // namespace tlx::ui
