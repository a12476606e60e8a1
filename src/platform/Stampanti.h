#pragma once
// The printers installed on the machine, by device name.

#include <QStringList>

namespace tlx::platform {

// In the platform's order; the list set by ImpostaStampantiSimulate when a
// test set one.
QStringList StampantiInstallate();

void ImpostaStampantiSimulate(const QStringList& nomi);
// Back to the printers of the machine.
void UsaStampantiReali();

}  // namespace tlx::platform
