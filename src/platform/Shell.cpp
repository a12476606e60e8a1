#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace tlx::platform {

namespace {

bool Apri(const QUrl& url) {
  if (SimulazioneShell().Attivo()) return SimulazioneShell().Rispondi(url, true);
  return QDesktopServices::openUrl(url);
}

}  // namespace

bool ApriDocumento(const QString& percorso) {
  return Apri(QUrl::fromLocalFile(QFileInfo(percorso).absoluteFilePath()));
}

bool ApriCollegamento(const QString& indirizzo) {
  // "www.example.com" becomes a web address, an existing path a local file.
  return Apri(QUrl::fromUserInput(indirizzo, QDir::currentPath()));
}

Copione<QUrl, bool>& SimulazioneShell() {
  static Copione<QUrl, bool> simulazione;
  return simulazione;
}

}  // namespace tlx::platform
