// The real printer: millimetre positions on Qt's own PDF output, and a page
// printed through the CUPS queue of the test machine by its device name.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

#include "PdfProva.h"
#include "core/Errori.h"
#include "platform/StampanteQt.h"
#include "platform/Stampanti.h"

namespace tlx {
namespace {

TEST(StampanteQt, TestiERiquadriInMillimetri) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("pagina.pdf");
  platform::StampanteQt p(pdf);
  p.ImpostaFont("Arial");
  p.ImpostaDimensioneFont(8);
  p.ImpostaX(59.0);
  p.ImpostaY(37.0);
  p.Stampa("INTESTAZIONE", true);
  const double riga = p.AltezzaRiga();
  EXPECT_NEAR(riga, 8 * MM_PER_PUNTO * 1.15, 0.3);  // Liberation Sans in Arial's place
  EXPECT_DOUBLE_EQ(p.X(), 0);
  EXPECT_NEAR(p.Y(), 37.0 + riga, 1e-9);
  p.ImpostaX(70);
  p.Stampa("Scheda", false);
  const double dopo = p.X();
  p.ImpostaDimensioneFont(22);
  p.Stampa("EURO", true);
  p.ImpostaRiempimento(StileRiempimento::Pieno);
  p.Riquadro(62.0, 43.3, 66.0, 47.3);
  // A stored picture at its own size: 100 pixels at 100 per cm are 10 mm.
  QImage quadrato(100, 100, QImage::Format_RGB32);
  quadrato.fill(Qt::black);
  quadrato.setDotsPerMeterX(10000);
  quadrato.setDotsPerMeterY(10000);
  const QString immagine = dir.filePath("quadrato.png");
  ASSERT_TRUE(quadrato.save(immagine));
  p.Immagine(immagine.toStdString(), 100, 100);
  p.NuovaPagina();
  p.ImpostaUnita(UnitaStampa::Twip);
  p.ImpostaDimensioneFont(10);
  p.ImpostaX(1440);
  p.ImpostaY(2880);
  p.Stampa("TWIP", true);
  p.FineDocumento();

  ASSERT_EQ(prova::PaginePdf(pdf), 2);
  const auto parole = prova::ParolePdf(pdf);
  ASSERT_EQ(parole.size(), 4U);
  const struct {
    QString testo;
    int pagina;
    double x, y;
  } attese[] = {{"INTESTAZIONE", 1, 59.0, 37.0},
                {"Scheda", 1, 70.0, 37.0 + riga},
                {"EURO", 1, dopo, 37.0 + riga},
                {"TWIP", 2, 25.4, 50.8}};
  for (size_t i = 0; i < std::size(attese); ++i) {
    EXPECT_EQ(parole[i].testo, attese[i].testo);
    EXPECT_EQ(parole[i].pagina, attese[i].pagina);
    EXPECT_NEAR(parole[i].x, attese[i].x, 0.2) << attese[i].testo.toStdString();
    EXPECT_NEAR(parole[i].y, attese[i].y, 0.2) << attese[i].testo.toStdString();
  }
  const QImage pagina = prova::PaginaPng(pdf, 1, dir.filePath("pagina.png"));
  EXPECT_TRUE(prova::Scuro(pagina, 62.2, 43.5));
  EXPECT_TRUE(prova::Scuro(pagina, 65.8, 47.1));
  EXPECT_FALSE(prova::Scuro(pagina, 61.7, 43.5));
  EXPECT_FALSE(prova::Scuro(pagina, 66.3, 47.1));
  EXPECT_TRUE(prova::Scuro(pagina, 100.3, 100.3));
  EXPECT_TRUE(prova::Scuro(pagina, 109.7, 109.7));
  EXPECT_FALSE(prova::Scuro(pagina, 110.3, 105));
}

TEST(StampanteQt, NessunaStampanteUsabileEUnGuasto) {
  platform::StampanteQt p(QStringLiteral("/cartella/che/non/esiste/pagina.pdf"));
  try {
    p.Stampa("x");
    p.FineDocumento();
    FAIL() << "no error";
  } catch (const ErroreRuntime& e) {
    EXPECT_EQ(e.Numero(), ERRORE_STAMPANTE);
  }
}

// cups-pdf writes into the submitting user's home as /etc/passwd gives it.
QString CartellaCupsPdf() {
  const passwd* utente = getpwuid(getuid());
  return QString::fromLocal8Bit(utente ? utente->pw_dir : "") + "/PDF";
}

TEST(StampanteQt, PaginaSullaCodaCupsPerNome) {
  const QString coda = QStringLiteral("TremaluxorPDF");
  if (!QPrinterInfo::availablePrinterNames().contains(coda))
    GTEST_SKIP() << "no CUPS queue " << coda.toStdString() << " (scripts/cups-pdf.sh adds it)";
  platform::UsaStampantiReali();
  platform::StampanteQt p;
  ASSERT_FALSE(p.Seleziona("tremaluxorpdf"));
  ASSERT_TRUE(p.Seleziona(coda.toStdString()));
  const QString nome = QString("tlx-prova-%1").arg(QCoreApplication::applicationPid());
  p.ImpostaNomeDocumento(nome);
  const QDir cartella(CartellaCupsPdf());
  for (const QString& vecchio : cartella.entryList({nome + "*"})) QFile::remove(cartella.filePath(vecchio));

  p.ImpostaRiempimento(StileRiempimento::Pieno);
  p.Riquadro(20, 20, 24, 24);
  p.NuovaPagina();
  p.Riquadro(40, 60, 44, 64);
  p.NuovaPagina();
  p.FineDocumento();

  QString pdf;
  QElapsedTimer attesa;
  attesa.start();
  while (pdf.isEmpty() && attesa.elapsed() < 20000) {
    QThread::msleep(100);
    const auto trovati = cartella.entryList({nome + "*.pdf"});
    if (!trovati.isEmpty() && QFileInfo(cartella.filePath(trovati[0])).size() > 0) pdf = cartella.filePath(trovati[0]);
  }
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << cartella.path().toStdString();
  QThread::msleep(300);  // the file may still be growing
  EXPECT_EQ(prova::PaginePdf(pdf), 2);
  const QImage seconda = prova::PaginaPng(pdf, 2, QDir::current().filePath("cups-pdf-pagina2.png"));
  EXPECT_TRUE(prova::Scuro(seconda, 42, 62));
  EXPECT_FALSE(prova::Scuro(seconda, 22, 22));
  QFile::remove(pdf);
}

}  // namespace
}  // namespace tlx
