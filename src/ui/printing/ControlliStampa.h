#pragma once
// Controls built alike by several printing windows.

#include <QString>
#include <QStringList>

class QBoxLayout;
class QButtonGroup;
class QGroupBox;

namespace tlx::ui {

// The chosen and the other option of a pair, as the windows colour them:
// yellow with black text, or button face with grey text.
QString StileOpzioni();

// Option buttons named `prefisso` + 0, 1, ... in `riquadro`, laid out in
// `righe`, with those ids in one exclusive group.
QButtonGroup* GruppoOpzioni(QGroupBox* riquadro, QBoxLayout* righe, const QStringList& didascalie,
                            const QString& prefisso);

}  // namespace tlx::ui
