#pragma once
// The real printer behind tlx::Stampante: Qt's QPrinter and QPainter on an
// installed printer (CUPS on Linux), or on a PDF file. Pages are drawn with
// no painter scaling, each millimetre mapped to device units, so a font of
// N points prints N points high. Positions start at the top-left corner of
// the printer's printable area (of the sheet, for a PDF file).

#include <QPainter>
#include <QString>
#include <memory>

#include "printing/Stampante.h"

class QPrinter;

namespace tlx::platform {

class StampanteQt : public tlx::Stampante {
 public:
  // The system's default printer is the current one.
  StampanteQt();
  // Every document goes into this PDF file, the named printer or not.
  explicit StampanteQt(QString filePdf);
  ~StampanteQt() override;

  std::vector<std::string> Installate() const override;
  std::string Corrente() const override { return nome_.toStdString(); }
  // The name the next document is given (cups-pdf names its file after it).
  void ImpostaNomeDocumento(const QString& nome) { nomeDocumento_ = nome; }

 protected:
  void ImpostaCorrente(const std::string& nome) override;
  double LarghezzaMm(std::string_view testo) const override;
  double AltezzaRigaMm() const override;
  void DisegnaTesto(double x, double y, std::string_view testo) override;
  void DisegnaRiquadro(double x1, double y1, double x2, double y2, int32_t colore) override;
  void DisegnaImmagine(const std::string& percorso, double x, double y) override;
  void ChiudiPagina() override;
  void ChiudiDocumento() override;

 private:
  void PreparaStampante() const;
  QPainter& Pittore();
  QPointF Punto(double xMm, double yMm) const;
  QFont Font() const;
  double Dpmm() const;

  QString nome_;
  QString filePdf_;
  QString nomeDocumento_ = QStringLiteral("TremaluxorQVX");
  // Made on first need (text is measured before a document begins) and
  // after each document ends.
  mutable std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  mutable QPointF origineMm_;  // the printable area's corner on the sheet
  int pagineInSospeso_ = 0;
};

// The program's one current printer. Tests put a printer of their own in its
// place (a recording one, or a StampanteQt on a PDF file); nullptr puts the
// real one back.
tlx::Stampante& StampanteCorrente();
void ImpostaStampanteCorrente(tlx::Stampante* stampante);

}  // namespace tlx::platform
