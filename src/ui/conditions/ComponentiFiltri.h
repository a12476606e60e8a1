#pragma once
// Parts shared by the filter windows: the counters (a caption above a
// sunken box showing a value formatted "###,#00"), the editors' layout over
// the step-button bar, the titled frames that hold a row of toggle labels,
// and the picture buttons.

#include <QString>
#include <cstdint>
#include <functional>

#include "core/Formato.h"

class QGridLayout;
class QGroupBox;
class QIcon;
class QPushButton;
class QLabel;
class QWidget;

namespace tlx {
class EditorAPannelli;
}

namespace tlx::ui {

inline constexpr const char* MASCHERA_CONTATORE_FILTRI = "###,#00";
// Asked before a table of filter columns is emptied or replaced.
inline constexpr const char* DOMANDA_CANCELLA_FILTRI =
    "Questa funzione cancellera' tutte le colonne filtro presenti\r\nVuoi procedere ?";
// The selected look of the position labels: green back, black text.
inline constexpr uint32_t VERDE_POSIZIONI = 0x00FF00;

QString TestoContatore(int32_t valore, const FormatoNumeri& formato);

// The counters of a filter editor, side by side: ID (the shown panel), TOT
// (the table's size, written once), ON and OFF.
struct ContatoriFiltri {
  QGridLayout* griglia;
  QLabel* lblnFiltro;
  QLabel* lblTotFiltriON;
  QLabel* lblTotFiltriOFF;
};
ContatoriFiltri CreaContatori(const EditorAPannelli& editor, const FormatoNumeri& formato, QWidget* genitore);
// Writes the editor's panel, ON and OFF counts.
void MostraContatori(const ContatoriFiltri& contatori, const EditorAPannelli& editor, const FormatoNumeri& formato);

// Lays out the editor's window: its frame above the step-button bar, whose
// presses move the editor and then call `mostra`. Returns the bar.
QWidget* ImpaginaEditor(QWidget* finestra, QWidget* cornice, EditorAPannelli& editor, std::function<void()> mostra);

// A frame titled `titolo` (none when empty) holding `contenuto` on its left.
QGroupBox* RiquadroCon(const char* nome, const QString& titolo, QWidget* contenuto, QWidget* genitore);

QPushButton* PulsanteFigura(const char* nome, const QString& suggerimento, const QIcon& icona, QWidget* genitore);

}  // namespace tlx::ui
