#include "ui/shared/Icone.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace tlx::ui {

namespace {

constexpr int kLato = 64;

using Disegno = std::function<void(QPainter&)>;

QPen Tratto(qreal larghezza = 5) { return QPen(Qt::white, larghezza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QIcon Disegna(const QColor& fondo, const Disegno& glifo) {
  QPixmap pm(kLato, kLato);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, kLato);
  g.setColorAt(0, fondo.lighter(125));
  g.setColorAt(1, fondo.darker(115));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(2, 2, kLato - 4, kLato - 4), 12, 12);
  p.setBrush(Qt::NoBrush);
  p.setPen(Tratto());
  glifo(p);
  p.end();
  QIcon icona(pm);
  // Disabled buttons show a faded picture rather than the style's guess.
  QPixmap spenta(pm.size());
  spenta.fill(Qt::transparent);
  QPainter ps(&spenta);
  ps.setOpacity(0.35);
  ps.drawPixmap(0, 0, pm);
  ps.end();
  icona.addPixmap(spenta, QIcon::Disabled);
  return icona;
}

void Griglia(QPainter& p, int celle, const QRectF& r, qreal tratto) {
  p.setPen(Tratto(tratto));
  p.drawRect(r);
  for (int i = 1; i < celle; ++i) {
    const qreal x = r.left() + r.width() * i / celle, y = r.top() + r.height() * i / celle;
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
  }
}

void Punti(QPainter& p, std::initializer_list<QPointF> centri, qreal raggio) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (const QPointF& c : centri) p.drawEllipse(c, raggio, raggio);
  p.setBrush(Qt::NoBrush);
}

const std::map<QString, std::pair<QColor, Disegno>>& Disegni() {
  static const std::map<QString, std::pair<QColor, Disegno>> d{
      {"cmdRidotti", {QColor(120, 70, 170), [](QPainter& p) {
         p.drawRoundedRect(QRectF(14, 14, 36, 36), 6, 6);
         Punti(p, {{23, 23}, {32, 32}, {41, 41}, {41, 23}, {23, 41}}, 3.5);
       }}},
      {"cmdCruciverba", {QColor(200, 120, 30), [](QPainter& p) { Griglia(p, 5, QRectF(13, 13, 38, 38), 3); }}},
      {"cmdArchivio", {QColor(60, 120, 90), [](QPainter& p) {
         for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(14, 13 + i * 13, 36, 11), 3, 3);
         for (int i = 0; i < 3; ++i) p.drawLine(QPointF(28, 18.5 + i * 13), QPointF(36, 18.5 + i * 13));
       }}},
      {"cmdModifiche", {QColor(70, 110, 160), [](QPainter& p) {
         QPainterPath matita;
         matita.moveTo(18, 46);
         matita.lineTo(21, 37);
         matita.lineTo(41, 17);
         matita.lineTo(47, 23);
         matita.lineTo(27, 43);
         matita.closeSubpath();
         p.drawPath(matita);
         p.drawLine(QPointF(36, 22), QPointF(42, 28));
       }}},
      {"cmdAdatta", {QColor(30, 140, 150), [](QPainter& p) {
         Griglia(p, 3, QRectF(12, 12, 26, 26), 3);
         p.setPen(Tratto(4));
         p.drawLine(QPointF(34, 34), QPointF(50, 50));
         p.drawLine(QPointF(50, 50), QPointF(50, 40));
         p.drawLine(QPointF(50, 50), QPointF(40, 50));
       }}},
      {"cmdSpoglio", {QColor(40, 150, 70), [](QPainter& p) {
         p.setPen(Tratto(7));
         p.drawPolyline(QPolygonF({{17, 33}, {28, 44}, {48, 21}}));
       }}},
      {"cmdVisualizza", {QColor(50, 100, 180), [](QPainter& p) {
         QPainterPath occhio;
         occhio.moveTo(12, 32);
         occhio.quadTo(32, 12, 52, 32);
         occhio.quadTo(32, 52, 12, 32);
         p.drawPath(occhio);
         Punti(p, {{32, 32}}, 7);
       }}},
      {"cmdCancella", {QColor(190, 50, 50), [](QPainter& p) {
         p.setPen(Tratto(7));
         p.drawLine(QPointF(20, 20), QPointF(44, 44));
         p.drawLine(QPointF(44, 20), QPointF(20, 44));
       }}},
      {"cmdCalcolo", {QColor(30, 150, 90), [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawPolygon(QPolygonF({{22, 16}, {50, 32}, {22, 48}}));
       }}},
      {"cmdTabulato", {QColor(90, 90, 110), [](QPainter& p) {
         p.drawRect(QRectF(18, 11, 28, 42));
         p.setPen(Tratto(3));
         for (int i = 0; i < 4; ++i) p.drawLine(QPointF(23, 20 + i * 8), QPointF(41, 20 + i * 8));
       }}},
      {"cmdSchedine", {QColor(200, 60, 110), [](QPainter& p) {
         p.drawRoundedRect(QRectF(11, 18, 42, 28), 4, 4);
         Punti(p, {{21, 27}, {29, 27}, {37, 37}, {45, 27}, {21, 37}}, 3);
       }}},
      {"cmdPicture", {QColor(0, 110, 150), [](QPainter& p) {
         Punti(p, {{20, 22}, {44, 22}, {32, 32}, {20, 42}, {44, 42}}, 6);
       }}},
  };
  return d;
}

}  // namespace

QIcon IconaPulsante(const QString& pulsante) {
  const auto& d = Disegni();
  const auto it = d.find(pulsante);
  if (it == d.end()) return {};
  return Disegna(it->second.first, it->second.second);
}

QIcon IconaProgramma() { return IconaPulsante("cmdPicture"); }

QIcon IconaPulsante(const QColor& fondo, const std::function<void(QPainter&)>& glifo) { return Disegna(fondo, glifo); }

}  // namespace tlx::ui
