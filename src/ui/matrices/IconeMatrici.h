#pragma once
// The pictures of the picture buttons of the matrix, ordering and crossword
// windows.

#include <QIcon>

namespace tlx::ui {

QIcon IconaMescola();    // two crossing arrows
QIcon IconaCartella();   // a folder
QIcon IconaScarica();    // an arrow down onto a tray

}  // namespace tlx::ui
