#pragma once
// Colours as the program passes them around: 24-bit values in blue-green-red
// order (0x0000FF is red).

#include <QColor>
#include <cstdint>

namespace tlx::platform {

inline QColor DaBgr(int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

inline int32_t InBgr(const QColor& colore) { return colore.red() | colore.green() << 8 | colore.blue() << 16; }

}  // namespace tlx::platform
