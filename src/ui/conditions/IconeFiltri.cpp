#include "ui/conditions/IconeFiltri.h"

#include <QPainter>
#include <QPolygonF>

#include "ui/shared/Icone.h"

namespace tlx::ui {

namespace {
const QColor kRosso(190, 50, 50);

void Cestino(QPainter& p) {
  p.drawLine(QPointF(17, 20), QPointF(47, 20));
  p.drawLine(QPointF(27, 20), QPointF(29, 14));
  p.drawLine(QPointF(29, 14), QPointF(35, 14));
  p.drawLine(QPointF(35, 14), QPointF(37, 20));
  p.drawPolyline(QPolygonF({{21, 24}, {24, 50}, {40, 50}, {43, 24}}));
}
}  // namespace

QIcon IconaCancella() { return IconaPulsante("cmdCancella"); }

QIcon IconaCancellaTutto() {
  return IconaPulsante(kRosso, [](QPainter& p) {
    Cestino(p);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {28.0, 36.0}) p.drawLine(QPointF(x, 28), QPointF(x, 44));
  });
}

QIcon IconaApriFile() {
  return IconaPulsante(QColor(200, 140, 30), [](QPainter& p) {
    p.drawPolyline(QPolygonF({{12, 48}, {12, 18}, {26, 18}, {30, 23}, {46, 23}, {46, 30}}));
    p.drawPolygon(QPolygonF({{12, 48}, {20, 30}, {54, 30}, {46, 48}}));
  });
}

QIcon IconaImporta() {
  return IconaPulsante(QColor(30, 140, 90), [](QPainter& p) {
    p.drawLine(QPointF(32, 12), QPointF(32, 38));
    p.drawPolyline(QPolygonF({{22, 29}, {32, 39}, {42, 29}}));
    p.drawPolyline(QPolygonF({{14, 40}, {14, 50}, {50, 50}, {50, 40}}));
  });
}

}  // namespace tlx::ui
