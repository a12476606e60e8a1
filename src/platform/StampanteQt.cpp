#include "platform/StampanteQt.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/Errori.h"
#include "platform/ColoriBgr.h"
#include "platform/Stampanti.h"

namespace tlx::platform {

namespace {

constexpr double PUNTI_TRATTO_PER_POLLICE = 600.0;  // a printer dot of the draw width

[[noreturn]] void ErroreStampante() { throw ErroreRuntime(ERRORE_STAMPANTE, "Printer error"); }

// A quality code as the printer takes it: a resolution, and the job's
// print-quality of the printing standard (3 draft, 4 normal, 5 high), which
// has no step below draft. Not configured keeps the printer's own.
struct QualitaStampante {
  int dpi = 0;
  int ipp = 0;
};
QualitaStampante ComeStampante(int16_t qualita) {
  switch (qualita) {
    case qualita::Bozza: return {150, 3};
    case qualita::Bassa: return {300, 3};
    case qualita::Media: return {600, 4};
    case qualita::Alta: return {1200, 5};
    default: return {};
  }
}

// Qt has no call of its own for a CUPS job's options: its print dialog hands
// them to the CUPS print engine under this key, as name and value pairs.
// Other engines (a PDF file) ignore it.
constexpr auto OPZIONI_CUPS = QPrintEngine::PrintEnginePropertyKey(0xfe00);

}  // namespace

StampanteQt::StampanteQt() : nome_(QPrinterInfo::defaultPrinterName()) {}

StampanteQt::StampanteQt(QString filePdf) : filePdf_(std::move(filePdf)) {}

StampanteQt::~StampanteQt() {
  if (painter_.isActive()) painter_.end();
}

std::vector<std::string> StampanteQt::Installate() const {
  std::vector<std::string> nomi;
  for (const QString& n : StampantiInstallate()) nomi.push_back(n.toStdString());
  return nomi;
}

void StampanteQt::ImpostaCorrente(const std::string& nome) {
  // A document already begun stays on its printer until it ends.
  nome_ = QString::fromStdString(nome);
  if (!painter_.isActive()) printer_.reset();
}

void StampanteQt::PreparaStampante() const {
  if (printer_) return;
  if (filePdf_.isEmpty() && !nome_.isEmpty())
    printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(nome_), QPrinter::HighResolution);
  else
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!filePdf_.isEmpty()) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(filePdf_);
  }
  printer_->setPageSize(QPageSize(QPageSize::A4));
  printer_->setPageOrientation(QPageLayout::Portrait);
  printer_->setColorMode(QPrinter::Color);
  QPageLayout pagina = printer_->pageLayout();
  pagina.setUnits(QPageLayout::Millimeter);
  origineMm_ = QPointF(pagina.minimumMargins().left(), pagina.minimumMargins().top());
  // The whole sheet is the device, so the drawing needs no margin rounding.
  printer_->setFullPage(true);
  printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QPainter& StampanteQt::Pittore() {
  if (!painter_.isActive()) {
    PreparaStampante();
    // The quality reaches the job as well as Qt's rendering.
    if (const QualitaStampante q = ComeStampante(Qualita()); q.dpi > 0) {
      printer_->setResolution(q.dpi);
      printer_->printEngine()->setProperty(
          OPZIONI_CUPS, QStringList{"print-quality", QString::number(q.ipp), "Resolution", QString("%1dpi").arg(q.dpi)});
    }
    printer_->setDocName(nomeDocumento_);
    if (!painter_.begin(printer_.get())) {
      printer_.reset();
      ErroreStampante();
    }
    pagineInSospeso_ = 0;
  }
  // A page is started only when something is drawn on it: an end of
  // document right after a page end prints no blank page.
  for (; pagineInSospeso_ > 0; --pagineInSospeso_)
    if (!printer_->newPage()) ErroreStampante();
  return painter_;
}

double StampanteQt::Dpmm() const { return printer_->resolution() / MM_PER_POLLICE; }

QPointF StampanteQt::Punto(double xMm, double yMm) const { return (QPointF(xMm, yMm) + origineMm_) * Dpmm(); }

QFont StampanteQt::Font() const {
  QFont f(QString::fromStdString(FontNome()));
  f.setPointSizeF(DimensioneFont());
  f.setBold(Grassetto());
  return f;
}

double StampanteQt::LarghezzaMm(std::string_view testo) const {
  PreparaStampante();
  const QFontMetricsF fm(Font(), printer_.get());
  return fm.horizontalAdvance(QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()))) / Dpmm();
}

double StampanteQt::AltezzaRigaMm() const {
  PreparaStampante();
  return QFontMetricsF(Font(), printer_.get()).height() / Dpmm();
}

void StampanteQt::DisegnaTesto(double x, double y, std::string_view testo) {
  QPainter& p = Pittore();
  p.setFont(Font());
  p.setPen(DaBgr(ColoreTesto()));
  // drawText takes the baseline: the text's top-left goes at (x, y).
  const QFontMetricsF fm(p.font(), printer_.get());
  p.drawText(Punto(x, y) + QPointF(0, fm.ascent()), QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
}

void StampanteQt::DisegnaRiquadro(double x1, double y1, double x2, double y2, int32_t colore) {
  QPainter& p = Pittore();
  const double spessore = SpessoreTratto() * printer_->resolution() / PUNTI_TRATTO_PER_POLLICE;
  p.setPen(QPen(DaBgr(colore), spessore, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Riempimento() == StileRiempimento::Pieno ? QBrush(DaBgr(ColoreRiempimento())) : QBrush(Qt::NoBrush));
  p.drawRect(QRectF(Punto(x1, y1), Punto(x2, y2)).normalized());
}

void StampanteQt::DisegnaImmagine(const std::string& percorso, double x, double y) {
  const QImage immagine(QString::fromStdString(percorso));
  if (immagine.isNull()) throw ErroreRuntime(errore::FileNotFound, "File not found");
  QPainter& p = Pittore();
  const double k = Dpmm();
  // Its own size: the picture's pixels at its own resolution.
  const double larghezza = immagine.width() * 1000.0 / immagine.dotsPerMeterX();
  const double altezza = immagine.height() * 1000.0 / immagine.dotsPerMeterY();
  p.drawImage(QRectF(Punto(x, y), QSizeF(larghezza * k, altezza * k)), immagine);
}

void StampanteQt::ChiudiPagina() {
  if (painter_.isActive()) ++pagineInSospeso_;
}

void StampanteQt::ChiudiDocumento() {
  pagineInSospeso_ = 0;
  if (!painter_.isActive()) return;
  const bool fatto = painter_.end();
  const bool errore = printer_->printerState() == QPrinter::Error;
  printer_.reset();
  if (!fatto || errore) ErroreStampante();
}

namespace {
tlx::Stampante*& Sostituta() {
  static tlx::Stampante* s = nullptr;
  return s;
}
}  // namespace

tlx::Stampante& StampanteCorrente() {
  static StampanteQt reale;
  return Sostituta() ? *Sostituta() : reale;
}

void ImpostaStampanteCorrente(tlx::Stampante* stampante) { Sostituta() = stampante; }

}  // namespace tlx::platform
