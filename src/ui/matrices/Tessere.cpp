#include "ui/matrices/Tessere.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>

#include "matrices/Cruciverba.h"
#include "ui/widgets/Colori.h"

namespace tlx::ui {

const QColor Tessere::ColoriMescola[5] = {ColoreBgr(colori::GIALLO), ColoreBgr(0x80FF80), ColoreBgr(0xFF80FF),
                                          ColoreBgr(0xFFFF80), ColoreBgr(0x0080FF)};
const QColor Tessere::FONDO_ATTIVA = ColoreBgr(0xC00000);
const QColor Tessere::LETTERE_ATTIVA = ColoreBgr(colori::BIANCO);

Tessere::Tessere(const QString& nome, int quante, int perRiga, qreal punti, QWidget* parent)
    : QWidget(parent), numeri_(static_cast<size_t>(quante)), colori_(static_cast<size_t>(quante), LETTERE_ATTIVA) {
  setObjectName(nome + "Tessere");
  QFont carattere("Calibri");
  carattere.setPointSizeF(punti);
  carattere.setBold(true);
  const QFontMetrics metrica(carattere);
  const QSize lato(metrica.horizontalAdvance("00") * 2 + 8, metrica.height() * 3 / 2 + 6);

  auto* griglia = new QGridLayout(this);
  griglia->setContentsMargins(0, 0, 0, 0);
  griglia->setSpacing(4);
  for (int i = 0; i < quante; ++i) {
    auto* t = new QLabel("00", this);
    t->setObjectName(nome + QString::number(i));
    t->setFont(carattere);
    t->setAlignment(Qt::AlignCenter);
    t->setFixedSize(lato);
    // The widget handles the mouse: a label would keep the pointer grabbed
    // and the others would never see it arrive.
    t->setAttribute(Qt::WA_TransparentForMouseEvents);
    griglia->addWidget(t, i / perRiga, i % perRiga);
    tessere_.push_back(t);
    Stile(i);
  }
}

void Tessere::Stile(int i) {
  const auto k = static_cast<size_t>(i);
  tessere_[k]->setText(QString("%1").arg(numeri_[k], 2, 10, QChar('0')));
  tessere_[k]->setStyleSheet(QString("QLabel { background: %1; color: %2; border: 1px solid #00005a; border-radius: 3px; }"
                                     "QLabel:disabled { background: #5a5a8c; color: #d8d8e8; }")
                                 .arg(FONDO_ATTIVA.name(), colori_[k].name()));
}

void Tessere::Mostra(std::span<const uint8_t> numeri) {
  attive_ = static_cast<int>(std::min(numeri.size(), tessere_.size()));
  indiceColore_ = 0;
  for (size_t i = 0; i < tessere_.size(); ++i) {
    numeri_[i] = i < numeri.size() ? numeri[i] : 0;
    colori_[i] = LETTERE_ATTIVA;
    Stile(static_cast<int>(i));
    tessere_[i]->setVisible(static_cast<int>(i) < attive_);
  }
}

std::vector<uint8_t> Tessere::Numeri() const { return {numeri_.begin(), numeri_.begin() + attive_}; }

int Tessere::TesseraIn(const QPoint& punto) const {
  for (int i = 0; i < attive_; ++i)
    if (tessere_[static_cast<size_t>(i)]->geometry().contains(punto)) return i;
  return -1;
}

bool Tessere::Scambia(int sorgente, int destinazione) {
  if (sorgente == destinazione || sorgente < 0 || destinazione < 0 || sorgente >= attive_ || destinazione >= attive_)
    return false;
  std::swap(numeri_[static_cast<size_t>(sorgente)], numeri_[static_cast<size_t>(destinazione)]);
  for (const int i : {sorgente, destinazione}) {
    colori_[static_cast<size_t>(i)] = ColoriMescola[0];
    Stile(i);
  }
  return true;
}

void Tessere::Mescola(uint32_t seme) {
  indiceColore_ = (indiceColore_ + 1) % 5;
  const std::vector<bool> mossi = matrix::MescolaNumeri(std::span(numeri_).first(static_cast<size_t>(attive_)), seme);
  for (int i = 0; i < attive_; ++i) {
    if (mossi[static_cast<size_t>(i)]) colori_[static_cast<size_t>(i)] = ColoriMescola[indiceColore_];
    Stile(i);
  }
}

void Tessere::mousePressEvent(QMouseEvent* e) {
  sorgente_ = e->button() == Qt::LeftButton ? TesseraIn(e->position().toPoint()) : -1;
  if (sorgente_ < 0) return;
  setCursor(Qt::ClosedHandCursor);
  emit trascinamento(tessere_[static_cast<size_t>(sorgente_)]->text());
}

void Tessere::mouseMoveEvent(QMouseEvent* e) {
  if (sorgente_ < 0) return;
  emit trascinamento(TesseraIn(e->position().toPoint()) >= 0 ? tessere_[static_cast<size_t>(sorgente_)]->text() : QString());
}

void Tessere::mouseReleaseEvent(QMouseEvent* e) {
  if (sorgente_ < 0) return;
  const int sorgente = std::exchange(sorgente_, -1);
  unsetCursor();
  Scambia(sorgente, TesseraIn(e->position().toPoint()));
  emit trascinamento(QString());
}

}  // namespace tlx::ui
