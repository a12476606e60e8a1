#include "platform/ServerProva.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <sys/socket.h>
#include <stdexcept>

namespace tlx::prova {

ServerProva::ServerProva() : server_(new QTcpServer(this)) {
  if (!server_->listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("the test server can't listen");
  connect(server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* connessione = server_->nextPendingConnection()) {
      connessione->setParent(this);
      connect(connessione, &QTcpSocket::readyRead, this, [this, connessione] { LeggiRichiesta(connessione); });
      connect(connessione, &QTcpSocket::disconnected, connessione, &QObject::deleteLater);
    }
  });
}

QString ServerProva::Indirizzo() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_->serverPort()); }

void ServerProva::LeggiRichiesta(QTcpSocket* connessione) {
  // The request's head stays in the socket until it is complete.
  const QByteArray letto = connessione->peek(connessione->bytesAvailable());
  const qsizetype fine = letto.indexOf("\r\n\r\n");
  if (fine < 0) return;
  connessione->read(fine + 4);
  const QList<QByteArray> righe = letto.left(fine).split('\n');
  const QList<QByteArray> prima = righe.front().trimmed().split(' ');
  if (prima.size() != 3) return connessione->disconnectFromHost();
  RichiestaRicevuta richiesta{prima[1], {}};
  for (const QByteArray& riga : righe.mid(1)) {
    const qsizetype duepunti = riga.indexOf(':');
    if (duepunti > 0)
      richiesta.intestazioni.insert(riga.left(duepunti).trimmed().toLower(), riga.mid(duepunti + 1).trimmed());
  }
  ricevute_.append(richiesta);
  Servi(connessione, risposte_.value(richiesta.percorso, RispostaProva{404, "Not Found"}));
}

namespace {

QByteArray Chunk(const QByteArray& dati) { return QByteArray::number(dati.size(), 16) + "\r\n" + dati + "\r\n"; }

}  // namespace

void ServerProva::Servi(QTcpSocket* connessione, const RispostaProva& r) {
  using Modo = RispostaProva::Modo;
  if (r.modo == Modo::Muta) return;
  QByteArray testa = "HTTP/1.1 " + QByteArray::number(r.stato) + " Prova\r\nContent-Type: text/plain\r\n" + r.intestazioni;
  if (r.modo == Modo::Chunk || r.modo == Modo::ChunkRotto || r.modo == Modo::ChunkInfinito)
    testa += "Transfer-Encoding: chunked\r\n";
  else if (r.modo != Modo::SenzaLunghezza)
    testa += "Content-Length: " + QByteArray::number(r.corpo.size()) + "\r\n";
  connessione->write(testa + "Connection: close\r\n\r\n");
  const QByteArray meta = r.corpo.left(r.corpo.size() / 2);
  switch (r.modo) {
    case Modo::Lenta: return InviaLentamente(connessione, r.corpo, (r.corpo.size() + r.pezzi - 1) / r.pezzi, r.pausa);
    case Modo::ChunkInfinito: return InviaSenzaFine(connessione, Chunk(r.corpo));
    case Modo::Azzerata: {
      connessione->write(meta);
      connessione->flush();
      // No lingering: closing now sends a reset, not an orderly end.
      const linger subito{1, 0};
      setsockopt(static_cast<int>(connessione->socketDescriptor()), SOL_SOCKET, SO_LINGER, &subito, sizeof subito);
      return connessione->abort();
    }
    case Modo::Troncata: connessione->write(meta); break;
    case Modo::Chunk: connessione->write(Chunk(r.corpo) + "0\r\n\r\n"); break;
    case Modo::ChunkRotto: connessione->write(Chunk(meta) + "zz\r\n" + r.corpo.mid(meta.size())); break;
    default: connessione->write(r.corpo);
  }
  connessione->disconnectFromHost();
}

void ServerProva::InviaSenzaFine(QTcpSocket* connessione, const QByteArray& chunk) {
  // A little ahead of the reader, never more.
  const auto Riempi = [connessione, chunk] {
    while (connessione->state() == QAbstractSocket::ConnectedState && connessione->bytesToWrite() < 1024 * 1024)
      connessione->write(chunk);
  };
  connect(connessione, &QTcpSocket::bytesWritten, connessione, Riempi);
  Riempi();
}

void ServerProva::InviaLentamente(QTcpSocket* connessione, QByteArray resto, qsizetype pezzo,
                                  std::chrono::milliseconds pausa) {
  if (resto.isEmpty()) return connessione->disconnectFromHost();
  QTimer::singleShot(pausa, connessione, [=, this] {
    connessione->write(resto.left(pezzo));
    InviaLentamente(connessione, resto.mid(pezzo), pezzo, pausa);
  });
}

}  // namespace tlx::prova
