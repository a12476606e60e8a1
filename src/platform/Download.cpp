#include "platform/Download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/Errori.h"
#include "platform/MessageBox.h"

namespace tlx::platform {
namespace {

std::chrono::milliseconds attesaMassima = std::chrono::seconds(30);

bool Riuscita(const QNetworkReply& risposta) {
  const int stato = risposta.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  return risposta.error() == QNetworkReply::NoError && stato >= 200 && stato < 300;
}

// The body of a successful reply; nothing on any failure of the transfer.
// Runs an event loop of its own so that the windows keep repainting, but holds
// back the user's input: the program waits for the download as it would for a
// blocking call.
std::optional<QByteArray> Scarica(const QUrl& url) {
  QNetworkAccessManager rete;
  QNetworkRequest richiesta(url);
  // Always the newest copy: Qt then sends "Cache-Control: no-cache" and
  // "Pragma: no-cache", so no cache on the way answers in the server's place.
  richiesta.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  const std::unique_ptr<QNetworkReply> risposta(rete.get(richiesta));

  QEventLoop ciclo;
  QTimer silenzio;
  silenzio.setSingleShot(true);
  silenzio.setInterval(attesaMassima);
  QObject::connect(&silenzio, &QTimer::timeout, risposta.get(), &QNetworkReply::abort);
  QObject::connect(risposta.get(), &QNetworkReply::downloadProgress, &silenzio, qOverload<>(&QTimer::start));
  QObject::connect(risposta.get(), &QNetworkReply::finished, &ciclo, &QEventLoop::quit);
  silenzio.start();
  if (!risposta->isFinished()) ciclo.exec(QEventLoop::ExcludeUserInputEvents);

  if (!Riuscita(*risposta)) return std::nullopt;
  return risposta->readAll();
}

// Replaces the file only once the whole body is written, so a failed write
// leaves an earlier copy as it was.
void Salva(const QByteArray& corpo, const QString& file) {
  QSaveFile uscita(file);
  if (!uscita.open(QIODevice::WriteOnly)) throw ErroreFile(file.toStdString(), true);
  if (uscita.write(corpo) != corpo.size()) throw ErroreRuntime(errore::DiskFull, "Disk full");
  if (!uscita.commit()) throw ErroreFile(file.toStdString(), true);
}

}  // namespace

QString IndirizzoServer() {
  QString indirizzo = qEnvironmentVariable(VARIABILE_SERVER).trimmed();
  while (indirizzo.endsWith(QLatin1Char('/'))) indirizzo.chop(1);
  return indirizzo.isEmpty() ? SERVER_PREDEFINITO : indirizzo;
}

QString UrlServer(std::string_view percorso) {
  return IndirizzoServer() + QString::fromUtf8(percorso.data(), static_cast<qsizetype>(percorso.size()));
}

// The program keeps no cache of its own and every request already bypasses
// the others, so there is no cached copy left for `svuotaCache` to drop.
bool DownloadFile(const QString& url, const QString& file, bool /*svuotaCache*/) {
  const std::optional<QByteArray> corpo = Scarica(QUrl(url));
  if (!corpo) return false;
  try {
    Salva(*corpo, file);
    return true;
  } catch (const ErroreRuntime& e) {
    MessageBox::Mostra(MessaggioErrore(e, "DownloadFile"));
    return false;
  }
}

std::chrono::milliseconds AttesaMassima() { return attesaMassima; }
void ImpostaAttesaMassima(std::chrono::milliseconds attesa) { attesaMassima = attesa; }

}  // namespace tlx::platform
