#pragma once
// Qt's own texts (the standard buttons, the file and print dialogs) in
// Italian, like the rest of the program.

class QCoreApplication;
class QTranslator;

namespace tlx::platform {

// Installs Qt's Italian translations into the application, which owns
// them. Nothing when they are not installed on the machine (Qt's texts then
// stay in English).
QTranslator* InstallaTraduzioniQt(QCoreApplication& applicazione);

}  // namespace tlx::platform
