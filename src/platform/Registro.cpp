#include "platform/Registro.h"

namespace tlx::platform {

bool GetKeyValue(uint32_t, const QString&, const QString&, QString& valore) {
  valore.clear();
  return false;
}

}  // namespace tlx::platform
