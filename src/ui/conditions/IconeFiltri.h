#pragma once
// The pictures of the filter windows' own picture buttons.

#include <QIcon>

namespace tlx::ui {

QIcon IconaCancella();          // delete the shown record
QIcon IconaCancellaTutto();     // delete every record
QIcon IconaApriFile();          // choose a text file
QIcon IconaImporta();           // read it into the table

}  // namespace tlx::ui
