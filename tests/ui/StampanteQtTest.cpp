// The real printer: millimetre positions on Qt's own PDF output (the CUPS
// queue is reached by the windows' end-to-end tests, twips and new pages by
// the listing's).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "PdfProva.h"
#include "core/Errori.h"
#include "platform/StampanteQt.h"

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
  p.FineDocumento();

  const auto parole = prova::ParolePdf(pdf);
  ASSERT_EQ(parole.size(), 3U);
  const std::tuple<QString, double, double> attese[] = {
      {"INTESTAZIONE", 59.0, 37.0}, {"Scheda", 70.0, 37.0 + riga}, {"EURO", dopo, 37.0 + riga}};
  for (size_t i = 0; i < std::size(attese); ++i) {
    const auto& [testo, x, y] = attese[i];
    EXPECT_TRUE(parole[i].testo == testo && std::abs(parole[i].x - x) < 0.2 && std::abs(parole[i].y - y) < 0.2)
        << parole[i].testo.toStdString() << " at " << parole[i].x << ", " << parole[i].y;
  }
  const QImage pagina = prova::PaginaPng(pdf, 1, dir.filePath("pagina.png"));
  // The box and the picture's corners inked, just outside them not.
  for (const auto& [x, y, scuro] : {std::tuple{62.2, 43.5, true}, {65.8, 47.1, true}, {61.7, 43.5, false},
                                    {66.3, 47.1, false}, {100.3, 100.3, true}, {109.7, 109.7, true}, {110.3, 105.0, false}})
    EXPECT_EQ(prova::Scuro(pagina, x, y), scuro) << x << ", " << y;
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

}  // namespace
}  // namespace tlx
