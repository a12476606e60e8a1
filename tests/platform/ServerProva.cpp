#include "platform/ServerProva.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <optional>
#include <stdexcept>

namespace tlx::prova {
namespace {

QByteArray Intestazione(int stato, qsizetype lunghezza) {
  return "HTTP/1.1 " + QByteArray::number(stato) + " Prova\r\nContent-Type: text/plain\r\nContent-Length: " +
         QByteArray::number(lunghezza) + "\r\nConnection: close\r\n\r\n";
}

std::optional<RichiestaRicevuta> Analizza(const QByteArray& testa) {
  const QList<QByteArray> righe = testa.split('\n');
  const QList<QByteArray> prima = righe.front().trimmed().split(' ');
  if (prima.size() != 3) return std::nullopt;
  RichiestaRicevuta r{prima[0], prima[1], {}};
  for (qsizetype i = 1; i < righe.size(); ++i) {
    const qsizetype duepunti = righe[i].indexOf(':');
    if (duepunti > 0) r.intestazioni.insert(righe[i].left(duepunti).trimmed().toLower(), righe[i].mid(duepunti + 1).trimmed());
  }
  return r;
}

}  // namespace

ServerProva::ServerProva() : server_(new QTcpServer(this)) {
  if (!server_->listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("the test server can't listen");
  connect(server_, &QTcpServer::newConnection, this, &ServerProva::NuovaConnessione);
}

ServerProva::~ServerProva() = default;

quint16 ServerProva::Porta() const { return server_->serverPort(); }
QString ServerProva::Indirizzo() const { return QStringLiteral("http://127.0.0.1:%1").arg(Porta()); }

void ServerProva::Rispondi(const QByteArray& percorso, RispostaProva risposta) {
  risposte_.insert(percorso, std::move(risposta));
}

quint16 ServerProva::PortaChiusa() {
  QTcpServer libero;
  libero.listen(QHostAddress::LocalHost, 0);
  return libero.serverPort();  // closed again when `libero` goes
}

void ServerProva::NuovaConnessione() {
  while (QTcpSocket* connessione = server_->nextPendingConnection()) {
    connessione->setParent(this);
    connect(connessione, &QTcpSocket::readyRead, this, [this, connessione] { LeggiRichiesta(connessione); });
    connect(connessione, &QTcpSocket::disconnected, connessione, &QObject::deleteLater);
  }
}

void ServerProva::LeggiRichiesta(QTcpSocket* connessione) {
  // The request's head stays in the socket until it is complete.
  const QByteArray letto = connessione->peek(connessione->bytesAvailable());
  const qsizetype fine = letto.indexOf("\r\n\r\n");
  if (fine < 0) return;
  connessione->read(fine + 4);
  const std::optional<RichiestaRicevuta> richiesta = Analizza(letto.left(fine));
  if (!richiesta) {
    connessione->disconnectFromHost();
    return;
  }
  ricevute_.append(*richiesta);
  const auto trovata = risposte_.constFind(richiesta->percorso);
  Servi(connessione, trovata != risposte_.cend() ? *trovata : RispostaProva{404, "Not Found"});
}

void ServerProva::Servi(QTcpSocket* connessione, const RispostaProva& r) {
  using Modo = RispostaProva::Modo;
  switch (r.modo) {
    case Modo::Muta:
      return;
    case Modo::Intera:
      connessione->write(Intestazione(r.stato, r.corpo.size()) + r.corpo);
      connessione->disconnectFromHost();
      return;
    case Modo::Troncata:
      connessione->write(Intestazione(r.stato, r.corpo.size()) + r.corpo.left(r.corpo.size() / 2));
      connessione->disconnectFromHost();
      return;
    case Modo::Lenta:
      connessione->write(Intestazione(r.stato, r.corpo.size()));
      InviaLentamente(connessione, r.corpo, std::max<qsizetype>(1, (r.corpo.size() + r.pezzi - 1) / r.pezzi), r.pausa);
      return;
  }
}

void ServerProva::InviaLentamente(QTcpSocket* connessione, QByteArray resto, qsizetype pezzo,
                                  std::chrono::milliseconds pausa) {
  if (resto.isEmpty()) {
    connessione->disconnectFromHost();
    return;
  }
  QTimer::singleShot(pausa, connessione, [=, this] {
    connessione->write(resto.left(pezzo));
    InviaLentamente(connessione, resto.mid(pezzo), pezzo, pausa);
  });
}

}  // namespace tlx::prova
