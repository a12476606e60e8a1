// The random reduced systems window: its choices, the slips it prints
// (counts, marks, prices, calibration and printer), the interruption, one
// run at a time, a printer fault, Qt's PDF and the real CUPS queue, and the
// main window's button.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
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
#include "printing/Schede.h"
#include "printing/SistemiRidotti.h"
#include "printing/StampanteRegistrata.h"
#include "ui/printing/frmPrnInCorso.h"
#include "ui/printing/frmRidottiRandom.h"
#include "ui/printing/frmTaratura.h"

namespace tlx::ui {
namespace {

using Tipo = OperazioneStampa::Tipo;

frmPrnInCorso* Avanzamento() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = qobject_cast<frmPrnInCorso*>(w); f && f->isVisible()) return f;
  return nullptr;
}

// Asks to interrupt, and answers the question, once `pagine` slips are done:
// the click lands while the run yields before the next slip.
class StampanteInterrotta : public StampanteRegistrata {
 public:
  int pagine = 3;

 protected:
  void ChiudiPagina() override {
    StampanteRegistrata::ChiudiPagina();
    if (++chiuse_ != pagine) return;
    platform::MessageBox::Accoda(Risposta::Si);
    QTimer::singleShot(0, [] { Avanzamento()->interrompi()->click(); });
  }

 private:
  int chiuse_ = 0;
};

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
  std::unique_ptr<frmRidottiRandom> Finestra(uint32_t seme = 7) {
    auto f = std::make_unique<frmRidottiRandom>(*sistema);
    f->ImpostaGeneratore([seme] { return std::mt19937(seme); });
    f->show();
    return f;
  }
  static void Scegli(frmRidottiRandom& f, int numeri, int sistemi) {
    f.findChild<QPushButton*>(QString("optTipoRidotto%1").arg(numeri))->click();
    f.findChild<QScrollBar*>("scrollNsis")->setValue(sistemi);
  }
  static void Stampa(frmRidottiRandom& f) { f.findChild<QPushButton*>("cmdStampa")->click(); }
  void Taratura(std::initializer_list<std::pair<const char*, QString>> chiavi) const {
    QSettings ini(QString::fromStdString(sistema->FileTaraturaRidotti), QSettings::IniFormat);
    for (const auto& [chiave, valore] : chiavi) ini.setValue(QString("Impostazioni/") + chiave, valore);
  }

  QTemporaryDir cartella;
  std::unique_ptr<Sistema> sistema = std::make_unique<Sistema>();
};

TEST_F(RidottiTest, ChoicesAndTheirBounds) {
  auto f = Finestra();
  EXPECT_EQ(f->windowTitle(), "Sistemi Ridotti Tremaluxor");
  EXPECT_EQ(f->NumeriRidotto(), 6);
  EXPECT_EQ(f->NumeroSistemi(), 1);
  auto* conteggio = f->findChild<QLabel*>("lblNumRidotti");
  EXPECT_EQ(conteggio->text(), "1");
  const std::pair<int, const char*> suggerimenti[] = {{6, "2 euro"}, {7, "3 euro"}, {8, "5 euro"}, {9, "10 euro"}};
  for (const auto& [numeri, suggerimento] : suggerimenti) {
    auto* b = f->findChild<QPushButton*>(QString("optTipoRidotto%1").arg(numeri));
    EXPECT_EQ(b->toolTip(), suggerimento);
    b->click();
    EXPECT_EQ(f->NumeriRidotto(), numeri);
    for (int altro = 6; altro <= 9; ++altro)
      EXPECT_EQ(f->findChild<QPushButton*>(QString("optTipoRidotto%1").arg(altro))->isChecked(), altro == numeri);
  }
  auto* barra = f->findChild<QScrollBar*>("scrollNsis");
  for (const auto& [valore, atteso] : {std::pair{0, 1}, {51, 50}, {17, 17}}) {
    barra->setValue(valore);
    EXPECT_EQ(f->NumeroSistemi(), atteso);
    EXPECT_EQ(conteggio->text(), QString::number(atteso));
  }
  barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(f->NumeroSistemi(), 18);
  Scegli(*f, 8, 3);
  f->grab().save("frmRidottiRandom.png");

  // Its calibration button opens the reduced-slip calibration window.
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

TEST_F(RidottiTest, SlipsCountsMarksPricesOnTheCalibratedPrinter) {
  Taratura({{"kTop", "5000"}, {"Nome_Stampante", "Getto Cassa"}, {"Marcatore_Stampa", "1111"}});
  StampanteRegistrata stampante({"Laser Ufficio", "Getto Cassa"}, "Laser Ufficio");
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra(42);
  Scegli(*f, 8, 3);
  Stampa(*f);
  EXPECT_TRUE(platform::MessageBox::Mostrati().empty());
  EXPECT_TRUE(f->isEnabled());
  EXPECT_EQ(sistema->ColonnePerScheda, 1);
  ASSERT_EQ(stampante.Documenti().size(), 1u);
  const DocumentoRegistrato& d = stampante.Documenti()[0];
  EXPECT_EQ(d.stampante, "Getto Cassa");
  ASSERT_EQ(d.pagine.size(), 3u);

  std::mt19937 stesso(42);
  const auto attesi = GeneraRidottiCasuali(55, 8, 3, stesso);
  const TaraturaScheda t = LeggiTaratura(sistema->FileTaraturaRidotti, LayoutScheda::Ridotti);
  for (size_t s = 0; s < 3; ++s) {
    const PaginaRegistrata& p = d.pagine[s];
    EXPECT_EQ(p.Testo("Scheda n. ")->testo, "Scheda n. 0" + std::to_string(s + 1));
    EXPECT_EQ(p.Testo("   €")->testo, "   € 7,50");  // 5 columns of 1,50
    const auto riquadri = p.Di(Tipo::Riquadro);
    ASSERT_EQ(riquadri.size(), 9u);  // 8 marks and the extra box
    std::vector<uint8_t> segnati;
    for (size_t i = 0; i < 8; ++i) {
      const int numero = std::stoi(p.Testi()[i + 1]);  // each square carries its number
      const PuntoMm a = PosizioneNumero(t, 50.0, numero);
      EXPECT_NEAR(riquadri[i].x, a.x, 1e-4);
      EXPECT_NEAR(riquadri[i].y, a.y, 1e-4);
      segnati.push_back(static_cast<uint8_t>(numero));
    }
    std::vector<uint8_t> sistema = attesi[s];
    std::sort(sistema.begin(), sistema.end());
    EXPECT_EQ(segnati, sistema) << "slip " << s + 1;
    EXPECT_NEAR(riquadri[8].y, 50.0 + 8 * 8.2 - 2, 1e-4);
  }
}

TEST_F(RidottiTest, InterruptBeforeTheFourthSlipOfTen) {
  StampanteInterrotta stampante;
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra();
  Scegli(*f, 9, 10);
  Stampa(*f);
  ASSERT_EQ(stampante.Documenti().size(), 1u);
  EXPECT_EQ(stampante.Documenti()[0].pagine.size(), 3u);
  EXPECT_EQ(stampante.Aperto(), nullptr);
  EXPECT_EQ(Avanzamento(), nullptr);
  EXPECT_TRUE(f->isEnabled());
  EXPECT_FALSE(stampante.Occupata());
}

TEST_F(RidottiTest, RefusedWhileAnotherRunHoldsThePrinterAndAFaultReported) {
  Taratura({{"Nome_Stampante", "Getto Cassa"}});
  StampanteRegistrata stampante({"Laser Ufficio", "Getto Cassa"}, "Laser Ufficio");
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra();
  {
    PrenotazioneStampante altra(stampante);
    Stampa(*f);
  }
  EXPECT_EQ(platform::MessageBox::Mostrati(), Messaggi{MessaggioStampaInCorso()});
  EXPECT_TRUE(stampante.Documenti().empty());
  EXPECT_EQ(stampante.Corrente(), "Laser Ufficio");  // the other run's printer stays

  platform::MessageBox::Azzera();
  stampante.SimulaGuasto(5);
  Scegli(*f, 6, 4);
  Stampa(*f);
  EXPECT_EQ(platform::MessageBox::Mostrati(),
            Messaggi{(Messaggio{Icona::Nessuna, Pulsanti::Ok, "",
                                "Error 482 (Printer error) in procedure StampaSchedaRidotti of Form frmRidottiRandom"})});
  EXPECT_EQ(stampante.Aperto(), nullptr);
  EXPECT_TRUE(f->isEnabled());
}

// A slip on Qt's own PDF: the texts where the calibration puts them.
TEST_F(RidottiTest, ASlipOnQtsPdf) {
  Taratura({{"Marcatore_Stampa", "1111"}});
  QTemporaryDir dir;
  const QString pdf = dir.filePath("ridotto.pdf");
  platform::StampanteQt stampante(pdf);
  platform::ImpostaStampanteCorrente(&stampante);
  auto f = Finestra();
  Scegli(*f, 7, 1);
  Stampa(*f);
  ASSERT_EQ(tlx::prova::PaginePdf(pdf), 1);
  const auto parole = tlx::prova::ParolePdf(pdf);
  auto parola = [&](const QString& testo) {
    for (const auto& w : parole)
      if (w.testo == testo) return w;
    return tlx::prova::ParolaPdf{0, {}, -1, -1};
  };
  EXPECT_NEAR(parola("SISTEMA").x, 59.0, 0.2);
  EXPECT_NEAR(parola("SISTEMA").y, 6.0, 0.2);
  EXPECT_NEAR(parola("Ricevitoria").x, 59.0, 0.2);
  EXPECT_NEAR(parola("Ricevitoria").y, 37.0, 0.2);
  EXPECT_NEAR(parola("Scheda").x, 59.0, 0.2);
  EXPECT_NEAR(parola("4,50").y, parola("Scheda").y, 0.2);  // one line: 3 columns of 1,50
  const QImage pagina = tlx::prova::PaginaPng(pdf, 1, QDir::current().filePath("ridotto-scheda.png"));
  EXPECT_TRUE(tlx::prova::Scuro(pagina, 135.8, 108.9));  // the extra box
}

TEST_F(RidottiTest, ASlipThroughTheRealCupsQueue) {
  const QString coda = QStringLiteral("TremaluxorPDF");
  platform::UsaStampantiReali();
  if (!QPrinterInfo::availablePrinterNames().contains(coda))
    GTEST_SKIP() << "no CUPS queue " << coda.toStdString() << " (scripts/cups-pdf.sh adds it)";
  Taratura({{"Nome_Stampante", coda}});
  platform::StampanteQt stampante;
  const QString nome = QString("tlx-ridotto-%1").arg(QCoreApplication::applicationPid());
  stampante.ImpostaNomeDocumento(nome);
  platform::ImpostaStampanteCorrente(&stampante);
  const passwd* utente = getpwuid(getuid());
  const QDir cartellaPdf(QString::fromLocal8Bit(utente ? utente->pw_dir : "") + "/PDF");
  for (const QString& vecchio : cartellaPdf.entryList({nome + "*"})) QFile::remove(cartellaPdf.filePath(vecchio));

  auto f = Finestra(3);
  Scegli(*f, 6, 1);
  Stampa(*f);
  ASSERT_TRUE(platform::MessageBox::Mostrati().empty());
  EXPECT_EQ(stampante.Corrente(), coda.toStdString());
  QString pdf;
  QElapsedTimer attesa;
  attesa.start();
  while (pdf.isEmpty() && attesa.elapsed() < 20000) {
    QThread::msleep(100);
    const auto trovati = cartellaPdf.entryList({nome + "*.pdf"});
    if (!trovati.isEmpty() && QFileInfo(cartellaPdf.filePath(trovati[0])).size() > 0)
      pdf = cartellaPdf.filePath(trovati[0]);
  }
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << cartellaPdf.path().toStdString();
  QThread::msleep(300);
  EXPECT_EQ(tlx::prova::PaginePdf(pdf), 1);
  const QImage pagina = tlx::prova::PaginaPng(pdf, 1, QDir::current().filePath("ridotto-cups.png"));
  std::mt19937 stesso(3);
  const auto numeri = GeneraRidottiCasuali(55, 6, 1, stesso)[0];
  const TaraturaScheda t = TaraturaPredefinita(LayoutScheda::Ridotti);
  for (uint8_t n : numeri) {
    const PuntoMm a = PosizioneNumero(t, t.kTop, n);
    EXPECT_TRUE(tlx::prova::Scuro(pagina, a.x + 2, a.y + 2)) << int{n};
  }
  EXPECT_TRUE(tlx::prova::Scuro(pagina, 135.8, 108.9));
  QFile::remove(pdf);
}

TEST_F(RidottiTest, TheMainWindowOpensOneModelessWindow) {
  prova::FinestraPrincipale principale;
  auto* comando = principale.finestra->findChild<QToolButton*>("cmdRidotti");
  ASSERT_TRUE(comando->isEnabled());
  comando->click();
  comando->click();
  std::vector<frmRidottiRandom*> aperte;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* r = qobject_cast<frmRidottiRandom*>(w); r && r->isVisible()) aperte.push_back(r);
  ASSERT_EQ(aperte.size(), 1u);
  EXPECT_FALSE(aperte[0]->isModal());
  EXPECT_TRUE(principale.finestra->isEnabled());
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
}

}  // namespace
}  // namespace tlx::ui
