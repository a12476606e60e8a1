#pragma once
// The system registry's value lookup. This platform has no registry: every
// lookup reports "not found", so callers take their not-found path (the
// about window then says that the system information is not available).

#include <QString>
#include <cstdint>

namespace tlx::platform {

inline constexpr uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;

// False, with `valore` emptied, when the value is not found.
bool GetKeyValue(uint32_t radice, const QString& chiave, const QString& nomeValore, QString& valore);

}  // namespace tlx::platform
