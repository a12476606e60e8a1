#include "ui/conditions/ComponentiFiltri.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/conditions/DialogoCondizione.h"

namespace tlx::ui {

QString TestoContatore(int32_t valore, const FormatoNumeri& formato) {
  return QString::fromStdString(Formatta(valore, MASCHERA_CONTATORE_FILTRI, formato));
}

QLabel* AggiungiContatore(QGridLayout* layout, int colonna, const char* nomeDidascalia, const QString& didascalia,
                          const char* nome, QWidget* genitore) {
  auto* titolo = new QLabel(didascalia, genitore);
  titolo->setObjectName(nomeDidascalia);
  titolo->setAlignment(Qt::AlignCenter);
  auto* casella = new QLabel(genitore);
  casella->setObjectName(nome);
  casella->setAlignment(Qt::AlignCenter);
  casella->setFrameShape(QFrame::Panel);
  casella->setFrameShadow(QFrame::Sunken);
  casella->setAutoFillBackground(true);
  casella->setMinimumWidth(casella->fontMetrics().horizontalAdvance("0.000") + 14);
  QFont grassetto = casella->font();
  grassetto.setBold(true);
  casella->setFont(grassetto);
  layout->addWidget(titolo, 0, colonna);
  layout->addWidget(casella, 1, colonna);
  return casella;
}

QGroupBox* RiquadroCon(const char* nome, const QString& titolo, QWidget* contenuto, QWidget* genitore) {
  QGroupBox* riquadro = Riquadro(nome, titolo, genitore);
  auto* layout = new QHBoxLayout(riquadro);
  layout->addWidget(contenuto, 0, Qt::AlignLeft);
  layout->addStretch();
  return riquadro;
}

QPushButton* PulsanteFigura(const char* nome, const QString& suggerimento, const QIcon& icona, QWidget* genitore) {
  auto* b = new QPushButton(genitore);
  b->setObjectName(nome);
  b->setToolTip(suggerimento);
  b->setIcon(icona);
  b->setIconSize(QSize(28, 28));
  b->setAutoDefault(false);
  return b;
}

}  // namespace tlx::ui
