#pragma once
// The colours of the condition and filter windows, written as the stored
// 24-bit values in blue-green-red order (0x0000FF is red). Values with the
// top bit set name a colour of the system's palette instead.

#include <QColor>
#include <cstdint>

namespace tlx::ui {

QColor ColoreBgr(uint32_t valore);

namespace colori {
inline constexpr uint32_t ROSSO = 0x0000FF;
inline constexpr uint32_t BLU = 0xFF0000;
inline constexpr uint32_t GIALLO = 0x00FFFF;
inline constexpr uint32_t BIANCO = 0xFFFFFF;
inline constexpr uint32_t NERO = 0x000000;
inline constexpr uint32_t GRIGIO_INERTE = 0xE0E0E0;
inline constexpr uint32_t SFONDO_FINESTRA = 0x80000005;
inline constexpr uint32_t TESTO_FINESTRA = 0x80000008;
inline constexpr uint32_t FACCIA_PULSANTE = 0x8000000F;
inline constexpr uint32_t TESTO_GRIGIO = 0x80000011;
}  // namespace colori

}  // namespace tlx::ui
