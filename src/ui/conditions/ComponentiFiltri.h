#pragma once
// Parts shared by the filter windows: the counters (a caption above a
// sunken box showing a value formatted "###,#00"), the titled frames that
// hold a row of toggle labels, and the picture buttons.

#include <QString>
#include <cstdint>

#include "core/Formato.h"

class QGridLayout;
class QGroupBox;
class QIcon;
class QPushButton;
class QLabel;
class QWidget;

namespace tlx::ui {

inline constexpr const char* MASCHERA_CONTATORE_FILTRI = "###,#00";
// The selected look of the position labels: green back, black text.
inline constexpr uint32_t VERDE_POSIZIONI = 0x00FF00;

QString TestoContatore(int32_t valore, const FormatoNumeri& formato);

// Adds the caption (named nomeDidascalia) and the box (named nome) in
// column `colonna` of the layout and returns the box.
QLabel* AggiungiContatore(QGridLayout* layout, int colonna, const char* nomeDidascalia, const QString& didascalia,
                          const char* nome, QWidget* genitore);

// A frame titled `titolo` (none when empty) holding `contenuto` on its left.
QGroupBox* RiquadroCon(const char* nome, const QString& titolo, QWidget* contenuto, QWidget* genitore);

QPushButton* PulsanteFigura(const char* nome, const QString& suggerimento, const QIcon& icona, QWidget* genitore);

}  // namespace tlx::ui
