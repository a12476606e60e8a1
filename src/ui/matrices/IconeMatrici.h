#pragma once
// The picture buttons of the matrix, ordering and crossword windows, and
// their pictures.

#include <QIcon>

class QToolButton;
class QWidget;

namespace tlx::ui {

// A square button showing only `icona` (`latoIcona` pixels) with its
// suggestion as tooltip.
QToolButton* PulsanteFigura(QWidget* parent, const char* nome, const QString& suggerimento, const QIcon& icona,
                            int latoIcona, int latoPulsante);

QIcon IconaMescola();    // two crossing arrows
QIcon IconaCartella();   // a folder
QIcon IconaScarica();    // an arrow down onto a tray

}  // namespace tlx::ui
