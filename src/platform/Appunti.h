#pragma once
// The system clipboard.

#include <QString>

namespace tlx::platform {

// Replaces the clipboard's content with the text.
void ImpostaAppunti(const QString& testo);

}  // namespace tlx::platform
