#include "ui/main/frmSplash.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/Versione.h"
#include "platform/Finestre.h"
#include "platform/MessageBox.h"

namespace tlx::ui {

namespace {

QString NomePiattaforma() {
#if defined(Q_OS_WIN)
  return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
  return QStringLiteral("macOS");
#else
  return QStringLiteral("Linux");
#endif
}

// The frame behind the labels: a blue gradient with the 55-number grid of
// the main window drawn faintly on the right, one column of five lit.
class SfondoSplash : public QFrame {
 public:
  explicit SfondoSplash(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sfondo(rect().topLeft(), rect().bottomRight());
    sfondo.setColorAt(0.0, QColor(0x1e, 0x5a, 0xb4));
    sfondo.setColorAt(1.0, QColor(0x0a, 0x1c, 0x46));
    p.fillRect(rect(), sfondo);

    DisegnaGriglia(p);

    // A thin gold rule under the title.
    QLinearGradient filetto(QPointF(32, 0), QPointF(width() - 28, 0));
    filetto.setColorAt(0, QColor(0xff, 0xd0, 0x50, 200));
    filetto.setColorAt(1, QColor(0xff, 0xd0, 0x50, 0));
    p.fillRect(QRectF(32, 78, width() - 60, 1.5), filetto);

    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }

 private:
  // Six rows of ten cells: the first row holds 1..5 in its last five
  // places, the others 6..55.
  void DisegnaGriglia(QPainter& p) const {
    constexpr std::array<int, 5> accesi{7, 19, 23, 38, 51};
    constexpr qreal lato = 23;
    constexpr qreal spazio = 4;
    const qreal larghezza = 10 * lato + 9 * spazio;
    const qreal altezza = 6 * lato + 5 * spazio;
    const QPointF origine(width() - larghezza - 28, height() - altezza - 26);

    QFont carattere = font();
    carattere.setPixelSize(10);
    carattere.setBold(true);
    p.setFont(carattere);
    for (int numero = 1; numero <= 55; ++numero) {
      const int posto = numero + 4;  // five empty places before number 1
      const QRectF cella(origine.x() + (posto % 10) * (lato + spazio), origine.y() + (posto / 10) * (lato + spazio), lato,
                         lato);
      const bool acceso = std::find(accesi.begin(), accesi.end(), numero) != accesi.end();
      p.setPen(Qt::NoPen);
      if (acceso) {
        QLinearGradient oro(cella.topLeft(), cella.bottomLeft());
        oro.setColorAt(0, QColor(0xff, 0xe0, 0x6a));
        oro.setColorAt(1, QColor(0xf5, 0xa6, 0x23));
        p.setBrush(oro);
      } else {
        p.setBrush(QColor(255, 255, 255, 34));
      }
      p.drawRoundedRect(cella, 4, 4);
      p.setPen(acceso ? QColor(0x5a, 0x35, 0x00) : QColor(255, 255, 255, 120));
      p.drawText(cella, Qt::AlignCenter, QString::number(numero));
    }
  }
};

QLabel* Etichetta(const char* nome, const QString& testo, int pixel, bool grassetto, const QColor& colore,
                  QWidget* parent) {
  auto* etichetta = new QLabel(testo, parent);
  etichetta->setObjectName(nome);
  QFont carattere = etichetta->font();
  carattere.setPixelSize(pixel);
  carattere.setBold(grassetto);
  etichetta->setFont(carattere);
  QPalette colori = etichetta->palette();
  colori.setColor(QPalette::WindowText, colore);
  etichetta->setPalette(colori);
  return etichetta;
}

}  // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("frmSplash");
  setFocusPolicy(Qt::StrongFocus);

  auto* frame1 = new SfondoSplash(this);
  frame1->setObjectName("Frame1");

  const QColor bianco(Qt::white);
  const QColor chiaro(0xc8, 0xd8, 0xf0);
  auto* lblProductName = Etichetta("lblProductName", platform::TITOLO_APPLICAZIONE, 34, true, bianco, frame1);
  auto* lblVersion = Etichetta("lblVersion", "Versione " + QString::fromStdString(VersioneProgramma()), 15, false,
                               chiaro, frame1);
  auto* lbVersion = Etichetta("lbVersion", "Freeware", 15, true, QColor(0xff, 0xd0, 0x50), frame1);
  auto* lblPlatform = Etichetta("lblPlatform", NomePiattaforma(), 13, false, chiaro, frame1);

  // The title spans the top; the other texts keep to the left of the grid.
  auto* testi = new QVBoxLayout(frame1);
  testi->setContentsMargins(32, 22, 28, 24);
  testi->setSpacing(4);
  testi->addWidget(lblProductName);
  testi->addSpacing(26);
  testi->addWidget(lblVersion);
  testi->addSpacing(8);
  testi->addWidget(lbVersion);
  testi->addStretch();
  testi->addWidget(lblPlatform);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame1);

  setFixedSize(620, 300);
  platform::CentraForm(this);
}

void frmSplash::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // Keys reach the splash only while it is the active window.
  activateWindow();
  setFocus();
  qApp->installEventFilter(this);
}

void frmSplash::hideEvent(QHideEvent* evento) {
  qApp->removeEventFilter(this);
  QWidget::hideEvent(evento);
}

bool frmSplash::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::Show && oggetto != this) {
    const auto* finestra = qobject_cast<QWidget*>(oggetto);
    if (finestra && (finestra->windowType() == Qt::Window || finestra->windowType() == Qt::Dialog)) hide();
  }
  return QWidget::eventFilter(oggetto, evento);
}

void frmSplash::keyPressEvent(QKeyEvent*) { close(); }

// The labels and the frame leave presses to the window, so a click
// anywhere lands here.
void frmSplash::mousePressEvent(QMouseEvent*) { close(); }

}  // namespace tlx::ui
