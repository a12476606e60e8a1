#include "platform/IstanzaSingola.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

#include "platform/MessageBox.h"

namespace tlx::platform {

namespace {
constexpr int ATTESA_MS = 1000;
// How long a later copy waits for the copy holding the lock to listen: it
// may have started at the same instant.
constexpr int ATTESA_PRIMA_COPIA_MS = 10000;
// A lock file that names a copy no longer running is taken over at once.
// One that names none (a copy killed between creating and writing it leaves
// it empty) is taken over once it is this old and no process holds it: a
// copy that is alive holds its lock file (QLockFile locks it in the file
// system a moment after creating it), and the age covers that moment.
constexpr int ETA_BLOCCO_ABBANDONATO_MS = 2000;
constexpr int PAUSA_MS = 50;
const QByteArray RICHIESTA = QByteArrayLiteral("attiva\n");

// Where Qt makes the socket of a server name: the name itself when it is a
// path, else in the temporary folder.
QString PercorsoSocket(const QString& nome) {
  return nome.startsWith(QLatin1Char('/')) ? nome : QDir::tempPath() + QLatin1Char('/') + nome;
}
}  // namespace

IstanzaSingola::IstanzaSingola(QString nomeServer, QObject* parent)
    : QObject(parent), nomeServer_(std::move(nomeServer)), blocco_(PercorsoSocket(nomeServer_) + QStringLiteral(".lock")) {
  blocco_.setStaleLockTime(ETA_BLOCCO_ABBANDONATO_MS);
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
  // Taking the lock is the one atomic step: of copies started together
  // exactly one gets it, and the lock of a copy that was killed is taken
  // over. The copy that holds it listens as soon as its start-up has got
  // that far.
  const QDeadlineTimer scadenza(ATTESA_PRIMA_COPIA_MS);
  while (!blocco_.tryLock(0) && blocco_.error() == QLockFile::LockFailedError) {
    if (ChiediAttivazione()) return true;
    // A lock no copy answers for is no running copy: start-up goes on.
    if (scadenza.hasExpired()) break;
    QThread::msleep(PAUSA_MS);
  }
  // A socket under the name was left by a copy killed before it could
  // remove it. (When no lock can be made, nothing is removed.)
  if (blocco_.isLocked()) QLocalServer::removeServer(nomeServer_);
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
