#include "platform/Appunti.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tlx::platform {

void ImpostaAppunti(const QString& testo) { QGuiApplication::clipboard()->setText(testo); }

}  // namespace tlx::platform
