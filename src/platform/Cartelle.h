#pragma once
// The program's folders. Paths use "/" as separator.

#include <QString>

namespace tlx::platform {

// The data folder: the user's generic data location followed by
// "/TremaluxorQVX".
QString CartellaDati();

// Creates the folder and every missing parent. True only when it created the
// folder: false when it exists already, when a parent could not be made or
// when the path has no parent part (no "/"). A trailing "/" is ignored.
bool CreaCartella(const QString& percorso);

// The system temporary folder, ending with "/".
QString CartellaTemp();

}  // namespace tlx::platform
