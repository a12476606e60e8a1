#include "ui/main/frmVisualizza.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <string>

#include "core/Formato.h"
#include "platform/Finestre.h"

namespace tlx::ui {

namespace {

enum class Freccia { Primo, Indietro10, Indietro1, Avanti1, Avanti10, Ultimo };

// The picture of a step button, drawn at twice the size for sharp edges on
// dense screens. Backward pictures are the forward ones mirrored.
QIcon IconaFreccia(Freccia freccia) {
  constexpr int lato = 24;
  constexpr qreal densita = 2.0;
  QPixmap pixmap(static_cast<int>(lato * densita), static_cast<int>(lato * densita));
  pixmap.setDevicePixelRatio(densita);
  pixmap.fill(Qt::transparent);

  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (freccia == Freccia::Primo || freccia == Freccia::Indietro10 || freccia == Freccia::Indietro1) {
    p.translate(lato, 0);
    p.scale(-1, 1);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1f, 0x4e, 0x8c));

  const auto triangolo = [&p](qreal sinistra) {
    p.drawPolygon(QPolygonF{{QPointF(sinistra, 5), QPointF(sinistra + 8, 12), QPointF(sinistra, 19)}});
  };
  switch (freccia) {
    case Freccia::Avanti1:
    case Freccia::Indietro1: triangolo(8); break;
    case Freccia::Avanti10:
    case Freccia::Indietro10:
      triangolo(4.5);
      triangolo(11.5);
      break;
    case Freccia::Primo:
    case Freccia::Ultimo:
      triangolo(6);
      p.drawRoundedRect(QRectF(15, 5, 3, 14), 1, 1);
      break;
  }
  return QIcon(pixmap);
}

// Two blanks, then the non-zero numbers of the column as "03-08-21-40-55".
QString TestoColonna(const uint8_t* colonna) {
  std::string testo = "  ";
  for (int posizione = 0; posizione < 4; ++posizione)
    if (colonna[posizione] != 0) testo += Formatta(colonna[posizione], "0#-");
  if (colonna[4] != 0) testo += Formatta(colonna[4], "0#");
  return QString::fromStdString(testo);
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

}  // namespace

frmVisualizza::frmVisualizza(const Sistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema) {
  setObjectName("frmVisualizza");
  setWindowTitle(" Visualizza");

  // The rows: a white sheet with the ten columns in a fixed-pitch font, so
  // that the numbers line up.
  auto* fra = new QFrame(this);
  fra->setObjectName("fraColonne");
  fra->setFrameShape(QFrame::StyledPanel);
  fra->setFrameShadow(QFrame::Sunken);
  fra->setAutoFillBackground(true);
  QPalette foglio = fra->palette();
  foglio.setColor(QPalette::Window, Qt::white);
  foglio.setColor(QPalette::WindowText, QColor(0x0b, 0x1f, 0x4d));
  fra->setPalette(foglio);
  fraColonne_ = fra;

  QFont carattereRighe = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  carattereRighe.setBold(true);
  auto* righe = new QVBoxLayout(fra);
  righe->setContentsMargins(18, 8, 18, 8);
  righe->setSpacing(0);
  for (int r = 0; r < RIGHE; ++r) {
    auto* riga = new QLabel(fra);
    riga->setObjectName(QStringLiteral("labVisualizza%1").arg(r));
    riga->setFont(carattereRighe);
    // The font follows the sheet's size, so the rows must not hold it up.
    riga->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    righe->addWidget(riga);
    labVisualizza_[r] = riga;
  }
  fra->installEventFilter(this);

  auto* lblPannello = new QLabel("* Pannello n.", this);
  lblPannello->setObjectName("lblPannello");
  labNscheda_ = new QLabel(this);
  labNscheda_->setObjectName("labNscheda");
  labNscheda_->setFrameShape(QFrame::StyledPanel);
  labNscheda_->setFrameShadow(QFrame::Sunken);
  labNscheda_->setAlignment(Qt::AlignCenter);
  QFont grassetto = labNscheda_->font();
  grassetto.setBold(true);
  labNscheda_->setFont(grassetto);
  auto* lblInfo = new QLabel("* 1 Pannello = 10 Colonne", this);
  lblInfo->setObjectName("lblInfo");

  auto* informazioni = new QHBoxLayout;
  informazioni->addWidget(lblPannello);
  informazioni->addWidget(labNscheda_);
  informazioni->addStretch();
  informazioni->addWidget(lblInfo);

  auto* cmdBOTTOM = PulsantePasso("cmdBOTTOM", "Primo Pannello", IconaFreccia(Freccia::Primo));
  auto* cmdPrev2 = PulsantePasso("cmdPrev2", "Indietro di 10 pannelli", IconaFreccia(Freccia::Indietro10));
  auto* cmdPrev1 = PulsantePasso("cmdPrev1", "Indietro di 1 pannello", IconaFreccia(Freccia::Indietro1));
  auto* cmdNext1 = PulsantePasso("cmdNext1", "Avanti di 1 pannello", IconaFreccia(Freccia::Avanti1));
  auto* cmdNext2 = PulsantePasso("cmdNext2", "Avanti di 10 pannelli", IconaFreccia(Freccia::Avanti10));
  auto* cmdTOP = PulsantePasso("cmdTOP", "Ultimo Pannello", IconaFreccia(Freccia::Ultimo));

  connect(cmdBOTTOM, &QPushButton::clicked, this, [this] {
    pannelloCorrente_ = primoPannello_;
    MostraPannello(pannelloCorrente_);
  });
  connect(cmdPrev2, &QPushButton::clicked, this, [this] { Indietro(10); });
  connect(cmdPrev1, &QPushButton::clicked, this, [this] { Indietro(1); });
  connect(cmdNext1, &QPushButton::clicked, this, [this] { Avanti(1); });
  connect(cmdNext2, &QPushButton::clicked, this, [this] { Avanti(10); });
  connect(cmdTOP, &QPushButton::clicked, this, [this] {
    pannelloCorrente_ = ultimoPannello_;
    MostraPannello(pannelloCorrente_);
  });
  passoDaTastiera_ = {{cmdPrev2, -10}, {cmdPrev1, -1}, {cmdNext1, 1}, {cmdNext2, 10}};
  for (QObject* pulsante : passoDaTastiera_.keys()) pulsante->installEventFilter(this);

  auto* pulsanti = new QHBoxLayout;
  pulsanti_ = {cmdBOTTOM, cmdPrev2, cmdPrev1, cmdNext1, cmdNext2, cmdTOP};
  for (QPushButton* b : pulsanti_) pulsanti->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fra, 1);
  layout->addLayout(informazioni);
  layout->addLayout(pulsanti);
  corpo_ = layout;
  filaPulsanti_ = pulsanti;
  for (QLabel* etichetta : {lblPannello, labNscheda_, lblInfo}) etichette_.append({etichetta, etichetta->font()});
  Scala(1);

  // The smallest size that shows every control whole, with room for the rows.
  setMinimumSize(layout->minimumSize().expandedTo(QSize(340, 330)));
  resize(440, 440);

  // With no column there would be no panel at all: panel 1 with ten blank
  // rows stands in for it.
  ultimoPannello_ = std::max<int32_t>(primoPannello_, sistema_.NumeroColonne / 10 + (sistema_.NumeroColonne % 10 != 0));
  pannelloCorrente_ = primoPannello_;
  MostraPannello(pannelloCorrente_);
  platform::CentraForm(this);
}

void frmVisualizza::resizeEvent(QResizeEvent* evento) {
  QDialog::resizeEvent(evento);
  Scala(std::min(width() / qreal(minimumWidth()), height() / qreal(minimumHeight())));
}

// Fonts, pictures and spacing follow the window as the rows do, in the
// proportion of its smaller side to the minimum size; rounded down, so that
// what fits at the minimum fits at every size.
void frmVisualizza::Scala(qreal fattore) {
  fattore = std::max<qreal>(1, fattore);
  if (fattore == fattore_) return;
  fattore_ = fattore;
  const auto scalato = [fattore](int misura) { return static_cast<int>(misura * fattore); };
  for (const auto& [etichetta, base] : etichette_) {
    QFont carattere = base;
    carattere.setPointSizeF(std::floor(base.pointSizeF() * fattore * 2) / 2);
    etichetta->setFont(carattere);
  }
  labNscheda_->setMinimumWidth(scalato(72));
  for (QPushButton* pulsante : pulsanti_) {
    pulsante->setIconSize(QSize(scalato(24), scalato(24)));
    pulsante->setMinimumHeight(scalato(36));
  }
  corpo_->setContentsMargins(scalato(12), scalato(12), scalato(12), scalato(12));
  corpo_->setSpacing(scalato(10));
  filaPulsanti_->setSpacing(scalato(6));
}

QPushButton* frmVisualizza::PulsantePasso(const char* nome, const QString& suggerimento, const QIcon& icona) {
  auto* pulsante = new QPushButton(this);
  pulsante->setObjectName(nome);
  pulsante->setToolTip(suggerimento);
  pulsante->setIcon(icona);
  pulsante->setAutoDefault(false);
  pulsante->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return pulsante;
}

void frmVisualizza::Avanti(int32_t passi) {
  pannelloCorrente_ = std::min(pannelloCorrente_ + passi, ultimoPannello_);
  MostraPannello(pannelloCorrente_);
}

void frmVisualizza::Indietro(int32_t passi) {
  pannelloCorrente_ = std::max(pannelloCorrente_ - passi, primoPannello_);
  MostraPannello(pannelloCorrente_);
}

void frmVisualizza::Passo(int32_t passi) {
  if (passi > 0)
    Avanti(passi);
  else
    Indietro(-passi);
}

void frmVisualizza::MostraPannello(int32_t pannello) {
  const int32_t base = 10 * pannello - 9;
  for (int r = 0; r < RIGHE; ++r) {
    const int32_t c = base + r;
    labVisualizza_[r]->setText(c <= sistema_.NumeroColonne ? TestoColonna(sistema_.Colonne.Colonna(c)) : QString());
  }
  labNscheda_->setText(QString::number(pannello));
}

QString frmVisualizza::TestoRiga(int riga) const { return labVisualizza_.at(riga)->text(); }

bool frmVisualizza::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    const auto passo = passoDaTastiera_.constFind(oggetto);
    if (passo != passoDaTastiera_.constEnd() && !TastoDiServizio(static_cast<QKeyEvent*>(evento))) {
      // Held keys arrive as repeated key-downs: each one is a step. The key
      // is used up here, so it does not also click the button.
      Passo(*passo);
      return true;
    }
  } else if (oggetto == fraColonne_ && evento->type() == QEvent::Resize) {
    AdattaCarattereRighe();
  }
  return QDialog::eventFilter(oggetto, evento);
}

// Rows grow and shrink with the sheet: the tallest font that fits both the
// row height and the widest possible row.
void frmVisualizza::AdattaCarattereRighe() {
  const QRect area = fraColonne_->contentsRect().marginsRemoved(fraColonne_->layout()->contentsMargins());
  QFont carattere = labVisualizza_[0]->font();
  qreal pixel = area.height() / static_cast<qreal>(RIGHE) * 0.62;
  carattere.setPixelSize(std::max(1, qRound(pixel)));
  const qreal larghezza = QFontMetricsF(carattere).horizontalAdvance(QStringLiteral("  00-00-00-00-00"));
  if (larghezza > area.width()) pixel *= area.width() / larghezza;
  carattere.setPixelSize(std::clamp(qRound(pixel), 11, 48));
  for (QLabel* riga : labVisualizza_) riga->setFont(carattere);
}

}  // namespace tlx::ui
