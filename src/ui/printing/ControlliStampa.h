#pragma once
// Controls built alike by several printing windows.

#include <QString>
#include <QStringList>

class QBoxLayout;
class QButtonGroup;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace tlx::ui {

// The chosen and the other option of a pair, as the windows colour them:
// yellow with black text, or button face with grey text.
QString StileOpzioni();

// Option buttons named `prefisso` + 0, 1, ... in `riquadro`, laid out in
// `righe`, with those ids in one exclusive group.
QButtonGroup* GruppoOpzioni(QGroupBox* riquadro, QBoxLayout* righe, const QStringList& didascalie,
                            const QString& prefisso);

// A count from 1 to `massimo` chosen with a vertical scroll bar whose upper
// arrow raises it, shown in a boxed label beside its caption; the three in
// one row.
struct Contatore {
  QLabel* valore;
  QScrollBar* barra;
  QHBoxLayout* riga;
};
Contatore CreaContatore(QWidget* finestra, const QString& didascalia, const QString& nomeDidascalia,
                        const QString& nomeValore, const QString& nomeBarra, int massimo, int larghezzaValore);

// A command button that Enter does not press, of the windows' usual width.
QPushButton* PulsanteComando(QWidget* finestra, const QString& testo, const QString& nome);

}  // namespace tlx::ui
