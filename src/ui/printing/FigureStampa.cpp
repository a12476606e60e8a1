#include "ui/printing/FigureStampa.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <span>

namespace tlx::ui {

namespace {

constexpr int PUNTI_PER_MM = 12;  // about 300 dpi

QImage Tela(double larghezzaMm, double altezzaMm) {
  QImage img(static_cast<int>(larghezzaMm * PUNTI_PER_MM), static_cast<int>(altezzaMm * PUNTI_PER_MM),
             QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::white);
  img.setDotsPerMeterX(PUNTI_PER_MM * 1000);
  img.setDotsPerMeterY(PUNTI_PER_MM * 1000);
  return img;
}

// The logo: a slip of five marked boxes beside the program's name.
QImage Logo(bool colori) {
  QImage img = Tela(56, 14);
  const double u = PUNTI_PER_MM;
  const QColor blu = colori ? QColor(0x1d, 0x5f, 0x8a) : Qt::black;
  const QColor rosso = colori ? QColor(0xd0, 0x10, 0x10) : QColor(0x60, 0x60, 0x60);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(blu, 0.4 * u));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0.5 * u, 0.5 * u, 13 * u, 13 * u), 1.5 * u, 1.5 * u);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      const QRectF casella((2 + c * 3.7) * u, (2 + r * 3.7) * u, 2.8 * u, 2.8 * u);
      const bool segnata = (r + c) % 2 == 0;
      p.setPen(QPen(blu, 0.25 * u));
      p.setBrush(segnata ? QBrush(rosso) : Qt::NoBrush);
      p.drawRect(casella);
    }
  }
  QFont f("Arial");
  f.setBold(true);
  f.setPixelSize(static_cast<int>(6.2 * u));
  p.setFont(f);
  p.setPen(blu);
  p.drawText(QRectF(16 * u, 0, 40 * u, 9 * u), Qt::AlignLeft | Qt::AlignBottom, "Tremaluxor");
  f.setBold(false);
  f.setPixelSize(static_cast<int>(3.2 * u));
  p.setFont(f);
  p.setPen(rosso);
  p.drawText(QRectF(16 * u, 9 * u, 40 * u, 5 * u), Qt::AlignLeft | Qt::AlignTop, "QVX  sistemi e ridotti");
  return img;
}

// A prohibition sign: a ring with a bar across.
QImage Vietato(bool colori) {
  QImage img = Tela(16, 16);
  const double u = PUNTI_PER_MM;
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colori ? QColor(0xd0, 0x10, 0x10) : Qt::black, 1.8 * u));
  p.drawEllipse(QRectF(1.5 * u, 1.5 * u, 13 * u, 13 * u));
  const double d = 6.5 * u / std::sqrt(2.0);
  p.drawLine(QPointF(8 * u - d, 8 * u - d), QPointF(8 * u + d, 8 * u + d));
  return img;
}

}  // namespace

QImage FiguraTabulato(Figura figura, bool colori) { return figura == Figura::Logo ? Logo(colori) : Vietato(colori); }

QImage FiguraSchedaRidotto(int numeri, const QString& prezzo) {
  // A reduced-system slip: the number panel with its marks, the extra box,
  // the title area and the price, in the slip's own pink and red.
  QImage img(200, 260, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor rosa(0xfb, 0xe3, 0xe8), rosso(0xc8, 0x1e, 0x3c);
  p.setPen(QPen(rosso, 1.5));
  p.setBrush(rosa);
  p.drawRoundedRect(QRectF(4, 4, 192, 252), 8, 8);
  p.setBrush(rosso);
  p.drawRect(QRectF(4, 4, 192, 30));
  QFont f("Arial");
  f.setBold(true);
  f.setPixelSize(13);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(4, 4, 192, 30), Qt::AlignCenter, "SISTEMA RIDOTTO");
  f.setBold(false);
  f.setPixelSize(8);
  p.setFont(f);
  const int esempio[] = {3, 11, 19, 27, 34, 48, 7, 40, 52};
  const auto marcati = std::span(esempio).first(static_cast<size_t>(std::clamp(numeri, 0, int{std::size(esempio)})));
  int n = 1;
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 10; ++c) {
      if (r == 0 && c < 5) continue;
      const QRectF box(18 + c * 17, 50 + r * 24, 13, 17);
      const bool segnato = std::ranges::find(marcati, n) != marcati.end();
      p.setPen(QPen(rosso, 0.8));
      p.setBrush(segnato ? QBrush(Qt::black) : QBrush(Qt::white));
      p.drawRect(box);
      p.setPen(segnato ? Qt::white : rosso);
      p.drawText(box, Qt::AlignCenter, QString::number(n));
      ++n;
    }
  }
  p.setPen(QPen(rosso, 0.8));
  p.setBrush(Qt::black);
  p.drawRect(QRectF(18 + 9 * 17, 50 + 6 * 24 + 6, 13, 17));
  p.setPen(rosso);
  f.setPixelSize(10);
  p.setFont(f);
  p.drawText(QRectF(18, 50 + 6 * 24 + 6, 140, 17), Qt::AlignLeft | Qt::AlignVCenter, "Scheda n. 01  " + prezzo.trimmed());
  p.drawText(QRectF(18, 228, 170, 20), Qt::AlignLeft | Qt::AlignVCenter, "TremaluxorQVX");
  return img;
}

}  // namespace tlx::ui
