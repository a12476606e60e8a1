#include "ui/main/NewVersion.h"

#include <QFile>

#include "core/Errori.h"
#include "core/Server.h"
#include "core/Versione.h"
#include "platform/Cartelle.h"
#include "platform/Download.h"
#include "platform/MessageBox.h"
#include "support/FileLettura.h"
#include "ui/main/frmNewVersion.h"

namespace tlx::ui {

namespace {

QString PrimaRiga(const QString& file) {
  FileLettura testo(file.toStdString());
  std::string riga;
  if (!std::getline(testo, riga)) throw ErroreRuntime(errore::InputPastEndOfFile, "Input past end of file");
  if (riga.ends_with('\r')) riga.pop_back();
  return QString::fromStdString(riga);
}

}  // namespace

EsitoVersione NewVersion(QWidget* parent) {
  const QString temp = platform::CartellaTemp() + QString::fromUtf8(server::FILE_VERSIONE.data(), server::FILE_VERSIONE.size());
  // Start-up waits for the check, and the user can't end it: it has the
  // download's time limit in all, not of silence only.
  const platform::OpzioniDownload opzioni{server::BYTE_MASSIMI_VERSIONE, true, {}};
  if (platform::DownloadFile(platform::UrlServer(server::PERCORSO_VERSIONE), temp, true, opzioni) !=
      platform::EsitoDownload::Riuscito)
    return EsitoVersione::Prosegui;

  try {
    const QString locale = QString::fromStdString(VersioneProgramma());
    const QString remota = PrimaRiga(temp);
    switch (ConfrontaVersioni(locale.toStdString(), remota.toStdString())) {
      case ConfrontoVersione::ComponentiMancanti:
        throw ErroreRuntime(errore::SubscriptOutOfRange, "Subscript out of range");
      case ConfrontoVersione::ServerUgualeOPrecedente:
        QFile::remove(temp);
        return EsitoVersione::Prosegui;
      case ConfrontoVersione::ServerPiuRecente: {
        QFile::remove(temp);
        frmNewVersion finestra(parent);
        finestra.setLocalVersion(locale);
        finestra.setRemoteVersion(remota);
        finestra.exec();
        return EsitoVersione::TerminaProgramma;
      }
    }
  } catch (const ErroreRuntime& e) {
    platform::MessageBox::Mostra(MessaggioErrore(e, "NewVersion"), parent);
  }
  return EsitoVersione::Prosegui;
}

}  // namespace tlx::ui
