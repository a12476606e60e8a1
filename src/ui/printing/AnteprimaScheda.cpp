#include "ui/printing/AnteprimaScheda.h"

#include <QPainter>
#include <algorithm>

#include "core/Sistema.h"
#include "printing/Schede.h"

namespace tlx::ui {

AnteprimaScheda::AnteprimaScheda(LayoutScheda layout, QWidget* parent) : QWidget(parent), layout_(layout) {
  setMinimumSize(150, 210);
}

void AnteprimaScheda::paintEvent(QPaintEvent*) {
  const TaraturaScheda t = TaraturaPredefinita(layout_);
  const TipoScheda tipo = DatiTipoScheda(layout_);
  const double y0 = InizioPannello(t, layout_, 1);
  // The part of the page that holds the panels, with a margin around it.
  const double sinistra = t.kLeft - 3;
  const double alto = std::min<double>(t.kWebY, y0) - 3;
  const double destra = t.kLeft + 10 * double{t.kX} + 3;
  const double basso = InizioPannello(t, layout_, tipo.colonne) + 6 * double{t.kY} + (layout_ == LayoutScheda::Ridotti ? 20 : 6);

  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF carta = QRectF(rect()).adjusted(4, 4, -4, -4);
  const double scala = std::min(carta.width() / (destra - sinistra), carta.height() / (basso - alto));
  const QPointF origine(carta.center().x() - (destra - sinistra) * scala / 2, carta.top());
  auto punto = [&](double x, double y) { return origine + QPointF((x - sinistra) * scala, (y - alto) * scala); };

  p.setPen(QPen(QColor("#b04a4a"), 1.5));
  p.setBrush(QColor("#fff3ee"));
  p.drawRoundedRect(QRectF(punto(sinistra, alto), punto(destra, basso)), 6, 6);

  p.setBrush(QColor("#d95c5c"));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(punto(sinistra + 2, alto + 1.5), punto(destra - 2, alto + 4)));

  QFont f = font();
  f.setPixelSize(std::max(6, static_cast<int>(tipo.lato * scala * 0.6)));
  p.setFont(f);
  for (int pannello = 1; pannello <= tipo.colonne; ++pannello) {
    const double y = InizioPannello(t, layout_, pannello);
    for (int m = 1; m <= NUMERI; ++m) {
      const PuntoMm a = PosizioneNumero(t, y, m);
      const QRectF casella(punto(a.x, a.y), punto(a.x + tipo.lato, a.y + tipo.lato));
      p.setPen(QPen(QColor("#d95c5c"), 0.8));
      p.setBrush(Qt::white);
      p.drawRect(casella);
      if (tipo.colonne == 1) {
        p.setPen(QColor("#b04a4a"));
        p.drawText(casella, Qt::AlignCenter, QString::number(m));
      }
    }
  }
  if (layout_ == LayoutScheda::Ridotti) {
    const double x = t.kLeft + 9 * double{t.kX} - 2;
    const double y = t.kTop + 8 * double{t.kY} - 2;
    p.setPen(QPen(QColor("#d95c5c"), 0.8));
    p.setBrush(QColor("#ffe0d8"));
    p.drawRect(QRectF(punto(x, y), punto(x + tipo.lato, y + tipo.lato)));
  }
}

}  // namespace tlx::ui
