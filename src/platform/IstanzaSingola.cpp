#include "platform/IstanzaSingola.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include "platform/MessageBox.h"

namespace tlx::platform {

namespace {
constexpr int ATTESA_MS = 1000;
const QByteArray RICHIESTA = QByteArrayLiteral("attiva\n");
}  // namespace

IstanzaSingola::IstanzaSingola(QString nomeServer, QObject* parent)
    : QObject(parent), nomeServer_(std::move(nomeServer)) {
  // No socket options: with them Qt moves a new socket over an existing one,
  // and a second copy would listen too instead of finding the first.
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { LeggiRichiesta(socket); });
      LeggiRichiesta(socket);
    }
  });
}

QString IstanzaSingola::NomePer(const QString& cartellaDati) {
  // qHash is seeded per process: the name needs a hash every copy agrees on.
  const QByteArray impronta = QCryptographicHash::hash(cartellaDati.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
  return TITOLO_APPLICAZIONE + QLatin1Char('-') + QString::fromLatin1(impronta);
}

bool IstanzaSingola::AttivaIstanzaPrecedente() {
  if (server_.isListening()) return false;
  if (server_.listen(nomeServer_)) return false;
  if (ChiediAttivazione()) return true;
  // Nothing answers: the socket was left behind by a copy that did not end
  // cleanly.
  QLocalServer::removeServer(nomeServer_);
  server_.listen(nomeServer_);
  return false;
}

bool IstanzaSingola::ChiediAttivazione() {
  QLocalSocket socket;
  socket.connectToServer(nomeServer_);
  if (!socket.waitForConnected(ATTESA_MS)) return false;
  socket.write(RICHIESTA);
  const bool scritto = socket.waitForBytesWritten(ATTESA_MS);
  socket.disconnectFromServer();
  return scritto;
}

void IstanzaSingola::LeggiRichiesta(QLocalSocket* socket) {
  while (socket->canReadLine())
    if (socket->readLine() == RICHIESTA) emit AttivazioneRichiesta();
}

}  // namespace tlx::platform
