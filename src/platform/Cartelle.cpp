#include "platform/Cartelle.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/MessageBox.h"

namespace tlx::platform {

QString CartellaDati() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
         TITOLO_APPLICAZIONE;
}

bool CreaCartella(const QString& percorso) {
  QString cartella = percorso;
  while (cartella.size() > 1 && cartella.endsWith(QLatin1Char('/'))) cartella.chop(1);
  const qsizetype barra = cartella.lastIndexOf(QLatin1Char('/'));
  if (barra < 0) return false;
  // The root's parent part is empty: the root always exists.
  const QString genitore = barra == 0 ? QStringLiteral("/") : cartella.left(barra);
  if (!QFileInfo(genitore).isDir() && !CreaCartella(genitore)) return false;
  return QDir().mkdir(cartella);
}

QString CartellaTemp() {
  const QString temp = QDir::tempPath();
  return temp.endsWith(QLatin1Char('/')) ? temp : temp + QLatin1Char('/');
}

}  // namespace tlx::platform
