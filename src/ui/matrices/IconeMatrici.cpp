#include "ui/matrices/IconeMatrici.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "ui/shared/Icone.h"

namespace tlx::ui {

namespace {

void Punta(QPainter& p, QPointF vertice, QPointF direzione) {
  const QPointF normale(-direzione.y(), direzione.x());
  p.drawPolyline(QPolygonF({vertice - 8 * direzione + 7 * normale, vertice, vertice - 8 * direzione - 7 * normale}));
}

}  // namespace

QToolButton* PulsanteFigura(QWidget* parent, const char* nome, const QString& suggerimento, const QIcon& icona,
                            int latoIcona, int latoPulsante) {
  auto* b = new QToolButton(parent);
  b->setObjectName(nome);
  b->setToolTip(suggerimento);
  b->setIcon(icona);
  b->setIconSize(QSize(latoIcona, latoIcona));
  b->setFixedSize(latoPulsante, latoPulsante);
  return b;
}

QIcon IconaMescola() {
  return IconaPulsante(QColor(200, 120, 30), [](QPainter& p) {
    QPainterPath a, b;
    a.moveTo(12, 44);
    a.cubicTo(30, 44, 32, 20, 50, 20);
    b.moveTo(12, 20);
    b.cubicTo(30, 20, 32, 44, 50, 44);
    p.drawPath(a);
    p.drawPath(b);
    Punta(p, {52, 20}, {1, 0});
    Punta(p, {52, 44}, {1, 0});
  });
}

QIcon IconaCartella() {
  return IconaPulsante(QColor(190, 150, 40), [](QPainter& p) {
    p.drawPolygon(QPolygonF({{12, 20}, {26, 20}, {30, 25}, {52, 25}, {52, 47}, {12, 47}}));
  });
}

QIcon IconaScarica() {
  return IconaPulsante(QColor(40, 120, 180), [](QPainter& p) {
    p.drawLine(QPointF(32, 12), QPointF(32, 38));
    Punta(p, {32, 40}, {0, 1});
    p.drawPolyline(QPolygonF({{14, 40}, {14, 50}, {50, 50}, {50, 40}}));
  });
}

}  // namespace tlx::ui
