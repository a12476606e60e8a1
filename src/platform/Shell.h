#pragma once
// Opening files, folders and web pages with the desktop's associated
// programs. In scripted mode (Simulazione()) nothing opens: each target is
// recorded and the queued result returned (true when none is queued).

#include <QString>
#include <QUrl>

#include "platform/Copione.h"

namespace tlx::platform {

// A file or folder, opened with its associated program.
bool ApriDocumento(const QString& percorso);
// A web address or a path, opened with the desktop's default program.
bool ApriCollegamento(const QString& indirizzo);

Copione<QUrl, bool>& SimulazioneShell();

}  // namespace tlx::platform
