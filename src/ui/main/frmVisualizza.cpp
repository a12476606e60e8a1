#include "ui/main/frmVisualizza.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "core/Formato.h"
#include "platform/Finestre.h"
#include "ui/widgets/BarraPannelli.h"

namespace tlx::ui {

namespace {

// Two blanks, then the non-zero numbers of the column as "03-08-21-40-55".
QString TestoColonna(const uint8_t* colonna) {
  std::string testo = "  ";
  for (int posizione = 0; posizione < 4; ++posizione)
    if (colonna[posizione] != 0) testo += Formatta(colonna[posizione], "0#-");
  if (colonna[4] != 0) testo += Formatta(colonna[4], "0#");
  return QString::fromStdString(testo);
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
  labNscheda_->setMinimumWidth(72);
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

  auto* pulsanti = new BarraPannelli(this);
  connect(pulsanti, &BarraPannelli::mossa, this, [this](BarraPannelli::Mossa m) {
    switch (m) {
      case BarraPannelli::Mossa::Primo: MostraPannello(pannelloCorrente_ = primoPannello_); break;
      case BarraPannelli::Mossa::IndietroLungo: Indietro(10); break;
      case BarraPannelli::Mossa::Indietro1: Indietro(1); break;
      case BarraPannelli::Mossa::Avanti1: Avanti(1); break;
      case BarraPannelli::Mossa::AvantiLungo: Avanti(10); break;
      case BarraPannelli::Mossa::Ultimo: MostraPannello(pannelloCorrente_ = ultimoPannello_); break;
    }
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);
  layout->addWidget(fra, 1);
  layout->addLayout(informazioni);
  layout->addWidget(pulsanti);

  setMinimumSize(340, 330);
  resize(440, 440);

  // With no column there would be no panel at all: panel 1 with ten blank
  // rows stands in for it.
  ultimoPannello_ = std::max<int32_t>(primoPannello_, sistema_.NumeroColonne / 10 + (sistema_.NumeroColonne % 10 != 0));
  pannelloCorrente_ = primoPannello_;
  MostraPannello(pannelloCorrente_);
  platform::CentraForm(this);
}

void frmVisualizza::Avanti(int32_t passi) {
  pannelloCorrente_ = std::min(pannelloCorrente_ + passi, ultimoPannello_);
  MostraPannello(pannelloCorrente_);
}

void frmVisualizza::Indietro(int32_t passi) {
  pannelloCorrente_ = std::max(pannelloCorrente_ - passi, primoPannello_);
  MostraPannello(pannelloCorrente_);
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
  if (oggetto == fraColonne_ && evento->type() == QEvent::Resize) {
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
