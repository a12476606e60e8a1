#include "ui/printing/ControlliStampa.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>

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

}  // namespace tlx::ui
