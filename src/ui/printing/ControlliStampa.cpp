#include "ui/printing/ControlliStampa.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/widgets/BarraConteggio.h"

namespace tlx::ui {

QString StileOpzioni() {
  return "QPushButton { background-color: palette(button); color: palette(mid); border: 1px solid palette(dark);"
         " padding: 5px 12px; }"
         "QPushButton:checked { background-color: #ffff00; color: #000000; border: 1px solid #808000; }";
}

QButtonGroup* GruppoOpzioni(QGroupBox* riquadro, QBoxLayout* righe, const QStringList& didascalie,
                            const QString& prefisso) {
  auto* gruppo = new QButtonGroup(riquadro);
  gruppo->setExclusive(true);
  for (int i = 0; i < didascalie.size(); ++i) {
    auto* b = new QPushButton(didascalie[i], riquadro);
    b->setObjectName(prefisso + QString::number(i));
    b->setCheckable(true);
    b->setStyleSheet(StileOpzioni());
    gruppo->addButton(b, i);
    righe->addWidget(b);
  }
  return gruppo;
}

Contatore CreaContatore(QWidget* finestra, const QString& didascalia, const QString& nomeDidascalia,
                        const QString& nomeValore, const QString& nomeBarra, int massimo, int larghezzaValore) {
  auto* etichetta = new QLabel(didascalia, finestra);
  etichetta->setObjectName(nomeDidascalia);
  auto* valore = new QLabel(finestra);
  valore->setObjectName(nomeValore);
  valore->setAlignment(Qt::AlignCenter);
  valore->setMinimumWidth(larghezzaValore);
  valore->setStyleSheet("QLabel { background: white; border: 1px solid #8a8a8a; font-size: 14pt; font-weight: bold; }");
  // The upper arrow raises the count.
  auto* barra = new BarraConteggio(finestra);
  barra->setObjectName(nomeBarra);
  barra->setRange(1, massimo);
  barra->setFixedHeight(48);
  auto* riga = new QHBoxLayout;
  riga->addWidget(etichetta);
  riga->addWidget(valore);
  riga->addWidget(barra);
  riga->addStretch();
  return {valore, barra, riga};
}

QPushButton* PulsanteComando(QWidget* finestra, const QString& testo, const QString& nome) {
  auto* b = new QPushButton(testo, finestra);
  b->setObjectName(nome);
  b->setAutoDefault(false);
  b->setMinimumWidth(110);
  return b;
}

}  // namespace tlx::ui
