#include "ui/main/GrigliaNumeri.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/Sistema.h"

namespace tlx::ui {

namespace {
// Ten places per row, six rows; the first row holds 1..5 in its last five
// places. Cells are a pixel wider and taller than their pitch so that the
// borders of neighbours overlap into a single line.
constexpr int kColonne = 10;
constexpr int kRighe = 6;
constexpr double kPassoX = 46, kPassoY = 40, kCellaX = 47, kCellaY = 41;
constexpr double kLarghezza = kPassoX * (kColonne - 1) + kCellaX;
constexpr double kAltezza = kPassoY * (kRighe - 1) + kCellaY;
constexpr double kPuntiCarattere = 20.25;

int IndiceDaPosto(int riga, int colonna) {
  if (riga == 0) return colonna >= 5 ? colonna - 5 : -1;
  return 5 + (riga - 1) * kColonne + colonna;
}

void PostoDaIndice(int indice, int& riga, int& colonna) {
  if (indice < 5) {
    riga = 0;
    colonna = indice + 5;
  } else {
    riga = 1 + (indice - 5) / kColonne;
    colonna = (indice - 5) % kColonne;
  }
}
}  // namespace

GrigliaNumeri::GrigliaNumeri(const Sistema& sistema, QWidget* parent)
    : QWidget(parent),
      sistema_(sistema),
      pittura_([this](QPoint p) { return CellaIn(p); }, [this](int cella) { emit cellaAttivata(cella); }) {
  setObjectName("grnum");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize GrigliaNumeri::sizeHint() const { return QSize(int(kLarghezza * 1.25), int(kAltezza * 1.25)); }
QSize GrigliaNumeri::minimumSizeHint() const { return QSize(int(kLarghezza * 0.8), int(kAltezza * 0.8)); }

QRect GrigliaNumeri::RettangoloCella(int indice) const {
  int riga = 0, colonna = 0;
  PostoDaIndice(indice, riga, colonna);
  const double sx = width() / kLarghezza, sy = height() / kAltezza;
  const int x0 = int(std::lround(colonna * kPassoX * sx)), y0 = int(std::lround(riga * kPassoY * sy));
  const int x1 = int(std::lround((colonna * kPassoX + kCellaX) * sx)), y1 = int(std::lround((riga * kPassoY + kCellaY) * sy));
  return QRect(QPoint(x0, y0), QPoint(std::min(x1, width()), std::min(y1, height())) - QPoint(1, 1));
}

int GrigliaNumeri::CellaIn(const QPoint& p) const {
  if (p.x() < 0 || p.y() < 0 || p.x() >= width() || p.y() >= height()) return -1;
  const double sx = width() / kLarghezza, sy = height() / kAltezza;
  const int colonna = std::min(kColonne - 1, int(p.x() / (kPassoX * sx)));
  const int riga = std::min(kRighe - 1, int(p.y() / (kPassoY * sy)));
  return IndiceDaPosto(riga, colonna);
}

void GrigliaNumeri::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  const double scala = std::min(width() / kLarghezza, height() / kAltezza);
  QFont carattere("Calibri");
  carattere.setPointSizeF(std::max(6.0, kPuntiCarattere * scala * 0.75));
  const QColor bordo = isEnabled() ? QColor(0, 0, 0) : QColor(120, 120, 120);
  for (int i = 0; i < NUMERI; ++i) {
    const QRect r = RettangoloCella(i);
    const bool scelto = sistema_.NumeriScelti[static_cast<size_t>(i)] == 1;
    p.fillRect(r, scelto ? QColor(128, 255, 255) : QColor(255, 255, 255));
    p.setPen(bordo);
    p.drawRect(r.adjusted(0, 0, -1, -1));  // a stroked rectangle grows by the pen
    carattere.setBold(scelto);
    p.setFont(carattere);
    p.setPen(QColor(0, 0, 0));
    p.drawText(r, Qt::AlignCenter, QString("%1").arg(i + 1, 2, 10, QChar('0')));
  }
}

void GrigliaNumeri::mousePressEvent(QMouseEvent* e) {
  if (!pittura_.InCorso()) pittura_.Premi(e->position().toPoint());
}

void GrigliaNumeri::mouseMoveEvent(QMouseEvent* e) {
  if (e->buttons() != Qt::NoButton) pittura_.Muovi(e->position().toPoint());
}

void GrigliaNumeri::mouseReleaseEvent(QMouseEvent* e) {
  if (e->buttons() == Qt::NoButton) pittura_.Rilascia();
}

}  // namespace tlx::ui
