#include "ui/widgets/BarraPannelli.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>

namespace tlx::ui {

namespace {

using Mossa = BarraPannelli::Mossa;

// The picture of a step button, drawn at twice the size for sharp edges on
// dense screens. Backward pictures are the forward ones mirrored.
QIcon IconaFreccia(Mossa m) {
  constexpr int lato = 24;
  constexpr qreal densita = 2.0;
  QPixmap pixmap(static_cast<int>(lato * densita), static_cast<int>(lato * densita));
  pixmap.setDevicePixelRatio(densita);
  pixmap.fill(Qt::transparent);

  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (m == Mossa::Primo || m == Mossa::IndietroLungo || m == Mossa::Indietro1) {
    p.translate(lato, 0);
    p.scale(-1, 1);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1f, 0x4e, 0x8c));

  const auto triangolo = [&p](qreal sinistra) {
    p.drawPolygon(QPolygonF{{QPointF(sinistra, 5), QPointF(sinistra + 8, 12), QPointF(sinistra, 19)}});
  };
  switch (m) {
    case Mossa::Avanti1:
    case Mossa::Indietro1: triangolo(8); break;
    case Mossa::AvantiLungo:
    case Mossa::IndietroLungo:
      triangolo(4.5);
      triangolo(11.5);
      break;
    case Mossa::Primo:
    case Mossa::Ultimo:
      triangolo(6);
      p.drawRoundedRect(QRectF(15, 5, 3, 14), 1, 1);
      break;
  }
  return QIcon(pixmap);
}

// Keys that keep their usual meaning on a step button.
bool TastoDiServizio(const QKeyEvent* tasto) {
  switch (tasto->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return true;
    default: return false;
  }
}

bool Passo(Mossa m) { return m != Mossa::Primo && m != Mossa::Ultimo; }

}  // namespace

BarraPannelli::BarraPannelli(QWidget* parent) : QWidget(parent) {
  const std::array<std::pair<const char*, const char*>, 6> voci{{{"cmdBOTTOM", "Primo Pannello"},
                                                                 {"cmdPrev2", "Indietro di 10 pannelli"},
                                                                 {"cmdPrev1", "Indietro di 1 pannello"},
                                                                 {"cmdNext1", "Avanti di 1 pannello"},
                                                                 {"cmdNext2", "Avanti di 10 pannelli"},
                                                                 {"cmdTOP", "Ultimo Pannello"}}};
  auto* riga = new QHBoxLayout(this);
  riga->setContentsMargins(0, 0, 0, 0);
  riga->setSpacing(6);
  for (size_t i = 0; i < voci.size(); ++i) {
    const auto m = static_cast<Mossa>(i);
    auto* pulsante = new QPushButton(this);
    pulsante->setObjectName(voci[i].first);
    pulsante->setToolTip(voci[i].second);
    pulsante->setIcon(IconaFreccia(m));
    pulsante->setIconSize(QSize(24, 24));
    pulsante->setAutoDefault(false);
    pulsante->setMinimumHeight(36);
    pulsante->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(pulsante, &QPushButton::clicked, this, [this, m] { emit mossa(m); });
    if (Passo(m)) pulsante->installEventFilter(this);
    riga->addWidget(pulsante);
    pulsanti_[i] = pulsante;
  }
}

bool BarraPannelli::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress && !TastoDiServizio(static_cast<QKeyEvent*>(evento))) {
    for (size_t i = 0; i < pulsanti_.size(); ++i) {
      if (oggetto != pulsanti_[i]) continue;
      // Held keys arrive as repeated key-downs: each one is a step. The key
      // is used up here, so it does not also click the button.
      emit mossa(static_cast<Mossa>(i));
      return true;
    }
  }
  return QWidget::eventFilter(oggetto, evento);
}

}  // namespace tlx::ui
